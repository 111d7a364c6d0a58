#pragma once

#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QMap>
#include <QString>

class CReminder;

// Values as the commands take them on the command line.
class CCliValues
{
public:
    // YYYY-MM-DDTHH:MM[:SS]; false for anything else or an impossible date.
    static bool ParseDateTime(const QString &text, COleDateTime &out);
    // YYYY-MM-DD at 00:00.
    static bool ParseDate(const QString &text, COleDateTime &out);
    // "2d3h30m", "90m", "1d", "0".
    static bool ParseSpan(const QString &text, COleDateTimeSpan &out);
    // one-time, annual, monthly, weekly (or 0-3).
    static int ParseRecurrence(const QString &text);
    // Those of --at, --recurrence and --notice that options holds, read
    // into r; the first that cannot be read comes back as the line the
    // user is to see (empty when all could).
    static QString ReadWhen(const QMap<QString, QString> &options, CReminder &r);
};
