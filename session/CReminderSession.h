#pragma once

#include "model/CDueHost.h"
#include "model/COleDateTime.h"
#include "model/CReminderList.h"
#include "model/CUserMessage.h"
#include "session/CClock.h"
#include "storage/CReminderStore.h"

#include <QObject>
#include <functional>
#include <memory>

class CDuePasses;
class CReminderCheck;
class CReminderFileKeeper;
class CSaveScheduler;
class CSettingsStore;
class CSyncController;
class CWeeklyBackup;
class QTimer;

// The running program's reminders without a window: the list (owned
// here), the file
// that other processes share (read at start, outside changes merged, saves
// under the lock), the quick save after a change and the weekly backup,
// and the reminder-check timer with its due passes over the wall and
// monotonic clocks, and the calendar sync. Views and commands change the list and call
// NotifyListChanged; they refresh on listChanged, whoever changed it. What
// the user must see or hear comes as signals for the program to show.
class CReminderSession : public QObject, private CDueHost
{
    Q_OBJECT
public:
    static constexpr int kTimerPeriodMs = 5000;
    static constexpr int kResumeDelayMs = 2000;

    CReminderSession(CReminderStore &store, CSettingsStore &settings, QObject *parent = nullptr);
    ~CReminderSession() override;

    CReminderList &Reminders() { return m_list; }

    // Start-up: reads the file and starts watching it. A missing file
    // with a backup beside it keeps that backup. tell receives what the
    // user is to hear.
    CReminderStore::LoadResult Load(CUserMessage *tell = nullptr);
    // The list holds the whole file: one a backup may be made from.
    bool LoadedCompletely() const;
    // Backs the list up when it is due and the list is a whole one.
    void CheckWeeklyBackup(const COleDateTime &now, CUserMessage *tell = nullptr);
    CWeeklyBackup &Backup() { return *m_backup; }
    // Replaces the list with the backup's reminders, which are then no
    // longer deleted (tell says how it went); true when it did.
    bool Recover(CUserMessage *tell = nullptr);

    // The read-merge-write now; true when the file holds the list.
    bool Save();
    // A save within a few seconds (every change in that time is covered).
    void ScheduleSave();
    CSaveScheduler &Saver() { return *m_saver; }
    // The list was changed here: listChanged, and a save soon.
    void NotifyListChanged();
    // listChanged alone: the list was only put in order, or read again,
    // and holds nothing new to save.
    void AnnounceListChanged() { emit listChanged(); }

    // Outside changes wait while this says no (a dialog or an alert holds
    // positions in the list).
    void SetMayChangeList(std::function<bool()> mayChange);
    // The program is ending: failures go to the log only.
    void SetEnding(bool ending);

    // The clocks the passes read; null puts back the system's. Not owned.
    void SetClock(const CClock *clock);
    const CClock &Clock() const { return *m_clock; }
    COleDateTime Now() const { return m_clock->Now(); }

    // The due passes start: the last pass of the previous run is read, the
    // hourly save counts from now, and the check timer runs. From then on
    // outside changes are merged only while the timer runs.
    void StartChecks();
    // Reference-counted bracket around every dialog and command: while any
    // user holds the timer no due pass runs (see CTimerPause).
    void StopTimer();
    void StartTimer();
    int TimerUsers() const { return m_timerUsers; }
    bool TimerActive() const;
    // Tests shorten the period.
    void SetTimerPeriod(int milliseconds);
    // One tick of the check timer (also called by tests): a due pass when
    // one is due, the hourly save, the day turning and clock jumps.
    void OnTimer();
    // The computer woke from sleep: a pass within seconds.
    void OnResume();
    CReminderCheck &Check() { return *m_check; }
    CDuePasses &Passes() { return *m_passes; }
    COleDateTime LastSaveTime() const { return m_lastSaveTime; }

    // The calendar sync; it starts with the checks.
    CSyncController &Sync() { return *m_sync; }

signals:
    // The list changed (here or from outside): views are rebuilt.
    void listChanged();
    // A save wrote the file (or found it holding the list already).
    void saved();
    // The first of a streak of failed saves.
    void saveFailed(const CUserMessage &message);
    // A notice about the file that is no failure (a damaged file kept aside).
    void fileNotice(const CUserMessage &message);
    // A reminder is due: the receiver shows the alert, waits for the user
    // and fills in answer (connect directly). No save runs meanwhile.
    void alertDue(const CAlertRequest &alert, CAlertAnswer *answer);
    // A pass is about to alert: the window comes forward.
    void raiseRequested();
    // Every tick, with the wall time it read.
    void ticked(const COleDateTime &now);
    // The day turned or the clock jumped: what depends on today is rebuilt.
    void dayChanged();
    // The wall clock moved unlike the monotonic one (set, or a sleep).
    void clockJumped();
    // The computer woke from sleep.
    void resumed();
    // A sync failed in a way the user must hear of at once.
    void syncFailed(const CUserMessage &message);

private:
    // CDueHost: what the due passes need of the program around them.
    void ShowAndRaise() override;
    void HideTip() override {}
    CAlertAnswer RunAlert(const CAlertRequest &alert) override;
    void CheckWeeklyBackupAndTell(const COleDateTime &now);

    CReminderList m_list;
    CReminderFileKeeper *m_keeper = nullptr;
    CSaveScheduler *m_saver = nullptr;
    std::unique_ptr<CWeeklyBackup> m_backup;
    CSystemClock m_systemClock;
    const CClock *m_clock = &m_systemClock;
    std::unique_ptr<CReminderCheck> m_check;
    std::unique_ptr<CDuePasses> m_passes;
    QTimer *m_checkTimer = nullptr;
    CSyncController *m_sync = nullptr;
    int m_timerUsers = 0;
    long long m_todayNumber = 0;
    COleDateTime m_lastSaveTime;
};
