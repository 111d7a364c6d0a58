// When the timer's ticks run a due pass and the hourly save: intervals on
// the monotonic clock, jumps of the wall clock against it.
#include "session/CTickSchedule.h"
#include "model/COleDateTimeSpan.h"

#include <gtest/gtest.h>

namespace {

// Ticks every 5 s on both clocks; Set moves the wall clock alone.
struct Ticker
{
    CTickSchedule::Plan Tick(double seconds = 5.0)
    {
        wall = wall + COleDateTimeSpan(seconds / 86400.0);
        mono += static_cast<qint64>(seconds * 1000.0);
        return Run();
    }
    CTickSchedule::Plan Set(double seconds)
    {
        wall = wall + COleDateTimeSpan(seconds / 86400.0);
        return Run();
    }
    CTickSchedule::Plan Run()
    {
        const CTickSchedule::Plan plan = schedule.Tick(wall, mono);
        if (plan.m_RunPass) {
            schedule.PassRan(mono);
            ++passes;
        }
        if (plan.m_Save) {
            schedule.Saved(mono);
            ++saves;
        }
        return plan;
    }
    CTickSchedule schedule;
    COleDateTime wall { 2026, 3, 5, 12, 0, 0 };
    qint64 mono = 500;
    int passes = 0;
    int saves = 0;
};

} // namespace

TEST(TickSchedule, PassesComeEveryThirtySecondsOfRealTimeWhereverTheWallClockGoes)
{
    Ticker t;
    t.schedule.Start(t.mono);
    EXPECT_TRUE(t.Run().m_RunPass); // the first tick
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(t.Tick().m_RunPass) << i; // 30 s: not more than 30
    EXPECT_TRUE(t.Tick().m_RunPass);

    // Set back an hour: a pass at once, then every 30 s again, not an hour later.
    const CTickSchedule::Plan back = t.Set(-3600);
    EXPECT_TRUE(back.m_Jumped);
    EXPECT_EQ(back.m_JumpMs, -3600 * 1000);
    EXPECT_TRUE(back.m_RunPass);
    const int before = t.passes;
    for (int i = 0; i < 14; ++i)
        t.Tick();
    EXPECT_EQ(t.passes, before + 2);
}

TEST(TickSchedule, AJumpIsMoreThanAMinuteEitherWay)
{
    struct Case { const char *name; double wallSeconds; bool jumped; };
    const Case cases[] = {
        { "a clock corrected by half a minute", 30, false },
        { "exactly a minute back", -60, false },
        { "a minute and a second forward", 61, true },
        { "three hours forward", 3 * 3600, true },
        { "a night asleep", 8 * 3600, true },
        { "an hour back", -3600, true },
    };
    for (const Case &c : cases) {
        Ticker t;
        t.Run();
        t.Tick();
        EXPECT_EQ(t.Set(c.wallSeconds).m_Jumped, c.jumped) << c.name;
        // The next ordinary tick is measured from the jumped clock.
        EXPECT_FALSE(t.Tick().m_Jumped) << c.name;
    }
    // A tick held up by a long alert moves both clocks alike: no jump.
    Ticker t;
    t.Run();
    EXPECT_FALSE(t.Tick(20 * 60).m_Jumped);
}

TEST(TickSchedule, TheHourlySaveCountsRealTime)
{
    Ticker t;
    t.schedule.Start(t.mono);
    t.Run();
    t.Set(-2 * 3600); // set back: the save is not held up
    t.Set(5 * 3600);  // set forward: no save of its own
    EXPECT_EQ(t.saves, 0);
    for (int i = 0; i < 720; ++i) // 3600 s: not more than an hour
        t.Tick();
    EXPECT_EQ(t.saves, 0);
    t.Tick();
    EXPECT_EQ(t.saves, 1);
}

TEST(TickSchedule, ARequestedPassRunsAtTheNextTickOnce)
{
    Ticker t;
    t.Run();
    t.schedule.RequestPass();
    EXPECT_TRUE(t.Tick().m_RunPass);
    EXPECT_FALSE(t.Tick().m_RunPass);
}

TEST(TickSchedule, AReminderFallingDueBetweenPassesGetsAPassAtItsTime)
{
    Ticker t;
    t.schedule.Start(t.mono);
    t.Run(); // a pass at 12:00:00
    t.schedule.DueAt(t.wall + COleDateTimeSpan(12.0 / 86400.0));
    EXPECT_FALSE(t.Tick().m_RunPass); // 12:00:05
    EXPECT_FALSE(t.Tick().m_RunPass); // 12:00:10
    EXPECT_TRUE(t.Tick().m_RunPass) << "the first tick at or after 12:00:12";
    // Once: the next comes 30 s later as ever.
    EXPECT_FALSE(t.Tick().m_RunPass);
    EXPECT_EQ(t.passes, 2);
}
