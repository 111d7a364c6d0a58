// The close warning's three ways out, and the main window's own commands:
// delete of the context reminder, the sound toggle, help, the hidden
// gesture, recovery, dropped files and the maximise refusal.
#include "AppFixture.h"

#include "app/CCloseWarningDlg.h"
#include "app/CCommandIds.h"
#include "app/CMainCommands.h"
#include "app/CSharingCommands.h"
#include "dialogs/CAnimButton.h"
#include "media/CIconLibrary.h"
#include "media/CSoundPlayer.h"
#include "storage/CWeeklyBackup.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {
// Presses the close warning's button once it is open.
void AnswerCloseWarning(CCloseWarningDlg::Choice choice)
{
    QTimer::singleShot(0, [choice] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *warning = qobject_cast<CCloseWarningDlg *>(w); warning && warning->isVisible()) {
                QTest::mouseClick(warning->Button(choice), Qt::LeftButton);
                return;
            }
        }
    });
}

QStringList s_opened;
void RecordUrl(const QUrl &url, std::function<void(bool)> done)
{
    s_opened << url.toString();
    done(true);
}
} // namespace

class CloseWarning : public AppFixture, public ::testing::WithParamInterface<CCloseWarningDlg::Choice>
{
};

TEST_P(CloseWarning, SavesTheFileWhateverTheAnswer)
{
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    Add(Session().Reminders(), At(2024, 5, 1, 9, 0), QStringLiteral("Unsaved until the close"));
    QSignalSpy closing(&dlg, &COrvantis2Dlg::closeProgramRequested);
    AnswerCloseWarning(GetParam());
    dlg.CloseRequest();

    const CReminderList saved = ReadReminders();
    ASSERT_EQ(saved.GetSize(), 1);
    EXPECT_EQ(saved[0].m_Message, QStringLiteral("Unsaved until the close"));
    EXPECT_TRUE(m_sound.m_played.contains(QStringLiteral("alias:SystemQuestion")));
    EXPECT_FALSE(Session().ListHeld());
    EXPECT_TRUE(Session().TimerActive());
    switch (GetParam()) {
    case CCloseWarningDlg::Close:
        EXPECT_EQ(closing.count(), 1);
        break;
    case CCloseWarningDlg::JustMinimize:
        EXPECT_EQ(closing.count(), 0);
        // No tray on the test display: the window is minimised instead of
        // hidden, so it can still be reached.
        EXPECT_TRUE(dlg.isMinimized() || !dlg.isVisible());
        EXPECT_EQ(dlg.HasTray(), false);
        break;
    default:
        EXPECT_EQ(closing.count(), 0);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.isMinimized());
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, CloseWarning,
                         ::testing::Values(CCloseWarningDlg::JustMinimize, CCloseWarningDlg::Close, CCloseWarningDlg::Cancel),
                         [](const auto &info) {
                             switch (info.param) {
                             case CCloseWarningDlg::JustMinimize: return std::string("JustMinimize");
                             case CCloseWarningDlg::Close: return std::string("Close");
                             default: return std::string("Cancel");
                             }
                         });

