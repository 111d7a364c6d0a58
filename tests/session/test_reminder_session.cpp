// The reminder session without a window: the file read at start, changes
// from another process merged in, the quick save, and failures reported
// as signals once per streak.
#include "../storage/StorageFixtures.h"
#include "SessionWait.h"
#include "support/CTraceRecorder.h"

#include "model/CReminderList.h"
#include "session/CReminderFileKeeper.h"
#include "session/CReminderSession.h"
#include "session/CSyncController.h"
#include "storage/CSaveScheduler.h"
#include "storage/CSettingsStore.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class ReminderSession : public ::testing::Test
{
protected:
    ReminderSession()
    {
        std::vector<CReminder> start { MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("on file")) };
        EXPECT_EQ(m_store.SaveReminders(start), CReminderStore::Saved);
        m_session.Saver().SetDelay(10);
    }
    // Another process writes the file: the list it holds is ours plus one.
    void WriteFromOutside(const QString &message)
    {
        CReminderStore other(m_data.Data());
        CReminderList theirs;
        ASSERT_EQ(other.LoadReminders(theirs), CReminderStore::Loaded);
        theirs.InsertSorted(MakeReminder(2024, 4, 2, 8, 0, message));
        ASSERT_EQ(other.SaveReminders(theirs), CReminderStore::Saved);
    }
    int Count(const QString &message) const
    {
        int n = 0;
        for (const CReminder &r : m_list.Reminders())
            n += r.m_Message == message;
        return n;
    }

    CTempDataFolder m_data;
    CSettingsStore m_settings { m_data.At(QStringLiteral("settings.ini")) };
    CReminderStore m_store { m_data.Data() };
    CReminderSession m_session { m_store, m_settings };
    CReminderList &m_list = m_session.Reminders();
};

TEST_F(ReminderSession, OutsideChangesAreMergedAndAnnouncedAndOurChangesSaved)
{
    QSignalSpy changed(&m_session, &CReminderSession::listChanged);
    CUserMessage told;
    ASSERT_EQ(m_session.Load(&told), CReminderStore::Loaded);
    EXPECT_TRUE(told.IsEmpty());
    EXPECT_TRUE(m_session.LoadedCompletely());
    ASSERT_EQ(Count(QStringLiteral("on file")), 1);

    WriteFromOutside(QStringLiteral("from outside"));
    ASSERT_TRUE(WaitFor([&] { return changed.count() > 0; })) << "the watcher merges the outside change";
    EXPECT_EQ(Count(QStringLiteral("from outside")), 1);

    // A change here: announced at once, written within the delay.
    QSignalSpy saved(&m_session, &CReminderSession::saved);
    m_list.InsertSorted(MakeReminder(2024, 5, 3, 7, 0, QStringLiteral("made here")));
    const int before = changed.count();
    m_session.NotifyListChanged();
    EXPECT_EQ(changed.count(), before + 1);
    ASSERT_TRUE(WaitFor([&] { return saved.count() > 0; }));
    CReminderList onDisk;
    ASSERT_EQ(CReminderStore(m_data.Data()).LoadReminders(onDisk), CReminderStore::Loaded);
    EXPECT_EQ(onDisk.GetSize(), 3);
}

// What was read is packed while the window comes up, well before the quiet
// time that packs the base after a save; outside changes still merge.
TEST_F(ReminderSession, TheFileReadAtStartIsPackedAtOnce)
{
    CTraceRecorder trace;
    QSignalSpy changed(&m_session, &CReminderSession::listChanged);
    ASSERT_EQ(m_session.Load(), CReminderStore::Loaded);
    const QString packed = QStringLiteral("Packed the base of the reminder file.\n");
    ASSERT_TRUE(WaitFor([&] { return trace.Contains(packed); }, CReminderFileKeeper::kCompactMs / 2));

    WriteFromOutside(QStringLiteral("from outside"));
    ASSERT_TRUE(WaitFor([&] { return changed.count() > 0; }));
    EXPECT_EQ(Count(QStringLiteral("from outside")), 1);
    EXPECT_EQ(Count(QStringLiteral("on file")), 1);
}

TEST_F(ReminderSession, FailingSavesAreReportedOncePerStreakAndNeverWhileEnding)
{
    ASSERT_EQ(m_session.Load(), CReminderStore::Loaded);
    QSignalSpy failed(&m_session, &CReminderSession::saveFailed);
    // The folder turns into a plain file: nothing can be written there.
    const QString folder = m_data.Data();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(WriteAll(folder, "x"));
    m_list.InsertSorted(MakeReminder(2024, 6, 1, 9, 0, QStringLiteral("unsaved")));
    EXPECT_FALSE(m_session.Save());
    EXPECT_FALSE(m_session.Save());
    ASSERT_EQ(failed.count(), 1);
    EXPECT_FALSE(failed[0][0].value<CUserMessage>().m_Text.isEmpty());
    EXPECT_EQ(m_list.GetSize(), 2) << "the list keeps what could not be written";

    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(m_session.Save()) << "the streak ends";
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(WriteAll(folder, "x"));
    m_session.SetEnding(true);
    EXPECT_FALSE(m_session.Save());
    EXPECT_EQ(failed.count(), 1) << "nobody is there to answer while the program ends";
}

// The program's start, without a window: what the user is to hear comes as
// a signal, the list is announced, the sync has its password store and the
// checks run.
TEST_F(ReminderSession, MissingFileWithABackupKeepsTheBackupAndSaysSoAtTheStart)
{
    ASSERT_EQ(m_store.SaveReminders(m_list, CReminderStore::kBackupBase), CReminderStore::Saved);
    ASSERT_TRUE(QFile::remove(m_store.BasePath(CReminderStore::kReminderBase) + QStringLiteral(".km2")));
    QStringList told;
    QObject::connect(&m_session, &CReminderSession::fileNotice, [&](const CUserMessage &m) { told << m.m_Text; });
    QSignalSpy changed(&m_session, &CReminderSession::listChanged);
    bool asked = false;
    m_settings.WriteProfileString(CSyncController::kSection, QStringLiteral("Url"), QStringLiteral("http://127.0.0.1:1/"));
    m_session.Start({ [&](const QString &, std::function<void(const QString &, const QString &)> done) {
                         asked = true;
                         done(QString(), QStringLiteral("no keyring in this test"));
                     },
                      nullptr });
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("Your reminder file is missing")));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(m_session.LoadedCompletely());
    EXPECT_TRUE(m_session.TimerActive());
    EXPECT_TRUE(WaitFor([&] { return asked; }, CSyncController::kStartDelayMs + 3000)) << "the sync reads its password";
}

} // namespace
