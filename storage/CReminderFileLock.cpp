#include "storage/CReminderFileLock.h"

#include "model/CTrace.h"
#include "storage/CWriteFailure.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>

CReminderFileLock::CReminderFileLock(const QString &reminderFile)
    : m_lock(LockPathFor(reminderFile)), m_path(LockPathFor(reminderFile))
{
    // Only a dead owner makes a lock stale: a slow save on a busy disk
    // must not lose its lock to the next writer.
    m_lock.setStaleLockTime(0);
}

QString CReminderFileLock::LockPathFor(const QString &reminderFile) { return reminderFile + QStringLiteral(".lock"); }

CReminderFileLock::Found CReminderFileLock::Inspect() const
{
    Found found;
    const QByteArray name = QFile::encodeName(m_path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return found;
    found.m_Exists = true;
    found.m_Inode = st.st_ino;
    if (!S_ISREG(st.st_mode)) {
        found.m_Live = true; // not ours to remove
        found.m_Folder = S_ISDIR(st.st_mode);
        found.m_Special = !found.m_Folder;
        return found;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        found.m_What = QCoreApplication::translate("CReminderFileLock", "an unreadable lock");
        return found;
    }
    // Every holder keeps an advisory lock on the file while it holds it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        found.m_Readable = found.m_Live = true;
        return found;
    }
    char buffer[512];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    const QList<QByteArray> lines = QByteArray(buffer, n > 0 ? int(n) : 0).split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).toLongLong(&ok);
    if (!ok || pid <= 0 || lines.size() < 3) {
        found.m_What = n == 0 ? QCoreApplication::translate("CReminderFileLock", "an empty lock") : QCoreApplication::translate("CReminderFileLock", "a garbled lock");
        return found;
    }
    found.m_Readable = true;
    const QString host = QString::fromUtf8(lines.value(2));
    const bool here = host.isEmpty() || host == QSysInfo::machineHostName();
    found.m_Live = !here || ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
    found.m_What = QCoreApplication::translate("CReminderFileLock", "the lock of process %1, which no longer runs").arg(pid);
    return found;
}

void CReminderFileLock::TakeOver(const Found &stale)
{
    // One taker at a time, and only the file judged stale: a writer that
    // took it over meanwhile holds a new file.
    QLockFile removing(m_path + QStringLiteral(".rmlock"));
    removing.setStaleLockTime(1000); // held for microseconds
    if (!removing.tryLock(0))
        return;
    const Found now = Inspect();
    if (!now.m_Exists || now.m_Live || now.m_Inode != stale.m_Inode)
        return;
    // Not QFile::remove: it says nothing of why (in a shared folder with
    // the sticky bit only the lock's owner may remove it).
    if (::unlink(QFile::encodeName(m_path).constData()) != 0) {
        m_removeError = QString::fromLocal8Bit(std::strerror(errno));
        Trace(QStringLiteral("Cannot remove the stale lock %1: %2.\n").arg(QDir::toNativeSeparators(m_path), m_removeError));
        return;
    }
    m_removeError.clear();
    Trace(QStringLiteral("Took over the stale lock %1 (%2).\n").arg(QDir::toNativeSeparators(m_path), stale.m_What));
    qInfo("Took over the stale lock %s (%s).", qPrintable(QDir::toNativeSeparators(m_path)), qPrintable(stale.m_What));
}

bool CReminderFileLock::Acquire(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QDeadlineTimer fillIn; // running while an unfinished-looking lock is watched
    quint64 watched = 0;
    int pause = 20;
    for (;;) {
        // Looked at before each try, so that every lock taken over is
        // logged (QLockFile would remove a dead owner's lock silently).
        const Found found = Inspect();
        m_found = found;
        if (found.m_Exists && !found.m_Live) {
            // A dead owner's lock goes at once; an empty or garbled one
            // once it has stayed so for longer than a writer takes to
            // fill in a new one.
            if (found.m_Readable || (watched == found.m_Inode && fillIn.hasExpired())) {
                TakeOver(found);
            } else if (watched != found.m_Inode) {
                watched = found.m_Inode;
                fillIn.setRemainingTime(kFillInMs);
            }
        } else {
            watched = 0;
        }
        if (m_lock.tryLock(0)) {
            m_error.clear();
            return true;
        }
        if (m_lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            break;
        QThread::msleep(std::min<qint64>(pause, std::max<qint64>(1, deadline.remainingTime())));
        pause = std::min(pause * 2, 100);
    }
    SetError();
    return false;
}

void CReminderFileLock::SetError()
{
    switch (m_lock.error()) {
    case QLockFile::LockFailedError: {
        const QString lock = QDir::toNativeSeparators(m_path);
        if (m_found.m_Folder || m_found.m_Special) {
            //: %1 is the lock file's path, %2 "a folder" or "not a regular file".
            m_error = QCoreApplication::translate("CReminderFileLock", "%1 is %2, not a lock; move it away to write the file")
                          .arg(lock, m_found.m_Folder ? QCoreApplication::translate("CReminderFileLock", "a folder") : QCoreApplication::translate("CReminderFileLock", "not a regular file"));
            break;
        }
        if (m_found.m_Exists && !m_found.m_Live && !m_removeError.isEmpty()) {
            // Left by a crash, and not ours to remove: QLockFile's own
            // account would name the dead owner as the writer.
            m_error = QCoreApplication::translate("CReminderFileLock", "its lock %1 is %2, and it cannot be removed (%3); remove it by hand")
                          .arg(lock, m_found.m_What, m_removeError);
            break;
        }
        qint64 pid = 0;
        QString host, app;
        m_lock.getLockInfo(&pid, &host, &app);
        m_error = QCoreApplication::translate("CReminderFileLock", "another program (%1, process %2) is writing it")
                      .arg(app.isEmpty() ? QCoreApplication::translate("CReminderFileLock", "unknown") : app)
                      .arg(pid);
        break;
    }
    case QLockFile::PermissionError:
        m_error = QCoreApplication::translate("CReminderFileLock", "the lock file %1 cannot be created: %2")
                      .arg(QDir::toNativeSeparators(m_path),
                           CWriteFailure::Describe(m_path, QCoreApplication::translate("CReminderFileLock", "permission denied")));
        break;
    default:
        m_error = QCoreApplication::translate("CReminderFileLock", "the lock file %1 cannot be created: %2")
                      .arg(QDir::toNativeSeparators(m_path),
                           CWriteFailure::Describe(m_path, QCoreApplication::translate("CReminderFileLock", "the reason is unknown")));
        break;
    }
}
