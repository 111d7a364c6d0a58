// The reminders-of-the-day list driven through its buttons and rows.
#include "CEditorTestDoubles.h"
#include "support/CRecordingMessageSink.h"

#include "dialogs/CEditRemindersDlg.h"
#include "dialogs/CNewEventDlg.h"
#include "model/CReminderList.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const COleDateTime kDay(2027, 3, 14, 0, 0, 0); // a Sunday

struct DayListUnderTest
{
    DayListUnderTest()
    {
        m_fx.m_context.m_Reminders = &m_list;
        m_fx.m_context.m_SelectedDay = kDay;
        m_fx.m_context.m_ListChanged = [this] { ++m_changes; };
    }
    int Add(const COleDateTime &when, int kind, const QString &message, const COleDateTimeSpan &notice = COleDateTimeSpan(1.0),
            const QString &sound = QString())
    {
        const int at = m_list.AddReminder(when, notice, QStringLiteral("Builtin 4"), message, kind, false, sound, false,
                                          CReminder::kDefaultDate);
        m_list.RebuildIndexes();
        return at;
    }
    void Open()
    {
        m_dlg = std::make_unique<CEditRemindersDlg>(m_fx.m_context);
        m_dlg->m_ColumnTitle = QStringLiteral("Reminders for ") + kDay.Format() + QStringLiteral(":");
        m_dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    QTreeWidget *Tree() const { return m_dlg->List(); }
    void Click(const char *name)
    {
        QTest::mouseClick(m_dlg->findChild<QPushButton *>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void DoubleClickRow(int row)
    {
        const QRect r = Tree()->visualItemRect(Tree()->topLevelItem(row));
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(Tree()->viewport(), Qt::LeftButton, {}, r.center());
    }

    CEditorFixture m_fx;
    CReminderList m_list;
    CRecordingMessageSink m_messages;
    std::unique_ptr<CEditRemindersDlg> m_dlg;
    int m_changes = 0;
};

} // namespace

TEST(EditRemindersDlg, ListsTheDaysReminderWithTheirColumns)
{
    DayListUnderTest t;
    t.Add(COleDateTime(2027, 3, 14, 9, 30, 0), RecurOneTime, QStringLiteral("Dentist"), COleDateTimeSpan(0, 2, 1, 30));
    t.Add(COleDateTime(2027, 2, 28, 18, 0, 0), RecurWeekly, QStringLiteral("Choir\r\nrehearsal"), COleDateTimeSpan(2.0));
    t.Add(COleDateTime(2027, 3, 13, 8, 0, 0), RecurOneTime, QStringLiteral("Yesterday's"));
    t.Add(COleDateTime(2027, 3, 21, 8, 0, 0), RecurWeekly, QStringLiteral("Starts next week"));
    t.Open();
    ASSERT_EQ(2, t.Tree()->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("Reminders for ") + kDay.Format() + QStringLiteral(":"), t.Tree()->headerItem()->text(0));
    EXPECT_EQ(QStringLiteral("Adv. time"), t.Tree()->headerItem()->text(3));
    const QTreeWidgetItem *dentist = t.Tree()->topLevelItem(0);
    EXPECT_EQ(QStringLiteral("Dentist"), dentist->text(0));
    EXPECT_EQ(QStringLiteral("One time"), dentist->text(1));
    EXPECT_EQ(COleDateTime(1899, 12, 30, 9, 30, 0).Format(), dentist->text(2));
    EXPECT_EQ(QStringLiteral("2 hours, 1 minute"), dentist->text(3));
    EXPECT_FALSE(dentist->icon(0).isNull());
    const QTreeWidgetItem *choir = t.Tree()->topLevelItem(1);
    EXPECT_EQ(QStringLiteral("Choir  rehearsal"), choir->text(0));
    EXPECT_EQ(QStringLiteral("Weekly"), choir->text(1));
    EXPECT_EQ(QStringLiteral("2 days"), choir->text(3));
    // Each row names its reminder by list index; the first row is selected.
    EXPECT_EQ(QStringLiteral("Choir\r\nrehearsal"), t.m_list.Find(choir->data(0, Qt::UserRole).toULongLong())->m_Message);
    EXPECT_EQ(t.m_list.FindFirstOnDate(kDay), t.m_dlg->GetSelectedReminder());
}

TEST(EditRemindersDlg, ABusyDayListsTheTwentyOfTheDayQuery)
{
    DayListUnderTest t;
    for (int i = 0; i < 25; ++i)
        t.Add(COleDateTime(2027, 3, 14, 8, i, 0), RecurOneTime, QStringLiteral("Item %1").arg(i));
    t.Open();
    EXPECT_EQ(20, t.Tree()->topLevelItemCount());
}

TEST(EditRemindersDlg, EmptyDayHasNothingToDelete)
{
    DayListUnderTest t;
    t.Open();
    EXPECT_EQ(0, t.Tree()->topLevelItemCount());
    EXPECT_EQ(-1, t.m_dlg->GetSelectedReminder());
    t.Click("delete");
    EXPECT_EQ(QStringList { QStringLiteral("Please select a reminder to delete.") }, t.m_messages.m_messages);
    // Edit with nothing selected does nothing at all.
    t.Click("edit");
    EXPECT_EQ(1, t.m_messages.m_messages.size());
    EXPECT_EQ(nullptr, QApplication::activeModalWidget());
}

TEST(EditRemindersDlg, DeleteAskedWithTheMessageAndNoKeepsIt)
{
    DayListUnderTest t;
    t.Add(COleDateTime(2027, 3, 14, 9, 0, 0), RecurOneTime, QStringLiteral("Keep me"));
    t.Open();
    t.m_messages.m_answers.push_back(CMessageSink::IdNo);
    t.Click("delete");
    ASSERT_EQ(1, t.m_messages.m_messages.size());
    EXPECT_EQ(QStringLiteral("[Keep me]\nAre you sure you want to delete this reminder?"), t.m_messages.m_messages[0]);
    EXPECT_EQ(1, t.m_list.GetSize());
    EXPECT_EQ(1, t.Tree()->topLevelItemCount());
    EXPECT_EQ(0, t.m_changes);
}

TEST(EditRemindersDlg, DeleteYesRemovesExactlyThatReminderAndTheDayQueryStaysSound)
{
    DayListUnderTest t;
    t.Add(COleDateTime(2027, 2, 28, 7, 0, 0), RecurWeekly, QStringLiteral("Weekly A"));
    t.Add(COleDateTime(2027, 3, 7, 8, 0, 0), RecurWeekly, QStringLiteral("Weekly B"));
    t.Add(COleDateTime(2027, 3, 14, 9, 0, 0), RecurOneTime, QStringLiteral("One time"));
    t.Open();
    ASSERT_EQ(3, t.Tree()->topLevelItemCount());
    // Select the row of "Weekly A", the first in the list.
    for (int row = 0; row < 3; ++row) {
        if (t.Tree()->topLevelItem(row)->text(0) == QStringLiteral("Weekly A"))
            t.Tree()->setCurrentItem(t.Tree()->topLevelItem(row));
    }
    t.m_messages.m_answers.push_back(CMessageSink::IdYes);
    t.Click("delete");
    ASSERT_EQ(2, t.m_list.GetSize());
    EXPECT_EQ(1, t.m_changes);
    ASSERT_EQ(2, t.Tree()->topLevelItemCount());
    QStringList left;
    for (int row = 0; row < 2; ++row)
        left << t.Tree()->topLevelItem(row)->text(0);
    left.sort();
    EXPECT_EQ((QStringList { QStringLiteral("One time"), QStringLiteral("Weekly B") }), left);
    // The weekly index no longer points past the end of the list.
    EXPECT_EQ(2, t.m_list.GetRemindersOnDay(COleDateTime(2027, 3, 21, 0, 0, 0)) + 1);
}

// Another process's change merged while the list is open moves the
// reminders: each row still names its own, and one deleted meanwhile is
// left alone.
TEST(EditRemindersDlg, RowsKeepTheirRemindersWhenTheListMovesUnderThem)
{
    DayListUnderTest t;
    t.Add(COleDateTime(2027, 2, 28, 7, 0, 0), RecurWeekly, QStringLiteral("Weekly A"));
    t.Add(COleDateTime(2027, 3, 14, 9, 0, 0), RecurOneTime, QStringLiteral("One time"));
    t.Open();
    for (int row = 0; row < t.Tree()->topLevelItemCount(); ++row)
        if (t.Tree()->topLevelItem(row)->text(0) == QStringLiteral("One time"))
            t.Tree()->setCurrentItem(t.Tree()->topLevelItem(row));
    t.Add(COleDateTime(2027, 1, 3, 7, 0, 0), RecurWeekly, QStringLiteral("Merged in"));
    t.m_messages.m_answers.push_back(CMessageSink::IdYes);
    t.Click("delete");
    QStringList left;
    for (const CReminder &r : t.m_list.Reminders())
        left << r.m_Message;
    EXPECT_EQ(left, (QStringList { QStringLiteral("Merged in"), QStringLiteral("Weekly A") }));

    // The selected row's reminder is deleted elsewhere: its row names none.
    t.Tree()->setCurrentItem(t.Tree()->topLevelItem(0));
    const int selected = t.m_dlg->GetSelectedReminder();
    ASSERT_GE(selected, 0);
    t.m_list.Delete(selected);
    t.m_list.RebuildIndexes();
    EXPECT_EQ(t.m_dlg->GetSelectedReminder(), -1);
}

TEST(EditRemindersDlg, DoubleClickEditsAndCarriesTheSound)
{
    DayListUnderTest t;
    const int at = t.Add(COleDateTime(2027, 3, 14, 9, 0, 0), RecurOneTime, QStringLiteral("Old text"),
                         COleDateTimeSpan(1.0), QStringLiteral("/home/u/bell.wav"));
    t.m_list[at].m_Shown = true;
    t.Open();
    bool sawEditor = false;
    QTimer::singleShot(0, [&] {
        CNewEventDlg *editor = ActiveModal<CNewEventDlg>();
        ASSERT_NE(nullptr, editor);
        sawEditor = true;
        EXPECT_EQ(QStringLiteral("/home/u/bell.wav"), editor->m_SoundFileName);
        auto *message = editor->findChild<QPlainTextEdit *>(QStringLiteral("message"));
        message->selectAll();
        QTest::keyClicks(message, QStringLiteral("New text"));
        QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("ok")), Qt::LeftButton);
    });
    t.DoubleClickRow(0);
    ASSERT_TRUE(sawEditor);
    const CReminder &r = t.m_list[at];
    EXPECT_EQ(QStringLiteral("New text"), r.m_Message);
    EXPECT_EQ(QStringLiteral("/home/u/bell.wav"), r.m_SoundFileName);
    EXPECT_FALSE(r.m_Shown);
    EXPECT_EQ(1, t.m_changes);
    EXPECT_EQ(QStringLiteral("New text"), t.Tree()->topLevelItem(0)->text(0));
}

