#pragma once

#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QString>

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
};
