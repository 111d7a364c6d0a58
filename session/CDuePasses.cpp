#include "session/CDuePasses.h"

#include "model/CReminderCheck.h"
#include "model/CTrace.h"
#include "storage/CSettingsStore.h"
#include "storage/CWeeklyBackup.h"

const QString CDuePasses::kSection = QStringLiteral("ReminderCheck");
const QString CDuePasses::kLastPassKey = QStringLiteral("LastPassTime");

void CDuePasses::Start(qint64 mono)
{
    m_schedule.Start(mono);
    const QString text = m_settings.GetProfileString(kSection, kLastPassKey, QString());
    COleDateTime last;
    if (!text.isEmpty() && CWeeklyBackup::ParseStamp(text, last)) {
        m_lastPass = last;
    } else {
        // A first start, or settings of an older program: nothing counts as
        // missed this time.
        if (!text.isEmpty())
            Trace(QStringLiteral("Unreadable last pass time '") + text + QStringLiteral("'.\n"));
        m_lastPass = COleDateTime(0.0, COleDateTime::invalid);
    }
}

int CDuePasses::RunPass(int raiseFirst, const COleDateTime &wall, qint64 mono)
{
    m_schedule.PassRan(mono);
    int presented = m_missed.PresentMissed(raiseFirst, m_lastPass, wall);
    presented += m_check.CheckReminders(raiseFirst, wall);
    m_schedule.DueAt(m_check.NextDue());
    m_lastPass = wall;
    if (!m_settings.WriteProfileString(kSection, kLastPassKey, CWeeklyBackup::FormatStamp(wall)))
        Trace("CDuePasses: the last pass time could not be written.\n");
    return presented;
}