TEST(EditRemindersDlg, EditThatChangesTheKindMovesItInTheDayQuery)
{
    DayListUnderTest t;
    const int at = t.Add(COleDateTime(2027, 3, 14, 9, 0, 0), RecurOneTime, QStringLiteral("Becomes weekly"));
    t.Open();
    QTimer::singleShot(0, [&] {
        CNewEventDlg *editor = ActiveModal<CNewEventDlg>();
        ASSERT_NE(nullptr, editor);
        QTest::mouseClick(editor->findChild<QAbstractButton *>(QStringLiteral("weekly")), Qt::LeftButton);
        QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("ok")), Qt::LeftButton);
    });
    t.Click("edit");
    EXPECT_EQ(RecurWeekly, t.m_list[at].m_Recurrence);
    // A week later the reminder is found through the weekly index.
    EXPECT_EQ(1, t.m_list.GetRemindersOnDay(COleDateTime(2027, 3, 21, 0, 0, 0)));
}

TEST(EditRemindersDlg, CancelledEditChangesNothing)
{
    DayListUnderTest t;
    const int at = t.Add(COleDateTime(2027, 3, 14, 9, 0, 0), RecurOneTime, QStringLiteral("Stay"));
    t.m_list[at].m_Shown = true;
    t.Open();
    QTimer::singleShot(0, [&] {
        CNewEventDlg *editor = ActiveModal<CNewEventDlg>();
        ASSERT_NE(nullptr, editor);
        QTest::keyClicks(editor->findChild<QPlainTextEdit *>(QStringLiteral("message")), QStringLiteral(" changed"));
        QTest::keyClick(editor, Qt::Key_Escape);
    });
    t.Click("edit");
    EXPECT_EQ(QStringLiteral("Stay"), t.m_list[at].m_Message);
    EXPECT_TRUE(t.m_list[at].m_Shown);
    EXPECT_EQ(0, t.m_changes);
}

