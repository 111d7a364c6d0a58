// kestrelmark-cli over packs, calendar files, ranges and the weekly backup.
#include "model/CReminder.h"
#include "storage/CReminderStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>

namespace {

class CliExchange : public ::testing::Test
{
protected:
    struct Result
    {
        int code = -1;
        QJsonObject json;
        QByteArray err;
        QByteArray out;
    };
    Result Run(const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), Path("xdg"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KM_CLI_PATH), args);
        p.waitForFinished(30000);
        const QByteArray out = p.readAllStandardOutput();
        return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QJsonDocument::fromJson(out).object(),
                 p.readAllStandardError(), out };
    }
    QString Path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    // The occurrences from 1 March 2027 through the day given, compact or whole.
    Result Listing(const char *name, const char *to, bool full)
    {
        QStringList args { "occurrences", Path(name), "--from", "2027-03-01", "--to", to };
        if (full)
            args << "--full";
        return Run(args);
    }
    // The text the listing must be: a document's own indented text, but for
    // its entries, each on a line of its own in the document's compact form.
    static QByteArray ListingText(const QJsonDocument &document, bool full)
    {
        if (full)
            return document.toJson(QJsonDocument::Indented);
        const QJsonObject o = document.object();
        QByteArray entries;
        for (const QJsonValue &v : o.value("occurrences").toArray())
            entries += (entries.isEmpty() ? "\n        " : ",\n        ")
                + QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact);
        return "{\n    \"from\": \"" + o.value("from").toString().toUtf8() + "\",\n    \"occurrences\": ["
            + entries + (entries.isEmpty() ? "]" : "\n    ]") + ",\n    \"to\": \"" + o.value("to").toString().toUtf8()
            + "\"\n}\n";
    }
    void Write(const char *name, const QByteArray &data)
    {
        QDir().mkpath(QFileInfo(Path(name)).absolutePath());
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QTemporaryDir m_dir;
};

TEST_F(CliExchange, PackJourneyWithDataFiles)
{
    Write("home/icons/owl.ico", "OWL");
    Write("home/sounds/hoot.wav", "HOOT");
    const QString file = Path("mine.km2");
    ASSERT_EQ(Run({ "add", file, "--at", "2026-05-01T09:00", "--message", "Owl day", "--icon", "owl.ico", "--sound",
                    "hoot.wav", "--data-dir", Path("home") }).code, 0);
    ASSERT_EQ(Run({ "add", file, "--at", "2026-05-02T09:00", "--message", "Other" }).code, 0);
    const Result exported = Run({ "export", file, Path("p.rpk"), "--select", "0", "--data-dir", Path("home") });
    ASSERT_EQ(exported.code, 0) << exported.err.constData();
    EXPECT_EQ(exported.json.value("exported").toInt(), 1);

    const Result dump = Run({ "dump", Path("p.rpk") });
    ASSERT_EQ(dump.code, 0) << dump.err.constData();
    EXPECT_EQ(dump.json.value("reminders").toArray().size(), 1);
    const QJsonArray files = dump.json.value("datafiles").toArray();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].toObject().value("name").toString(), QStringLiteral("icons\\owl.ico"));
    EXPECT_EQ(files[1].toObject().value("size").toInt(), 4);

    const Result imported = Run({ "import", Path("theirs.km2"), Path("p.rpk"), "--data-dir", Path("friend") });
    ASSERT_EQ(imported.code, 0) << imported.err.constData();
    EXPECT_EQ(imported.json.value("added").toArray().size(), 1);
    EXPECT_EQ(imported.json.value("datafiles").toArray()[0].toObject().value("written").toBool(), true);
    EXPECT_TRUE(QFile::exists(Path("friend/icons/owl.ico")));
    EXPECT_TRUE(QFile::exists(Path("friend/sounds/hoot.wav")));
    const Result again = Run({ "import", Path("theirs.km2"), Path("p.rpk"), "--data-dir", Path("friend") });
    EXPECT_EQ(again.json.value("added").toArray().size(), 0);
    EXPECT_EQ(again.json.value("skipped").toArray().size(), 1);
}

