// The selected day stays where the user put it, right-click menus act on
// what was clicked, the list stays in order after edits, hand-edited
// settings are bounded, and every command is reachable without a tray.
#include "AppFixture.h"

#include "app/CCommandIds.h"
#include "app/CMainCommands.h"
#include "app/CTrayIcon.h"
#include "calendar/CCalendarWnd.h"
#include "dialogs/CEditRemindersDlg.h"
#include "dialogs/CLogoWnd.h"
#include "dialogs/CNewEventDlg.h"
#include "dialogs/CSkinListBox.h"
#include "model/CReminderList.h"
#include "support/CTraceRecorder.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <functional>

namespace {

QMenu *OpenPopup() { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); }

QAction *Entry(QMenu *menu, const QString &text)
{
    for (QAction *a : menu->actions()) {
        if (QString(a->text()).remove(QLatin1Char('&')) == text)
            return a;
    }
    return nullptr;
}

// The day "New..." of the open menu presets in the editor (cancelled).
COleDateTime NewFromMenu(QMenu *menu)
{
    COleDateTime opened;
    bool seen = false;
    // The day it opens on (its time is the next hour's).
    WhenOpen<CNewEventDlg>([&](CNewEventDlg &editor) {
        opened = CReminderList::DateOnly(editor.m_Date);
        editor.reject();
    }, &seen);
    QAction *entry = menu ? Entry(menu, QStringLiteral("New...")) : nullptr;
    if (!entry)
        return COleDateTime();
    entry->trigger();
    menu->close();
    return seen ? opened : COleDateTime();
}

} // namespace

class MainWindowDay : public AppFixture
{
protected:
    // Sunday 10 March 2024 is today: lines on the 12th and the 15th.
    COrvantis2Dlg &Open()
    {
        CReminderList list;
        Add(list, At(2024, 3, 12, 9, 0), QStringLiteral("Dentist"));
        Add(list, At(2024, 3, 15, 9, 0), QStringLiteral("Piano"));
        WriteReminders(list);
        COrvantis2Dlg &dlg = Window();
        dlg.show();
        return dlg;
    }
    // The centre of the day's cell, or of its first icon, in the calendar.
    QPoint CellPoint(COrvantis2Dlg &dlg, const COleDateTime &day, bool icon)
    {
        const CCalendarMonth &month = Control<CCalendarWnd>("calendar")->Month();
        for (const CCalendarCell &cell : month.cells) {
            if (cell.date.GetStatus() == COleDateTime::valid && cell.date == day)
                return icon ? cell.iconRects[0].center() : cell.rect.center() + QPoint(0, cell.rect.height() / 4);
        }
        ADD_FAILURE() << "no cell for the day";
        return QPoint();
    }
    void RightClickCalendar(COrvantis2Dlg &dlg, const QPoint &at)
    {
        QTest::mouseClick(Control<CCalendarWnd>("calendar"), Qt::RightButton, Qt::NoModifier, at);
    }
};

TEST_F(MainWindowDay, FocusComingBackToARebuiltListLeavesTheDay)
{
    COrvantis2Dlg &dlg = Open();
    CSkinListBox *list = Control<CSkinListBox>("upcomingList");
    ASSERT_EQ(2, list->count());
    // Today has no line: nothing in the list is current after a rebuild.
    dlg.SetSelectedDate(At(2024, 3, 10));
    const Qt::FocusReason reasons[] = { Qt::ActiveWindowFocusReason, Qt::OtherFocusReason, Qt::PopupFocusReason,
                                        Qt::TabFocusReason };
    for (const Qt::FocusReason reason : reasons) {
        dlg.RefreshAll();
        QFocusEvent in(QEvent::FocusIn, reason);
        QCoreApplication::sendEvent(list, &in);
        EXPECT_EQ(At(2024, 3, 10), dlg.SelectedDate()) << "focus reason " << reason;
    }
    // A dialog closing over the window gives the list the focus back.
    dlg.SetSelectedDate(At(2024, 3, 11));
    list->setFocus();
    dlg.RefreshAll();
    QDialog other(&dlg);
    QTimer::singleShot(0, &other, &QDialog::accept);
    other.exec();
    QCoreApplication::processEvents();
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(list, &back);
    EXPECT_EQ(At(2024, 3, 11), dlg.SelectedDate());
}

