// The weekly backup check and the recovery command.
#include "StorageFixtures.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "storage/CReminderStore.h"
#include "storage/CSettingsStore.h"
#include "storage/CWeeklyBackup.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class WeeklyBackup : public ::testing::Test
{
protected:
    WeeklyBackup() : m_settings(m_data.Root() + QStringLiteral("/settings.ini")), m_backup(m_store, m_settings)
    {
        m_list.InsertSorted(MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("at start")));
    }
    QString BackupFile() const { return m_data.Data() + QStringLiteral("/KestrelmarkBackup.km2"); }
    int BackupCount() const
    {
        CReminderList l;
        CReminderStore(m_data.Data()).LoadReminders(l, CReminderStore::kBackupBase);
        return l.GetSize();
    }

    CTempDataFolder m_data;
    CUserMessage m_told;
    CReminderStore m_store;
    CSettingsStore m_settings;
    CWeeklyBackup m_backup;
    CReminderList m_list;
    const COleDateTime m_now { 2024, 3, 10, 8, 30, 15 };
};

TEST_F(WeeklyBackup, FirstStartBacksUpAndRecordsTheStartTimeInIso)
{
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now), CWeeklyBackup::BackedUp);
    EXPECT_TRUE(QFileInfo::exists(BackupFile()));
    EXPECT_EQ(BackupCount(), 1);
    EXPECT_EQ(m_settings.LastBackupDate(), QStringLiteral("2024-03-10T08:30:15"));
}

TEST_F(WeeklyBackup, SevenDaysToTheSecondMakeABackupAndLessDoesNot)
{
    m_settings.SetLastBackupDate(QStringLiteral("2024-03-03T08:30:15"));
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now - COleDateTimeSpan(0, 0, 1, 0)), CWeeklyBackup::NotDue);
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, COleDateTime(2024, 3, 10, 7, 30, 15)), CWeeklyBackup::NotDue);
    EXPECT_FALSE(QFileInfo::exists(BackupFile()));
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now), CWeeklyBackup::BackedUp);
    EXPECT_EQ(m_settings.LastBackupDate(), QStringLiteral("2024-03-10T08:30:15"));
}

TEST_F(WeeklyBackup, WeekAcrossTheYearEndAndALeapDay)
{
    m_settings.SetLastBackupDate(QStringLiteral("2023-12-28T00:00:00"));
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, COleDateTime(2024, 1, 3, 23, 59, 59)), CWeeklyBackup::NotDue);
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, COleDateTime(2024, 1, 4, 0, 0, 0)), CWeeklyBackup::BackedUp);
    m_settings.SetLastBackupDate(QStringLiteral("2024-02-23T12:00:00"));
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, COleDateTime(2024, 2, 29, 12, 0, 0)), CWeeklyBackup::NotDue);
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, COleDateTime(2024, 3, 1, 12, 0, 0)), CWeeklyBackup::BackedUp);
}

TEST_F(WeeklyBackup, DateInTheLocaleFormIsStillRead)
{
    // Written by an older version in the user's locale.
    m_settings.SetLastBackupDate(COleDateTime(2024, 3, 8, 9, 0, 0).Format());
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now), CWeeklyBackup::NotDue);
    m_settings.SetLastBackupDate(QStringLiteral("3/1/2024 9:00:00 AM"));
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now), CWeeklyBackup::BackedUp);
}

TEST_F(WeeklyBackup, UnreadableDateMeansNoBackupRecorded)
{
    // Another locale's text the program cannot read used to stop backups
    // for good; now it is replaced by a fresh backup and date.
    for (const char *stored : { "mardi 5 mars 2024", "garbage", "" }) {
        QFile::remove(BackupFile());
        m_settings.SetLastBackupDate(QString::fromUtf8(stored));
        EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now), CWeeklyBackup::BackedUp) << stored;
        EXPECT_TRUE(QFileInfo::exists(BackupFile()));
        EXPECT_EQ(m_settings.LastBackupDate(), QStringLiteral("2024-03-10T08:30:15"));
    }
}

