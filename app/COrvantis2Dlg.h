#pragma once

#include "app/CCommandTable.h"
#include "model/CDueHost.h"
#include "model/COleDateTime.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class COrvantis2App;
class CCalendarWnd;
class CReminderList;
class QTimer;

// The program's visible window: the month calendar, the month and year
// selectors, the today display, the picture buttons, the logo and the
// upcoming list, over a background picture. It runs the reminder-check
// timer, saves the reminder file and asks before closing. Other parts of
// the program register their commands in Commands() and call RefreshAll
// or NotifyListChanged after they change the list.
class COrvantis2Dlg : public QDialog, public CDueHost
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 614;
    static constexpr int kClientHeight = 408;
    static constexpr int kTimerPeriodMs = 5000;
    static constexpr double kCheckIntervalDays = 30.0 / 86400.0;
    static constexpr double kSaveIntervalDays = 1.0 / 24.0;
    static constexpr char kCaption[] = "Kestrelmark Personal Reminder Software";

    explicit COrvantis2Dlg(COrvantis2App &app, QWidget *parent = nullptr);
    ~COrvantis2Dlg() override;

    // Runs command id (a menu entry, a button); false when nobody handles it.
    bool OnCommand(int id);
    CCommandTable &Commands() { return m_Commands; }

    // Reference-counted bracket around every dialog and command: while any
    // user holds the timer no due pass runs (see CTimerPause).
    void StopTimer();
    void StartTimer();
    int TimerUsers() const { return m_TimerUsers; }
    bool TimerActive() const;

    // After any change to the list: the calendar recomputes, the upcoming
    // list is rebuilt, the displays follow.
    void RefreshAll();
    // RefreshAll and a save within a few seconds.
    void NotifyListChanged();

    CReminderList &Reminders();
    CCalendarWnd *Calendar() { return m_Calendar; }
    QWidget *Window() { return this; }

    // CDueHost: shows, restores and raises the window.
    void ShowAndRaise() override;
    void HideTip() override;
    void RunAlert(const CAlertRequest &alert) override;

    // The selected day (at 00:00); setting it moves the spins, the displays,
    // the calendar page and the upcoming-list selection.
    COleDateTime SelectedDate() const { return m_SelectedDate; }
    void SetSelectedDate(const COleDateTime &day);

    // Reminder file of the data folder. Failures are reported to the user.
    bool LoadReminders();
    bool SaveReminders();
    // Opens a reminder pack (a file dropped, opened with the program or
    // handed over by a second start).
    void OpenReminderPack(const QString &path);
    // Lets the sharing commands take over the pack opening.
    void SetOpenPackHandler(std::function<void(const QString &)> handler) { m_OpenPackHandler = std::move(handler); }

    void RebuildUpcomingList();
    // One tick of the reminder-check timer (also called by tests).
    void OnTimer();
    // The close box or Esc: save, then ask whether to minimise or close.
    void CloseRequest();
    // Hides to the tray (or minimises where there is no tray).
    void HideWindow();

signals:
    // The user chose Close in the close warning: the program ends.
    void closeProgramRequested();

protected:
    void reject() override;

private:
    COrvantis2App &m_App;
    CCommandTable m_Commands;
    CCalendarWnd *m_Calendar = nullptr;
    QTimer *m_CheckTimer = nullptr;
    int m_TimerUsers = 0;
    COleDateTime m_SelectedDate;
    COleDateTime m_LastSaveTime;
    std::vector<COleDateTime> m_UpcomingDates;
    std::function<void(const QString &)> m_OpenPackHandler;
};
