// The program's sync beside another process's sync of the same file, and
// one that fails before it settled anything.
#include "../storage/StorageFixtures.h"
#include "SessionWait.h"

#include "model/CReminderList.h"
#include "session/CSyncController.h"
#include "storage/CSettingsStore.h"
#include "sync/CSyncRunLock.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTcpServer>
#include <gtest/gtest.h>

TEST(SyncController, NeverRunsBesideAnotherSyncAndAFailedFirstSyncWritesNothing)
{
    CTempDataFolder data;
    CSettingsStore settings(data.At(QStringLiteral("settings.ini")));
    CReminderList list;
    list.InsertSorted(MakeReminder(2027, 3, 1, 9, 0, QStringLiteral("tea")));
    const QString statePath = data.At(QStringLiteral("data/KestrelmarkSync.json"));
    int applied = 0;
    CSyncController sync(list, settings, statePath, [&] { return ++applied > 0; });
    sync.SetPasswordStore({ [](const QString &, std::function<void(const QString &, const QString &)> done) {
                               done(QStringLiteral("pw"), QString());
                           },
                            nullptr });
    QString closed; // nobody listens there
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closed = QStringLiteral("http://127.0.0.1:%1/").arg(probe.serverPort());
    }
    settings.WriteProfileString(CSyncController::kSection, QStringLiteral("Url"), closed);
    settings.WriteProfileString(CSyncController::kSection, QStringLiteral("User"), QStringLiteral("u"));
    QSignalSpy finished(&sync, &CSyncController::finished);
    {
        CSyncRunLock other(statePath); // the command line's sync
        ASSERT_TRUE(other.Acquire(0));
        sync.syncNow();
        ASSERT_TRUE(WaitFor([&] { return sync.statusText().contains(QStringLiteral("a sync of this file is already running")); }))
            << sync.statusText().toStdString();
        EXPECT_EQ(finished.count(), 0);
        EXPECT_FALSE(sync.running());
    }
    sync.syncNow();
    ASSERT_TRUE(WaitFor([&] { return finished.count() > 0; }, 20000));
    EXPECT_FALSE(finished[0][0].toBool());
    EXPECT_FALSE(QFileInfo::exists(statePath));
    EXPECT_EQ(applied, 0);
    // The lock went with the sync: the next one may start.
    CSyncRunLock after(statePath);
    EXPECT_TRUE(after.Acquire(0));
}
