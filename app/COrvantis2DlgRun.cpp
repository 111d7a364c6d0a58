// The main window's running behaviour: the reminder-check timer, the
// refresh after changes, the selected day and its selectors, the command
// dispatch, the due pass's host, files, and closing and hiding.
#include "app/COrvantis2Dlg.h"
#include "app/CSyncController.h"

#include "app/CCloseWarningDlg.h"
#include "app/CCommandIds.h"
#include "app/CDuePasses.h"
#include "app/CMainCommands.h"
#include "app/COrvantis2App.h"
#include "app/CProgramIcon.h"
#include "app/CSelectedDay.h"
#include "app/CSpinArrows.h"
#include "app/CTimerPause.h"
#include "app/CTrayIcon.h"
#include "dialogs/CAnimButton.h"
#include "graphics/CConversionProgress.h"
#include "dialogs/CLogoWnd.h"
#include "dialogs/CReminderAlertDlg.h"
#include "dialogs/CSkinListBox.h"
#include "dialogs/CTextLabel.h"
#include "media/CSoundPlayer.h"
#include "model/CMessageSink.h"
#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CReminderExchange.h"
#include "storage/CReminderStore.h"
#include "app/CReminderFileKeeper.h"
#include "storage/CSaveScheduler.h"
#include "storage/CWeeklyBackup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#if __has_include("calendar/CCalendarWnd.h")
#include "calendar/CCalendarMenus.h"
#include "calendar/CCalendarState.h"
#include "calendar/CCalendarWnd.h"
#include "calendar/CTipWnd.h"
#define KM_HAVE_CALENDAR 1
#endif

// --- timer -----------------------------------------------------------------

void COrvantis2Dlg::StopTimer()
{
    if (--m_TimerUsers == 0)
        m_CheckTimer->stop();
}

void COrvantis2Dlg::StartTimer()
{
    if (m_TimerUsers++ == 0)
        m_CheckTimer->start();
}

bool COrvantis2Dlg::TimerActive() const { return m_CheckTimer->isActive(); }

void COrvantis2Dlg::SetTimerPeriod(int milliseconds) { m_CheckTimer->setInterval(milliseconds); }

void COrvantis2Dlg::OnTimer()
{
    const COleDateTime now = m_App.Now();
    const qint64 mono = m_App.Clock().MonotonicMs();
    const CTickSchedule::Plan plan = m_Passes->Tick(now, mono);
    if (plan.m_Jumped)
        Trace(QStringLiteral("The clock moved by %1 s.\n").arg(plan.m_JumpMs / 1000));
    UpdateToday(now);
    // A program that runs for days must not go on showing the old day; a
    // clock set back over midnight, or a night asleep, changes it too.
    const long long today = CReminderList::DateOnly(now).DayNumber();
    if ((m_TodayNumber != 0 && today != m_TodayNumber) || plan.m_Jumped) {
        RefreshAll();
        if (m_FileKeeper->LoadedCompletely()) {
            CWeeklyBackup backup(m_App.Store(), m_App.Settings());
            backup.CheckWeeklyBackup(m_App.Reminders(), now);
        }
    }
    m_TodayNumber = today;
    Trace(QStringLiteral("Reminder check timer at ") + now.Format() + QLatin1Char('\n'));

    if (plan.m_RunPass) {
        Trace("Actually checking reminders...\n");
        int presented = 0;
        {
            CTimerPause pause(*this);
            presented = m_Passes->RunPass(1, now, mono);
        }
        // The shown flags reach the file at once, not at the hourly save.
        if (presented > 0)
            m_Saver->ScheduleSave();
    }
    if (plan.m_Save) {
        Trace("Saving reminders...");
        SaveReminders();
        m_LastSaveTime = now;
        m_Passes->Saved(mono);
    }
}

void COrvantis2Dlg::OnResume()
{
    m_Passes->RequestPass();
    // Within seconds, once the system has settled; not while a dialog of
    // the program is open (its end restarts the timer, whose tick runs it).
    QTimer::singleShot(kResumeDelayMs, this, [this] {
        if (TimerActive())
            OnTimer();
    });
}

// --- refresh and the selected day ----------------------------------------

CReminderList &COrvantis2Dlg::Reminders() { return m_App.Reminders(); }

COleDateTime COrvantis2Dlg::SelectedDate() const
{
#ifdef KM_HAVE_CALENDAR
    return g_SelectedDate;
#else
    return m_LocalSelectedDate;
#endif
}

void COrvantis2Dlg::SetSelectedDate(const COleDateTime &day)
{
    const COleDateTime old = SelectedDate();
    const COleDateTime d = CReminderList::DateOnly(day);
#ifdef KM_HAVE_CALENDAR
    SetSelectedDay(d);
#endif
    m_LocalSelectedDate = d;
    if (!m_Initialized && !m_MonthSpin)
        return;
    UpdateDisplays();
#ifdef KM_HAVE_CALENDAR
    if (m_Calendar) {
        if (old.GetYear() == d.GetYear() && old.GetMonth() == d.GetMonth() && g_DisplayedMonth == d.GetMonth()
            && g_DisplayedYear == d.GetYear()) {
            m_Calendar->SelectSelectedDate();
            m_Calendar->update();
        } else {
            RefreshCalendar();
        }
    }
#else
    Q_UNUSED(old);
#endif
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
    if (row >= 0 && row != m_UpcomingList->currentRow()) {
        const QSignalBlocker block(m_UpcomingList);
        m_UpcomingList->setCurrentRow(row);
    }
}

