#include "dialogs/COptionsForm.h"

#include "dialogs/CNewEventForm.h"
#include "storage/CProgramSettings.h"

#include <QCoreApplication>

int COptionsForm::DaysIndex(int days)
{
    return static_cast<int>(CProgramSettings::DayChoices().indexOf(days));
}

int COptionsForm::ChosenDays(int index, int openedWith)
{
    const QList<int> choices = CProgramSettings::DayChoices();
    if (index >= 0 && index < choices.size())
        return choices[index];
    return openedWith;
}

QString COptionsForm::ChosenSound(int soundChoice, const QString &soundFileName)
{
    return soundChoice == 0 ? QString() : soundFileName;
}

QString COptionsForm::BrowseCaption(const QString &soundFileName)
{
    if (soundFileName.isEmpty())
        return QCoreApplication::translate("COptionsForm", "(Click here to choose a .WAV sound file)");
    return QStringLiteral("\"") + CNewEventForm::FileNamePart(soundFileName) + QStringLiteral("\"");
}
