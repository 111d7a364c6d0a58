// The main window's running behaviour: the refresh after changes, the selected day and its selectors, the command
// dispatch, the alerts' window, files, and closing and hiding.
#include "app/COrvantis2Dlg.h"

#include "app/CAlertQueue.h"
#include "app/CCloseWarningDlg.h"
#include "app/CCommandIds.h"
#include "app/COrvantis2App.h"
#include "app/CProgramIcon.h"
#include "app/CSelectedDay.h"
#include "app/CSpinArrows.h"
#include "app/CTrayIcon.h"
#include "dialogs/CAnimButton.h"
#include "graphics/CConversionProgress.h"
#include "dialogs/CLogoWnd.h"
#include "dialogs/CSkinListBox.h"
#include "dialogs/CTextLabel.h"
#include "dialogs/CWindowAttention.h"
#include "graphics/CMessageBox.h"
#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CProgramSettings.h"
#include "session/CReminderSession.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "calendar/CCalendarMenus.h"
#include "calendar/CMenuKeys.h"
#include "calendar/CCalendarWnd.h"

// --- refresh and the selected day ----------------------------------------

COleDateTime COrvantis2Dlg::SelectedDate() const { return m_Selection.Date(); }

void COrvantis2Dlg::SetSelectedDate(const COleDateTime &day)
{
    const COleDateTime old = SelectedDate();
    const COleDateTime d = CReminderList::DateOnly(day);
    m_Selection.SetDate(d);
    if (!m_Initialized && !m_MonthSpin)
        return;
    UpdateDisplays();
    if (m_Calendar) {
        if (old.GetYear() == d.GetYear() && old.GetMonth() == d.GetMonth() && m_Calendar->DisplayedMonth() == d.GetMonth()
            && m_Calendar->DisplayedYear() == d.GetYear()) {
            m_Calendar->SelectSelectedDate();
            m_Calendar->update();
        } else {
            RefreshCalendar();
        }
    }
    SelectUpcomingDay();
}

void COrvantis2Dlg::OnDaySelected()
{
    UpdateDisplays();
    SelectUpcomingDay();
}

void COrvantis2Dlg::SelectUpcomingDay()
{
    if (!m_UpcomingList)
        return;
    const int row = CUpcomingList::FindDay(m_Upcoming, SelectedDate());
    if (row != m_UpcomingList->currentRow()) {
        // A day without lines shows no line as selected, not the last one's.
        const QSignalBlocker block(m_UpcomingList);
        m_UpcomingList->setCurrentRow(row);
    }
}

void COrvantis2Dlg::RefreshCalendar()
{
    if (m_Calendar) {
        m_Calendar->Refresh();
        m_Calendar->FindSelectedCell();
        m_Calendar->update();
    }
}

void COrvantis2Dlg::RefreshAll()
{
    RefreshCalendar();
    RebuildUpcomingList();
    UpdateDisplays();
    update();
}

void COrvantis2Dlg::RebuildUpcomingList()
{
    m_Upcoming = CUpcomingList::Build(m_Session->Reminders(), m_App.Now(), m_App.Options().UpcomingDays());
    if (m_Tray)
        m_Tray->SetNextReminder(m_Upcoming.empty() ? QString() : m_Upcoming.front().m_Text);
    if (!m_UpcomingList)
        return;
    const QSignalBlocker block(m_UpcomingList);
    m_UpcomingList->clear();
    for (const CUpcomingList::Line &line : m_Upcoming)
        m_UpcomingList->AddLine(line.m_Text, line.m_Index);
    SelectUpcomingDay();
}

void COrvantis2Dlg::GoToLine(int row)
{
    if (row < 0 || row >= static_cast<int>(m_Upcoming.size()))
        return;
    const COleDateTime date = m_Upcoming[static_cast<size_t>(row)].m_Date;
    if (CSelectedDay::SameDay(date, SelectedDate())) {
        Trace("Same day.  Nothing to do.\n");
        return;
    }
    SetSelectedDate(date);
}

void COrvantis2Dlg::GoToToday()
{
    SetSelectedDate(CReminderList::DateOnly(m_App.Now()));
    RefreshCalendar();
}

void COrvantis2Dlg::OnMonthSpin(int position)
{
    const int month = position + 1;
    const COleDateTime day = SelectedDate();
    if (month == day.GetMonth())
        return;
    SetSelectedDate(CSelectedDay::StepMonth(day, month));
}

void COrvantis2Dlg::OnYearSpin(int position)
{
    const COleDateTime day = SelectedDate();
    if (position == day.GetYear())
        return;
    SetSelectedDate(CSelectedDay::StepYear(day, position));
}

// --- commands ---------------------------------------------------------------

bool COrvantis2Dlg::OnCommand(int id)
{
    if (!m_Commands.Contains(id)) {
        Trace(QStringLiteral("Unhandled command %1\n").arg(id));
        return false;
    }
    return m_Commands.Run(id);
}

