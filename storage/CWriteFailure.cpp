#include "storage/CWriteFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QCoreApplication>

namespace {
// A file system this close to full fails the next write of any size.
constexpr qint64 kReserveBytes = 8192;
} // namespace

QString CWriteFailure::Cause(const QString &path, qint64 bytesNeeded)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray name = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return QCoreApplication::translate("CWriteFailure", "its folder %1 is gone").arg(QDir::toNativeSeparators(folder));
    if (!S_ISDIR(st.st_mode))
        return QCoreApplication::translate("CWriteFailure", "%1 is not a folder").arg(QDir::toNativeSeparators(folder));
    struct statvfs vfs {};
    if (::statvfs(name.constData(), &vfs) == 0) {
        if (vfs.f_flag & ST_RDONLY)
            return QCoreApplication::translate("CWriteFailure", "the disk is read-only");
        const qint64 free = qint64(vfs.f_bavail) * qint64(vfs.f_frsize);
        if (free < bytesNeeded + kReserveBytes || (vfs.f_files > 0 && vfs.f_favail == 0))
            return QCoreApplication::translate("CWriteFailure", "there is no space left on the disk");
    }
    if (::access(name.constData(), W_OK | X_OK) != 0)
        return errno == EROFS ? QCoreApplication::translate("CWriteFailure", "the disk is read-only") : QCoreApplication::translate("CWriteFailure", "permission denied");
    return QString();
}

QString CWriteFailure::Describe(const QString &path, const QString &said, qint64 bytesNeeded)
{
    const QString cause = Cause(path, bytesNeeded);
    return cause.isEmpty() ? said : cause;
}
