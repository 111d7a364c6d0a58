#include "ical/CIcsComponent.h"

#include "ical/CIcsAlarms.h"
#include "ical/CIcsFields.h"
#include "ical/CIcsRecurrence.h"
#include "ical/CIcsSeries.h"
#include "ical/CIcsTime.h"
#include "ical/CIcsWriter.h"
#include "ical/CIcsZone.h"
#include "l10n/CNotes.h"
#include "model/CIconTable.h"
#include "model/CSnooze.h"

#include <QHash>
#include <optional>

namespace {

QString textOf(icalcomponent *c, icalproperty_kind kind)
{
    icalproperty *p = icalcomponent_get_first_property(c, kind);
    if (!p)
        return QString();
    const char *v = nullptr;
    switch (kind) {
    case ICAL_SUMMARY_PROPERTY: v = icalproperty_get_summary(p); break;
    case ICAL_DESCRIPTION_PROPERTY: v = icalproperty_get_description(p); break;
    case ICAL_UID_PROPERTY: v = icalproperty_get_uid(p); break;
    default: break;
    }
    return v ? QString::fromUtf8(v) : QString();
}

// The X-KESTRELMARK-* values of a component, by name.
QHash<QByteArray, QByteArray> ownFields(icalcomponent *c)
{
    QHash<QByteArray, QByteArray> fields;
    for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY)) {
        const char *name = icalproperty_get_x_name(p);
        const char *value = icalproperty_get_x(p);
        if (name && value && qstrnicmp(name, "X-KESTRELMARK-", 14) == 0)
            fields.insert(QByteArray(name).toUpper(), QByteArray(value));
    }
    return fields;
}

QString builtinIcon(const QString &category)
{
    const QString wanted = category.trimmed();
    if (wanted.isEmpty())
        return QString();
    for (int i = 0; i < CIconTable::kBuiltinCount; ++i)
        if (CIconTable::Name(i).compare(wanted, Qt::CaseInsensitive) == 0)
            return CIconTable::Name(i);
    return QString();
}

QString iconFromCategories(icalcomponent *c)
{
    for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_CATEGORIES_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_CATEGORIES_PROPERTY)) {
        const char *v = icalproperty_get_categories(p);
        if (!v)
            continue;
        for (const QString &one : QString::fromUtf8(v).split(QLatin1Char(',')))
            if (const QString name = builtinIcon(one); !name.isEmpty())
                return name;
    }
    return QString();
}

// SUMMARY and DESCRIPTION as one message: a description that begins with
// the summary (as exports of reminders do) is the whole message. In an
// event this program wrote, the description's first line is the summary
// it wrote: a summary another program changed since replaces that line.
QString messageOf(icalcomponent *c, bool writtenHere)
{
    const QString summary = textOf(c, ICAL_SUMMARY_PROPERTY);
    const QString description = textOf(c, ICAL_DESCRIPTION_PROPERTY);
    if (description.isEmpty())
        return summary;
    if (description.startsWith(summary))
        return description;
    if (writtenHere && !summary.isEmpty()) {
        const qsizetype firstBreak = description.indexOf(QLatin1Char('\n'));
        return firstBreak < 0 ? summary : summary + description.mid(firstBreak);
    }
    return summary + QLatin1Char('\n') + description;
}

