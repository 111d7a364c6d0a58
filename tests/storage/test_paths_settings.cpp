// The data folder, the mapping of stored names, and the settings store.
#include "StorageFixtures.h"
#include "support/CTempDir.h"

#include "storage/CKmPaths.h"
#include "storage/CSettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

TEST(KmPaths, StandardDataFolderIsCreatedOnFirstUseUnderTheUsersDataHome)
{
    CTempHome home;
    CKmPaths::SetDataFolder(QString());
    const QString folder = CKmPaths::DataFolder();
    EXPECT_EQ(folder, home.DataHome() + QStringLiteral("/Quendrake Inc/Kestrelmark"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    // The same folder with the application's identity set.
    CKmPaths::SetApplicationIdentity();
    EXPECT_EQ(CKmPaths::DataFolder(), folder);
    EXPECT_EQ(CKmPaths::GetReminderFolder(), folder);
    EXPECT_EQ(CKmPaths::IconsFolder(), folder + QStringLiteral("/icons"));
}

TEST(KmPaths, OverrideReplacesTheStandardFolder)
{
    CTempDataFolder data;
    EXPECT_EQ(CKmPaths::DataFolder(), data.Data());
    CKmPaths::SetDataFolder(data.Data() + QStringLiteral("/deeper/"));
    EXPECT_EQ(CKmPaths::DataFolder(), data.Data() + QStringLiteral("/deeper"));
    EXPECT_TRUE(QFileInfo(data.Data() + QStringLiteral("/deeper")).isDir());
}

TEST(KmPaths, BackslashNamesMapOnlyWhenResolved)
{
    EXPECT_EQ(CKmPaths::ResolveDataFile(QStringLiteral("/d"), QStringLiteral("icons\\sub\\x.ico")),
              QStringLiteral("/d/icons/sub/x.ico"));
    EXPECT_EQ(CKmPaths::ResolveDataFile(QStringLiteral("/d"), QStringLiteral("\\sounds\\ring.wav")),
              QStringLiteral("/d/sounds/ring.wav"));
    EXPECT_EQ(CKmPaths::ToFileSystemName(QStringLiteral("a\\b")), QStringLiteral("a/b"));
}

TEST(KmPaths, FileNameIsTheTextAfterTheLastSlashOrBackslash)
{
    EXPECT_EQ(CKmPaths::FileNameOf(QStringLiteral("/usr/share/sounds/ding.wav")), QStringLiteral("ding.wav"));
    EXPECT_EQ(CKmPaths::FileNameOf(QStringLiteral("C:\\WINDOWS\\MEDIA\\chimes.wav")), QStringLiteral("chimes.wav"));
    EXPECT_EQ(CKmPaths::FileNameOf(QStringLiteral("mixed/dir\\x.wav")), QStringLiteral("x.wav"));
    EXPECT_EQ(CKmPaths::FileNameOf(QStringLiteral("bare.wav")), QStringLiteral("bare.wav"));
}

TEST(KmPaths, BareSoundNamesAreFoundInTheSoundsFolder)
{
    EXPECT_EQ(CKmPaths::ResolveSound(QStringLiteral("/d"), QStringLiteral("ring.wav")),
              QStringLiteral("/d/sounds/ring.wav"));
    EXPECT_EQ(CKmPaths::ResolveSound(QStringLiteral("/d"), QStringLiteral("/home/u/ring.wav")),
              QStringLiteral("/home/u/ring.wav"));
    EXPECT_EQ(CKmPaths::ResolveSound(QStringLiteral("/d"), QString()), QString());
}

class Settings : public ::testing::Test
{
protected:
    QTemporaryDir m_dir;
    QString Ini() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
};

TEST_F(Settings, DefaultsWhenNothingIsStored)
{
    CSettingsStore s(Ini());
    EXPECT_EQ(s.UpcomingReminderDays(), 30);
    EXPECT_EQ(s.ReminderSoundFile(), QString());
    EXPECT_EQ(s.LastBackupDate(), QStringLiteral("_none"));
}

TEST_F(Settings, ValuesAreTextUnderTheirSections)
{
    {
        CSettingsStore s(Ini());
        s.SetUpcomingReminderDays(14);
        s.SetReminderSoundFile(QStringLiteral("/home/u/bell.wav"));
        s.SetLastBackupDate(QStringLiteral("2024-05-01T09:00:00"));
    }
    QSettings raw(Ini(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Options/UpcomingReminderDays")).toString(), QStringLiteral("14"));
    EXPECT_EQ(raw.value(QStringLiteral("Options/ReminderSoundFile")).toString(), QStringLiteral("/home/u/bell.wav"));
    EXPECT_EQ(raw.value(QStringLiteral("Backup/LastBackupDate")).toString(), QStringLiteral("2024-05-01T09:00:00"));
    CSettingsStore again(Ini());
    EXPECT_EQ(again.UpcomingReminderDays(), 14);
}

TEST_F(Settings, UpcomingDaysReadAsLeadingNumber)
{
    struct Case { const char *stored; int expected; };
    const Case cases[] = { { "7", 7 }, { "  12", 12 }, { "45 days", 45 }, { "-3", -3 }, { "+8", 8 },
                           { "abc", 30 }, { "", 30 }, { "- 4", 30 }, { "99999999999999999999", 2147483647 } };
    for (const Case &c : cases) {
        CSettingsStore s(Ini());
        s.WriteProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays"),
                             QString::fromLatin1(c.stored));
        EXPECT_EQ(s.UpcomingReminderDays(), c.expected) << c.stored;
    }
}

TEST(SettingsUser, UsersStoreLivesUnderTheCompanyAndApplication)
{
    CTempHome home;
    {
        CSettingsStore s;
        s.SetReminderSoundFile(QStringLiteral("x.wav"));
    }
    EXPECT_TRUE(QFileInfo::exists(home.Path() + QStringLiteral("/config/Quendrake Inc/Kestrelmark.conf")));
}

} // namespace
