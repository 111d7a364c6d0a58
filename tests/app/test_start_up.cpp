// Start-up pieces: the shell's open command, the single running copy with
// its hand-over, the desktop registration and the settings read at start.
#include "AppFixture.h"

#include "app/CShellRegistration.h"
#include "app/CSingleInstance.h"
#include "storage/CReminderExchange.h"
#include "storage/CReminderPack.h"
#include "model/CArchive.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

TEST(DdeCommand, ThePathBetweenTheFirstAndLastQuote)
{
    QString path, error;
    EXPECT_TRUE(COrvantis2App::ParseDDECommand(QStringLiteral("[open(\"/home/a b/My pack.rpk\")]"), path, error));
    EXPECT_EQ(path, QStringLiteral("/home/a b/My pack.rpk"));
    EXPECT_TRUE(COrvantis2App::ParseDDECommand(QStringLiteral("[open(\"/x/say \"hi\".rpk\")]"), path, error));
    EXPECT_EQ(path, QStringLiteral("/x/say \"hi\".rpk"));
    EXPECT_EQ(COrvantis2App::MakeOpenCommand(QStringLiteral("/p q.rpk")), QStringLiteral("[open(\"/p q.rpk\")]"));
}

TEST(DdeCommand, WithoutQuotesOrWithoutOpen)
{
    QString path, error;
    EXPECT_FALSE(COrvantis2App::ParseDDECommand(QStringLiteral("[open(/no/quotes.rpk)]"), path, error));
    EXPECT_EQ(error, QStringLiteral("Bad DDE message!\n"));
    EXPECT_FALSE(COrvantis2App::ParseDDECommand(QStringLiteral("[open(\"one quote)]"), path, error));
    EXPECT_EQ(error, QStringLiteral("Bad DDE message!\n"));
    EXPECT_FALSE(COrvantis2App::ParseDDECommand(QStringLiteral("[print(\"/x.rpk\")]"), path, error));
    EXPECT_EQ(error, QStringLiteral("Unsupported DDE message!\n"));
}

TEST_F(AppFixture, TheSessionKeepsItsSettingsAndFollowsTheApplicationsClock)
{
    CSettingsStore &settings = m_app->Settings();
    Session();
    m_app->SetSettings(std::make_unique<CSettingsStore>(m_dir.filePath(QStringLiteral("other.ini"))));
    EXPECT_EQ(&m_app->Settings(), &settings) << "the session works on the settings it was made with";
    CFakeClock later(At(2030, 1, 1, 9, 0));
    m_app->SetClock(&later);
    EXPECT_EQ(Session().Now(), later.m_now);
    m_app->SetClock(&m_clock);
}

TEST_F(AppFixture, DdeCommandsReachTheUserAndTheList)
{
    // A pack of one reminder, written by a list of its own.
    CReminderList source;
    Add(source, At(2024, 6, 1, 9, 0), QStringLiteral("From a friend"));
    QTemporaryDir outside;
    const QString pack = outside.filePath(QStringLiteral("friend's pack.rpk"));
    ASSERT_TRUE(CReminderExchange::ExportFile(source, pack, CReminderPack::SelectAll(source), outside.path()).m_Ok);

    // Without a window the list takes it directly.
    m_messages.m_messages.clear();
    EXPECT_TRUE(m_app->OnDDECommand(COrvantis2App::MakeOpenCommand(pack)));
    EXPECT_EQ(Session().Reminders().GetSize(), 1);

    EXPECT_FALSE(m_app->OnDDECommand(QStringLiteral("[open(nothing)]")));
    EXPECT_EQ(m_messages.m_messages.last(), QStringLiteral("Bad DDE message!\n"));
    EXPECT_FALSE(m_app->OnDDECommand(QStringLiteral("[close(\"x\")]")));
    EXPECT_EQ(m_messages.m_messages.last(), QStringLiteral("Unsupported DDE message!\n"));

    // With the window, its pack opening imports, refreshes and saves soon.
    Session().Reminders().RemoveAll();
    Window();
    ASSERT_EQ(Session().Reminders().GetSize(), 0);
    EXPECT_TRUE(m_app->OnDDECommand(COrvantis2App::MakeOpenCommand(pack)));
    ASSERT_EQ(Session().Reminders().GetSize(), 1);
    EXPECT_EQ(Session().Reminders()[0].m_Message, QStringLiteral("From a friend"));
    EXPECT_TRUE(Session().Saver().IsPending());
    EXPECT_FALSE(Session().ListHeld());
}

