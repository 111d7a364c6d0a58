// The typed options over the settings file: what is read back from a
// hand-edited file, and the text each one is stored as.
#include "storage/CProgramSettings.h"
#include "storage/CSettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProgramSettings : public ::testing::Test
{
protected:
    QString Ini() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    // What the file holds under Options/key, read by another reader.
    QVariant Stored(const char *key)
    {
        m_store.Sync();
        return QSettings(Ini(), QSettings::IniFormat).value(QStringLiteral("Options/") + QLatin1String(key));
    }
    void Store(const char *key, const QString &text)
    {
        m_store.WriteProfileString(QStringLiteral("Options"), QLatin1String(key), text);
    }

    QTemporaryDir m_dir;
    CSettingsStore m_store { Ini() };
    CProgramSettings m_options { m_store };
};

TEST_F(ProgramSettings, NothingStoredGivesTheDefaults)
{
    EXPECT_EQ(m_options.UpcomingDays(), 30);
    EXPECT_EQ(m_options.DefaultSound(), QString());
    EXPECT_TRUE(m_options.DesktopNotifications());
    EXPECT_EQ(m_options.SnoozeMinutes(), 10);
}

TEST_F(ProgramSettings, AHandEditedFileGivesOnlyWhatTheOptionsOffer)
{
    // A huge count would build the upcoming list for minutes.
    const std::pair<const char *, int> days[] = { { "2000000000", 30 }, { "-5", 30 }, { "0", 30 }, { "7", 30 },
                                                  { "99999999999999999999", 30 }, { "junk", 30 },
                                                  { " 15", 15 }, { "5", 5 }, { "60", 60 } };
    for (const auto &[text, expected] : days) {
        Store("UpcomingReminderDays", QString::fromLatin1(text));
        EXPECT_EQ(m_options.UpcomingDays(), expected) << text;
    }
    const std::pair<const char *, bool> notifications[] = { { "0", false }, { " 0 ", false }, { "1", true },
                                                           { "", true }, { "no", true } };
    for (const auto &[text, expected] : notifications) {
        Store("DesktopNotifications", QString::fromLatin1(text));
        EXPECT_EQ(m_options.DesktopNotifications(), expected) << text;
    }
    const std::pair<const char *, int> snooze[] = { { "30", 30 }, { "1440", 1440 }, { "7", 10 }, { "x", 10 } };
    for (const auto &[text, expected] : snooze) {
        Store("SnoozeMinutes", QString::fromLatin1(text));
        EXPECT_EQ(m_options.SnoozeMinutes(), expected) << text;
    }
}

TEST_F(ProgramSettings, EachIsStoredAsTheTextItAlwaysWas)
{
    EXPECT_TRUE(m_options.SetUpcomingDays(60));
    EXPECT_TRUE(m_options.SetDefaultSound(QStringLiteral("/home/me/sounds/chime & bell.wav")));
    EXPECT_TRUE(m_options.SetDesktopNotifications(false));
    EXPECT_TRUE(m_options.SetSnoozeMinutes(120));
    EXPECT_EQ(Stored("UpcomingReminderDays"), QVariant(QStringLiteral("60")));
    EXPECT_EQ(Stored("ReminderSoundFile"), QVariant(QStringLiteral("/home/me/sounds/chime & bell.wav")));
    EXPECT_EQ(Stored("DesktopNotifications"), QVariant(QStringLiteral("0")));
    EXPECT_EQ(Stored("SnoozeMinutes"), QVariant(QStringLiteral("120")));
    // Read back through another store over the same file.
    CSettingsStore again(Ini());
    const CProgramSettings reread(again);
    EXPECT_EQ(reread.UpcomingDays(), 60);
    EXPECT_EQ(reread.DefaultSound(), QStringLiteral("/home/me/sounds/chime & bell.wav"));
    EXPECT_FALSE(reread.DesktopNotifications());
    EXPECT_EQ(reread.SnoozeMinutes(), 120);
    EXPECT_TRUE(m_options.SetDesktopNotifications(true));
    EXPECT_EQ(Stored("DesktopNotifications"), QVariant(QStringLiteral("1")));
}

} // namespace
