#include "storage/CReminderFileLock.h"

#include <QDir>

CReminderFileLock::CReminderFileLock(const QString &reminderFile)
    : m_lock(LockPathFor(reminderFile)), m_path(LockPathFor(reminderFile))
{
    // Only a dead owner makes a lock stale: a slow save on a busy disk
    // must not lose its lock to the next writer.
    m_lock.setStaleLockTime(0);
}

QString CReminderFileLock::LockPathFor(const QString &reminderFile) { return reminderFile + QStringLiteral(".lock"); }

bool CReminderFileLock::Acquire(int timeoutMs)
{
    if (m_lock.tryLock(timeoutMs)) {
        m_error.clear();
        return true;
    }
    switch (m_lock.error()) {
    case QLockFile::LockFailedError: {
        qint64 pid = 0;
        QString host, app;
        m_lock.getLockInfo(&pid, &host, &app);
        m_error = QStringLiteral("another program (%1, process %2) is writing it")
                      .arg(app.isEmpty() ? QStringLiteral("unknown") : app)
                      .arg(pid);
        break;
    }
    case QLockFile::PermissionError:
        m_error = QStringLiteral("the lock file %1 cannot be created: permission denied")
                      .arg(QDir::toNativeSeparators(m_path));
        break;
    default:
        m_error = QStringLiteral("the lock file %1 cannot be created").arg(QDir::toNativeSeparators(m_path));
        break;
    }
    return false;
}
