#include "sync/CSyncIcs.h"

#include "ical/CIcsReader.h"
#include "ical/CIcsWriter.h"

#include <QUuid>

QString CSyncIcs::NewUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("@kestrelmark");
}

QByteArray CSyncIcs::Write(const CReminder &r, const QString &uid)
{
    const bool answered = r.m_Shown && r.m_LastShown.GetStatus() == COleDateTime::valid
        && r.m_LastShown != CReminder::kDefaultDate;
    return CIcsWriter::WriteEvent(r, uid, answered);
}

bool CSyncIcs::Read(const QByteArray &ics, CSyncEvent &out, QString &error)
{
    const CIcsReadResult result = CIcsReader::Read(ics);
    if (!result.m_Error.isEmpty()) {
        error = result.m_Error;
        return false;
    }
    if (result.m_Events.empty()) {
        error = result.m_Notes.isEmpty() ? QStringLiteral("no event in the calendar resource")
                                         : result.m_Notes.join(QStringLiteral("; "));
        return false;
    }
    const CIcsEvent &first = result.m_Events.front();
    out.m_Uid = first.m_Uid;
    out.m_Reminder = first.m_Reminder;
    out.m_Simplified = first.m_Simplified || result.m_Events.size() > 1;
    out.m_SimplifiedHow = first.m_SimplifiedHow;
    if (result.m_Events.size() > 1) {
        const QString more = QStringLiteral("only the first of its %1 reminders is kept").arg(result.m_Events.size());
        out.m_SimplifiedHow = out.m_SimplifiedHow.isEmpty() ? more : out.m_SimplifiedHow + QStringLiteral("; ") + more;
    }
    return true;
}
