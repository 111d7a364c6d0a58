#include "session/CTickSchedule.h"

#include "model/COleDateTimeSpan.h"

#include <cmath>
#include <cstdlib>

void CTickSchedule::Start(qint64 mono) { m_lastSaveMono = mono; }

CTickSchedule::Plan CTickSchedule::Tick(const COleDateTime &wall, qint64 mono)
{
    Plan plan;
    if (m_haveTick && wall.GetStatus() == COleDateTime::valid && m_lastTickWall.GetStatus() == COleDateTime::valid) {
        // Whole milliseconds: the day fractions of the wall clock carry rounding noise.
        const qint64 wallMs = std::llround((wall - m_lastTickWall).GetTotalSeconds() * 1000.0);
        const qint64 drift = wallMs - (mono - m_lastTickMono);
        if (std::llabs(drift) > kJumpToleranceMs) {
            plan.m_Jumped = true;
            plan.m_JumpMs = drift;
        }
    }
    m_haveTick = true;
    m_lastTickWall = wall;
    m_lastTickMono = mono;

    const bool dueNow = m_dueAt.GetStatus() == COleDateTime::valid && wall.GetStatus() == COleDateTime::valid
        && wall >= m_dueAt;
    plan.m_RunPass = !m_havePass || m_passRequested || plan.m_Jumped || dueNow || mono - m_lastPassMono > kCheckIntervalMs;
    plan.m_Save = mono - m_lastSaveMono > kSaveIntervalMs;
    return plan;
}

void CTickSchedule::PassRan(qint64 mono)
{
    m_havePass = true;
    m_lastPassMono = mono;
    m_passRequested = false;
    m_dueAt = COleDateTime(0.0, COleDateTime::invalid);
}

void CTickSchedule::Saved(qint64 mono) { m_lastSaveMono = mono; }
