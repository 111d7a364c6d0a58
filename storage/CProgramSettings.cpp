#include "storage/CProgramSettings.h"

#include "model/CSnooze.h"
#include "storage/CSettingsStore.h"

int CProgramSettings::UpcomingDays() const
{
    const int days = m_store.UpcomingReminderDays();
    return DayChoices().contains(days) ? days : CSettingsStore::kDefaultUpcomingDays;
}

bool CProgramSettings::SetUpcomingDays(int days)
{
    return m_store.WriteProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays"), QString::number(days));
}

QString CProgramSettings::DefaultSound() const { return m_store.ReminderSoundFile(); }

bool CProgramSettings::SetDefaultSound(const QString &path)
{
    return m_store.WriteProfileString(QStringLiteral("Options"), QStringLiteral("ReminderSoundFile"), path);
}

bool CProgramSettings::DesktopNotifications() const
{
    return m_store.GetProfileString(QStringLiteral("Options"), QStringLiteral("DesktopNotifications"), QStringLiteral("1")).trimmed() != QLatin1String("0");
}

bool CProgramSettings::SetDesktopNotifications(bool on)
{
    return m_store.WriteProfileString(QStringLiteral("Options"), QStringLiteral("DesktopNotifications"), on ? QStringLiteral("1") : QStringLiteral("0"));
}

int CProgramSettings::SnoozeMinutes() const
{
    return CSnooze::MinutesFromSetting(m_store.GetProfileString(QStringLiteral("Options"), QStringLiteral("SnoozeMinutes"), QString()));
}

bool CProgramSettings::SetSnoozeMinutes(int minutes)
{
    return m_store.WriteProfileString(QStringLiteral("Options"), QStringLiteral("SnoozeMinutes"), QString::number(minutes));
}