TEST_F(AppFixture, EscapeAsksTheCloseQuestion)
{
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    AnswerCloseWarning(CCloseWarningDlg::Cancel);
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(m_sound.m_played.contains(QStringLiteral("alias:SystemQuestion")));
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(AppFixture, DeleteContextReminderAsksFirst)
{
    CReminderList list;
    Add(list, At(2024, 3, 12, 9, 0), QStringLiteral("Keep me"));
    Add(list, At(2024, 3, 13, 9, 0), QStringLiteral("Delete me"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    m_app->SetContextReminder(Session().Reminders()[1].Id());

    m_messages.m_answers.push_back(CMessageSink::IdNo);
    EXPECT_TRUE(dlg.OnCommand(KmCommand::DeleteContext));
    EXPECT_EQ(Session().Reminders().GetSize(), 2);
    ASSERT_FALSE(m_messages.m_messages.isEmpty());
    EXPECT_EQ(m_messages.m_messages.last(),
              QStringLiteral("Reminder message:\n[Delete me]\nAre you sure you want to delete this reminder?"));

    m_messages.m_answers.push_back(CMessageSink::IdYes);
    EXPECT_TRUE(dlg.OnCommand(KmCommand::DeleteContext));
    ASSERT_EQ(Session().Reminders().GetSize(), 1);
    EXPECT_EQ(Session().Reminders()[0].m_Message, QStringLiteral("Keep me"));
    EXPECT_EQ(UpcomingLines().size(), 1);
    EXPECT_EQ(m_app->ContextReminder(), 0u);
    EXPECT_TRUE(Session().Saver().IsPending());

    // Nothing under the pointer: nothing happens, nothing is asked.
    const int asked = m_messages.m_messages.size();
    EXPECT_TRUE(dlg.OnCommand(KmCommand::DeleteContext));
    EXPECT_EQ(m_messages.m_messages.size(), asked);
    EXPECT_EQ(Session().Reminders().GetSize(), 1);
}

TEST_F(AppFixture, ToggleInterfaceSoundsTwice)
{
    COrvantis2Dlg &dlg = Window();
    m_messages.m_messages.clear();
    EXPECT_TRUE(m_app->InterfaceSounds());
    dlg.OnCommand(KmCommand::ToggleSounds);
    EXPECT_FALSE(m_app->InterfaceSounds());
    CSoundPlayer::PlayClick();
    EXPECT_FALSE(m_sound.m_played.contains(QStringLiteral("resource:IDR_WAVE_CLICK2")));
    dlg.OnCommand(KmCommand::ToggleSounds);
    EXPECT_TRUE(m_app->InterfaceSounds());
    CSoundPlayer::PlayClick();
    EXPECT_TRUE(m_sound.m_played.contains(QStringLiteral("resource:IDR_WAVE_CLICK2")));
    EXPECT_EQ(m_messages.m_messages, (QStringList { QStringLiteral("Sound is now off."), QStringLiteral("Sound on.") }));
    EXPECT_FALSE(Session().ListHeld());
}

TEST_F(AppFixture, HelpOpensTheManualOrNamesTheMissingFile)
{
    COrvantis2Dlg &dlg = Window();
    s_opened.clear();
    CMainCommands::SetUrlOpener(&RecordUrl);
    dlg.OnCommand(KmCommand::Help);
    const QString path = m_app->HelpFile();
    if (QFile::exists(path)) {
        EXPECT_EQ(s_opened, QStringList { QUrl::fromLocalFile(path).toString() });
        QFile page(path);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        EXPECT_TRUE(page.readAll().contains("Kestrelmark"));
    }
    // No browser could be started.
    m_messages.m_messages.clear();
    s_opened.clear();
    CMainCommands::SetUrlOpener([](const QUrl &, std::function<void(bool)> done) { done(false); });
    dlg.OnCommand(KmCommand::Help);
    ASSERT_EQ(m_messages.m_messages.size(), 1);
    // It says where the manual is, to open by hand.
    EXPECT_TRUE(m_messages.m_messages[0].contains(path)) << m_messages.m_messages[0].toStdString();
    CMainCommands::SetUrlOpener(nullptr);
}

TEST_F(AppFixture, HiddenGestureNeedsCtrlShiftAndTheRightButton)
{
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    m_messages.m_messages.clear();
    const QPoint empty(220, 60);
    QTest::mouseDClick(&dlg, Qt::RightButton, Qt::ControlModifier, empty);
    EXPECT_FALSE(m_app->HiddenIconUnlocked());
    QTest::mouseDClick(&dlg, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, empty);
    EXPECT_FALSE(m_app->HiddenIconUnlocked());
    QTest::mouseDClick(&dlg, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier, empty);
    EXPECT_TRUE(m_app->HiddenIconUnlocked());
    EXPECT_EQ(m_messages.m_messages, QStringList { QStringLiteral("There is no knowledge that is not power.") });
    QTest::mouseDClick(&dlg, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier, empty);
    EXPECT_FALSE(m_app->HiddenIconUnlocked());
    EXPECT_EQ(m_messages.m_messages.size(), 1);
}

TEST_F(AppFixture, RecoveryAsksTwiceAndRestoresTheBackup)
{
    CReminderList list;
    Add(list, At(2024, 3, 12, 9, 0), QStringLiteral("In the backup"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window(); // the first start makes the backup
    Add(Session().Reminders(), At(2024, 3, 14, 9, 0), QStringLiteral("Added since"));
    ASSERT_EQ(Session().Reminders().GetSize(), 2);

    m_messages.m_messages.clear();
    m_messages.m_answers = { CMessageSink::IdYes, CMessageSink::IdNo };
    dlg.OnCommand(KmCommand::Recover);
    EXPECT_EQ(Session().Reminders().GetSize(), 2);
    EXPECT_EQ(m_messages.m_messages.size(), 2);

    m_messages.m_messages.clear();
    m_messages.m_answers = { CMessageSink::IdYes, CMessageSink::IdYes };
    dlg.OnCommand(KmCommand::Recover);
    ASSERT_EQ(Session().Reminders().GetSize(), 1);
    EXPECT_EQ(Session().Reminders()[0].m_Message, QStringLiteral("In the backup"));
    EXPECT_EQ(m_messages.m_messages.last(), CWeeklyBackup::kRecoveryCompleteMessage);
    EXPECT_EQ(UpcomingLines().size(), 1);
    EXPECT_TRUE(Session().Saver().IsPending());
    EXPECT_FALSE(Session().ListHeld());
}

TEST_F(AppFixture, DroppedFiles)
{
    COrvantis2Dlg &dlg = Window();
    // The start's own reports (a missing tray) come first.
    QCoreApplication::processEvents();
    m_messages.m_messages.clear();
    const QString bitmap = m_dir.filePath(QStringLiteral("picture.bmp"));
    QFile(bitmap).open(QIODevice::WriteOnly);
    dlg.OnDropFiles({ bitmap });
    EXPECT_EQ(m_messages.m_messages, QStringList { QStringLiteral("Sorry, the file ") + bitmap + QStringLiteral(" is unsupported.") });

    // An icon goes into the icons folder and is said to be imported; the
    // same file dropped again is already there.
    QTemporaryDir outside;
    const QString icon = outside.filePath(QStringLiteral("bell.ICO"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KM_TESTDATA_DIR "/ico/dotnet-runtime-assets/32x32_one_entry_4bit.ico"), icon));
    m_messages.m_messages.clear();
    dlg.OnDropFiles({ icon, icon });
    EXPECT_EQ(m_messages.m_messages,
              QStringList({ CSharingCommands::kIconImportedMessage, CSharingCommands::kIconImportedMessage }));
    EXPECT_TRUE(QFile::exists(m_app->IconFolder() + QStringLiteral("/bell.ICO")));

    // Another icon of that name never replaces the one in place, and the
    // user is told it was not imported rather than that it was.
    const QString other = outside.filePath(QStringLiteral("other/bell.ICO"));
    QDir().mkpath(outside.filePath(QStringLiteral("other")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KM_TESTDATA_DIR "/ico/dotnet-runtime-assets/48x48_multiple_entries_4bit.ico"), other));
    m_messages.m_messages.clear();
    dlg.OnDropFiles({ other });
    ASSERT_EQ(m_messages.m_messages.size(), 1);
    EXPECT_TRUE(m_messages.m_messages[0].contains(QStringLiteral("already in the icons folder")))
        << m_messages.m_messages[0].toStdString();
    QFile kept(m_app->IconFolder() + QStringLiteral("/bell.ICO"));
    QFile original(QStringLiteral(KM_TESTDATA_DIR "/ico/dotnet-runtime-assets/32x32_one_entry_4bit.ico"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), original.readAll());

    // A file that only claims to be an icon stays out.
    const QString fake = outside.filePath(QStringLiteral("fake.ico"));
    {
        QFile f(fake);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not an icon");
    }
    m_messages.m_messages.clear();
    dlg.OnDropFiles({ fake });
    ASSERT_EQ(m_messages.m_messages.size(), 1);
    EXPECT_TRUE(m_messages.m_messages[0].contains(QStringLiteral("not an icon file")));
    EXPECT_FALSE(QFile::exists(m_app->IconFolder() + QStringLiteral("/fake.ico")));
}

TEST_F(AppFixture, TheWindowHasAFixedSize)
{
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    EXPECT_EQ(dlg.size(), QSize(614, 408));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowMaximizeButtonHint);
    dlg.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg.size(), QSize(614, 408));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Kestrelmark Personal Reminder Software"));
}

TEST_F(AppFixture, PictureButtonsSendTheirCommands)
{
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    std::vector<int> ran;
    for (int id : { KmCommand::NewReminder, KmCommand::DayList })
        dlg.Commands().Register(id, [&ran, id, this] {
            ran.push_back(id);
            EXPECT_TRUE(Session().TimerActive()) << "the checks go on while a command runs";
        });
    dlg.SetSelectedDate(At(2030, 1, 1));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(m_dlg->findChild<CAnimButton *>(QStringLiteral("pictureButton%1").arg(i)), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, (std::vector<int> { KmCommand::NewReminder, KmCommand::DayList }));
    EXPECT_EQ(dlg.SelectedDate(), At(2024, 3, 10)); // the third goes to today
    EXPECT_FALSE(Session().ListHeld());
}

TEST_F(AppFixture, AnEndingProgramClosesItsWindowWithoutAsking)
{
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    dlg.SetEnding(true);
    EXPECT_TRUE(dlg.close());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(m_sound.m_played.contains(QStringLiteral("alias:SystemQuestion")));
}

TEST_F(AppFixture, ChoosingCloseMarksTheProgramEnding)
{
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    AnswerCloseWarning(CCloseWarningDlg::Close);
    dlg.CloseRequest();
    EXPECT_TRUE(dlg.IsEnding());
    // The quit that follows may close the window; it must not ask again.
    const int played = m_sound.m_played.size();
    EXPECT_TRUE(dlg.close());
    EXPECT_EQ(m_sound.m_played.size(), played);
}

TEST_F(AppFixture, PicturesGivenUpWhileMinimisedComeBackWhenDrawn)
{
    CReminderList list;
    Add(list, At(2024, 3, 12, 9), QStringLiteral("Icon on the calendar"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    auto *calendar = dlg.findChild<QWidget *>(QStringLiteral("calendar"));
    ASSERT_NE(calendar, nullptr);
    const QImage before = calendar->grab().toImage();

    dlg.ReleasePictures();
    EXPECT_FALSE(m_app->IconLibrary().IsLoaded());
    EXPECT_EQ(calendar->grab().toImage(), before) << "backgrounds and icons load again for the next paint";
}
