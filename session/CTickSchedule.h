#pragma once

#include "model/COleDateTime.h"

#include <QtGlobal>

// Decides at each tick of the reminder-check timer whether a due pass and
// the hourly save are due. Intervals are measured on the monotonic clock,
// so a wall clock set back does not hold the passes up until it catches
// up. The wall clock is only compared with the monotonic one: when the two
// moved apart by more than a minute since the last tick (the clock was set,
// the computer slept), the tick reports a jump and wants a pass at once.
// A reminder falling due between two passes is not left waiting for the
// next: the tick at or after its time runs a pass (DueAt).
//
//   const CTickSchedule::Plan plan = schedule.Tick(wall, mono);
//   if (plan.m_RunPass) { runPass(); schedule.PassRan(mono); }
//   if (plan.m_Save) { save(); schedule.Saved(mono); }
class CTickSchedule
{
public:
    static constexpr qint64 kCheckIntervalMs = 30 * 1000;
    static constexpr qint64 kSaveIntervalMs = 60 * 60 * 1000;
    static constexpr qint64 kJumpToleranceMs = 60 * 1000;

    struct Plan
    {
        bool m_Jumped = false;  // the wall clock moved unlike the monotonic one
        qint64 m_JumpMs = 0;    // by how much (positive: forward)
        bool m_RunPass = false;
        bool m_Save = false;
    };

    // The program starts: the hourly save counts from here.
    void Start(qint64 mono);
    Plan Tick(const COleDateTime &wall, qint64 mono);
    // A pass ran, started at mono: the next is due more than 30 s later.
    void PassRan(qint64 mono);
    void Saved(qint64 mono);
    // The next tick runs a pass whatever the interval (after a resume, or
    // a change to the list).
    void RequestPass() { m_passRequested = true; }
    // The first tick whose wall time has reached due runs a pass (a
    // reminder falls due then); an invalid time asks for none.
    void DueAt(const COleDateTime &due) { m_dueAt = due; }

private:
    bool m_haveTick = false;
    COleDateTime m_lastTickWall;
    qint64 m_lastTickMono = 0;
    bool m_havePass = false;
    qint64 m_lastPassMono = 0;
    qint64 m_lastSaveMono = 0;
    bool m_passRequested = false;
    COleDateTime m_dueAt { 0.0, COleDateTime::invalid };
};
