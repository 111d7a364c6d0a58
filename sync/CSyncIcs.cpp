#include "sync/CSyncIcs.h"

#include "ical/CIcsFields.h"
#include "ical/CIcsLibrary.h"
#include "ical/CIcsPatch.h"
#include "ical/CIcsReader.h"
#include "ical/CIcsWriter.h"
#include "l10n/CNotes.h"
#include "model/CRecurrence.h"
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

} // namespace

QString CSyncIcs::NewUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("@kestrelmark");
}

QByteArray CSyncIcs::Write(const CReminder &r, const QString &uid, qint64 length)
{
    return CIcsWriter::WriteEvent(r, uid, CSyncState::Acknowledged(r).GetStatus() == COleDateTime::valid, length);
}

bool CSyncIcs::HoldsNoItem(const QByteArray &text)
{
    CIcsLibrary::Prepare();
    icalcomponent *root = icalparser_parse_string(text.constData());
    if (!root)
        return false;
    const icalcomponent_kind kind = icalcomponent_isa(root);
    bool none = kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VTODO_COMPONENT
        && icalcomponent_count_components(root, ICAL_VEVENT_COMPONENT) == 0
        && icalcomponent_count_components(root, ICAL_VTODO_COMPONENT) == 0
        && icalcomponent_count_components(root, ICAL_ANY_COMPONENT) > 0;
    icalcomponent_free(root);
    return none;
}

bool CSyncIcs::IsOwn(const QByteArray &text)
{
    CIcsLibrary::Prepare();
    icalcomponent *root = icalparser_parse_string(text.constData());
    if (!root)
        return false;
    static const QSet<QByteArray> calendarNames { "VERSION", "PRODID" };
    static const QSet<QByteArray> eventNames { "UID",      "DTSTAMP",  "DTSTART",       "RRULE", "SUMMARY",
                                               "DESCRIPTION", "CLASS", "LAST-MODIFIED", "SEQUENCE", "DTEND" };
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
        error = result.m_Notes.isEmpty() ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "no event in the calendar resource"))
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

namespace {

QDateTime localOf(const COleDateTime &local)
{
    COleDateTime::Parts p {};
    if (local.GetStatus() != COleDateTime::valid || !local.GetParts(p))
        return QDateTime();
    return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second));
}

COleDateTime oleOf(const QDateTime &local)
{
    return COleDateTime(local.date().year(), local.date().month(), local.date().day(), local.time().hour(),
                        local.time().minute(), local.time().second());
}

bool ownAddress(const QString &organizer, const QStringList &own)
{
    for (const QString &a : own) {
        const QString mine = a.trimmed().toLower();
        // A user name without a domain names the address's own part.
        if (!mine.isEmpty() && (organizer == mine || (!mine.contains(QLatin1Char('@'))
                                                      && organizer.section(QLatin1Char('@'), 0, 0) == mine)))
            return true;
    }
    return false;
}

// An answer given at utc is void once r moved: the answer of a one-time
// event was to its one alarm, and one of a repeating event would
// otherwise silence the moved occurrence in force at utc.
bool voidAfterMove(const QDateTime &utc, const CReminder &r)
{
    if (r.IsOneTime())
        return true;
    const COleDateTime at = oleOf(utc.toLocalTime());
    const CRecurrence::Occurrence occurrence = CRecurrence::Current(r, at);
    return occurrence.m_Valid && occurrence.m_WindowStart <= at;
}

COleDateTime latestAnswer(const std::vector<CReminder> &records)
{
    COleDateTime latest(0.0, COleDateTime::invalid);
    for (const CReminder &r : records) {
        const COleDateTime at = CSyncState::Acknowledged(r);
        if (at.GetStatus() == COleDateTime::valid && (latest.GetStatus() != COleDateTime::valid || at > latest))
            latest = at;
    }
    return latest;
}

} // namespace

bool CSyncIcs::OrganisedByOthers(const QByteArray &text, const QStringList &ownAddresses)
{
    CIcsPatch patch;
    QString error;
    if (text.isEmpty() || !patch.Load(text, error))
        return false;
    const QString organizer = patch.Organizer();
    return !organizer.isEmpty() && !ownAddress(organizer, ownAddresses);
}

qint64 CSyncIcs::Length(const QByteArray &text)
{
    CIcsPatch patch;
    QString error;
    return text.isEmpty() || !patch.Load(text, error) ? 0 : patch.Length();
}