TEST_F(CliExchange, HostilePackIsRefusedFileByFile)
{
    // dword 0, banner, no reminders, "Datafiles", one record named "icons\..\..\evil", end token.
    QByteArray pack;
    auto dword = [&pack](quint32 v) { for (int i = 0; i < 4; ++i) pack.append(static_cast<char>(v >> (8 * i))); };
    auto str = [&pack](const QByteArray &s) { pack.append(static_cast<char>(s.size())).append(s); };
    dword(0); str("KM 2.0 Reminder Pack"); dword(0); str("Datafiles"); dword(1);
    dword(0xFFFFFFFF); str("icons\\..\\..\\evil"); dword(4); dword(4); pack.append("EVIL"); dword(0);
    dword(0xFFFFFFFE);
    Write("in/h.rpk", pack);
    const Result r = Run({ "import", Path("r.km2"), Path("in/h.rpk"), "--data-dir", Path("d") });
    ASSERT_EQ(r.code, 0) << r.err.constData();
    const QJsonObject f = r.json.value("datafiles").toArray()[0].toObject();
    EXPECT_FALSE(f.value("written").toBool());
    EXPECT_FALSE(f.value("refused").toString().isEmpty());
    EXPECT_FALSE(QFile::exists(Path("evil")));
    pack.chop(9); // cut inside the record
    Write("in/cut.rpk", pack);
    EXPECT_EQ(Run({ "import", Path("r.km2"), Path("in/cut.rpk"), "--data-dir", Path("d") }).code, 2);
    EXPECT_EQ(Run({ "dump", Path("in/cut.rpk") }).code, 2);
}

TEST_F(CliExchange, CsvRangesAndOccurrences)
{
    Write("cal.csv", "Subject,Start Date,Start Time,Description\r\nGift,1/31/1998,00:00,midnight\r\n"
                     "Gift,1/31/1998,09:00,morning\r\nGift,2/1/1998,09:00,february\r\n");
    const QString file = Path("r.km2");
    const Result imported = Run({ "import", file, Path("cal.csv") });
    ASSERT_EQ(imported.code, 0) << imported.err.constData();
    EXPECT_EQ(imported.json.value("added").toInt(), 3);
    ASSERT_EQ(Run({ "add", file, "--at", "1998-01-07T08:00", "--message", "weekly", "--recurrence", "weekly" }).code, 0);

    const Result occ = Run({ "occurrences", file, "--from", "1998-01-01", "--to", "1998-01-31" });
    ASSERT_EQ(occ.code, 0);
    const QJsonArray list = occ.json.value("occurrences").toArray();
    ASSERT_EQ(list.size(), 6); // four Wednesdays and the two on the 31st
    EXPECT_EQ(list.last().toObject().value("message").toString(), QStringLiteral("morning"));

    const Result del = Run({ "delete-range", file, "--from", "1998-01-01", "--to", "1998-01-31" });
    ASSERT_EQ(del.code, 0);
    EXPECT_EQ(del.json.value("deleted").toInt(), 2); // the 9:00 reminder of the last day too
    EXPECT_EQ(del.json.value("remaining").toInt(), 2);
    EXPECT_EQ(Run({ "delete-range", file, "--from", "1998-01-01", "--to", "1998-01-31", "--all-kinds" })
                  .json.value("deleted").toInt(), 1);

    ASSERT_EQ(Run({ "export", file, Path("back.CSV") }).code, 0);
    const Result dump = Run({ "dump", Path("back.CSV") });
    ASSERT_EQ(dump.code, 0);
    EXPECT_EQ(dump.json.value("reminders").toArray()[0].toObject().value("message").toString(), QStringLiteral("february"));
}