COleDateTime oleOf(const QDate &d, const QTime &t)
{
    return COleDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

bool sameParts(const COleDateTime &a, const COleDateTime::Parts &b)
{
    COleDateTime::Parts p {};
    return a.GetParts(p) && p.year == b.year && p.month == b.month && p.day == b.day && p.hour == b.hour
        && p.minute == b.minute && p.second == b.second;
}

// The fields only this program writes, each taken when it agrees with
// what the standard properties say (another program may have changed
// those since).
void applyOwnFields(const QHash<QByteArray, QByteArray> &own, CReminder &r, long long noticeMinutes, bool single,
                    bool floating)
{
    COleDateTime raw;
    if (single && floating && CIcsFields::DecodeDate(own.value(CIcsFields::kDateTime), raw)
        && sameParts(r.m_DateTime, CIcsFields::StartParts(raw)))
        r.m_DateTime = raw;
    COleDateTimeSpan span;
    if (CIcsFields::DecodeSpan(own.value(CIcsFields::kNotice), span) && CIcsFields::NoticeMinutes(span) == noticeMinutes)
        r.m_AdvanceNotice = span;
    bool ok = false;
    const int code = own.value(CIcsFields::kRecurrence).toInt(&ok);
    if (ok && single && code >= 0 && code <= 0xFFFF && CIcsFields::ShownRecurrence(code) == r.m_Recurrence)
        r.m_Recurrence = static_cast<quint16>(code);
    if (own.contains(CIcsFields::kMessage)) {
        const QString exact = CIcsFields::DecodeText(own.value(CIcsFields::kMessage));
        // Readers take the spaces off either end of a value.
        if (CIcsFields::PortableMessage(exact).trimmed() == r.m_Message.trimmed())
            r.m_Message = exact;
    }
    if (own.contains(CIcsFields::kIcon))
        r.m_IconName = CIcsFields::DecodeText(own.value(CIcsFields::kIcon));
    const int number = own.value(CIcsFields::kIconNumber).toInt(&ok);
    if (ok && number >= 0 && number <= 0xFFFF)
        r.m_IconNumber = static_cast<quint16>(number);
    if (own.contains(CIcsFields::kSound))
        r.m_SoundFileName = CIcsFields::DecodeText(own.value(CIcsFields::kSound));
    if (own.contains(CIcsFields::kShown))
        r.m_Shown = own.value(CIcsFields::kShown).trimmed() == "1";
    if (CIcsFields::DecodeDate(own.value(CIcsFields::kLastShown), raw))
        r.m_LastShown = raw;
    if (CIcsFields::DecodeSpan(own.value(CIcsFields::kReshow), span))
        r.m_ReshowInterval = span;
    const QList<QByteArray> flags = own.value(CIcsFields::kReserved).trimmed().split(';');
    if (flags.size() == 2) {
        r.m_ReservedFlag = flags[0] == "1";
        r.m_ReservedFlag2 = flags[1] == "1";
    }
    if (CIcsFields::DecodeSpan(own.value(CIcsFields::kReservedSpan), span))
        r.m_ReservedSpan = span;
}

// An answer at utc is later than the one this program wrote into the event
// (X-KESTRELMARK-SHOWN and -LASTSHOWN), or there is none of its own.
bool answeredLater(const QDateTime &utc, const CReminder &r, const QHash<QByteArray, QByteArray> &own,
                   const CIcsZones &zones)
{
    if (!own.contains(CIcsFields::kShown) || r.m_LastShown.GetStatus() != COleDateTime::valid
        || r.m_LastShown == CReminder::kDefaultDate)
        return true;
    COleDateTime::Parts p {};
    if (!r.m_LastShown.GetParts(p))
        return true;
    const QDateTime shownHere =
        CIcsZone::LocalZone(zones).Instant(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second));
    return utc > shownHere.addSecs(1);
}

bool endsAndFollowable(const icalrecurrencetype &rule)
{
    const bool ends = rule.count > 0 || !icaltime_is_null_time(rule.until);
    return ends
        && (rule.freq == ICAL_DAILY_RECURRENCE || rule.freq == ICAL_WEEKLY_RECURRENCE
            || rule.freq == ICAL_MONTHLY_RECURRENCE || rule.freq == ICAL_YEARLY_RECURRENCE);
}

// The instants its EXDATEs leave out.
std::vector<QDateTime> excludedOf(icalcomponent *item, icalcomponent *calendar, const CIcsZones &zones)
{
    std::vector<QDateTime> out;
    for (icalproperty *p = icalcomponent_get_first_property(item, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(item, ICAL_EXDATE_PROPERTY)) {
        const CIcsLocalTime at = CIcsTime::OfProperty(p, icalproperty_get_exdate(p), calendar, zones);
        if (at.m_Valid)
            out.push_back(at.m_Instant);
    }
    return out;
}

} // namespace

