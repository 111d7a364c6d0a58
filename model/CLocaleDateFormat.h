#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The date and time forms of the user's locale as the program shows them:
// the locale's short date with a four-digit year, and its long time
// without a time zone (the files carry wall-clock times only).
class CLocaleDateFormat
{
public:
    static QString DateFormat(const QLocale &locale);
    static QString TimeFormat(const QLocale &locale);

    // Reads a date and/or a time: the locale's forms first, then the ISO
    // forms and the common numeric forms (M/d/yyyy, d.M.yyyy, h:mm AM).
    // A part that the text does not hold is returned invalid; false when
    // nothing could be read.
    static bool Parse(const QLocale &locale, const QString &text, QDate &date, QTime &time);
    static QDate ParseDate(const QLocale &locale, const QString &text);
    static QTime ParseTime(const QLocale &locale, const QString &text);
};