TEST_F(CliExchange, OccurrencesListEveryOneUnlessLimited)
{
    QByteArray csv = "Subject,Start Date,Start Time,Description\r\n";
    for (int i = 0; i < 25; ++i)
        csv += QByteArray("Gift,3/4/2027,") + QByteArray::number(8 + i % 3) + ":00,\"note " + QByteArray::number(i)
            + (i == 0 ? " with \"\"quotes\"\", caf\xc3\xa9 and a tab\t" : "") + "\"\r\n";
    Write("day.csv", csv);
    const QString file = Path("busy.km2");
    ASSERT_EQ(Run({ "import", file, Path("day.csv") }).code, 0);

    const Result all = Run({ "occurrences", file, "--from", "2027-03-01", "--to", "2027-03-31" });
    ASSERT_EQ(all.code, 0) << all.err.constData();
    const QJsonArray listed = all.json.value("occurrences").toArray();
    ASSERT_EQ(listed.size(), 25);
    EXPECT_EQ(all.json.value("from").toString(), QStringLiteral("2027-03-01"));
    EXPECT_EQ(all.json.value("to").toString(), QStringLiteral("2027-03-31"));
    QString previous;
    for (const QJsonValue &v : listed) {
        const QString iso = v.toObject().value("dateTime").toObject().value("iso").toString();
        EXPECT_LE(previous, iso);
        previous = iso;
    }

    // The whole listing's form is the dump's, field for field.
    const Result dump = Run({ "dump", file });
    ASSERT_EQ(dump.code, 0);
    const QJsonArray whole =
        Run({ "occurrences", file, "--from", "2027-03-01", "--to", "2027-03-31", "--full" }).json.value("occurrences").toArray();
    ASSERT_EQ(whole.size(), 25);
    bool matched = false;
    for (const QJsonValue &d : dump.json.value("reminders").toArray())
        for (const QJsonValue &o : whole)
            matched = matched || (d == o && d.toObject().value("message").toString().contains(QStringLiteral("café")));
    EXPECT_TRUE(matched);

    const Result limited =
        Run({ "occurrences", file, "--from", "2027-03-01", "--to", "2027-03-31", "--per-day-limit", "20" });
    ASSERT_EQ(limited.code, 0);
    EXPECT_EQ(limited.json.value("occurrences").toArray().size(), 20);
    EXPECT_EQ(Run({ "occurrences", file, "--from", "2027-03-01", "--to", "2027-03-31", "--per-day-limit", "0" }).code, 1);
    EXPECT_EQ(Run({ "occurrences", file, "--from", "2027-03-01", "--to", "2027-03-31", "--per-day-limit", "x" }).code, 1);

    // A range with nothing in it is still a complete document.
    const Result none = Run({ "occurrences", file, "--from", "2027-04-01", "--to", "2027-04-02" });
    ASSERT_EQ(none.code, 0);
    EXPECT_TRUE(none.json.value("occurrences").isArray());
    EXPECT_EQ(none.json.value("occurrences").toArray().size(), 0);
    EXPECT_EQ(ListingText(QJsonDocument::fromJson(none.out), false), none.out);
}

