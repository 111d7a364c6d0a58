#include "storage/CSettingsStore.h"

#include "storage/CKmPaths.h"

#include <QSettings>
#include <climits>

const QString CSettingsStore::kNoBackup = QStringLiteral("_none");

CSettingsStore::CSettingsStore()
    : m_settings(std::make_unique<QSettings>(CKmPaths::kOrganization, CKmPaths::kApplication))
{
}

CSettingsStore::CSettingsStore(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

CSettingsStore::~CSettingsStore() = default;

QString CSettingsStore::GetProfileString(const QString &section, const QString &entry,
                                         const QString &defaultValue) const
{
    const QVariant v = m_settings->value(section + QLatin1Char('/') + entry);
    return v.isValid() ? v.toString() : defaultValue;
}

bool CSettingsStore::WriteProfileString(const QString &section, const QString &entry, const QString &value)
{
    m_settings->setValue(section + QLatin1Char('/') + entry, value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool CSettingsStore::ParseLong(const QString &text, long &value)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')
                               || text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype digits = i;
    long long n = 0;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        // Saturate rather than overflow: a long run of digits reads as the largest value.
        const int digit = text[i].unicode() - '0';
        n = n > (LONG_MAX - digit) / 10 ? LONG_MAX : n * 10 + digit;
        ++i;
    }
    if (i == digits)
        return false;
    n = std::min<long long>(n, LONG_MAX);
    value = static_cast<long>(negative ? -n : n);
    return true;
}

int CSettingsStore::UpcomingReminderDays() const
{
    long days = kDefaultUpcomingDays;
    if (!ParseLong(GetProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays"),
                                    QStringLiteral("30")),
                   days))
        return kDefaultUpcomingDays;
    return static_cast<int>(std::clamp<long>(days, INT_MIN, INT_MAX));
}

void CSettingsStore::SetUpcomingReminderDays(int days)
{
    WriteProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays"), QString::number(days));
}

QString CSettingsStore::ReminderSoundFile() const
{
    return GetProfileString(QStringLiteral("Options"), QStringLiteral("ReminderSoundFile"), QString());
}

void CSettingsStore::SetReminderSoundFile(const QString &path)
{
    WriteProfileString(QStringLiteral("Options"), QStringLiteral("ReminderSoundFile"), path);
}

QString CSettingsStore::LastBackupDate() const
{
    return GetProfileString(QStringLiteral("Backup"), QStringLiteral("LastBackupDate"), kNoBackup);
}

void CSettingsStore::SetLastBackupDate(const QString &text)
{
    WriteProfileString(QStringLiteral("Backup"), QStringLiteral("LastBackupDate"), text);
}

void CSettingsStore::Sync() { m_settings->sync(); }
