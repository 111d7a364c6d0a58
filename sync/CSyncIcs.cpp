#include "sync/CSyncIcs.h"

#include "ical/CIcsFields.h"
#include "ical/CIcsLibrary.h"
#include "ical/CIcsPatch.h"
#include "ical/CIcsReader.h"
#include "ical/CIcsWriter.h"
#include "sync/CSyncState.h"

#include <QRegularExpression>
#include <QSet>
#include <QUuid>

extern "C" {
#include <libical/ical.h>
}

namespace {

// The properties Write puts in an event and its alarm.
bool writtenHere(icalcomponent *c, const QSet<QByteArray> &names)
{
    for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_ANY_PROPERTY)) {
        const QByteArray name = QByteArray(icalproperty_get_property_name(p)).toUpper();
        if (!names.contains(name) && !name.startsWith("X-KESTRELMARK-"))
            return false;
    }
    return true;
}

QDateTime utcOf(const COleDateTime &local)
{
    COleDateTime::Parts p {};
    if (local.GetStatus() != COleDateTime::valid || !local.GetParts(p))
        return QDateTime();
    return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second)).toUTC();
}

} // namespace

QString CSyncIcs::NewUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("@kestrelmark");
}

QByteArray CSyncIcs::Write(const CReminder &r, const QString &uid)
{
    return CIcsWriter::WriteEvent(r, uid, CSyncState::Acknowledged(r).GetStatus() == COleDateTime::valid);
}

bool CSyncIcs::IsOwn(const QByteArray &text)
{
    CIcsLibrary::Prepare();
    icalcomponent *root = icalparser_parse_string(text.constData());
    if (!root)
        return false;
    static const QSet<QByteArray> calendarNames { "VERSION", "PRODID" };
    static const QSet<QByteArray> eventNames { "UID",      "DTSTAMP",  "DTSTART",       "RRULE", "SUMMARY",
                                               "DESCRIPTION", "CLASS", "LAST-MODIFIED", "SEQUENCE" };
    static const QSet<QByteArray> alarmNames { "ACTION", "DESCRIPTION", "TRIGGER", "ACKNOWLEDGED" };
    icalproperty *prodid = icalcomponent_get_first_property(root, ICAL_PRODID_PROPERTY);
    bool own = icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT && prodid
        && qstrcmp(icalproperty_get_prodid(prodid), CIcsWriter::kProductId) == 0 && writtenHere(root, calendarNames)
        && icalcomponent_count_components(root, ICAL_ANY_COMPONENT) == 1;
    icalcomponent *event = own ? icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT) : nullptr;
    own = event && writtenHere(event, eventNames) && icalcomponent_count_components(event, ICAL_ANY_COMPONENT) <= 1
        && !icalproperty_get_first_parameter(icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY),
                                             ICAL_TZID_PARAMETER);
    if (own)
        if (icalcomponent *alarm = icalcomponent_get_first_component(event, ICAL_ANY_COMPONENT))
            own = icalcomponent_isa(alarm) == ICAL_VALARM_COMPONENT && writtenHere(alarm, alarmNames);
    icalcomponent_free(root);
    return own;
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
    out.m_Uid = result.m_Events.front().m_Uid;
    out.m_Reminders.clear();
    for (const CIcsEvent &e : result.m_Events)
        out.m_Reminders.push_back(e.m_Reminder);
    // What the import says of a file, said of this event: a changed
    // occurrence left out, a rule given up.
    out.m_Simplified = result.m_Simplified > 0 || result.m_Skipped > 0;
    // The import counts events; this is one, so the counts go.
    static const QRegularExpression count(QStringLiteral("^\\d+ events?(?: left out)?: |\\.$"));
    QStringList how;
    for (QString note : result.m_Notes)
        how << note.remove(count);
    out.m_SimplifiedHow = how.join(QStringLiteral("; "));
    out.m_Text = IsOwn(ics) ? QByteArray() : ics;
    return true;
}

QByteArray CSyncIcs::Patch(const QByteArray &text, const std::vector<CReminder> &base,
                           const std::vector<CReminder> &wanted, bool &edited, QString &error)
{
    CIcsPatch patch;
    if (!patch.Load(text, error))
        return QByteArray();
    edited = false;
    bool message = false, start = false, notice = false, repeat = false, privacy = false;
    COleDateTime acknowledged(0.0, COleDateTime::invalid), acknowledgedBefore = acknowledged;
    for (size_t i = 0; i < wanted.size() && i < base.size(); ++i) {
        const CReminder &was = base[i], &is = wanted[i];
        if (!message && is.m_Message != was.m_Message) {
            patch.SetMessage(is.m_Message);
            message = true;
        }
        if (!start && is.m_DateTime != was.m_DateTime) {
            patch.MoveStart(utcOf(was.m_DateTime).secsTo(utcOf(is.m_DateTime)));
            start = true;
        }
        if (!notice && CIcsFields::NoticeMinutes(is.m_AdvanceNotice) != CIcsFields::NoticeMinutes(was.m_AdvanceNotice)) {
            patch.SetNotice(CIcsFields::NoticeMinutes(is.m_AdvanceNotice));
            notice = true;
        }
        if (!repeat && is.m_Recurrence != was.m_Recurrence) {
            patch.SetRepeat(CIcsFields::ShownRecurrence(is.m_Recurrence));
            repeat = true;
        }
        if (!privacy && is.m_Private != was.m_Private) {
            patch.SetPrivate(is.m_Private);
            privacy = true;
        }
        // What iCalendar has no place for travels as this program's own
        // properties, which other programs keep and ignore.
        if (is.m_IconName != was.m_IconName)
            patch.SetX(CIcsFields::kIcon, CIcsFields::EncodeText(is.m_IconName));
        if (is.m_SoundFileName != was.m_SoundFileName)
            patch.SetX(CIcsFields::kSound, CIcsFields::EncodeText(is.m_SoundFileName));
        edited = edited || !CReminder::SameContent(was, is);
        const COleDateTime mine = CSyncState::Acknowledged(is);
        if (mine.GetStatus() == COleDateTime::valid
            && (acknowledged.GetStatus() != COleDateTime::valid || mine > acknowledged))
            acknowledged = mine;
        const COleDateTime before = CSyncState::Acknowledged(was);
        if (before.GetStatus() == COleDateTime::valid
            && (acknowledgedBefore.GetStatus() != COleDateTime::valid || before > acknowledgedBefore))
            acknowledgedBefore = before;
    }
    const bool answered = acknowledged.GetStatus() == COleDateTime::valid
        && (acknowledgedBefore.GetStatus() != COleDateTime::valid || acknowledged > acknowledgedBefore)
        && patch.SetAcknowledged(utcOf(acknowledged));
    if (!edited && !answered)
        return text; // nothing the event can say
    patch.Touch(edited);
    return patch.Text();
}
