// Two computers (two data folders) syncing through a real CalDAV server.
#include "CRadicaleServer.h"
#include "model/CSnooze.h"
#include "storage/CReminderFileFormat.h"
#include "sync/CSyncState.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Result
{
    int code = -1;
    QByteArray out, err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

Result cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(KM_CLI_PATH), args);
    p.waitForFinished(120000);
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError() };
}

// The content lines of an iCalendar text, unfolded, leaving out the X-
// properties and those a write may change.
QStringList LinesBut(const QByteArray &text, const QStringList &mayChange)
{
    QStringList lines;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if ((line.startsWith(' ') || line.startsWith('\t')) && !lines.isEmpty())
            lines.last() += QString::fromUtf8(line.mid(1));
        else if (!line.isEmpty())
            lines << QString::fromUtf8(line);
    }
    QStringList kept;
    for (const QString &l : lines) {
        const QString name = l.section(QRegularExpression(QStringLiteral("[:;]")), 0, 0).toUpper();
        if (!name.startsWith(QLatin1String("X-")) && !mayChange.contains(name))
            kept << l;
    }
    return kept;
}

// The alarm of text whose ACTION is action, unfolded.
QString AlarmOf(QByteArray text, const char *action)
{
    text.replace("\r\n ", "").replace("\r\n", "\n");
    for (qsizetype at = text.indexOf("BEGIN:VALARM"); at >= 0; at = text.indexOf("BEGIN:VALARM", at + 1)) {
        const QByteArray alarm = text.mid(at, text.indexOf("END:VALARM", at) - at);
        if (alarm.contains(QByteArray("\nACTION:") + action))
            return QString::fromUtf8(alarm);
    }
    return {};
}

class TwoComputers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("radicale")).isEmpty())
            GTEST_SKIP() << "radicale is not installed (tools/deps.sh)";
        m_server = std::make_unique<CRadicaleServer>();
        ASSERT_TRUE(m_server->Running()) << m_server->Log().toStdString();
    }

    QString File(const QTemporaryDir &home) const { return home.filePath(QStringLiteral("Kestrelmark.km2")); }

    Result Sync(const QTemporaryDir &home, const QString &url = QString())
    {
        return cli({ QStringLiteral("sync"), File(home), QStringLiteral("--url"), url.isEmpty() ? m_server->Root() : url,
                     QStringLiteral("--user"), QString::fromLatin1(CRadicaleServer::kUser), QStringLiteral("--password-file"),
                     m_server->PasswordFile() });
    }
    void SyncOk(const QTemporaryDir &home)
    {
        const Result r = Sync(home);
        ASSERT_EQ(r.code, 0) << r.out.constData() << r.err.constData() << m_server->Log().toStdString();
    }
    void Add(const QTemporaryDir &home, const QString &at, const QString &message, const QStringList &more = {})
    {
        const Result r = cli(QStringList { QStringLiteral("add"), File(home), QStringLiteral("--at"), at,
                                           QStringLiteral("--message"), message } + more);
        ASSERT_EQ(r.code, 0) << r.err.constData();
    }
    // Changes the reminders whose message starts with prefix, as the editor would.
    void Edit(const QTemporaryDir &home, const QString &prefix, const std::function<void(CReminder &)> &change)
    {
        std::vector<CReminder> records;
        QFile in(File(home));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        CReminderFileFormat::Read(in, records);
        in.close();
        for (CReminder &r : records)
            if (r.m_Message.startsWith(prefix))
                change(r);
        QFile out(File(home));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        CReminderFileFormat::Write(out, records);
    }
    QJsonArray Reminders(const QTemporaryDir &home)
    {
        return cli({ QStringLiteral("dump"), File(home) }).json().value(QStringLiteral("reminders")).toArray();
    }
    // "message@iso" of every reminder, sorted, for comparing two computers.
    QStringList Summary(const QTemporaryDir &home)
    {
        QStringList out;
        for (const QJsonValue &v : Reminders(home)) {
            const QJsonObject o = v.toObject();
            out << o.value(QStringLiteral("message")).toString() + QLatin1Char('@')
                    + o.value(QStringLiteral("dateTime")).toObject().value(QStringLiteral("iso")).toString();
        }
        out.sort();
        return out;
    }

    // Runs a python script as another CalDAV client would (the phone),
    // with the server's root, the user and the password as arguments.
    void Phone(const QString &script, const QStringList &more = {})
    {
        const QString prelude = QStringLiteral("import sys, caldav\n"
                                               "c = caldav.DAVClient(url=sys.argv[1], username=sys.argv[2], password=sys.argv[3])\n");
        QProcess py;
        py.start(QStringLiteral("/usr/bin/python3"),
                 QStringList { QStringLiteral("-c"), prelude + script, m_server->Root(), QString::fromLatin1(CRadicaleServer::kUser),
                               QString::fromLatin1(CRadicaleServer::kPassword) }
                     + more);
        ASSERT_TRUE(py.waitForFinished(60000));
        ASSERT_EQ(py.exitCode(), 0) << py.readAllStandardError().constData();
    }
    // The server's text of the event file holding needle.
    QByteArray ServerText(const QByteArray &needle) const
    {
        for (const QString &f : m_server->EventFiles()) {
            QFile file(f);
            file.open(QIODevice::ReadOnly);
            const QByteArray text = file.readAll();
            if (text.contains(needle))
                return text;
        }
        return {};
    }

    std::unique_ptr<CRadicaleServer> m_server;
    QTemporaryDir m_a, m_b;
};

