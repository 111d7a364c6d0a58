// Runs the real kestrelmark-cli on files made here.
#include "model/CArchive.h"
#include "model/CReminder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct Result
{
    int code = -1;
    QByteArray out, err;
};

Result run(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(KM_CLI_PATH), args);
    p.waitForFinished(30000);
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
             p.readAllStandardError() };
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
}

class Cli : public ::testing::Test
{
protected:
    QString Path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

TEST_F(Cli, AddDumpDayDueJourney)
{
    const QString file = Path("r.km2");
    ASSERT_EQ(run({ "add", file, "--at", "2026-12-24T18:00", "--message", "Tree \u2603", "--recurrence", "annual",
                    "--notice", "1d", "--icon", "Christmas" }).code, 0);
    ASSERT_EQ(run({ "add", file, "--at", "2026-12-10T09:30", "--message", "Dentist", "--private" }).code, 0);
    const Result dump = run({ "dump", file });
    ASSERT_EQ(dump.code, 0) << dump.err.constData();
    const QJsonObject root = QJsonDocument::fromJson(dump.out).object();
    EXPECT_EQ(root.value("format").toString(), QStringLiteral("km2"));
    const QJsonArray rs = root.value("reminders").toArray();
    ASSERT_EQ(rs.size(), 2);
    EXPECT_EQ(rs[0].toObject().value("message").toString(), QStringLiteral("Dentist"));
    EXPECT_TRUE(rs[0].toObject().value("private").toBool());
    EXPECT_EQ(rs[1].toObject().value("message").toString(), QStringLiteral("Tree \u2603"));
    EXPECT_EQ(rs[1].toObject().value("iconNumber").toInt(), 14);
    EXPECT_EQ(rs[1].toObject().value("dateTime").toObject().value("iso").toString(), QStringLiteral("2026-12-24T18:00:00"));
    EXPECT_FALSE(rs[1].toObject().value("advanceNotice").toObject().contains("iso"));

    EXPECT_EQ(QJsonDocument::fromJson(run({ "day", file, "--date", "2027-12-24" }).out).array(), QJsonArray({ 1 }));

    const Result due = run({ "due", file, "--at", "2027-12-23T19:00:00", "--save" });
    ASSERT_EQ(due.code, 0);
    const QJsonArray alerts = QJsonDocument::fromJson(due.out).array();
    ASSERT_EQ(alerts.size(), 2); // the missed one-time reminder, then the annual one
    EXPECT_EQ(alerts[1].toObject().value("iconName").toString(), QStringLiteral("Christmas"));
    EXPECT_TRUE(alerts[1].toObject().value("text").toString().startsWith(QStringLiteral("One day to go:\n")));
    // Saved: a second pass presents nothing.
    EXPECT_EQ(QJsonDocument::fromJson(run({ "due", file, "--at", "2027-12-23T19:01:00" }).out).array().size(), 0);
}

// An edit names the reminder by its id, changes what is given, keeps the
// id and counts the alert as not yet shown.
TEST_F(Cli, EditChangesOneReminderByItsIdAndKeepsIt)
{
    const QString file = Path("r.km2");
    ASSERT_EQ(run({ "add", file, "--at", "2026-12-10T09:30", "--message", "Dentist" }).code, 0);
    ASSERT_EQ(run({ "add", file, "--at", "2026-12-11T09:30", "--message", "Dentist" }).code, 0);
    ASSERT_EQ(run({ "due", file, "--at", "2026-12-11T09:31", "--save" }).code, 0);
    const auto reminders = [&] { return QJsonDocument::fromJson(run({ "dump", file }).out).object().value("reminders").toArray(); };
    const QString second = reminders()[1].toObject().value("id").toString();
    const Result edit = run({ "edit", file, "--id", second, "--at", "2026-12-09T08:00", "--message", "Dentist, early" });
    ASSERT_EQ(edit.code, 0) << edit.err.constData();
    const QJsonArray after = reminders();
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after[0].toObject().value("id").toString(), second); // now first in date order
    EXPECT_EQ(after[0].toObject().value("message").toString(), QStringLiteral("Dentist, early"));
    EXPECT_FALSE(after[0].toObject().value("shown").toBool());
    EXPECT_TRUE(after[1].toObject().value("shown").toBool()); // the other one untouched
    const QByteArray before = readFile(file);
    EXPECT_EQ(run({ "edit", file, "--id", "12345", "--message", "x" }).code, 2);
    EXPECT_EQ(run({ "edit", file, "--message", "x" }).code, 1);
    EXPECT_EQ(readFile(file), before);
}

TEST_F(Cli, CopyReproducesTheFileByteForByte)
{
    const QString a = Path("a.km2"), b = Path("b.km2");
    run({ "add", a, "--at", "2026-01-01T00:00", "--message", "x" });
    run({ "add", a, "--at", "2026-01-01T00:00", "--message", "\u4F60\u597D", "--recurrence", "weekly" });
    ASSERT_EQ(run({ "copy", a, b }).code, 0);
    EXPECT_EQ(readFile(a), readFile(b));
}

