#pragma once

#include "dialogs/CSkinLabels.h"

#include <QList>
#include <QLocale>
#include <QString>

// The headings the main window's artwork carries in English, over the
// upcoming list ("Upcoming reminders") and over the calendar's columns
// ("Sun" to "Sat", from Sunday): what to paint over them for another
// language or a week that begins on another day. Nothing when the
// artwork's own words are right.
class CWindowHeadings
{
public:
    // firstDayOfWeek: 1 = Sunday to 7 = Saturday; upcoming: the heading of
    // the upcoming list in the user's language.
    static QList<CSkinLabels::Label> Labels(const QLocale &locale, int firstDayOfWeek, const QString &upcoming);
    // The column headings, from firstDayOfWeek: the locale's short names.
    static QStringList ColumnNames(const QLocale &locale, int firstDayOfWeek);
};