TEST(SingleInstance, TheSecondFindsTheFirstAndHandsOverItsCommand)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("km-test"));
    CSingleInstance first(name);
    ASSERT_EQ(first.Claim(), CSingleInstance::First);
    QSignalSpy received(&first, &CSingleInstance::commandReceived);

    CSingleInstance second(name);
    EXPECT_EQ(second.Claim(), CSingleInstance::Another);
    // The sender blocks until the receipt, which needs the first's event
    // loop: it runs on a thread of its own, as the second process would.
    std::atomic<bool> delivered { false };
    std::thread sender([&] { delivered = second.Send(QStringLiteral("[open(\"/a b.rpk\")]")); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.count() == 1; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return delivered.load(); }, 5000));
    sender.join();
    EXPECT_EQ(received.at(0).at(0).toString(), QStringLiteral("[open(\"/a b.rpk\")]"));
}

TEST(SingleInstance, AStaleSocketIsReplaced)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("km-stale"));
    // What a crashed copy leaves: a socket file nobody listens on.
    {
        QLocalServer crashed;
        ASSERT_TRUE(crashed.listen(name));
        crashed.setMaxPendingConnections(0);
        // Close without removing the file: a plain copy of the path stays.
    }
    QFile stale(name);
    if (!stale.exists()) {
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.close();
    }
    CSingleInstance copy(name);
    EXPECT_EQ(copy.Claim(), CSingleInstance::First);
    CSingleInstance later(name);
    EXPECT_EQ(later.Claim(), CSingleInstance::Another);
}

TEST(SingleInstance, TheNameHoldsUserAndDisplay)
{
    CEnvGuard display("DISPLAY", ":7/x");
    CEnvGuard wayland("WAYLAND_DISPLAY", "");
    qunsetenv("WAYLAND_DISPLAY");
    EXPECT_EQ(CSingleInstance::DisplayKey(), QStringLiteral("_7_x"));
    EXPECT_TRUE(CSingleInstance::DefaultName().endsWith(QStringLiteral("-_7_x")));
    EXPECT_TRUE(CSingleInstance::DefaultName().contains(QStringLiteral("kestrelmark-%1-").arg(getuid())));
}

