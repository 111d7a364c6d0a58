#pragma once

#include "model/CUserMessage.h"
#include "storage/CSharedReminderFile.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class QThread;

class CReminderList;
class CReminderStore;

// Keeps the program's list and the reminder file in step while other
// processes write the file too: watches the folder (an atomic replace
// gives the file a new inode), takes outside changes in within a second
// or so, and saves through the file's lock. A failing save is reported
// once per streak of failures, never while the program is ending (nobody
// is there to answer); every failure goes to the log.
class CReminderFileKeeper : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSettleMs = 400;  // lets a writer finish before the file is read
    static constexpr int kRetryMs = 1000;  // while changes cannot be taken in yet
    static constexpr int kCompactMs = 5000;  // quiet time after a merge or save before the base is packed

    CReminderFileKeeper(CReminderStore &store, CReminderList &list, QObject *parent = nullptr);
    ~CReminderFileKeeper() override;

    // Reads the file at start-up and starts watching it; tell receives what
    // the user is to hear of a failed read. What was read is packed at once
    // on a thread of its own, while the window comes up.
    CReminderStore::LoadResult Load(CUserMessage *tell = nullptr);
    bool LoadedCompletely() const { return m_file.LoadedCompletely(); }
    bool LoadChangedList() const { return m_file.LoadChangedList(); }
    // See CSharedReminderFile::Revive.
    bool Revive(QString &error) { return m_file.Revive(m_list, error); }

    // The read-merge-write; true when the file holds the list afterwards.
    bool Save();

    // Outside changes wait while this says no (a dialog holds positions in
    // the list).
    void SetMayChangeList(std::function<bool()> mayChange) { m_mayChange = std::move(mayChange); }
    // From now on failures are logged instead of shown.
    void SetEnding(bool ending) { m_ending = ending; }

signals:
    // The list took in outside changes: views must be rebuilt.
    void listChanged();
    // The first failure of a streak of failed saves.
    void saveFailed(const CUserMessage &message);
    // Something the user must know of the file that is no failure of the
    // save (a damaged file found and kept aside).
    void fileNotice(const CUserMessage &message);

private:
    void watch();
    void onFolderChanged();
    void takeOutsideChanges();
    void report(const CSharedReminderFile::Outcome &outcome);
    // Packs the base on a thread of its own; a base replaced meanwhile is
    // packed after the next quiet time.
    void compact();
    void adoptPacked();

    CSharedReminderFile m_file;
    CReminderList &m_list;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QTimer m_compact;
    std::unique_ptr<QThread> m_packer; // while a pack runs
    std::shared_ptr<CSharedReminderFile::PackedBase> m_packed; // what it made
    std::function<bool()> m_mayChange;
    bool m_ending = false;
    bool m_failing = false; // within a streak of failed saves
};
