#pragma once

#include <QLockFile>
#include <QString>

// The one sync of a reminder file that may run at a time, held by the
// command line and the program alike from reading the file and its sync
// state until the state is written back: "<state>.lock" beside the state.
// Two runs that overlapped would each upload the reminders new since the
// last sync, and the last state written would forget the other's events.
// A holder that crashed leaves a lock that is taken over.
class CSyncRunLock
{
public:
    explicit CSyncRunLock(const QString &statePath);

    static QString LockPathFor(const QString &statePath);

    // Waits up to timeoutMs (0: one try, for the event loop's thread).
    // False with Error() set; Busy() when another sync holds it.
    bool Acquire(int timeoutMs);
    bool Busy() const { return m_busy; }
    QString Error() const { return m_error; }

private:
    QLockFile m_lock;
    bool m_busy = false;
    QString m_error;
};