void COrvantis2Dlg::RefreshCalendar()
{
#ifdef KM_HAVE_CALENDAR
    if (m_Calendar) {
        m_Calendar->Refresh();
        m_Calendar->FindSelectedCell();
        m_Calendar->update();
    }
#endif
}

void COrvantis2Dlg::RefreshAll()
{
    RefreshCalendar();
    RebuildUpcomingList();
    UpdateDisplays();
    update();
}

void COrvantis2Dlg::NotifyListChanged()
{
    RefreshAll();
    m_Saver->ScheduleSave();
}

void COrvantis2Dlg::RebuildUpcomingList()
{
    m_Upcoming = CUpcomingList::Build(m_App.Reminders(), m_App.Now(), m_App.m_UpcomingDays);
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
    CTimerPause pause(*this);
    return m_Commands.Run(id);
}

void COrvantis2Dlg::ShowContextMenu(int menu, const QPoint &global)
{
#ifdef KM_HAVE_CALENDAR
    QMenu *popup = CCalendarMenus::Create(menu, this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    // Entries whose command is not part of this build are left out.
    for (QAction *action : popup->actions()) {
        if (!action->isSeparator())
            action->setVisible(m_Commands.Contains(action->data().toInt()));
    }
    connect(popup, &QMenu::triggered, this, [this](QAction *action) { OnCommand(action->data().toInt()); });
    popup->popup(global);
#else
    Q_UNUSED(menu);
    Q_UNUSED(global);
#endif
}

// --- the due pass's host ----------------------------------------------------

void COrvantis2Dlg::ShowAndRaise()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void COrvantis2Dlg::HideTip()
{
#ifdef KM_HAVE_CALENDAR
    if (m_Calendar)
        m_Calendar->HideTip();
#endif
}

void COrvantis2Dlg::RunAlert(const CAlertRequest &alert)
{
    if (m_AlertRunner) {
        m_AlertRunner(alert);
        return;
    }
    CReminderAlertDlg dlg;
    dlg.m_Message = alert.m_Message;
    dlg.m_IconNumber = alert.m_IconNumber;
    dlg.m_SoundFileName = alert.m_SoundFileName;
    dlg.m_DefaultSound = m_App.m_DefaultSound;
    dlg.m_SoundFolder = m_App.SoundFolder();
    dlg.m_Icons = m_App.IconSource();
    dlg.exec();
}

// --- files ------------------------------------------------------------------

void COrvantis2Dlg::LoadReminders() { m_FileKeeper->Load(); }

void COrvantis2Dlg::SetEnding(bool ending)
{
    m_Ending = ending;
    m_FileKeeper->SetEnding(ending);
}

bool COrvantis2Dlg::SaveReminders()
{
    const bool saved = m_FileKeeper->Save();
    if (saved) {
        m_Saver->Cancel();
        if (m_Sync)
            m_Sync->listSaved();
    }
    return saved;
}

void COrvantis2Dlg::OpenReminderPack(const QString &path)
{
    if (m_OpenPackHandler) {
        m_OpenPackHandler(path);
        return;
    }
    ShowAndRaise();
    CTimerPause pause(*this);
    CReminderExchange::ImportFile(m_App.Reminders(), path, m_App.DataFolder());
    NotifyListChanged();
}

void COrvantis2Dlg::OnDropFiles(const QStringList &paths)
{
    // One place decides what a dropped file becomes, with the timer held
    // and new icons taken into the library at once.
    if (m_DropHandler)
        m_DropHandler(paths);
}

// --- close, hide and the tray ---------------------------------------------------

void COrvantis2Dlg::CloseRequest()
{
    CTimerPause pause(*this);
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
        m_Tray->SetCommandFilter([this](int id) { return m_Commands.Contains(id); });
        connect(m_Tray, &CTrayIcon::command, this, &COrvantis2Dlg::OnCommand);
        connect(m_Tray, &CTrayIcon::showRequested, this, &COrvantis2Dlg::ShowAndRaise);
        connect(m_Tray, &CTrayIcon::closeRequested, this, &COrvantis2Dlg::CloseRequest);
        connect(m_Tray, &CTrayIcon::clicked, this, &COrvantis2Dlg::OnNotifyIcon);
    }
    if (!m_Tray->Add() && !m_TrayMissingReported) {
        // Without a notification area the window minimises to the task bar
        // instead of hiding, so the user can always get back to it.
        // Told once the window stands, so start-up is not held up by it.
        m_TrayMissingReported = true;
        QTimer::singleShot(0, this, [] { CMessageBox::Show(QStringLiteral("TaskBarAddIcon failed.  Imagine that...")); });
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
    m_App.m_HiddenIconUnlocked = m_App.m_HiddenIconUnlocked ? 0 : 1;
    if (m_App.m_HiddenIconUnlocked)
        CMessageBox::Show(QStringLiteral("There is no knowledge that is not power."), CMessageSink::Ok, CMessageSink::Information);
}