// The listing writes numbers as the shortest text that reads back as the
// same number, whole numbers included, and each date's text is its own.
TEST_F(CliExchange, OccurrenceNumbersAndDatesAreWrittenExactly)
{
    std::vector<CReminder> reminders(5);
    reminders[0].m_DateTime = COleDateTime(2027, 3, 1, 0, 1, 0);
    reminders[0].m_ReshowInterval = COleDateTimeSpan(100000.0);  // "1e+05" is shorter
    reminders[0].m_AdvanceNotice = COleDateTimeSpan(99999.0);
    reminders[2].m_ReshowInterval = COleDateTimeSpan(-0.0);
    reminders[0].m_LastShown = COleDateTime(2027, 2, 28, 23, 59, 59);
    reminders[1].m_DateTime = COleDateTime(2027, 3, 2, 12, 0, 0);
    reminders[1].m_AdvanceNotice = COleDateTimeSpan(0.1);
    reminders[1].m_ReshowInterval = COleDateTimeSpan(-7.0);
    reminders[1].m_LastShown = COleDateTime(COleDateTime(2027, 2, 28, 23, 59, 59).GetValue(), COleDateTime::invalid);
    reminders[2].m_DateTime = COleDateTime(2027, 3, 3, 8, 0, 0);
    // A time that rounds up to the next midnight, then another time on the
    // day it was rounded from.
    const double tenth = COleDateTime(2027, 2, 10, 0, 0, 0).GetValue();
    reminders[3].m_DateTime = COleDateTime(2027, 3, 3, 9, 0, 0);
    reminders[3].m_LastShown = COleDateTime(tenth + 0.9999999, COleDateTime::valid);
    reminders[4].m_DateTime = COleDateTime(2027, 3, 3, 10, 0, 0);
    reminders[4].m_LastShown = COleDateTime(tenth + 0.5, COleDateTime::valid);
    const QString file = Path("numbers.km2");
    CReminderStore store(m_dir.path());
    ASSERT_EQ(store.SaveReminders(reminders, QStringLiteral("numbers")), CReminderStore::Saved);

    const Result r = Run({ "occurrences", file, "--from", "2027-03-01", "--to", "2027-03-03", "--full" });
    ASSERT_EQ(r.code, 0) << r.err.constData();
    const auto number = [](double v) {
        char text[32];
        return QByteArray(text, std::to_chars(text, text + sizeof text, v).ptr - text);
    };
    const QByteArray &out = r.out;
    EXPECT_TRUE(out.contains("\"days\": 1e+05,")) << out.constData();
    EXPECT_TRUE(out.contains("\"days\": 99999,"));
    EXPECT_TRUE(out.contains("\"days\": -0,"));
    EXPECT_TRUE(out.contains("\"days\": 0.1,"));
    EXPECT_TRUE(out.contains("\"days\": -7,"));
    EXPECT_TRUE(out.contains("\"days\": " + number(COleDateTime(2027, 3, 1, 0, 1, 0).GetValue()) + ","));
    // The one last-shown date is written for the first occurrence only: the
    // second's is not valid and has no text, the third's is the default.
    EXPECT_EQ(out.count("\"iso\": \"2027-02-28T23:59:59\""), 1);
    EXPECT_EQ(out.count("\"iso\": \"1987-01-13T00:00:00\""), 1);
    EXPECT_EQ(out.count("\"iso\": \"2027-03-0"), 5);
    EXPECT_EQ(out.count("\"iso\": \"2027-02-11T00:00:00\""), 1);
    EXPECT_EQ(out.count("\"iso\": \"2027-02-10T12:00:00\""), 1);
    EXPECT_EQ(out.count("\"iso\": \"2027-03-03T10:00:00\""), 1);
    // Indented as a JSON document is, four spaces a level.
    EXPECT_TRUE(out.contains("\n    \"occurrences\": [\n        {\n            \"advanceNotice\": {\n                \"days\": "));
}

