#pragma once

#include <QString>
#include <stdexcept>

// A file-system failure while opening, reading or writing a file.
class CFileException : public std::runtime_error
{
public:
    enum Cause { none, generic, fileNotFound, badPath, accessDenied, diskFull, endOfFile };

    CFileException(Cause cause, const QString &fileName, const QString &detail = QString())
        : std::runtime_error((fileName + QStringLiteral(": ") + detail).toStdString()),
          m_cause(cause), m_strFileName(fileName) {}

    Cause m_cause = none;
    QString m_strFileName;
};
