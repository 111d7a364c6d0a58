#pragma once

#include <QLockFile>
#include <QString>

// The lock every writer of a reminder file holds for its whole
// read-merge-write: "<file>.lock" beside it, holding the owner's process
// number, program and host. A lock held by a live process is waited for.
// One left by a crash is taken over within a second, with a line in the
// log: a lock of a process that no longer runs on this host, and one that
// is empty, unreadable or garbled for longer than a writer takes to fill
// it in.
class CReminderFileLock
{
public:
    static constexpr int kFillInMs = 300; // a new lock file is filled in by then

    explicit CReminderFileLock(const QString &reminderFile);

    static QString LockPathFor(const QString &reminderFile);

    // Waits up to timeoutMs for the lock; false with Error() set.
    bool Acquire(int timeoutMs);
    // One clause saying why the lock could not be had.
    QString Error() const { return m_error; }

private:
    // The lock file as found: whether it names a live owner, and what it is.
    struct Found
    {
        bool m_Exists = false;
        bool m_Readable = false; // names an owner
        bool m_Live = false;     // that owner runs, or runs elsewhere
        QString m_What;          // for the log
        quint64 m_Inode = 0;
        bool m_Folder = false;   // a folder stands where the lock goes
        bool m_Special = false;  // neither a file nor a folder
    };
    Found Inspect() const;
    // Removes the lock file if it is still the stale one found.
    void TakeOver(const Found &stale);
    void SetError();

    QLockFile m_lock;
    QString m_path;
    QString m_error;
    Found m_found;          // the lock as last found
    QString m_removeError;  // why a dead owner's lock could not be removed
};