// The listing is the text a JSON document gives for itself, byte for byte:
// escapes, text outside ASCII, a text too long for one write buffer, and
// the same reminder on several days.
TEST_F(CliExchange, OccurrenceListingIsTheDocumentsOwnText)
{
    std::vector<CReminder> reminders(4);
    reminders[0].m_DateTime = COleDateTime(2027, 3, 1, 7, 30, 0);
    reminders[0].m_Message = QStringLiteral("say \"hi\" \\ then\ttab\r\n\x01 and \x7f caf\u00e9 \u20ac");
    reminders[0].m_IconName = QStringLiteral("Birthday");
    reminders[0].m_Recurrence = RecurWeekly;
    reminders[1].m_DateTime = COleDateTime(2027, 3, 2, 23, 59, 59);
    reminders[1].m_Message = QString(200000, QLatin1Char('x')) + QStringLiteral("\"end\"");
    reminders[1].m_SoundFileName = QStringLiteral("\u00c5 sound.wav");
    reminders[1].m_AdvanceNotice = COleDateTimeSpan(2.25);
    reminders[2].m_DateTime = COleDateTime(2027, 3, 3, 0, 0, 0);
    reminders[2].m_Private = true;
    reminders[2].m_Shown = true;
    reminders[3].m_DateTime = COleDateTime(2027, 3, 3, 12, 0, 0);
    reminders[3].m_Recurrence = RecurMonthly;
    reminders[3].m_Message = QStringLiteral("Latin-1 alone: caf\u00e9 \"x\"\x01\\ \u00ff and more than sixteen");
    CReminderStore store(m_dir.path());
    ASSERT_EQ(store.SaveReminders(reminders, QStringLiteral("texts")), CReminderStore::Saved);

    for (const bool full : { true, false }) {
        const Result r = Listing("texts.km2", "2027-03-15", full);
        ASSERT_EQ(r.code, 0) << r.err.constData();
        const QJsonDocument document = QJsonDocument::fromJson(r.out);
        ASSERT_TRUE(document.isObject()) << full;
        EXPECT_EQ(document.object().value("occurrences").toArray().size(), 6); // three Mondays, one of each other
        EXPECT_EQ(ListingText(document, full), r.out) << full;
    }
}

