#pragma once

#include <QString>
#include <memory>

class QSettings;

// The per-user settings: text values in sections, stored with QSettings
// under "Quendrake Inc" / "Kestrelmark".
//   Options/UpcomingReminderDays  "30"
//   Options/ReminderSoundFile     ""
//   Backup/LastBackupDate         "_none"
class CSettingsStore
{
public:
    static const QString kNoBackup; // "_none"
    static constexpr int kDefaultUpcomingDays = 30;

    // The user's settings.
    CSettingsStore();
    // Settings kept in the given ini file (tests, tools).
    explicit CSettingsStore(const QString &iniFile);
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore &) = delete;
    CSettingsStore &operator=(const CSettingsStore &) = delete;

    QString GetProfileString(const QString &section, const QString &entry, const QString &defaultValue) const;
    bool WriteProfileString(const QString &section, const QString &entry, const QString &value);

    // Read as "%ld" reads: leading blanks, a sign, digits; anything that
    // does not start with a number gives the default 30.
    int UpcomingReminderDays() const;
    void SetUpcomingReminderDays(int days);
    QString ReminderSoundFile() const;
    void SetReminderSoundFile(const QString &path);
    QString LastBackupDate() const;
    void SetLastBackupDate(const QString &text);

    // Writes pending changes to disk.
    void Sync();

    // The leading decimal integer of text, as "%ld" reads it.
    static bool ParseLong(const QString &text, long &value);

private:
    std::unique_ptr<QSettings> m_settings;
};