TEST_F(TwoComputers, AdditionsEditsDeletionsAndConflictsReachTheOtherSide)
{
    Add(m_a, QStringLiteral("2026-12-24T18:00"), QStringLiteral("Tree, lights; \"star\"\nand presents"),
        { QStringLiteral("--recurrence"), QStringLiteral("annual"), QStringLiteral("--notice"), QStringLiteral("1d") });
    Add(m_a, QStringLiteral("2026-12-10T09:30"), QStringLiteral("Dentist \u00e9\u00e8 \U0001F9B7"));
    SyncOk(m_a);
    SyncOk(m_b);
    EXPECT_EQ(Summary(m_b), Summary(m_a));
    EXPECT_EQ(Summary(m_b).size(), 2);
    const QJsonArray onB = Reminders(m_b);
    for (const QJsonValue &v : onB)
        if (v.toObject().value(QStringLiteral("message")).toString().startsWith(QLatin1String("Tree"))) {
            EXPECT_EQ(v.toObject().value(QStringLiteral("recurrence")).toInt(), 1);
            EXPECT_EQ(v.toObject().value(QStringLiteral("advanceNotice")).toObject().value(QStringLiteral("days")).toDouble(), 1.0);
        }

    // An edit on B (the dentist moves) arrives on A as an edit, not a copy.
    Edit(m_b, QStringLiteral("Dentist"), [](CReminder &r) { r.m_DateTime = COleDateTime(2026, 12, 11, 9, 30, 0); });
    const Result edit = Sync(m_b);
    ASSERT_EQ(edit.code, 0) << edit.out.constData();
    EXPECT_EQ(edit.json()[QStringLiteral("sent")].toObject()[QStringLiteral("changed")].toInt(), 1);
    SyncOk(m_a);
    EXPECT_EQ(Summary(m_a), Summary(m_b));
    EXPECT_EQ(m_server->EventFiles().size(), 2);

    // A deletion on A deletes on B.
    ASSERT_EQ(cli({ QStringLiteral("delete-range"), File(m_a), QStringLiteral("--from"), QStringLiteral("2026-12-11"),
                    QStringLiteral("--to"), QStringLiteral("2026-12-11") }).code, 0);
    SyncOk(m_a);
    const Result deleted = Sync(m_b);
    EXPECT_EQ(deleted.json()[QStringLiteral("received")].toObject()[QStringLiteral("deleted")].toInt(), 1);
    EXPECT_EQ(Summary(m_b).size(), 1);
    EXPECT_EQ(m_server->EventFiles().size(), 1);

    // Both change the same reminder differently: both versions stay, on
    // both computers and on the server.
    Edit(m_a, QStringLiteral("Tree"), [](CReminder &r) { r.m_DateTime = COleDateTime(2026, 12, 24, 17, 0, 0); });
    Edit(m_b, QStringLiteral("Tree"), [](CReminder &r) { r.m_DateTime = COleDateTime(2026, 12, 24, 19, 0, 0); });
    SyncOk(m_a);
    const Result conflict = Sync(m_b);
    ASSERT_EQ(conflict.code, 0);
    EXPECT_EQ(conflict.json()[QStringLiteral("conflicts")].toInt(), 1);
    SyncOk(m_a);
    EXPECT_EQ(Summary(m_a).size(), 2) << Summary(m_a).join(QLatin1Char('|')).replace(QLatin1Char('\n'), QLatin1Char(' ')).toStdString();
    EXPECT_EQ(Summary(m_a), Summary(m_b)) << Summary(m_b).join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(m_server->EventFiles().size(), 2);

    // Nothing left to do: a further sync sends and receives nothing.
    const Result quiet = Sync(m_a);
    EXPECT_EQ(quiet.json()[QStringLiteral("sent")].toObject()[QStringLiteral("added")].toInt()
                  + quiet.json()[QStringLiteral("sent")].toObject()[QStringLiteral("changed")].toInt()
                  + quiet.json()[QStringLiteral("received")].toObject()[QStringLiteral("added")].toInt()
                  + quiet.json()[QStringLiteral("received")].toObject()[QStringLiteral("changed")].toInt(),
              0)
        << quiet.out.constData();
}

