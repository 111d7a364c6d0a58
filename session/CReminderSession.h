#pragma once

#include "model/CAlertPresenter.h"
#include "model/COleDateTime.h"
#include "model/CReminderList.h"
#include "model/CUserMessage.h"
#include "session/CClock.h"
#include "session/CSyncController.h"
#include "storage/CReminderStore.h"

#include <QObject>
#include <functional>
#include <memory>

class CDuePasses;
class CReminderCheck;
class CReminderFileKeeper;
class CSaveScheduler;
class CSettingsStore;
class CWeeklyBackup;
class QTimer;

// The running program's reminders without a window: the list (owned
// here), the file
// that other processes share (read at start, outside changes merged, saves
// under the lock), the quick save after a change and the weekly backup,
// and the reminder-check timer with its due passes over the wall and
// monotonic clocks, and the calendar sync. Views and commands change the list and call
// NotifyListChanged; they refresh on listChanged, whoever changed it. What
// the user must see or hear comes as signals for the program to show, and
// the alerts of due reminders go to the presenter the program sets.
//
// The checks never stop: a pass runs on time whatever dialog or alert is
// open. A reminder is known by its id, so an answer finds its reminder
// wherever it is. Only outside changes (the file merge, a sync's result),
// which move reminders, wait while a dialog holds positions (HoldList).
class CReminderSession : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimerPeriodMs = 5000;
    static constexpr int kResumeDelayMs = 2000;

    CReminderSession(CReminderStore &store, CSettingsStore &settings, QObject *parent = nullptr);
    ~CReminderSession() override;

    CReminderList &Reminders() { return m_list; }

    // The program starts: the file is read (a missing one with a backup
    // beside it keeps that backup), the weekly backup checked, the sync
    // given its password store, and the checks started. What the user is to
    // hear of it comes as fileNotice; listChanged follows the read.
    void Start(CSyncController::PasswordStore passwords);
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

    // Reference-counted bracket around a dialog or command that holds
    // positions in the list (see CListHold): while any holds it, outside
    // changes and saves (which merge them) wait; passes and answers do not.
    void HoldList();
    void ReleaseList();
    bool ListHeld() const { return m_listHolds > 0; }
    // The program is ending: failures go to the log only, and nothing more
    // is presented or answered.
    void SetEnding(bool ending);

    // Where the alerts of due reminders go; null: nowhere, and nothing is
    // marked shown. Not owned.
    void SetAlertPresenter(CAlertPresenter *presenter);
    // The user answered the alert of the reminder with id (the alert, or its
    // notification). It lands on that reminder wherever it is now; when the
    // reminder was deleted meanwhile the answer is dropped. An answer
    // without a time is taken as given now. True when the list changed.
    bool Answer(quint64 id, CAlertAnswer answer);

    // The clocks the passes read; null puts back the system's. Not owned.
    void SetClock(const CClock *clock);
    const CClock &Clock() const { return *m_clock; }
    COleDateTime Now() const { return m_clock->Now(); }

    // The due passes start: the last pass of the previous run is read, the
    // hourly save counts from now, and the check timer runs from then on.
    void StartChecks();
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
    // What the user must hear of the file or its backup that is no failed
    // save: a file that could not be read, a damaged one kept aside, a
    // backup kept or made.
    void fileNotice(const CUserMessage &message);
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
    int m_listHolds = 0;
    long long m_todayNumber = 0;
    COleDateTime m_lastSaveTime;
};
