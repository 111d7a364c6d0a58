// The save shortly after a change: changes within the delay share one save.
#include "storage/CSaveScheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Runs the event loop until done() holds or the time is up.
template <typename F> bool pumpUntil(F done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return done();
}

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
    s.SetDelay(100);
    s.ScheduleSave();
    s.ScheduleSave();
    s.ScheduleSave();
    EXPECT_TRUE(s.IsPending());
    EXPECT_EQ(saves, 0); // nothing before the delay has run
    ASSERT_TRUE(pumpUntil([&] { return saves > 0; }));
    pump(250);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(s.IsPending());
    s.ScheduleSave();
    ASSERT_TRUE(pumpUntil([&] { return saves > 1; }));
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
