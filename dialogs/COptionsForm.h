#pragma once

#include <QList>
#include <QString>

// The rules of the options dialog apart from its window: which list entry
// a stored days value selects, and what OK stores.
class COptionsForm
{
public:
    // Position of days among the choices (CProgramSettings::DayChoices), -1 when it is none of them.
    static int DaysIndex(int days);

    // The days OK stores: the choice at index, or when nothing is selected
    // the value the dialog opened with, so an unusual stored value is kept.
    static int ChosenDays(int index, int openedWith);

    // The sound OK stores: none with the system beep (choice 0).
    static QString ChosenSound(int soundChoice, const QString &soundFileName);

    // "Browse..." caption: the file name in double quotes, or the hint.
    static QString BrowseCaption(const QString &soundFileName);
};