TEST(EditRemindersDlg, NewRunsTheMainWindowsCommandAndRefills)
{
    DayListUnderTest t;
    int runs = 0;
    t.m_fx.m_context.m_NewReminder = [&] {
        ++runs;
        t.Add(COleDateTime(2027, 3, 14, 10, 0, 0), RecurOneTime, QStringLiteral("Made by New"));
    };
    t.Open();
    t.Click("new");
    EXPECT_EQ(1, runs);
    ASSERT_EQ(1, t.Tree()->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("Made by New"), t.Tree()->topLevelItem(0)->text(0));
}

TEST(EditRemindersDlg, EscapeAndEnterClose)
{
    DayListUnderTest t;
    t.Add(COleDateTime(2027, 3, 14, 9, 0, 0), RecurOneTime, QStringLiteral("Row"));
    t.Open();
    QTest::keyClick(t.Tree(), Qt::Key_Return);
    EXPECT_FALSE(t.m_dlg->isVisible());
    t.Open();
    QTest::keyClick(t.m_dlg.get(), Qt::Key_Escape);
    EXPECT_FALSE(t.m_dlg->isVisible());
}

// Return on the focused Edit button edits (the list stays open), and the
// edited reminder stays selected where the new order put it.
TEST(EditRemindersDlg, ReturnOnEditEditsAndTheEditedRowStaysSelected)
{
    DayListUnderTest t;
    t.Add(COleDateTime(2027, 3, 14, 9, 0, 0), RecurOneTime, QStringLiteral("Morning"));
    t.Add(COleDateTime(2027, 3, 14, 12, 0, 0), RecurOneTime, QStringLiteral("Noon"));
    t.Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.m_dlg.get()));
    t.Tree()->setCurrentItem(t.Tree()->topLevelItem(0));
    QTimer::singleShot(0, [&] {
        CNewEventDlg *editor = ActiveModal<CNewEventDlg>();
        ASSERT_NE(nullptr, editor);
        // Morning moves to the evening, after Noon.
        auto *pm = editor->findChild<QAbstractButton *>(QStringLiteral("pm"));
        QTest::mouseClick(pm, Qt::LeftButton);
        QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("ok")), Qt::LeftButton);
    });
    auto *edit = t.m_dlg->findChild<QPushButton *>(QStringLiteral("edit"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(t.m_dlg->isVisible());
    EXPECT_EQ(1, t.m_changes);
    ASSERT_EQ(2, t.Tree()->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("Morning"), t.Tree()->topLevelItem(1)->text(0));
    EXPECT_EQ(t.Tree()->topLevelItem(1), t.Tree()->currentItem());
    EXPECT_EQ(QStringLiteral("Morning"), t.m_list[t.m_dlg->GetSelectedReminder()].m_Message);
}