TEST_F(WeeklyBackup, DateFarAheadOfTheClockIsReplaced)
{
    m_settings.SetLastBackupDate(QStringLiteral("2024-03-12T08:00:00")); // two days ahead: a clock being adjusted
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now), CWeeklyBackup::NotDue);
    m_settings.SetLastBackupDate(QStringLiteral("2031-01-01T00:00:00"));
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now), CWeeklyBackup::BackedUp);
}

// Whatever emptied the list (a damaged file read as none, a slip), the
// last good copy stays: an empty list replaces only an empty backup.
TEST_F(WeeklyBackup, AnEmptyListNeverReplacesABackupThatHoldsReminders)
{
    ASSERT_EQ(m_backup.BackUp(m_list, m_now), CWeeklyBackup::BackedUp);
    const QByteArray good = ReadAll(BackupFile());
    const CReminderList none;
    EXPECT_EQ(m_backup.BackUp(none, m_now + COleDateTimeSpan(8.0)), CWeeklyBackup::NotDue);
    EXPECT_EQ(m_backup.CheckWeeklyBackup(none, m_now + COleDateTimeSpan(9.0)), CWeeklyBackup::NotDue);
    EXPECT_EQ(ReadAll(BackupFile()), good);
    ASSERT_TRUE(WriteAll(BackupFile(), QByteArray(40, '\0'))); // damaged: cannot say it holds none
    EXPECT_EQ(m_backup.BackUp(none, m_now), CWeeklyBackup::NotDue);
    EXPECT_EQ(ReadAll(BackupFile()), QByteArray(40, '\0'));
    ASSERT_TRUE(QFile::remove(BackupFile()));
    EXPECT_EQ(m_backup.BackUp(none, m_now), CWeeklyBackup::BackedUp);
    EXPECT_EQ(m_backup.BackUp(none, m_now), CWeeklyBackup::BackedUp); // an empty backup may be renewed
}

TEST_F(WeeklyBackup, FailedBackupLeavesTheDateSoTheNextCheckTriesAgain)
{
    const QString blocked = m_data.Root() + QStringLiteral("/file");
    ASSERT_TRUE(WriteAll(blocked, "x"));
    CReminderStore store(blocked);
    CWeeklyBackup backup(store, m_settings);
    m_settings.SetLastBackupDate(QStringLiteral("2024-01-01T00:00:00"));
    EXPECT_EQ(backup.CheckWeeklyBackup(m_list, m_now, &m_told), CWeeklyBackup::BackupFailed);
    EXPECT_EQ(m_settings.LastBackupDate(), QStringLiteral("2024-01-01T00:00:00"));
    EXPECT_TRUE(m_told.m_Text.contains(QStringLiteral("is not a folder"))) << m_told.m_Text.toStdString();
    // Every change of day and clock jump tries again; the user hears it once.
    for (double days : { 1.0, -3.0 }) {
        CUserMessage again;
        EXPECT_EQ(backup.CheckWeeklyBackup(m_list, m_now + COleDateTimeSpan(days), &again), CWeeklyBackup::BackupFailed);
        EXPECT_TRUE(again.IsEmpty()) << days;
    }
}

TEST_F(WeeklyBackup, AMissingReminderFileIsToldOnceAndItsBackupIsNeverWrittenOver)
{
    CReminderList saved;
    saved.InsertSorted(MakeReminder(2024, 2, 1, 9, 0, QStringLiteral("one")));
    saved.InsertSorted(MakeReminder(2024, 2, 2, 9, 0, QStringLiteral("two")));
    ASSERT_EQ(m_store.SaveReminders(saved, CReminderStore::kBackupBase), CReminderStore::Saved);
    m_settings.SetLastBackupDate(QStringLiteral("2024-03-01T08:00:00"));
    const QByteArray before = ReadAll(BackupFile());
    EXPECT_TRUE(m_backup.KeepForMissingFile(&m_told));
    EXPECT_EQ(m_told.m_Text, QStringLiteral("Your reminder file is missing; your last backup from ")
                                        + m_backup.LastBackupText()
                                        + QStringLiteral(" has 2 reminders. Use Recover to restore it."));
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now), CWeeklyBackup::NotDue);
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now + COleDateTimeSpan(30.0)), CWeeklyBackup::NotDue);
    EXPECT_EQ(ReadAll(BackupFile()), before);
    // After a recovery the list is the backup's: backups go on.
    EXPECT_EQ(m_backup.Recover(m_list), CWeeklyBackup::Recovered);
    EXPECT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now + COleDateTimeSpan(30.0)), CWeeklyBackup::BackedUp);
}