QMenu *COrvantis2Dlg::ShowWindowMenu(const QPoint &global)
{
    // Nothing was right-clicked: no reminder's menu may linger as context.
    m_App.SetContextReminder(0);
    QMenu *popup = CCalendarMenus::Create(CCalendarMenus::kGeneralMenu, this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    if (!HasTray()) {
        // Without a tray its menu is out of reach: its other entries come
        // here, so every command can be had with the mouse.
        QList<int> present;
        for (const QAction *action : popup->actions())
            present << action->data().toInt();
        bool separated = false;
        for (const CTrayIcon::Entry &e : CTrayIcon::SystemMenuEntries()) {
            if (e.m_Command == 0 || present.contains(e.m_Command))
                continue;
            if (!separated)
                popup->addSeparator();
            separated = true;
            popup->addAction(CTrayIcon::tr(e.m_Text))->setData(e.m_Command);
        }
        popup->addSeparator();
        QAction *close = popup->addAction(CTrayIcon::tr(CTrayIcon::kCloseText));
        connect(close, &QAction::triggered, this, &COrvantis2Dlg::CloseRequest, Qt::QueuedConnection);
        CMenuKeys::Show(popup);
    }
    connect(popup, &QMenu::triggered, this, [this](QAction *action) {
        if (const int id = action->data().toInt())
            OnCommand(id);
    });
    popup->popup(global);
    return popup;
}

// --- alerts ---------------------------------------------------------------------

void COrvantis2Dlg::ShowAndRaise()
{
    if (isMinimized())
        showNormal();
    else
        show();
    CWindowAttention::BringForward(this);
}

void COrvantis2Dlg::OnAlertShown(const CAlertRequest &alert)
{
    if (alert.m_RaiseWindow)
        ShowAndRaise();
    if (m_Calendar)
        m_Calendar->HideTip();
}

// --- files ------------------------------------------------------------------

void COrvantis2Dlg::SetEnding(bool ending)
{
    m_Ending = ending;
    m_Session->SetEnding(ending);
}

bool COrvantis2Dlg::SaveReminders()
{
    return m_Session->Save();
}

void COrvantis2Dlg::OpenReminderPack(const QString &path)
{
    if (!m_Commands.RunFiles(CCommandTable::Files::Opened, { path }))
        Trace(QStringLiteral("Nothing opens %1\n").arg(path));
}

void COrvantis2Dlg::OnDropFiles(const QStringList &paths)
{
    // One place decides what a dropped file becomes, with the list held
    // and new icons taken into the library at once.
    if (!m_Commands.RunFiles(CCommandTable::Files::Dropped, paths))
        Trace("Nothing takes dropped files.\n");
}

// --- close, hide and the tray ---------------------------------------------------

void COrvantis2Dlg::CloseRequest()
{
    SaveReminders();
    CCloseWarningDlg warning(this);
    warning.exec();
    switch (warning.GetChoice()) {
    case CCloseWarningDlg::JustMinimize:
        HideWindow();
        break;
    case CCloseWarningDlg::Close:
        m_Ending = true;
        emit closeProgramRequested();
        break;
    default:
        break;
    }
}

bool COrvantis2Dlg::HasTray() const { return m_Tray && m_Tray->IsShown(); }

void COrvantis2Dlg::AddTrayIcon()
{
    if (!m_Tray) {
        m_Tray = new CTrayIcon(this);
        m_Tray->setObjectName(QStringLiteral("trayIcon"));
        m_Tray->SetCommandFilter([this](int id) { return m_Commands.Contains(id); });
        connect(m_Tray, &CTrayIcon::command, this, &COrvantis2Dlg::OnCommand);
        connect(m_Tray, &CTrayIcon::showRequested, this, &COrvantis2Dlg::ShowAndRaise);
        connect(m_Tray, &CTrayIcon::closeRequested, this, &COrvantis2Dlg::CloseRequest);
        connect(m_Tray, &CTrayIcon::clicked, this, &COrvantis2Dlg::OnNotifyIcon);
        m_Tray->SetWaitingAlerts(m_Alerts->Waiting());
    }
}

void COrvantis2Dlg::ShowTrayIcon()
{
    AddTrayIcon();
    m_Tray->SetNextReminder(m_Upcoming.empty() ? QString() : m_Upcoming.front().m_Text);
    if (!m_Tray->Add() && m_App.GetProfileString(QStringLiteral("Options"), QLatin1String(kTrayReportedKey), QString()).isEmpty()) {
        // Without a notification area the window minimises to the task bar
        // instead of hiding, and its own menu carries the tray's commands.
        // Told once, not at every start: many desktops never have a tray.
        // Told once the window stands, so start-up is not held up by it.
        m_App.WriteProfileString(QStringLiteral("Options"), QLatin1String(kTrayReportedKey), QStringLiteral("1"));
        QTimer::singleShot(0, this, [] { CMessageBox::Show(COrvantis2Dlg::tr("TaskBarAddIcon failed.  Imagine that...")); });
    }
}

void COrvantis2Dlg::HideWindow()
{
    Trace("MINIMIZED\n");
    if (HasTray()) {
        hide();
    } else if (!isMinimized()) {
        showMinimized();
    }
    ReleasePictures();
}

void COrvantis2Dlg::OnNotifyIcon(bool single)
{
    if (single) {
        Trace("OnNotifyIcon: single click.\n");
        ShowAndRaise();
        setFocus();
    } else {
        Trace("OnNotifyIcon: Double click!\n");
        ShowAndRaise();
    }
}

void COrvantis2Dlg::ToggleHiddenIcon()
{
    m_App.SetHiddenIconUnlocked(!m_App.HiddenIconUnlocked());
    if (m_App.HiddenIconUnlocked())
        CMessageBox::Show(tr("There is no knowledge that is not power."), CMessageSink::Ok, CMessageSink::Information);
}

