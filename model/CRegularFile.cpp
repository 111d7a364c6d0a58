#include "model/CRegularFile.h"

#include "l10n/CNotes.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CRegularFile::Status CRegularFile::OpenForReading(QFile &file, const QString &path, QString &error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        error = QString::fromLocal8Bit(std::strerror(code));
        return code == ENOENT ? Missing : Failed;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int code = errno;
        error = S_ISDIR(st.st_mode) ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it is a folder"))
            : st.st_mode != 0       ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it is not a regular file"))
                                    : QString::fromLocal8Bit(std::strerror(code));
        ::close(fd);
        return st.st_mode != 0 ? NotRegular : Failed;
    }
    // A regular file never blocks; the flag goes so that reads behave as
    // they always do.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return Failed;
    }
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        error = file.errorString();
        ::close(fd);
        return Failed;
    }
    return Opened;
}