TEST(ShellRegistration, WritesTheTypeTheEntryAndTheAutostart)
{
    QTemporaryDir dir;
    CShellRegistration::Folders folders { dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("config")) };
    const QString program = QStringLiteral("/opt/kestrel mark/kestrelmark");
    EXPECT_FALSE(CShellRegistration::IsRegistered(folders, program));
    ASSERT_TRUE(CShellRegistration::Register(folders, program, false));
    EXPECT_TRUE(CShellRegistration::IsRegistered(folders, program));
    EXPECT_FALSE(CShellRegistration::IsRegistered(folders, QStringLiteral("/elsewhere/kestrelmark")));

    QFile mime(folders.m_DataHome + QStringLiteral("/mime/packages/kestrelmark.xml"));
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    const QByteArray xml = mime.readAll();
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.rpk\"/>"));
    EXPECT_TRUE(xml.contains("<comment>Reminder Pack</comment>"));

    QFile entry(folders.m_DataHome + QStringLiteral("/applications/kestrelmark.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"/opt/kestrel mark/kestrelmark\" %f\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("MimeType=application/x-kestrelmark-pack;text/calendar;\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Icon=kestrelmark\n")));

    QFile autostart(folders.m_ConfigHome + QStringLiteral("/autostart/kestrelmark.desktop"));
    ASSERT_TRUE(autostart.open(QIODevice::ReadOnly));
    const QByteArray a = autostart.readAll();
    EXPECT_TRUE(a.contains("Exec=\"/opt/kestrel mark/kestrelmark\"\n"));
    EXPECT_FALSE(a.contains("%f"));
}

TEST(ShellRegistration, ALoginStartSwitchedOffStaysOff)
{
    QTemporaryDir dir;
    CShellRegistration::Folders folders { dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("config")) };
    const QString autostart = folders.m_ConfigHome + QStringLiteral("/autostart/kestrelmark.desktop");
    QDir().mkpath(folders.m_ConfigHome + QStringLiteral("/autostart"));
    {
        QFile f(autostart);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Desktop Entry]\nType=Application\nExec=/old/kestrelmark\nHidden=true\n");
    }
    ASSERT_TRUE(CShellRegistration::Register(folders, QStringLiteral("/new/kestrelmark"), false));
    QFile f(autostart);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("Exec=/new/kestrelmark\n"));
    EXPECT_TRUE(text.contains("\nHidden=true\n"));
}

TEST(ShellRegistration, ExecQuoting)
{
    EXPECT_EQ(CShellRegistration::QuoteExec(QStringLiteral("/usr/bin/kestrelmark")), QStringLiteral("/usr/bin/kestrelmark"));
    EXPECT_EQ(CShellRegistration::QuoteExec(QStringLiteral("/a b/k")), QStringLiteral("\"/a b/k\""));
    // A dollar is escaped for the argument, the backslash again for the file.
    EXPECT_EQ(CShellRegistration::QuoteExec(QStringLiteral("/a$b/k")), QStringLiteral("\"/a\\\\$b/k\""));
}

TEST_F(AppFixture, TheOptionsAreReadFromTheSettingsTheProgramWasGiven)
{
    m_app->WriteProfileString(QStringLiteral("Options"), QStringLiteral("ReminderSoundFile"), QStringLiteral("chime.wav"));
    m_app->WriteProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays"), QStringLiteral("5"));
    EXPECT_EQ(m_app->Options().DefaultSound(), QStringLiteral("chime.wav"));
    EXPECT_EQ(m_app->Options().UpcomingDays(), 5);
    EXPECT_EQ(m_app->SoundFolder(), m_dir.path() + QStringLiteral("/sounds"));
}

TEST_F(AppFixture, StartUpLoadsTheFileAndStartsTheTimer)
{
    CReminderList list;
    Add(list, At(2024, 3, 11, 9, 0), QStringLiteral("Loaded"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    ASSERT_EQ(Session().Reminders().GetSize(), 1);
    EXPECT_TRUE(Session().TimerActive());
    EXPECT_EQ(dlg.SelectedDate(), At(2024, 3, 10));
    EXPECT_EQ(UpcomingLines().size(), 1);
    // The test display has no tray: said once, after the window's first
    // paint, which the tray's set-up does not hold up.
    const QString noTray = QStringLiteral("TaskBarAddIcon failed.  Imagine that...");
    QCoreApplication::processEvents();
    EXPECT_EQ(m_messages.m_messages.count(noTray), 0);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_messages.m_messages.count(noTray) == 1; }, 500));
    QTest::qWait(50);
    EXPECT_EQ(m_messages.m_messages.count(noTray), 1);
}

TEST_F(AppFixture, AWindowThatIsNeverPaintedStillGetsItsTray)
{
    Window();
    const QString noTray = QStringLiteral("TaskBarAddIcon failed.  Imagine that...");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_messages.m_messages.count(noTray) == 1; },
                                COrvantis2Dlg::kLateStartMs * 3));
}
