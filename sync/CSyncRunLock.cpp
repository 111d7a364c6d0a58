#include "sync/CSyncRunLock.h"

#include "l10n/CNotes.h"

#include <QDir>

CSyncRunLock::CSyncRunLock(const QString &statePath)
    : m_lock(LockPathFor(statePath))
{
    // A sync waits on the network for minutes: only a holder that no
    // longer runs makes the lock stale, never its age.
    m_lock.setStaleLockTime(0);
}

QString CSyncRunLock::LockPathFor(const QString &statePath) { return statePath + QStringLiteral(".lock"); }

bool CSyncRunLock::Acquire(int timeoutMs)
{
    if (m_lock.tryLock(timeoutMs)) {
        m_busy = false;
        m_error.clear();
        return true;
    }
    m_busy = m_lock.error() == QLockFile::LockFailedError;
    if (m_busy)
        m_error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a sync of this file is already running"));
    else
        m_error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the sync lock %1 cannot be created (%2)"))
                      .arg(QDir::toNativeSeparators(m_lock.fileName()),
                           m_lock.error() == QLockFile::PermissionError ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "permission denied"))
                                                                        : CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the reason is unknown")));
    return false;
}