// The whole-reminder listing is today's, byte for byte; the default one
// keeps what a day plan needs.
TEST_F(CliExchange, OccurrenceFormsAgainstTheKeptListing)
{
    const QString file = QStringLiteral(KM_CLI_DATA_DIR "/occurrences.km2");
    QFile kept(QStringLiteral(KM_CLI_DATA_DIR "/occurrences-full.json"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const Result full = Run({ "occurrences", file, "--from", "2027-03-01", "--to", "2027-03-15", "--full" });
    ASSERT_EQ(full.code, 0) << full.err.constData();
    EXPECT_EQ(full.out, kept.readAll());

    const Result day = Run({ "occurrences", file, "--from", "2027-03-01", "--to", "2027-03-15" });
    ASSERT_EQ(day.code, 0) << day.err.constData();
    EXPECT_EQ(ListingText(QJsonDocument::fromJson(day.out), false), day.out);
    const QJsonArray compact = day.json.value("occurrences").toArray();
    const QJsonArray whole = full.json.value("occurrences").toArray();
    const QJsonArray reminders = Run({ "dump", file }).json.value("reminders").toArray();
    ASSERT_EQ(compact.size(), whole.size());
    const auto iso = [](const QJsonValue &date) { return date.toObject().value("iso"); };
    for (qsizetype i = 0; i < compact.size(); ++i) {
        const QJsonObject c = compact[i].toObject(), w = whole[i].toObject();
        const QJsonObject notice = w.value("advanceNotice").toObject();
        const bool hasNotice = notice.value("status").toInt() == 0;
        QStringList keys { "dateTime", "iconName", "index", "message", "noticeMinutes", "recurrence", "reminderDateTime" };
        if (!hasNotice)
            keys.removeOne("noticeMinutes");
        EXPECT_EQ(c.keys(), keys);
        EXPECT_EQ(c.value("dateTime").toObject().keys(), QStringList { "iso" }) << i;
        EXPECT_EQ(iso(c.value("dateTime")), iso(w.value("dateTime"))) << i;
        for (const char *key : { "iconName", "message", "recurrence" })
            EXPECT_EQ(c.value(key), w.value(key)) << key << " of entry " << i;
        if (hasNotice)
            EXPECT_DOUBLE_EQ(c.value("noticeMinutes").toDouble(),
                             std::round(notice.value("days").toDouble() * 86400.0) / 60.0) << i;
        // The index is the reminder's place in the file, dated by its own day.
        const QJsonObject own = reminders[c.value("index").toInt()].toObject();
        EXPECT_EQ(iso(c.value("reminderDateTime")), iso(own.value("dateTime")));
        EXPECT_EQ(c.value("message"), own.value("message"));
    }
}

// Entries larger than the write buffer, with texts of every width, come
// out whole and in order in either form.
TEST_F(CliExchange, OccurrencesLargerThanTheWriteBuffer)
{
    const QString piece = QStringLiteral("\u00e9\u20ac\U0001F600\x01\"\\ "); // 13 bytes of UTF-8
    const QString wide = piece.repeated((1 << 20) / 13 + 1);
    std::vector<CReminder> reminders(4);
    reminders[0].m_DateTime = COleDateTime(2027, 3, 1, 8, 0, 0);
    reminders[0].m_Message = QStringLiteral("short");
    reminders[0].m_Recurrence = RecurWeekly;
    reminders[1].m_DateTime = COleDateTime(2027, 3, 1, 9, 0, 0);
    reminders[1].m_Message = wide;
    reminders[1].m_Recurrence = RecurWeekly;
    reminders[2].m_DateTime = COleDateTime(2027, 3, 2, 9, 0, 0);
    reminders[2].m_Message = QString(170000, QLatin1Char('a')); // fits the buffer only once written out
    reminders[2].m_Recurrence = RecurWeekly;
    reminders[3].m_DateTime = COleDateTime(2027, 3, 3, 9, 0, 0);
    reminders[3].m_IconName = QString(200000, QChar(0x4e2d));
    CReminderStore store(m_dir.path());
    ASSERT_EQ(store.SaveReminders(reminders, QStringLiteral("large")), CReminderStore::Saved);

    for (const bool full : { true, false }) {
        const Result r = Listing("large.km2", "2027-03-21", full);
        ASSERT_EQ(r.code, 0) << r.err.constData();
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(r.out, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << full << ": " << error.errorString().toStdString();
        EXPECT_EQ(ListingText(document, full), r.out) << full;
        const QJsonArray listed = document.object().value("occurrences").toArray();
        ASSERT_EQ(listed.size(), 10) << full; // three weeks of three weekly ones, and the one-time
        int wideSeen = 0;
        for (const QJsonValue &v : listed) {
            const QString message = v.toObject().value("message").toString();
            wideSeen += message == wide;
            EXPECT_TRUE(message == wide || message.size() < 200000 || message == reminders[2].m_Message);
        }
        EXPECT_EQ(wideSeen, 3) << full;
        EXPECT_EQ(std::count_if(listed.begin(), listed.end(),
                                [&](const QJsonValue &v) {
                                    return v.toObject().value("iconName").toString() == reminders[3].m_IconName;
                                }),
                  1)
            << full;
    }
}

// Icon files of the icons folder and its subfolders are names --icon
// takes, exactly as found; other files and unknown names are not.
TEST_F(CliExchange, AddTakesTheIconsFolderNames)
{
    Write("xdg/Quendrake Inc/Kestrelmark/icons/owl.ICO", "not read");
    Write("xdg/Quendrake Inc/Kestrelmark/icons/birthdays/cake.ico", "not read");
    Write("xdg/Quendrake Inc/Kestrelmark/icons/notes.txt", "");
    const QString file = Path("icons.km2");
    const auto add = [&](const char *icon) {
        return Run({ "add", file, "--at", "2026-05-01T09:00", "--message", "m", "--icon", icon });
    };
    EXPECT_EQ(add("owl.ICO").code, 0);
    EXPECT_EQ(add("birthdays\\cake.ico").code, 0);
    const Result unknown = add("notes.txt");
    EXPECT_EQ(unknown.code, 1);
    EXPECT_TRUE(unknown.err.contains("Skull, owl.ICO, birthdays\\cake.ico")) << unknown.err.constData();
    EXPECT_EQ(add("birthdays/cake.ico").code, 1);
    EXPECT_EQ(Run({ "dump", file }).json.value("reminders").toArray().size(), 2);
}

TEST_F(CliExchange, ICalendarExportImportAndDump)
{
    const QString file = Path("r.km2");
    ASSERT_EQ(Run({ "add", file, "--at", "2026-05-01T09:00", "--message", "Tea\nwith Ann", "--recurrence", "weekly",
                    "--notice", "1d2h30m", "--icon", "Birthday", "--private" }).code, 0);
    const Result exported = Run({ "export", file, Path("out.ICS") });
    ASSERT_EQ(exported.code, 0) << exported.err.constData();
    EXPECT_EQ(exported.json.value("format").toString(), QStringLiteral("ics"));

    const Result dump = Run({ "dump", Path("out.ICS") });
    ASSERT_EQ(dump.code, 0) << dump.err.constData();
    const QJsonObject r = dump.json.value("reminders").toArray()[0].toObject();
    EXPECT_EQ(r.value("message").toString(), QStringLiteral("Tea\nwith Ann"));
    EXPECT_EQ(r.value("recurrence").toInt(), 3);
    EXPECT_TRUE(r.value("private").toBool());

    // Into another file once; the second time it is already there.
    const QString other = Path("other.km2");
    const Result first = Run({ "import", other, Path("out.ICS") });
    ASSERT_EQ(first.code, 0) << first.err.constData();
    EXPECT_EQ(first.json.value("added").toInt(), 1);
    const Result again = Run({ "import", other, Path("out.ICS") });
    EXPECT_EQ(again.json.value("added").toInt(), 0);
    EXPECT_EQ(again.json.value("skipped").toInt(), 1);

    // Simplified events are counted and said how.
    Write("rule.ics", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:x\r\nDTSTART:20260401T090000\r\n"
                      "RRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH\r\nSUMMARY:Swim\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const Result rule = Run({ "import", other, Path("rule.ics") });
    ASSERT_EQ(rule.code, 0) << rule.err.constData();
    EXPECT_EQ(rule.json.value("added").toInt(), 2);
    EXPECT_EQ(rule.json.value("simplified").toInt(), 1);
    EXPECT_EQ(rule.json.value("notes").toArray().size(), 1);

    // A broken file is refused and the reminder file stays as it was.
    Write("bad.ics", "this is not a calendar\r\n");
    QFile before(other);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();
    const Result bad = Run({ "import", other, Path("bad.ics") });
    EXPECT_EQ(bad.code, 2);
    EXPECT_FALSE(bad.err.isEmpty());
    QFile after(other);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
    EXPECT_EQ(Run({ "dump", Path("bad.ics") }).code, 2);
}

TEST_F(CliExchange, BackupAndRecover)
{
    const QString data = Path("data");
    QDir().mkpath(data);
    const QString file = data + QStringLiteral("/Kestrelmark.km2");
    ASSERT_EQ(Run({ "add", file, "--at", "2026-01-01T10:00", "--message", "before" }).code, 0);
    EXPECT_EQ(Run({ "recover", "--yes", "--data-dir", data }).code, 2); // no backup yet
    const Result first = Run({ "backup", "--data-dir", data, "--now", "2026-01-05T08:00" });
    ASSERT_EQ(first.code, 0) << first.err.constData();
    EXPECT_EQ(first.json.value("result").toString(), QStringLiteral("backed-up"));
    EXPECT_EQ(first.json.value("lastBackupDate").toString(), QStringLiteral("2026-01-05T08:00:00"));
    EXPECT_EQ(Run({ "backup", "--data-dir", data, "--now", "2026-01-12T07:59" }).json.value("result").toString(),
              QStringLiteral("not-due"));
    ASSERT_EQ(Run({ "add", file, "--at", "2026-01-06T10:00", "--message", "after" }).code, 0);
    EXPECT_EQ(Run({ "recover", "--data-dir", data }).code, 1); // needs --yes
    const Result rec = Run({ "recover", "--yes", "--data-dir", data });
    ASSERT_EQ(rec.code, 0) << rec.err.constData();
    EXPECT_EQ(rec.json.value("reminders").toInt(), 1);
    EXPECT_EQ(Run({ "dump", file }).json.value("reminders").toArray().size(), 1);
}

} // namespace