TEST_F(TwoComputers, AnAnsweredAlertIsNotShownAgainOnTheOtherComputer)
{
    Add(m_a, QStringLiteral("2026-12-24T18:00"), QStringLiteral("Tree"));
    SyncOk(m_a);
    SyncOk(m_b);
    const QString at = QStringLiteral("2026-12-24T18:00:30");
    const QJsonArray dueOnB = QJsonDocument::fromJson(cli({ QStringLiteral("due"), File(m_b), QStringLiteral("--at"), at }).out).array();
    ASSERT_EQ(dueOnB.size(), 1);
    // Shown and answered on A.
    ASSERT_EQ(cli({ QStringLiteral("due"), File(m_a), QStringLiteral("--at"), at, QStringLiteral("--save") }).code, 0);
    SyncOk(m_a);
    SyncOk(m_b);
    const QJsonArray later = QJsonDocument::fromJson(
        cli({ QStringLiteral("due"), File(m_b), QStringLiteral("--at"), QStringLiteral("2026-12-24T18:05:00") }).out).array();
    EXPECT_EQ(later.size(), 0);
    bool acknowledged = false;
    for (const QString &f : m_server->EventFiles()) {
        QFile file(f);
        file.open(QIODevice::ReadOnly);
        acknowledged |= file.readAll().contains("ACKNOWLEDGED:");
    }
    EXPECT_TRUE(acknowledged);
}

// A deletion on one computer wins over an answer or an edit on the other,
// in both directions, and the reminder file never brings it back.
TEST_F(TwoComputers, ADeletionWinsOverTheOtherComputersChangeBothWays)
{
    Add(m_a, QStringLiteral("2026-12-24T18:00"), QStringLiteral("Tree"));
    Add(m_a, QStringLiteral("2026-12-25T12:00"), QStringLiteral("Goose"));
    SyncOk(m_a);
    SyncOk(m_b);
    // Tree: deleted on A while B answered its alert; Goose: moved on A
    // while deleted on B.
    ASSERT_EQ(cli({ QStringLiteral("delete-range"), File(m_a), QStringLiteral("--from"), QStringLiteral("2026-12-24"),
                    QStringLiteral("--to"), QStringLiteral("2026-12-24") }).code, 0);
    Edit(m_a, QStringLiteral("Goose"), [](CReminder &r) { r.m_DateTime = COleDateTime(2026, 12, 25, 13, 0, 0); });
    ASSERT_EQ(cli({ QStringLiteral("due"), File(m_b), QStringLiteral("--at"), QStringLiteral("2026-12-24T18:00:30"),
                    QStringLiteral("--save") }).code, 0);
    ASSERT_EQ(cli({ QStringLiteral("delete-range"), File(m_b), QStringLiteral("--from"), QStringLiteral("2026-12-25"),
                    QStringLiteral("--to"), QStringLiteral("2026-12-25") }).code, 0);
    SyncOk(m_b);
    SyncOk(m_a);
    SyncOk(m_b);
    EXPECT_TRUE(Summary(m_a).isEmpty()) << Summary(m_a).join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(Summary(m_b).isEmpty()) << Summary(m_b).join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(m_server->EventFiles().size(), 0);
}