CIcsComponent::Outcome CIcsComponent::Map(icalcomponent *item, icalcomponent *calendar, const QDateTime &now,
                                           const CIcsZones &zones)
{
    Outcome out;
    if (icalcomponent_get_first_property(item, ICAL_RECURRENCEID_PROPERTY)) {
        out.m_Skipped = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a changed occurrence of a repeating event (RECURRENCE-ID) has no reminder "
                                       "of its own"));
        return out;
    }
    const bool todo = icalcomponent_isa(item) == ICAL_VTODO_COMPONENT;
    icalproperty *startProp = todo ? icalcomponent_get_first_property(item, ICAL_DUE_PROPERTY) : nullptr;
    icaltimetype startValue = icaltime_null_time();
    if (startProp)
        startValue = icalproperty_get_due(startProp);
    else if ((startProp = icalcomponent_get_first_property(item, ICAL_DTSTART_PROPERTY)))
        startValue = icalproperty_get_dtstart(startProp);
    if (!startProp) {
        out.m_Skipped = todo ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a to-do without a due date or start")) : CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "no start date"));
        return out;
    }
    const CIcsLocalTime start = CIcsTime::OfProperty(startProp, startValue, calendar, zones);
    if (!start.m_Valid) {
        out.m_Skipped = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a start date that could not be read"));
        return out;
    }
    if (start.m_UnknownZone)
        out.m_Simplified |= CIcsRecurrence::UnknownZone;
    const bool floating = !startValue.is_date && !icaltime_is_utc(startValue)
        && !icalproperty_get_first_parameter(startProp, ICAL_TZID_PARAMETER);
    // The rule runs on the event's own wall clock, in its own zone.
    const CIcsZone zone = CIcsZone::OfProperty(startProp, startValue, calendar, zones);
    QDate firstDate(startValue.year, startValue.month, startValue.day);
    QTime firstTime = startValue.is_date ? QTime(0, 0) : QTime(startValue.hour, startValue.minute, startValue.second);

    icalproperty *rruleProp = icalcomponent_get_first_property(item, ICAL_RRULE_PROPERTY);
    icalrecurrencetype rule;
    bool repeats = rruleProp != nullptr;
    if (rruleProp) {
        rule = icalproperty_get_rrule(rruleProp);
        if (icalcomponent_get_next_property(item, ICAL_RRULE_PROPERTY))
            out.m_Simplified |= CIcsRecurrence::MoreRules;
        if (endsAndFollowable(rule)) {
            const CIcsSeries::Left left = CIcsSeries::Remaining(rule, firstDate, firstTime, startValue.is_date, zone,
                                                                excludedOf(item, calendar, zones), now);
            if (left.m_Count == 0) {
                out.m_Skipped = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a repeating event whose last occurrence is past"));
                return out;
            }
            if (left.m_Count == 1) {
                firstDate = left.m_Date;
                firstTime = left.m_Time;
                repeats = false;
                out.m_Simplified |= CIcsRecurrence::OneLeft;
            }
        }
    }
    CIcsRecurrence::Mapping repeat = CIcsRecurrence::Map(firstDate, repeats ? &rule : nullptr);
    out.m_Simplified |= repeat.m_Simplified;
    if (repeats && repeat.m_Kind != RecurOneTime) {
        if (icalcomponent_get_first_property(item, ICAL_EXDATE_PROPERTY))
            out.m_Simplified |= CIcsRecurrence::ExDate;
    }
    if (icalcomponent_get_first_property(item, ICAL_RDATE_PROPERTY))
        out.m_Simplified |= CIcsRecurrence::RDate;

    // Each date of the event's zone as the wall clock here shows it.
    std::vector<CIcsLocalTime> wallClocks;
    for (const QDate &day : repeat.m_Dates) {
        CIcsLocalTime at;
        if (zone.Floats()) {
            at.m_Valid = true;
            at.m_Date = day;
            at.m_Time = firstTime;
        } else {
            at = CIcsTime::FromUtc(zone.Instant(day, firstTime), zones);
            if (CIcsSeries::Drifts(repeat.m_Kind, day, firstTime, zone, at.m_Date, at.m_Time))
                out.m_Simplified |= CIcsRecurrence::ZoneHour;
        }
        if (at.m_Valid)
            wallClocks.push_back(at);
    }

    if (icalcomponent_get_first_property(item, ICAL_XLICERROR_PROPERTY))
        out.m_Simplified |= CIcsRecurrence::Unreadable;

    const CIcsAlarms::Notice alarm = CIcsAlarms::Read(item, calendar, start, zones);
    if (alarm.m_After)
        out.m_Simplified |= CIcsRecurrence::AlarmAfter;
    const long long noticeMinutes = (alarm.m_Seconds.value_or(0) + 30) / 60;

    const QHash<QByteArray, QByteArray> own = ownFields(item);
    CReminder base;
    base.m_Message = messageOf(item, own.contains(CIcsFields::kDateTime));
    base.m_Recurrence = static_cast<quint16>(repeat.m_Kind);
    base.m_AdvanceNotice = COleDateTimeSpan(static_cast<long>(noticeMinutes / (24 * 60)),
                                            static_cast<int>(noticeMinutes / 60 % 24), static_cast<int>(noticeMinutes % 60),
                                            0);
    if (icalproperty *cls = icalcomponent_get_first_property(item, ICAL_CLASS_PROPERTY)) {
        const icalproperty_class c = icalproperty_get_class(cls);
        base.m_Private = c == ICAL_CLASS_PRIVATE || c == ICAL_CLASS_CONFIDENTIAL;
    }
    base.m_IconName = iconFromCategories(item);

    QString uid = textOf(item, ICAL_UID_PROPERTY);
    const bool single = wallClocks.size() == 1;
    const QString how = CIcsRecurrence::DescribeAll(out.m_Simplified);
    for (const CIcsLocalTime &at : wallClocks) {
        CIcsEvent e;
        e.m_Reminder = base;
        e.m_Reminder.m_DateTime = oleOf(at.m_Date, at.m_Time);
        e.m_Reminder.m_LastShown = CReminder::kDefaultDate;
        applyOwnFields(own, e.m_Reminder, noticeMinutes, single, floating);
        if (alarm.m_Acknowledged) {
            const QDateTime alarmAt =
                CIcsZone::LocalZone(zones).Instant(at.m_Date, at.m_Time).addSecs(-noticeMinutes * 60);
            e.m_Acknowledged = *alarm.m_Acknowledged >= alarmAt;
            // Dismissed elsewhere: every occurrence whose alarm rang by then
            // is answered, for a one-time and a repeating event alike. What
            // this program wrote of its own answer stands unless the other
            // client answered later.
            if (e.m_Acknowledged && answeredLater(*alarm.m_Acknowledged, e.m_Reminder, own, zones)) {
                const QDateTime local = zones.WallClockHere(*alarm.m_Acknowledged);
                e.m_Reminder.m_Shown = true;
                e.m_Reminder.m_LastShown = oleOf(local.date(), local.time());
                e.m_Reminder.m_ReshowInterval = CSnooze::kDefaultReshowInterval;
            }
        }
        e.m_Simplified = out.m_Simplified != 0;
        e.m_SimplifiedHow = how;
        out.m_Events.push_back(std::move(e));
    }
    if (uid.isEmpty() && !out.m_Events.empty())
        uid = CIcsWriter::UidFor(out.m_Events.front().m_Reminder);
    for (CIcsEvent &e : out.m_Events)
        e.m_Uid = uid;
    return out;
}