TEST_F(WeeklyBackup, AMissingReminderFileWithoutABackupSaysNothing)
{
    EXPECT_FALSE(m_backup.KeepForMissingFile(&m_told));
    EXPECT_TRUE(m_told.IsEmpty());
}

TEST_F(WeeklyBackup, RecoveryWithoutABackupSaysSoAndChangesNothing)
{
    EXPECT_FALSE(m_backup.HasBackup());
    EXPECT_EQ(m_backup.Recover(m_list, &m_told), CWeeklyBackup::NoBackup);
    EXPECT_EQ(m_told.m_Text, CWeeklyBackup::kNoBackupFoundMessage);
    ASSERT_EQ(m_list.GetSize(), 1);
    EXPECT_EQ(m_list[0].m_Message, QStringLiteral("at start"));
}

TEST_F(WeeklyBackup, RecoveryQuestionsNameTheBackupDateAndRecoverReplacesTheList)
{
    ASSERT_EQ(m_backup.CheckWeeklyBackup(m_list, m_now), CWeeklyBackup::BackedUp);
    m_list.InsertSorted(MakeReminder(2024, 3, 11, 9, 0, QStringLiteral("added after the backup")));
    const QString when = m_now.Format();
    EXPECT_EQ(m_backup.RecoveryQuestions(),
              QStringList({ QStringLiteral("Are you sure you want to recover your reminder database from the "
                                           "last backup of ")
                                + when + QLatin1Char('?'),
                            QStringLiteral("Any reminders created since ") + when
                                + QStringLiteral("  will be PERMANENTLY LOST.  Proceed?") }));
    EXPECT_EQ(m_backup.Recover(m_list, &m_told), CWeeklyBackup::Recovered);
    EXPECT_EQ(m_told.m_Text, QStringLiteral("Recovery complete."));
    ASSERT_EQ(m_list.GetSize(), 1);
    EXPECT_EQ(m_list[0].m_Message, QStringLiteral("at start"));
    EXPECT_EQ(m_list.GetRemindersOnDay(COleDateTime(2024, 3, 1, 0, 0, 0)), 1);
}

TEST_F(WeeklyBackup, QuestionsShowNoneWhenNoDateIsRecorded)
{
    ASSERT_EQ(m_store.SaveReminders(m_list, CReminderStore::kBackupBase), CReminderStore::Saved);
    EXPECT_TRUE(m_backup.RecoveryQuestions()[0].endsWith(QStringLiteral("the last backup of _none?")));
}

TEST_F(WeeklyBackup, DamagedBackupIsReportedAndTheListIsUntouched)
{
    QByteArray bytes = CBytes().DWord(0).Str("KM 2.0 Reminders").DWord(3).Word(0xFFFF);
    ASSERT_TRUE(WriteAll(BackupFile(), bytes));
    EXPECT_EQ(m_backup.Recover(m_list, &m_told), CWeeklyBackup::BackupUnreadable);
    EXPECT_EQ(m_told.m_Text, CWeeklyBackup::kBackupUnreadableMessage);
    ASSERT_EQ(m_list.GetSize(), 1);
    EXPECT_EQ(m_list[0].m_Message, QStringLiteral("at start"));
}

TEST(WeeklyBackupStamp, IsoAndLocaleFormsParse)
{
    COleDateTime when;
    ASSERT_TRUE(CWeeklyBackup::ParseStamp(QStringLiteral("2024-02-29T23:59:59"), when));
    EXPECT_EQ(when, COleDateTime(2024, 2, 29, 23, 59, 59));
    EXPECT_FALSE(CWeeklyBackup::ParseStamp(QStringLiteral("2023-02-29T10:00:00"), when));
    EXPECT_FALSE(CWeeklyBackup::ParseStamp(QStringLiteral("_none"), when));
    EXPECT_EQ(CWeeklyBackup::FormatStamp(COleDateTime(1999, 12, 31, 0, 0, 5)), QStringLiteral("1999-12-31T00:00:05"));
}

} // namespace