CSyncPatch CSyncIcs::Patch(const QByteArray &text, const std::vector<CReminder> &base,
                           const std::vector<CReminder> &wanted, const QStringList &ownAddresses)
{
    CSyncPatch out;
    CIcsPatch patch;
    if (!patch.Load(text, out.m_Error))
        return out;
    const QString organizer = patch.Organizer();
    out.m_NotOrganizer = !organizer.isEmpty() && !ownAddress(organizer, ownAddresses);
    const size_t n = std::min(base.size(), wanted.size());
    const auto firstChanged = [&](auto differs) -> int {
        for (size_t i = 0; i < n; ++i)
            if (differs(base[i], wanted[i]))
                return static_cast<int>(i);
        return -1;
    };
    const QString name = wanted.empty() ? QString() : wanted.front().GetFlatMessage();
    const auto keep = [&](bool &flag, const QString &what, const QString &why) {
        flag = true;
        //: %1 is the reminder's message, %2 what was changed here ("moved"), %3 why the calendar did not take it.
        out.m_KeptHere << CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: %2 here only; %3")).arg(name, what, why);
    };
    const QString meeting = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the meeting is organised by %1")).arg(organizer);
    bool significant = false, touched = false, timing = false;

    if (const int k = firstChanged([](const CReminder &a, const CReminder &b) { return a.m_Message != b.m_Message; });
        k >= 0) {
        if (out.m_NotOrganizer) {
            //: What was changed here, in "%1: %2 here only; %3"; so are "moved" and the other changes.
            keep(out.m_MessageKept, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "retitled")), meeting);
        } else {
            patch.SetMessage(wanted[k].m_Message);
            significant = true;
        }
    }
    const int moved = firstChanged([](const CReminder &a, const CReminder &b) { return a.m_DateTime != b.m_DateTime; });
    if (moved >= 0) {
        // The event moves as a whole: every reminder it gave by the same.
        const qint64 by = localOf(base[moved].m_DateTime).secsTo(localOf(wanted[moved].m_DateTime));
        bool alike = true;
        for (size_t i = 0; i < n; ++i)
            alike = alike && localOf(base[i].m_DateTime).secsTo(localOf(wanted[i].m_DateTime)) == by;
        if (out.m_NotOrganizer) {
            keep(out.m_StartKept, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "moved")), meeting);
        } else if (!alike) {
            keep(out.m_StartKept, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "moved")),
                 CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the calendar's event holds its other days, which did not move")));
        } else {
            switch (patch.MoveStart(localOf(base[moved].m_DateTime), localOf(wanted[moved].m_DateTime))) {
            case CIcsPatch::Moved:
                significant = timing = true;
                break;
            case CIcsPatch::NotWholeDays:
                keep(out.m_StartKept, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "moved")), CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "an all-day event moves by whole days")));
                break;
            case CIcsPatch::CannotFollow:
                keep(out.m_StartKept, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "moved")),
                     CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the event's repeat rule cannot move by that much and keep its days")));
                break;
            }
        }
    }
    if (const int k = firstChanged([](const CReminder &a, const CReminder &b) {
            return CIcsFields::NoticeMinutes(a.m_AdvanceNotice) != CIcsFields::NoticeMinutes(b.m_AdvanceNotice);
        });
        k >= 0) {
        if (patch.SetNotice(CIcsFields::NoticeMinutes(wanted[k].m_AdvanceNotice))) {
            timing = touched = true;
        } else {
            keep(out.m_NoticeKept, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "notice changed")),
                 CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "another alarm of the event rings earlier")));
        }
    }
    if (const int k = firstChanged([](const CReminder &a, const CReminder &b) { return a.m_Recurrence != b.m_Recurrence; });
        k >= 0) {
        if (out.m_NotOrganizer) {
            keep(out.m_RepeatKept, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "repeat changed")), meeting);
        } else {
            patch.SetRepeat(CIcsFields::ShownRecurrence(wanted[k].m_Recurrence));
            significant = true;
        }
    }
    if (const int k = firstChanged([](const CReminder &a, const CReminder &b) { return a.m_Private != b.m_Private; });
        k >= 0) {
        if (out.m_NotOrganizer) {
            keep(out.m_PrivacyKept, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "privacy changed")), meeting);
        } else {
            patch.SetPrivate(wanted[k].m_Private);
            touched = true;
        }
    }
    // What iCalendar has no place for travels as this program's own
    // properties, which other programs keep and ignore.
    for (size_t i = 0; i < n; ++i) {
        if (wanted[i].m_IconName != base[i].m_IconName) {
            patch.SetX(CIcsFields::kIcon, CIcsFields::EncodeText(wanted[i].m_IconName));
            touched = true;
        }
        if (wanted[i].m_SoundFileName != base[i].m_SoundFileName) {
            patch.SetX(CIcsFields::kSound, CIcsFields::EncodeText(wanted[i].m_SoundFileName));
            touched = true;
        }
    }
    // The time or the notice moved: an answer that would silence the moved
    // alarm answered another.
    bool voided = false;
    if (timing) {
        const CReminder &now = wanted[moved >= 0 ? moved : 0];
        voided = patch.VoidAnswers([&now](const QDateTime &utc) { return !voidAfterMove(utc, now); });
    }
    const COleDateTime answer = latestAnswer(std::vector<CReminder>(wanted.begin(), wanted.begin() + n));
    const COleDateTime answerBefore = latestAnswer(std::vector<CReminder>(base.begin(), base.begin() + n));
    const bool answered = answer.GetStatus() == COleDateTime::valid
        && (answerBefore.GetStatus() != COleDateTime::valid || answer > answerBefore || voided)
        && patch.SetAcknowledged(localOf(answer).toUTC());
    out.m_Edited = significant || touched || timing || voided;
    if (!out.m_Edited && !answered) {
        out.m_Text = text; // nothing the event can say
        return out;
    }
    // A meeting is its organiser's: what an attendee sets of its alarms
    // here is no revision of it.
    if (!out.m_NotOrganizer && (significant || touched))
        patch.Touch(significant);
    out.m_Text = patch.Text();
    return out;
}
