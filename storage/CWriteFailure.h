#pragma once

#include <QString>

// Why a file could not be written, in words the user can act on: the disk
// is full or read-only, writing there is not permitted, or the folder is
// gone. Found by looking at the file's folder right after the failure, as
// the calls that fail (QSaveFile, QLockFile) do not always keep the reason.
class CWriteFailure
{
public:
    // The cause seen now; empty when the folder looks writable with room
    // for bytesNeeded more.
    static QString Cause(const QString &path, qint64 bytesNeeded = 0);
    // The cause, else what the failing call said.
    static QString Describe(const QString &path, const QString &said, qint64 bytesNeeded = 0);
};
