// The save shortly after a change: changes within the delay share one save.
#include "storage/CSaveScheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

void pump(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

TEST(SaveScheduler, ChangesWithinTheDelayShareOneSave)
{
    CSaveScheduler s;
    int saves = 0;
    s.SetSaveFunction([&saves] { ++saves; });
    s.SetDelay(40);
    s.ScheduleSave();
    s.ScheduleSave();
    pump(10);
    s.ScheduleSave();
    EXPECT_TRUE(s.IsPending());
    EXPECT_EQ(saves, 0);
    pump(150);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(s.IsPending());
    s.ScheduleSave();
    pump(150);
    EXPECT_EQ(saves, 2);
}

TEST(SaveScheduler, HeldSaveWaitsForTheLastRelease)
{
    CSaveScheduler s;
    int saves = 0;
    s.SetSaveFunction([&saves] { ++saves; });
    s.SetDelay(10);
    s.Hold();
    s.Hold();
    s.ScheduleSave();
    pump(60);
    EXPECT_EQ(saves, 0);
    s.Release();
    EXPECT_EQ(saves, 0);
    s.Release();
    EXPECT_EQ(saves, 1);
    s.Release(); // more releases than holds do nothing
    EXPECT_EQ(saves, 1);
}

TEST(SaveScheduler, SaveNowAndCancel)
{
    CSaveScheduler s;
    int saves = 0;
    s.SetSaveFunction([&saves] { ++saves; });
    s.SetDelay(20);
    EXPECT_FALSE(s.SaveNowIfPending());
    s.ScheduleSave();
    EXPECT_TRUE(s.SaveNowIfPending());
    EXPECT_EQ(saves, 1);
    pump(60);
    EXPECT_EQ(saves, 1); // the timer went with the save
    s.ScheduleSave();
    s.Cancel(); // the hourly save wrote everything
    pump(60);
    EXPECT_EQ(saves, 1);
}

} // namespace
