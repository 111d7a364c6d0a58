#pragma once

#include "session/CTickSchedule.h"
#include "model/CMissedCheck.h"
#include "model/COleDateTime.h"

#include <QString>

class CReminderCheck;
class CSettingsStore;

// The due passes of the running program over time: when the timer's tick
// runs one (CTickSchedule), the occurrences missed since the last one
// (CMissedCheck), and the record of the last pass, kept in the settings
// (ReminderCheck/LastPassTime) so that time away between two runs of the
// program is seen too.
class CDuePasses
{
public:
    static const QString kSection;
    static const QString kLastPassKey;

    CDuePasses(CReminderCheck &check, CSettingsStore &settings) : m_check(check), m_missed(check), m_settings(settings) {}

    // The program starts: reads the last pass of its previous run.
    void Start(qint64 mono);
    CTickSchedule::Plan Tick(const COleDateTime &wall, qint64 mono) { return m_schedule.Tick(wall, mono); }
    // One pass at wall: first what was missed since the last pass, then
    // what is due now. Records the pass. Returns the alerts presented.
    int RunPass(int raiseFirst, const COleDateTime &wall, qint64 mono);
    void Saved(qint64 mono) { m_schedule.Saved(mono); }
    // The computer woke, or the list changed: the next tick runs a pass.
    void RequestPass() { m_schedule.RequestPass(); }

private:
    CReminderCheck &m_check;
    CMissedCheck m_missed;
    CSettingsStore &m_settings;
    CTickSchedule m_schedule;
    // The wall time of the last pass; invalid when none is known.
    COleDateTime m_lastPass { 0.0, COleDateTime::invalid };
};