TEST_F(Cli, UsageErrorsExitWithOne)
{
    EXPECT_EQ(run({}).code, 1);
    EXPECT_EQ(run({ "frobnicate" }).code, 1);
    EXPECT_EQ(run({ "add", Path("x.km2"), "--at", "2025-02-29T10:00", "--message", "m" }).code, 1);
    EXPECT_FALSE(QFile::exists(Path("x.km2")));
    EXPECT_EQ(run({ "day", Path("x.km2"), "--date", "2026-13-01" }).code, 1);
    // Only the exact shapes, in ASCII digits.
    for (const char *at : { "2026-1-01T10:00", "2026-01-01 10:00", "2026-01-01T10:00:5", "2026-01-01T10:00Z",
                            "\uff12\uff10\uff12\uff16-01-01T10:00" })
        EXPECT_EQ(run({ "add", Path("x.km2"), "--at", QString::fromUtf8(at), "--message", "m" }).code, 1) << at;
    EXPECT_EQ(run({ "dump", "--bogus", Path("x.km2") }).code, 1);
    EXPECT_EQ(run({ "dump", "--help" }).code, 0);
    // An unknown icon is refused with the names that exist, the file untouched.
    const Result icon = run({ "add", Path("x.km2"), "--at", "2026-02-20T10:00", "--message", "m", "--icon", "NoSuchIcon" });
    EXPECT_EQ(icon.code, 1);
    EXPECT_TRUE(icon.err.contains("NoSuchIcon")) << icon.err.constData();
    EXPECT_TRUE(icon.err.contains("Christmas")) << icon.err.constData();
    EXPECT_FALSE(QFile::exists(Path("x.km2")));
}

QByteArray validFile()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ar.WriteDWord(0);
    ar.WriteString(QStringLiteral("KM 2.0 Reminders"));
    ar.WriteDWord(2);
    CReminder r;
    r.m_Message = QStringLiteral("a message of some length");
    ar.WriteObject(&r);
    ar.WriteObject(&r);
    ar.Close();
    return buffer.data();
}

TEST_F(Cli, TruncatedAnywhereIsCorruptInputNeverACrash)
{
    const QByteArray good = validFile();
    const QString file = Path("t.km2");
    for (int n = 0; n < good.size(); ++n) {
        writeFile(file, good.left(n));
        const Result r = run({ "dump", file });
        ASSERT_EQ(r.code, 2) << "truncated at " << n;
        EXPECT_FALSE(r.err.isEmpty());
    }
    writeFile(file, good);
    EXPECT_EQ(run({ "dump", file }).code, 0);
}

TEST_F(Cli, AbsurdCountsAndLongClassNamesAreRefused)
{
    const QString file = Path("c.km2");
    QByteArray huge = validFile();
    huge[21] = '\xFF';
    huge[22] = '\xFF';
    huge[23] = '\xFF';
    huge[24] = '\x7F';
    writeFile(file, huge);
    EXPECT_EQ(run({ "dump", file }).code, 2);
    // A legacy file announcing 2^32-1 records.
    writeFile(file.left(file.size() - 1) + "r", QByteArray("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(run({ "dump", Path("c.kmr") }).code, 2);
    QByteArray longName = validFile().left(25) + QByteArray("\xFF\xFF\x02\x00\x40\x00", 6) + QByteArray(64, 'C');
    writeFile(file, longName);
    const Result r = run({ "dump", file });
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("bad class")) << r.err.constData();
    EXPECT_EQ(run({ "dump", Path("missing.km2") }).code, 2);
}

// What a crash, a bad copy or a stray program can leave at the path:
// zeros, a FIFO, a sparse file past the size limit. Read as the program
// reads it, each is refused at once, and no command writes over it.
TEST_F(Cli, FilesThatHoldNoListAreRefusedAndNeverWritten)
{
    const QString zeros = Path("zeros.km2");
    writeFile(zeros, QByteArray(64, '\0'));
    const QString fifo = Path("fifo.km2");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = Path("huge.km2");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(qint64(2) << 30));
    }
    const QList<std::pair<QString, QByteArray>> cases { { zeros, "no reminder file banner" },
                                                        { fifo, "is not a regular file" },
                                                        { huge, "larger than 256 MB" } };
    for (const auto &[file, why] : cases) {
        for (const char *command : { "dump", "add" }) {
            QStringList args { QString::fromLatin1(command), file };
            if (QByteArray(command) == "add")
                args << "--at" << "2026-01-01T09:00" << "--message" << "lost?";
            const Result r = run(args);
            EXPECT_EQ(r.code, 2) << command << " " << qPrintable(file);
            EXPECT_TRUE(r.err.contains(why)) << r.err.constData();
        }
    }
    EXPECT_EQ(readFile(zeros), QByteArray(64, '\0'));
    struct stat st {};
    EXPECT_TRUE(::stat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_EQ(QFileInfo(huge).size(), qint64(2) << 30);
}

TEST_F(Cli, DueWithoutSaveLeavesTheFileAlone)
{
    const QString file = Path("d.km2");
    run({ "add", file, "--at", "2026-01-01T08:00", "--message", "x" });
    const QByteArray before = readFile(file);
    EXPECT_EQ(QJsonDocument::fromJson(run({ "due", file, "--at", "2026-01-01T08:00:00" }).out).array().size(), 1);
    EXPECT_EQ(readFile(file), before);
}

} // namespace
