#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// The lock every writer of a reminder file holds for its whole
// read-merge-write: "<file>.lock" beside it. A lock left by a process that
// has died is taken over; a lock held by a live one is waited for.
class CReminderFileLock
{
public:
    explicit CReminderFileLock(const QString &reminderFile);

    static QString LockPathFor(const QString &reminderFile);

    // Waits up to timeoutMs for the lock; false with Error() set.
    bool Acquire(int timeoutMs);
    // One clause saying why the lock could not be had.
    QString Error() const { return m_error; }

private:
    QLockFile m_lock;
    QString m_path;
    QString m_error;
};