TEST_F(TwoComputers, AnEventMadeByAnotherClientArrivesAndIsNotWrittenBackSimplified)
{
    // Another client (as a phone would) makes the calendar and two events.
    const QString collection = m_server->Root() + QString::fromLatin1(CRadicaleServer::kUser) + QStringLiteral("/phone/");
    QProcess py;
    py.start(QStringLiteral("/usr/bin/python3"), { QStringLiteral("-c"), QStringLiteral(R"(
import sys, caldav
c = caldav.DAVClient(url=sys.argv[1], username=sys.argv[2], password=sys.argv[3])
cal = c.principal().make_calendar(name="Phone", cal_id="phone")
cal.save_event("""BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Phone//EN
BEGIN:VEVENT
UID:phone-1
DTSTAMP:20261201T000000Z
DTSTART:20261215T080000Z
SUMMARY:Call mum
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Call mum
TRIGGER:-PT30M
END:VALARM
END:VEVENT
END:VCALENDAR
""")
cal.save_event("""BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Phone//EN
BEGIN:VEVENT
UID:phone-2
DTSTAMP:20261201T000000Z
DTSTART:20261216T070000
RRULE:FREQ=DAILY;COUNT=5
SUMMARY:Stretch
END:VEVENT
END:VCALENDAR
""")
)"), m_server->Root(), QString::fromLatin1(CRadicaleServer::kUser), QString::fromLatin1(CRadicaleServer::kPassword) });
    ASSERT_TRUE(py.waitForFinished(60000));
    ASSERT_EQ(py.exitCode(), 0) << py.readAllStandardError().constData();

    const Result r = Sync(m_a, collection);
    ASSERT_EQ(r.code, 0) << r.out.constData();
    EXPECT_EQ(r.json()[QStringLiteral("received")].toObject()[QStringLiteral("added")].toInt(), 2);
    EXPECT_EQ(r.json()[QStringLiteral("simplified")].toArray().size(), 1) << r.out.constData();
    // The daily rule as the import maps it: one weekly reminder a weekday.
    const QStringList got = Summary(m_a);
    EXPECT_EQ(got.size(), 8) << got.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(got.contains(QStringLiteral("Call mum@2026-12-15T08:00:00")));
    EXPECT_TRUE(got.contains(QStringLiteral("Stretch@2026-12-16T07:00:00")));
    for (const QJsonValue &v : Reminders(m_a))
        if (v.toObject().value(QStringLiteral("message")).toString() == QLatin1String("Call mum")) {
            EXPECT_NEAR(v.toObject().value(QStringLiteral("advanceNotice")).toObject().value(QStringLiteral("days")).toDouble(),
                        30.0 / 1440, 1e-6);
        }

    // Answering the simplified one here does not replace the phone's rule.
    ASSERT_EQ(cli({ QStringLiteral("due"), File(m_a), QStringLiteral("--at"), QStringLiteral("2026-12-16T07:00:30"),
                    QStringLiteral("--save") }).code, 0);
    SyncOk(m_a);
    bool ruleKept = false;
    for (const QString &f : m_server->EventFiles()) {
        QFile file(f);
        file.open(QIODevice::ReadOnly);
        const QByteArray text = file.readAll();
        if (text.contains("Stretch"))
            ruleKept = text.contains("FREQ=DAILY;COUNT=5");
    }
    EXPECT_TRUE(ruleKept);
}

TEST_F(TwoComputers, AServerStoppedHalfwayLosesNothing)
{
    // Many reminders, so that the server goes away while they are sent.
    {
        std::vector<CReminder> many(120);
        for (int i = 0; i < 120; ++i) {
            many[i].m_DateTime = COleDateTime(2027, 1, 1 + i % 28, 8, i % 60, 0);
            many[i].m_Message = QStringLiteral("Item %1").arg(i);
        }
        QFile out(File(m_a));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        CReminderFileFormat::Write(out, many);
    }
    QProcess sync;
    sync.start(QStringLiteral(KM_CLI_PATH),
               { QStringLiteral("sync"), File(m_a), QStringLiteral("--url"), m_server->Root(), QStringLiteral("--user"),
                 QString::fromLatin1(CRadicaleServer::kUser), QStringLiteral("--password-file"), m_server->PasswordFile() });
    QElapsedTimer waited;
    waited.start();
    while (m_server->EventFiles().size() < 10 && waited.elapsed() < 60000 && sync.state() != QProcess::NotRunning)
        sync.waitForFinished(20);
    m_server->stop();
    sync.waitForFinished(60000);
    const int sentBeforeStop = static_cast<int>(m_server->EventFiles().size());
    RecordProperty("sentBeforeStop", sentBeforeStop);
    EXPECT_EQ(Summary(m_a).size(), 120);
    if (sentBeforeStop < 120) {
        EXPECT_EQ(sync.exitCode(), 3) << sync.readAllStandardOutput().constData();
    }

    // While the server is away: a clear failure, nothing changes here.
    const Result away = Sync(m_a);
    EXPECT_EQ(away.code, 3);
    EXPECT_FALSE(away.json().value(QStringLiteral("error")).toString().isEmpty());
    EXPECT_EQ(Summary(m_a).size(), 120);

    ASSERT_TRUE(m_server->start());
    SyncOk(m_a);
    EXPECT_EQ(m_server->EventFiles().size(), 120);
    SyncOk(m_b);
    EXPECT_EQ(Summary(m_b), Summary(m_a));
}

TEST_F(TwoComputers, TwoSyncsOfOneFileAtOnceSendEachReminderOnce)
{
    for (int i = 1; i <= 5; ++i)
        Add(m_a, QStringLiteral("2027-03-0%1T09:00").arg(i), QStringLiteral("Call %1").arg(i));
    // A script from cron beside the program's own sync, started together.
    const QStringList args { QStringLiteral("sync"), File(m_a), QStringLiteral("--url"), m_server->Root(), QStringLiteral("--user"),
                             QString::fromLatin1(CRadicaleServer::kUser), QStringLiteral("--password-file"), m_server->PasswordFile() };
    QProcess first, second;
    first.start(QStringLiteral(KM_CLI_PATH), args);
    second.start(QStringLiteral(KM_CLI_PATH), args);
    for (QProcess *p : { &first, &second }) {
        ASSERT_TRUE(p->waitForFinished(120000));
        const QByteArray err = p->readAllStandardError();
        // The second waits for the first, or says why it did not.
        EXPECT_TRUE(p->exitCode() == 0 || (p->exitCode() == 3 && err.contains("a sync of this file is already running")))
            << p->exitCode() << p->readAllStandardOutput().constData() << err.constData();
    }
    EXPECT_EQ(Summary(m_a).size(), 5);
    EXPECT_EQ(m_server->EventFiles().size(), 5);
    SyncOk(m_a);
    EXPECT_EQ(Summary(m_a).size(), 5);
    EXPECT_EQ(m_server->EventFiles().size(), 5);
}

TEST_F(TwoComputers, AFailedFirstSyncWritesNothingAndPlainHttpIsWarnedOf)
{
    m_server->stop();
    const Result r = Sync(m_a);
    EXPECT_EQ(r.code, 3) << r.out.constData();
    EXPECT_FALSE(r.json().value(QStringLiteral("error")).toString().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(File(m_a)));
    EXPECT_FALSE(QFileInfo::exists(m_a.filePath(QStringLiteral("KestrelmarkSync.json"))));
    EXPECT_TRUE(r.err.contains("is not encrypted")) << r.err.constData();
}

TEST_F(TwoComputers, AnUploadThatMeetsANewerVersionRefetchesAndMerges)
{
    Add(m_a, QStringLiteral("2026-12-24T18:00"), QStringLiteral("Tree"));
    SyncOk(m_a);
    SyncOk(m_b);
    Edit(m_b, QStringLiteral("Tree"), [](CReminder &r) { r.m_DateTime = COleDateTime(2026, 12, 25, 18, 0, 0); });
    SyncOk(m_b);
    // A believes it has seen everything up to B's change (its token is the
    // newest) but holds the old version: its upload meets 412.
    const auto stateOf = [](const QTemporaryDir &home) { return home.filePath(QStringLiteral("KestrelmarkSync.json")); };
    QFile bState(stateOf(m_b));
    ASSERT_TRUE(bState.open(QIODevice::ReadOnly));
    const QString newest = QJsonDocument::fromJson(bState.readAll()).object().value(QStringLiteral("syncToken")).toString();
    ASSERT_FALSE(newest.isEmpty());
    QFile aState(stateOf(m_a));
    ASSERT_TRUE(aState.open(QIODevice::ReadOnly));
    QJsonObject a = QJsonDocument::fromJson(aState.readAll()).object();
    aState.close();
    a.insert(QStringLiteral("syncToken"), newest);
    ASSERT_TRUE(aState.open(QIODevice::WriteOnly | QIODevice::Truncate));
    aState.write(QJsonDocument(a).toJson());
    aState.close();
    Edit(m_a, QStringLiteral("Tree"), [](CReminder &r) { r.m_DateTime = COleDateTime(2026, 12, 23, 18, 0, 0); });

    const Result r = Sync(m_a);
    ASSERT_EQ(r.code, 0) << r.out.constData();
    EXPECT_EQ(r.json()[QStringLiteral("conflicts")].toInt(), 1) << r.out.constData();
    EXPECT_EQ(Summary(m_a), (QStringList { QStringLiteral("Tree@2026-12-23T18:00:00"), QStringLiteral("Tree@2026-12-25T18:00:00") }));
    SyncOk(m_b);
    EXPECT_EQ(Summary(m_b), Summary(m_a));
    EXPECT_EQ(m_server->EventFiles().size(), 2);
}

TEST_F(TwoComputers, AWrongPasswordIsOneClearRefusalAndChangesNothing)
{
    Add(m_a, QStringLiteral("2026-12-24T18:00"), QStringLiteral("Tree"));
    QTemporaryDir dir;
    const QString wrong = dir.filePath(QStringLiteral("pw"));
    QFile f(wrong);
    f.open(QIODevice::WriteOnly);
    f.write("nope\n");
    f.close();
    const Result r = cli({ QStringLiteral("sync"), File(m_a), QStringLiteral("--url"), m_server->Root(), QStringLiteral("--user"),
                           QString::fromLatin1(CRadicaleServer::kUser), QStringLiteral("--password-file"), wrong });
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(r.json().value(QStringLiteral("status")).toString(), QStringLiteral("unauthorized"));
    EXPECT_EQ(Summary(m_a).size(), 1);
    EXPECT_TRUE(m_server->EventFiles().isEmpty());
}

} // namespace

namespace {

const QStringList kStamps { QStringLiteral("DTSTAMP"), QStringLiteral("SEQUENCE"), QStringLiteral("LAST-MODIFIED") };

TEST_F(TwoComputers, APhoneEventKeepsEverythingThroughAnAnswerASnoozeAndATitleEdit)
{
    Phone(QStringLiteral("cal = c.principal().make_calendar(name='Phone', cal_id='phone')\n"
                         "cal.save_event(open(sys.argv[4]).read())\n"),
          { QStringLiteral(KM_TEST_DATA "/sync/phone-event.ics") });
    const QString collection = m_server->Root() + QString::fromLatin1(CRadicaleServer::kUser) + QStringLiteral("/phone/");
    const Result first = Sync(m_a, collection);
    ASSERT_EQ(first.code, 0) << first.out.constData();
    // The moved occurrence has no reminder of its own: said, not hidden.
    EXPECT_FALSE(first.json()[QStringLiteral("simplified")].toArray().isEmpty()) << first.out.constData();
    ASSERT_EQ(Summary(m_a), QStringList { QStringLiteral("Team call@2026-12-07T14:00:00") });
    const QByteArray before = ServerText("phone-team-call");
    ASSERT_FALSE(before.isEmpty());

    // Answered here: the display alarm says so, nothing else changes.
    ASSERT_EQ(cli({ QStringLiteral("due"), File(m_a), QStringLiteral("--at"), QStringLiteral("2026-12-07T14:00:30"),
                    QStringLiteral("--save") }).code, 0);
    const Result answered = Sync(m_a, collection);
    ASSERT_EQ(answered.code, 0) << answered.out.constData();
    EXPECT_EQ(answered.json()[QStringLiteral("sent")].toObject()[QStringLiteral("acknowledged")].toInt(), 1) << answered.out.constData();
    const QByteArray acknowledged = ServerText("phone-team-call");
    EXPECT_EQ(LinesBut(acknowledged, kStamps + QStringList { QStringLiteral("ACKNOWLEDGED") }),
              LinesBut(before, kStamps + QStringList { QStringLiteral("ACKNOWLEDGED") }))
        << acknowledged.constData();
    EXPECT_TRUE(AlarmOf(acknowledged, "DISPLAY").contains(QLatin1String("ACKNOWLEDGED:2026"))) << acknowledged.constData();
    EXPECT_FALSE(AlarmOf(acknowledged, "EMAIL").contains(QLatin1String("ACKNOWLEDGED")));

    // A snooze stays on this computer.
    Edit(m_a, QStringLiteral("Team call"), [](CReminder &r) { CSnooze::Snooze(r, COleDateTime(2026, 12, 7, 14, 1, 0), 10); });
    const Result snoozed = Sync(m_a, collection);
    ASSERT_EQ(snoozed.code, 0) << snoozed.out.constData();
    const QJsonObject sent = snoozed.json()[QStringLiteral("sent")].toObject();
    EXPECT_EQ(sent[QStringLiteral("changed")].toInt() + sent[QStringLiteral("added")].toInt()
                  + sent[QStringLiteral("acknowledged")].toInt(), 0) << snoozed.out.constData();
    EXPECT_EQ(ServerText("phone-team-call"), acknowledged);

    // A new title here changes the title there, and only that.
    Edit(m_a, QStringLiteral("Team call"), [](CReminder &r) { r.m_Message = QStringLiteral("Team sync"); });
    const Result edited = Sync(m_a, collection);
    ASSERT_EQ(edited.code, 0) << edited.out.constData();
    EXPECT_EQ(edited.json()[QStringLiteral("sent")].toObject()[QStringLiteral("changed")].toInt(), 1) << edited.out.constData();
    const QByteArray after = ServerText("phone-team-call");
    const QStringList mayChange = kStamps + QStringList { QStringLiteral("ACKNOWLEDGED"), QStringLiteral("SUMMARY") };
    EXPECT_EQ(LinesBut(after, mayChange), LinesBut(before, mayChange)) << after.constData();
    EXPECT_TRUE(after.contains("SUMMARY:Team sync\r\n")) << after.constData();
    EXPECT_TRUE(after.contains("SUMMARY:Team call (moved)\r\n"));

    SyncOk(m_b);
    EXPECT_EQ(Summary(m_b), QStringList { QStringLiteral("Team sync@2026-12-07T14:00:00") });
}

TEST_F(TwoComputers, AJournalInTheCalendarIsLeftAloneAndTheSyncTokenIsSaved)
{
    Add(m_a, QStringLiteral("2026-12-24T18:00"), QStringLiteral("Tree"));
    SyncOk(m_a);
    Phone(QStringLiteral("cal = c.principal().calendars()[0]\n"
                         "cal.save_journal('BEGIN:VCALENDAR\\r\\nVERSION:2.0\\r\\nPRODID:-//Notes//EN\\r\\n"
                         "BEGIN:VJOURNAL\\r\\nUID:note-1\\r\\nDTSTAMP:20261201T000000Z\\r\\n"
                         "SUMMARY:Ideas\\r\\nEND:VJOURNAL\\r\\nEND:VCALENDAR\\r\\n')\n"));
    const Result second = Sync(m_a);
    ASSERT_EQ(second.code, 0) << second.out.constData();
    QFile state(CSyncState::PathFor(File(m_a)));
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_FALSE(QJsonDocument::fromJson(state.readAll()).object().value(QStringLiteral("syncToken")).toString().isEmpty());
    // Asked again, the server has nothing new to list.
    const Result third = Sync(m_a);
    ASSERT_EQ(third.code, 0) << third.out.constData();
    EXPECT_TRUE(third.json()[QStringLiteral("skipped")].toArray().isEmpty()) << third.out.constData();
    EXPECT_EQ(Summary(m_a), QStringList { QStringLiteral("Tree@2026-12-24T18:00:00") });
}

TEST_F(TwoComputers, ADailyEventArrivesAsTheImportMapsItAndAnEditOfOneDayPatchesTheOneEvent)
{
    QTemporaryDir dir;
    const QString ics = dir.filePath(QStringLiteral("daily.ics"));
    QFile f(ics);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:phone-daily\r\n"
            "DTSTAMP:20261201T000000Z\r\nDTSTART:20261216T070000\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Stretch\r\n"
            "LOCATION:Living room\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    f.close();
    Phone(QStringLiteral("cal = c.principal().make_calendar(name='Phone', cal_id='phone')\n"
                         "cal.save_event(open(sys.argv[4]).read())\n"), { ics });
    SyncOk(m_a);
    ASSERT_EQ(cli({ QStringLiteral("import"), File(m_b), ics }).code, 0);
    EXPECT_EQ(Summary(m_a).size(), 7);
    EXPECT_EQ(Summary(m_a), Summary(m_b));

    Edit(m_a, QStringLiteral("Stretch"), [](CReminder &r) {
        if (r.m_DateTime.GetDayOfWeek() == 4)
            r.m_Message = QStringLiteral("Stretch and breathe");
    });
    const Result edited = Sync(m_a);
    ASSERT_EQ(edited.code, 0) << edited.out.constData();
    EXPECT_EQ(edited.json()[QStringLiteral("sent")].toObject()[QStringLiteral("changed")].toInt(), 1) << edited.out.constData();
    ASSERT_EQ(m_server->EventFiles().size(), 1);
    const QByteArray text = ServerText("phone-daily");
    EXPECT_TRUE(text.contains("SUMMARY:Stretch and breathe")) << text.constData();
    EXPECT_TRUE(text.contains("RRULE:FREQ=DAILY")) << text.constData();
    EXPECT_TRUE(text.contains("LOCATION:Living room")) << text.constData();
    for (const QString &s : Summary(m_a))
        EXPECT_TRUE(s.startsWith(QLatin1String("Stretch and breathe@"))) << s.toStdString();
    EXPECT_EQ(Summary(m_a).size(), 7);
}

TEST_F(TwoComputers, ARenameThereReplacesTheTitleAndEditsOfDifferentFieldsBothStay)
{
    Add(m_a, QStringLiteral("2026-12-24T18:00"), QStringLiteral("Tree\nand presents"));
    SyncOk(m_a);
    const QString rename = QStringLiteral("ev = c.principal().calendars()[0].events()[0]\n"
                                          "ev.vobject_instance.vevent.summary.value = sys.argv[4]\n"
                                          "ev.save()\n");
    Phone(rename, { QStringLiteral("Star") });
    const Result renamed = Sync(m_a);
    ASSERT_EQ(renamed.code, 0) << renamed.out.constData();
    EXPECT_EQ(Summary(m_a), QStringList { QStringLiteral("Star\nand presents@2026-12-24T18:00:00") });

    // The time changes here, the title there: one reminder with both.
    Edit(m_a, QStringLiteral("Star"), [](CReminder &r) { r.m_DateTime = COleDateTime(2026, 12, 24, 17, 0, 0); });
    Phone(rename, { QStringLiteral("Big star") });
    const Result both = Sync(m_a);
    ASSERT_EQ(both.code, 0) << both.out.constData();
    EXPECT_EQ(both.json()[QStringLiteral("conflicts")].toInt(), 0) << both.out.constData();
    EXPECT_EQ(Summary(m_a), QStringList { QStringLiteral("Big star\nand presents@2026-12-24T17:00:00") });
    SyncOk(m_b);
    EXPECT_EQ(Summary(m_b), Summary(m_a));
    EXPECT_EQ(m_server->EventFiles().size(), 1);
}

} // namespace
