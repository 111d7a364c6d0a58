#pragma once

#include <QString>
#include <stdexcept>

// A fault in the byte stream of a reminder file or pack: it ended early,
// or it names a class, object or schema that cannot be loaded.
class CArchiveException : public std::runtime_error
{
public:
    enum Cause { none, generic, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    explicit CArchiveException(Cause cause, const QString &detail = QString())
        : std::runtime_error(describe(cause, detail).toStdString()), m_cause(cause) {}

    Cause m_cause = none;

    static QString describe(Cause cause, const QString &detail)
    {
        static const char *const names[] = { "no error", "archive error", "archive is read-only",
                                             "unexpected end of file", "archive is write-only",
                                             "bad object index", "bad class", "bad schema" };
        QString text = QString::fromLatin1(names[cause]);
        if (!detail.isEmpty())
            text += QStringLiteral(": ") + detail;
        return text;
    }
};