TEST_F(MainWindowDay, AClickOrAKeyInTheListMovesTheDay)
{
    COrvantis2Dlg &dlg = Open();
    CSkinListBox *list = Control<CSkinListBox>("upcomingList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(At(2024, 3, 15), dlg.SelectedDate());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(At(2024, 3, 12), dlg.SelectedDate());
    // The calendar moved the day elsewhere; a click on the current line
    // brings it back.
    dlg.SetSelectedDate(At(2024, 3, 20));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(At(2024, 3, 12), dlg.SelectedDate());
}

TEST_F(MainWindowDay, NewOnARecurringOccurrenceIsForTheDayClicked)
{
    CReminderList list;
    // Weekly from Tuesday 5 March: occurrences on the 12th, 19th, 26th.
    Add(list, At(2024, 3, 5, 18, 0), QStringLiteral("Choir"), RecurWeekly);
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    RightClickCalendar(dlg, CellPoint(dlg, At(2024, 3, 19), true));
    QMenu *menu = OpenPopup();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(Entry(menu, QStringLiteral("Delete this reminder...")));
    EXPECT_EQ(Session().Reminders()[0].Id(), m_app->ContextReminder());
    EXPECT_EQ(At(2024, 3, 19), NewFromMenu(menu));
    EXPECT_EQ(At(2024, 3, 19), dlg.SelectedDate());
}

TEST_F(MainWindowDay, TheRightClickedReminderIsKeptWhileTheListMovesAndDroppedWhenGone)
{
    COrvantis2Dlg &dlg = Open();
    RightClickCalendar(dlg, CellPoint(dlg, At(2024, 3, 15), true));
    QMenu *menu = OpenPopup();
    ASSERT_TRUE(menu);
    menu->close();
    // Another process adds an earlier reminder: every position moves.
    CReminderList &list = Session().Reminders();
    Add(list, At(2024, 3, 11, 9, 0), QStringLiteral("Early"));
    Session().NotifyListChanged();

    m_messages.m_answers.push_back(CMessageSink::IdYes);
    dlg.OnCommand(KmCommand::DeleteContext);
    ASSERT_FALSE(m_messages.m_messages.isEmpty());
    EXPECT_TRUE(m_messages.m_messages.last().contains(QStringLiteral("[Piano]"))) << m_messages.m_messages.last().toStdString();
    ASSERT_EQ(2, list.GetSize());
    EXPECT_EQ(QStringLiteral("Early"), list[0].m_Message);
    EXPECT_EQ(QStringLiteral("Dentist"), list[1].m_Message);

    // The reminder is gone: neither command opens or asks anything.
    const qsizetype asked = m_messages.m_messages.size();
    bool opened = false;
    WhenOpen<CNewEventDlg>([](CNewEventDlg &editor) { editor.reject(); }, &opened);
    CTraceRecorder trace;
    dlg.OnCommand(KmCommand::EditContext);
    dlg.OnCommand(KmCommand::DeleteContext);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(asked, m_messages.m_messages.size());
    EXPECT_EQ(2, list.GetSize());
    EXPECT_FALSE(trace.Lines().isEmpty());
}

TEST_F(MainWindowDay, ARightClickOnAnEmptyDaySelectsItForNew)
{
    COrvantis2Dlg &dlg = Open();
    RightClickCalendar(dlg, CellPoint(dlg, At(2024, 3, 21), false));
    EXPECT_EQ(At(2024, 3, 21), dlg.SelectedDate());
    EXPECT_EQ(0u, m_app->ContextReminder());
    EXPECT_EQ(At(2024, 3, 21), NewFromMenu(OpenPopup()));
}

TEST_F(MainWindowDay, TheLogoMenuAfterADismissedIconMenuIsForTheSelectedDay)
{
    CReminderList list;
    Add(list, At(2024, 3, 5, 18, 0), QStringLiteral("Choir"), RecurWeekly);
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    RightClickCalendar(dlg, CellPoint(dlg, At(2024, 3, 12), true));
    QMenu *iconMenu = OpenPopup();
    ASSERT_TRUE(iconMenu);
    iconMenu->close();
    QCoreApplication::processEvents();
    QTest::mouseClick(Control<CCalendarWnd>("calendar"), Qt::LeftButton, Qt::NoModifier, CellPoint(dlg, At(2024, 3, 14), false));
    ASSERT_EQ(At(2024, 3, 14), dlg.SelectedDate());
    QTest::mouseClick(Control<CLogoWnd>("logo"), Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(0u, m_app->ContextReminder());
    EXPECT_EQ(At(2024, 3, 14), NewFromMenu(OpenPopup()));
    // A delete from that menu has no reminder to act on.
    EXPECT_EQ(1, Session().Reminders().GetSize());
}

TEST_F(MainWindowDay, EditsThatMoveAReminderKeepTheListInOrder)
{
    COrvantis2Dlg &dlg = Open();
    CReminderList &list = Session().Reminders();
    // The dentist (12th) moves past the piano (15th) in the main window.
    m_app->SetContextReminder(list[0].Id());
    bool seen = false;
    WhenOpen<CNewEventDlg>([](CNewEventDlg &editor) {
        editor.m_Date = At(2024, 3, 20, 9, 0);
        editor.findChild<QPushButton *>(QStringLiteral("ok"))->click();
    }, &seen);
    dlg.OnCommand(KmCommand::EditContext);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(list.IsSorted());
    EXPECT_EQ(QStringLiteral("Piano"), list[0].m_Message);
    EXPECT_EQ(1, list.GetRemindersOnDay(At(2024, 3, 20)));
    EXPECT_EQ(QStringLiteral("Dentist"), list[list.GetDayResult(0)].m_Message);
    EXPECT_EQ(QStringLiteral("15 Mar"), UpcomingLines().front().section(QLatin1Char(' '), 0, 1));

    // The piano (15th) moves past the dentist (20th) in the day list.
    dlg.SetSelectedDate(At(2024, 3, 15));
    seen = false;
    bool edited = false;
    WhenOpen<CEditRemindersDlg>([&](CEditRemindersDlg &dayList) {
        dayList.List()->setCurrentItem(dayList.List()->topLevelItem(0));
        WhenOpen<CNewEventDlg>([](CNewEventDlg &editor) {
            editor.m_Date = At(2024, 3, 25, 9, 0);
            editor.findChild<QPushButton *>(QStringLiteral("ok"))->click();
        }, &edited);
        dayList.findChild<QPushButton *>(QStringLiteral("edit"))->click();
        dayList.findChild<QPushButton *>(QStringLiteral("close"))->click();
    }, &seen);
    dlg.OnCommand(KmCommand::DayList);
    ASSERT_TRUE(seen);
    ASSERT_TRUE(edited);
    EXPECT_TRUE(list.IsSorted());
    EXPECT_EQ(QStringLiteral("Dentist"), list[0].m_Message);
    EXPECT_EQ(1, list.GetRemindersOnDay(At(2024, 3, 25)));
    EXPECT_EQ(0, list.GetRemindersOnDay(At(2024, 3, 15)));
    EXPECT_EQ(QStringLiteral("Piano"), list[list.GetDayResult(0)].m_Message);
}

TEST_F(AppFixture, AHugeHandEditedUpcomingDaysBuildsTheListOfTheUsualDays)
{
    m_app->WriteProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays"),
                              QStringLiteral("2000000000"));
    CReminderList list;
    Add(list, At(2024, 3, 5, 18, 0), QStringLiteral("Choir"), RecurWeekly);
    WriteReminders(list);
    Window();
    EXPECT_EQ(4, UpcomingLines().size());
}

class NoTray : public AppFixture
{
protected:
    QStringList MenuTexts(QMenu *menu)
    {
        QStringList texts;
        if (menu) {
            for (QAction *a : menu->actions()) {
                if (!a->isSeparator())
                    texts << QString(a->text()).remove(QLatin1Char('&'));
            }
        }
        return texts;
    }
};

TEST_F(NoTray, TheMissingTrayIsReportedOnceAcrossStarts)
{
    if (CTrayIcon::IsAvailable())
        GTEST_SKIP() << "this display has a tray";
    // The tray is looked for once the window has been painted.
    const auto start = [this] {
        Window().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window()));
        QTest::qWait(50);
    };
    start();
    EXPECT_EQ(QStringList { QStringLiteral("TaskBarAddIcon failed.  Imagine that...") }, m_messages.m_messages);
    EndProgram();
    m_messages.m_messages.clear();
    start();
    EXPECT_TRUE(m_messages.m_messages.isEmpty()) << m_messages.m_messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(NoTray, TheBackgroundAndTheLogoCarryEveryTrayCommand)
{
    if (CTrayIcon::IsAvailable())
        GTEST_SKIP() << "this display has a tray";
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    for (QWidget *target : { static_cast<QWidget *>(&dlg), static_cast<QWidget *>(Control<CLogoWnd>("logo")) }) {
        // Left of the upcoming list is bare background.
        const QPoint at = target == &dlg ? QPoint(5, 200) : QPoint(20, 20);
        if (target == &dlg) {
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, dlg.mapToGlobal(at));
            QCoreApplication::sendEvent(&dlg, &menuEvent);
        } else {
            QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, at);
        }
        QMenu *menu = OpenPopup();
        ASSERT_TRUE(menu) << target->objectName().toStdString();
        const QStringList texts = MenuTexts(menu);
        QList<int> commands;
        for (QAction *a : menu->actions())
            commands << a->data().toInt();
        for (const CTrayIcon::Entry &e : CTrayIcon::SystemMenuEntries()) {
            if (e.m_Command) {
                EXPECT_TRUE(commands.contains(e.m_Command)) << e.m_Text;
            }
        }
        EXPECT_TRUE(texts.contains(QStringLiteral("Close Kestrelmark")));
        EXPECT_EQ(1, texts.count(QStringLiteral("New...")));
        // No command appears twice.
        QList<int> ids = commands;
        ids.removeAll(0);
        EXPECT_EQ(ids.size(), QSet<int>(ids.begin(), ids.end()).size());
        menu->close();
        QCoreApplication::processEvents();
    }
    // The sound toggle from that menu runs.
    QTest::mouseClick(Control<CLogoWnd>("logo"), Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
    QMenu *menu = OpenPopup();
    ASSERT_TRUE(menu);
    const bool sounds = m_app->InterfaceSounds();
    m_messages.m_messages.clear();
    for (QAction *a : menu->actions()) {
        if (a->data().toInt() == KmCommand::ToggleSounds)
            a->trigger();
    }
    menu->close();
    EXPECT_NE(sounds, m_app->InterfaceSounds());
    m_app->SetInterfaceSounds(sounds);
}

namespace {
QStringList s_helpOpened;
void RecordHelpUrl(const QUrl &url, std::function<void(bool)> done)
{
    s_helpOpened << url.toString();
    done(true);
}
} // namespace

TEST_F(AppFixture, TheLogoOpensTheProgramsOwnManual)
{
    COrvantis2Dlg &dlg = Window();
    dlg.show();
    s_helpOpened.clear();
    CMainCommands::SetUrlOpener(&RecordHelpUrl);
    QTest::mouseDClick(Control<CLogoWnd>("logo"), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    CMainCommands::SetUrlOpener(nullptr);
    const QString manual = m_app->HelpFile();
    ASSERT_TRUE(QFile::exists(manual)) << manual.toStdString();
    EXPECT_TRUE(manual.endsWith(QStringLiteral(".html")));
    EXPECT_EQ(QStringList { QUrl::fromLocalFile(manual).toString() }, s_helpOpened);
}
