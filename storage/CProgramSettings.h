#pragma once

#include <QList>
#include <QString>

class CSettingsStore;

// The options the user chooses, typed. Every read and write goes through
// the settings store, under the keys and in the text the program has
// always stored:
//   Options/UpcomingReminderDays  "30"  (a count the options offer)
//   Options/ReminderSoundFile     ""    (empty: the system's sound)
//   Options/DesktopNotifications  "1" or "0"
//   Options/SnoozeMinutes         "10"  (a snooze choice)
// A setter returns false when the settings could not be written.
class CProgramSettings
{
public:
    explicit CProgramSettings(CSettingsStore &store) : m_store(store) {}

    // The day counts the upcoming list may cover, in order.
    static QList<int> DayChoices() { return { 5, 15, 30, 60 }; }

    // A hand-edited file may hold anything: only a count the options offer
    // is taken (a huge one would build the list for minutes), else 30.
    int UpcomingDays() const;
    bool SetUpcomingDays(int days);
    QString DefaultSound() const;
    bool SetDefaultSound(const QString &path);
    // On unless the stored text is "0".
    bool DesktopNotifications() const;
    bool SetDesktopNotifications(bool on);
    // The last snooze delay chosen; a value no choice has gives the default.
    int SnoozeMinutes() const;
    bool SetSnoozeMinutes(int minutes);

private:
    CSettingsStore &m_store;
};
