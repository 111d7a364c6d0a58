// The editor's commands on the real main window: new reminder, edit of the
// context reminder, the day list and the options, each with its dialog
// answered as a person would, and the login-start entry.
#include "AppFixture.h"

#include "app/CCommandIds.h"
#include "app/CEditorCommands.h"
#include "app/CShellRegistration.h"
#include "dialogs/CEditRemindersDlg.h"
#include "dialogs/CNewEventDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CSpinEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

namespace {

void TypeMessage(CNewEventDlg &editor, const QString &text)
{
    auto *message = editor.findChild<QPlainTextEdit *>(QStringLiteral("message"));
    message->selectAll();
    QTest::keyClicks(message, text);
}

void Press(QWidget &dlg, const char *button)
{
    QTest::mouseClick(dlg.findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

class EditorCommands : public AppFixture
{
};

// The clock says 10 March 2024, noon: the editor opens at the next hour.
TEST_F(EditorCommands, NewReminderIsForTheSelectedDayWithADaysNotice)
{
    COrvantis2Dlg &dlg = Window();
    dlg.SetSelectedDate(At(2024, 3, 20));
    bool seen = false;
    bool activeDuring = false;
    bool heldDuring = false;
    COleDateTime openedDate;
    WhenOpen<CNewEventDlg>([&](CNewEventDlg &editor) {
        activeDuring = Session().TimerActive();
        heldDuring = Session().ListHeld();
        openedDate = editor.m_Date;
        EXPECT_EQ(QStringLiteral("1"), editor.findChild<CSpinEdit *>(QStringLiteral("advanceDays"))->valueText());
        TypeMessage(editor, QStringLiteral("Book the garage"));
        Press(editor, "ok");
    }, &seen);
    EXPECT_TRUE(dlg.OnCommand(KmCommand::NewReminder));
    ASSERT_TRUE(seen);
    // The checks went on while the editor was open, and it held nothing.
    EXPECT_TRUE(activeDuring);
    EXPECT_FALSE(heldDuring);
    EXPECT_FALSE(Session().ListHeld());
    EXPECT_EQ(At(2024, 3, 20, 13, 0), openedDate);
    ASSERT_EQ(1, Session().Reminders().GetSize());
    const CReminder &r = Session().Reminders()[0];
    EXPECT_EQ(QStringLiteral("Book the garage"), r.m_Message);
    EXPECT_EQ(At(2024, 3, 20, 13, 0), r.m_DateTime);
    // The time given is the next new reminder's.
    EXPECT_EQ(m_app->GetProfileString(QStringLiteral("Options"), QStringLiteral("NewReminderTime")), QStringLiteral("13:00"));
    EXPECT_EQ(COleDateTimeSpan(1, 0, 0, 30), r.m_AdvanceNotice);
    EXPECT_EQ(RecurOneTime, r.m_Recurrence);
    EXPECT_FALSE(r.m_Shown);
    EXPECT_EQ(1, Session().Reminders().GetRemindersOnDay(At(2024, 3, 20)));
}

TEST_F(EditorCommands, CancelledNewReminderAddsNothing)
{
    COrvantis2Dlg &dlg = Window();
    bool seen = false;
    WhenOpen<CNewEventDlg>([](CNewEventDlg &editor) { QTest::keyClick(&editor, Qt::Key_Escape); }, &seen);
    dlg.OnCommand(KmCommand::NewReminder);
    EXPECT_TRUE(seen);
    EXPECT_EQ(0, Session().Reminders().GetSize());
}

TEST_F(EditorCommands, EditOfTheContextReminderKeepsItsSoundAndMakesItAlertAgain)
{
    CReminderList list;
    list.AddReminder(At(2024, 3, 12, 8, 15), COleDateTimeSpan(0.5), QStringLiteral("Gift"), QStringLiteral("Old"),
                     RecurWeekly, false, QStringLiteral("/snd/ring.wav"), true, At(2024, 3, 12, 8, 0));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    ASSERT_EQ(1, Session().Reminders().GetSize());
    m_app->SetContextReminder(Session().Reminders()[0].Id());
    bool seen = false;
    WhenOpen<CNewEventDlg>([](CNewEventDlg &editor) {
        EXPECT_EQ(QStringLiteral("/snd/ring.wav"), editor.m_SoundFileName);
        EXPECT_EQ(QStringLiteral("8"), editor.findChild<CSpinEdit *>(QStringLiteral("hour"))->valueText());
        TypeMessage(editor, QStringLiteral("New"));
        Press(editor, "ok");
    }, &seen);
    dlg.OnCommand(KmCommand::Properties);
    ASSERT_TRUE(seen);
    const CReminder &r = Session().Reminders()[0];
    EXPECT_EQ(QStringLiteral("New"), r.m_Message);
    EXPECT_EQ(QStringLiteral("/snd/ring.wav"), r.m_SoundFileName);
    EXPECT_EQ(RecurWeekly, r.m_Recurrence);
    EXPECT_EQ(At(2024, 3, 12, 8, 15), r.m_DateTime);
    EXPECT_FALSE(r.m_Shown);
    EXPECT_EQ(CReminder::kDefaultDate, r.m_LastShown);
    EXPECT_EQ(QStringLiteral("Gift"), r.m_IconName);
}

// The list moves while the editor is open (an outside change, a sync): the
// edit lands on its reminder by id; one deleted meanwhile is kept as a
// reminder of its own, under a new id.
class EditWhileTheListMoves : public EditorCommands, public ::testing::WithParamInterface<bool>
{
};

TEST_P(EditWhileTheListMoves, TheEditFindsItsReminderById)
{
    const bool deletedMeanwhile = GetParam();
    CReminderList list;
    Add(list, At(2024, 3, 12, 8, 15), QStringLiteral("Edited"));
    Add(list, At(2024, 3, 20, 9, 0), QStringLiteral("Other"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    CReminderList &here = Session().Reminders();
    const quint64 id = here[0].Id();
    m_app->SetContextReminder(id);
    bool seen = false;
    WhenOpen<CNewEventDlg>([&](CNewEventDlg &editor) {
        Add(here, At(2024, 3, 1, 7, 0), QStringLiteral("Earlier")); // before it
        if (deletedMeanwhile)
            here.Delete(here.IndexOf(id));
        TypeMessage(editor, QStringLiteral("Changed"));
        Press(editor, "ok");
    }, &seen);
    dlg.OnCommand(KmCommand::EditContext);
    ASSERT_TRUE(seen);
    QStringList messages;
    for (const CReminder &r : here.Reminders())
        messages << r.m_Message;
    EXPECT_EQ(messages, QStringList({ "Earlier", "Changed", "Other" }));
    EXPECT_EQ(here[1].Id() == id, !deletedMeanwhile);
}

INSTANTIATE_TEST_SUITE_P(Kept, EditWhileTheListMoves, ::testing::Bool());

TEST_F(EditorCommands, EditWithoutAContextReminderOpensNothing)
{
    COrvantis2Dlg &dlg = Window();
    m_app->SetContextReminder(0);
    bool seen = false;
    WhenOpen<CNewEventDlg>([](CNewEventDlg &editor) { editor.reject(); }, &seen);
    dlg.OnCommand(KmCommand::EditContext);
    EXPECT_FALSE(seen);
    QApplication::processEvents();
}

TEST_F(EditorCommands, DayListIsTitledWithTheSelectedDay)
{
    CReminderList list;
    Add(list, At(2024, 3, 21, 9, 0), QStringLiteral("On the 21st"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    dlg.SetSelectedDate(At(2024, 3, 21));
    bool seen = false;
    QString title;
    int rows = -1;
    WhenOpen<CEditRemindersDlg>([&](CEditRemindersDlg &dayList) {
        title = dayList.List()->headerItem()->text(0);
        rows = dayList.List()->topLevelItemCount();
        Press(dayList, "close");
    }, &seen);
    dlg.OnCommand(KmCommand::DayList);
    ASSERT_TRUE(seen);
    EXPECT_EQ(QStringLiteral("Reminders for ") + At(2024, 3, 21).Format() + QStringLiteral(":"), title);
    EXPECT_EQ(1, rows);
}

TEST_F(EditorCommands, OptionsWriteTheSettingsAndTheProgramWideValues)
{
    COrvantis2Dlg &dlg = Window();
    bool seen = false;
    WhenOpen<COptionsDlg>([](COptionsDlg &options) {
        options.findChild<QComboBox *>(QStringLiteral("days"))->setCurrentIndex(3);
        Press(options, "ok");
    }, &seen);
    dlg.OnCommand(KmCommand::Options);
    ASSERT_TRUE(seen);
    EXPECT_EQ(60, m_app->Options().UpcomingDays());
    EXPECT_EQ(QStringLiteral("60"), m_app->GetProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays")));
    EXPECT_EQ(QString(), m_app->GetProfileString(QStringLiteral("Options"), QStringLiteral("ReminderSoundFile")));
}

TEST(EditorAutostart, OffKeepsTheEntryMarkedHiddenAndOnRestoresIt)
{
    QTemporaryDir home;
    const QString config = home.path() + QStringLiteral("/config");
    EXPECT_FALSE(CEditorCommands::IsAutostartOn(config));
    ASSERT_TRUE(CEditorCommands::SetAutostart(config, QStringLiteral("/opt/km/kestrelmark"), true));
    EXPECT_TRUE(CEditorCommands::IsAutostartOn(config));
    QFile on(CEditorCommands::AutostartFile(config));
    ASSERT_TRUE(on.open(QIODevice::ReadOnly));
    EXPECT_EQ(CShellRegistration::AutostartEntry(QStringLiteral("/opt/km/kestrelmark")).toUtf8(), on.readAll());
    on.close();

    ASSERT_TRUE(CEditorCommands::SetAutostart(config, QStringLiteral("/opt/km/kestrelmark"), false));
    EXPECT_FALSE(CEditorCommands::IsAutostartOn(config));
    // The file stays, so the start-up check that the entries exist leaves it be.
    EXPECT_TRUE(QFile::exists(CEditorCommands::AutostartFile(config)));

    ASSERT_TRUE(CEditorCommands::SetAutostart(config, QStringLiteral("/opt/km/kestrelmark"), true));
    EXPECT_TRUE(CEditorCommands::IsAutostartOn(config));
}
