#pragma once

#include "model/COleDateTime.h"
#include "model/CUserMessage.h"
#include "storage/CReminderStore.h"

#include <QObject>
#include <functional>
#include <memory>

class CReminderFileKeeper;
class CReminderList;
class CSaveScheduler;
class CSettingsStore;
class CWeeklyBackup;

// The running program's reminders without a window: the list, the file
// that other processes share (read at start, outside changes merged, saves
// under the lock), the quick save after a change and the weekly backup.
// Views and commands change the list and call NotifyListChanged; they
// refresh on listChanged, whoever changed it. What the user must hear
// comes as signals for the program to show.
class CReminderSession : public QObject
{
    Q_OBJECT
public:
    CReminderSession(CReminderList &list, CReminderStore &store, CSettingsStore &settings, QObject *parent = nullptr);
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

    // The read-merge-write now; true when the file holds the list.
    bool Save();
    // A save within a few seconds (every change in that time is covered).
    void ScheduleSave();
    CSaveScheduler &Saver() { return *m_saver; }
    // The list was changed here: listChanged, and a save soon.
    void NotifyListChanged();

    // Outside changes wait while this says no (a dialog or an alert holds
    // positions in the list).
    void SetMayChangeList(std::function<bool()> mayChange);
    // The program is ending: failures go to the log only.
    void SetEnding(bool ending);

signals:
    // The list changed (here or from outside): views are rebuilt.
    void listChanged();
    // A save wrote the file (or found it holding the list already).
    void saved();
    // The first of a streak of failed saves.
    void saveFailed(const CUserMessage &message);
    // A notice about the file that is no failure (a damaged file kept aside).
    void fileNotice(const CUserMessage &message);

private:
    CReminderList &m_list;
    CReminderFileKeeper *m_keeper = nullptr;
    CSaveScheduler *m_saver = nullptr;
    std::unique_ptr<CWeeklyBackup> m_backup;
};
