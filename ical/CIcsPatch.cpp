#include "ical/CIcsPatch.h"

#include "ical/CIcsAlarms.h"
#include "ical/CIcsFields.h"
#include "ical/CIcsLibrary.h"
#include "ical/CIcsSeriesCheck.h"
#include "ical/CIcsShift.h"
#include "ical/CIcsZones.h"

namespace {

struct OwnedProperty
{
    icalproperty *m_p = nullptr;
    ~OwnedProperty()
    {
        if (m_p)
            icalproperty_free(m_p);
    }
};

QByteArray textOf(icalproperty *p)
{
    char *text = icalproperty_as_ical_string_r(p);
    QByteArray bytes(text ? text : "");
    icalmemory_free_buffer(text);
    return bytes;
}

icaltimetype utcNow()
{
    return icaltime_from_timet_with_zone(QDateTime::currentSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

QByteArray utcText(const QDateTime &when)
{
    return when.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
}

QByteArray textProperty(icalproperty *(*make)(const char *), const QString &value)
{
    OwnedProperty p { make(value.toUtf8().constData()) };
    return textOf(p.m_p);
}

icalcomponent *mainEventOf(icalcomponent *root)
{
    if (root && icalcomponent_isa(root) == ICAL_VEVENT_COMPONENT)
        return root;
    for (icalcomponent *c = root ? icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT) : nullptr; c;
         c = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
        if (!icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY))
            return c;
    return nullptr;
}

// A naive wall-clock reading of a library time, for differences.
QDateTime naiveWall(const icaltimetype &t)
{
    return QDateTime(QDate(t.year, t.month, t.day), t.is_date ? QTime(0, 0) : QTime(t.hour, t.minute, t.second),
                     Qt::UTC);
}

} // namespace

CIcsPatch::CIcsPatch() = default;

CIcsPatch::~CIcsPatch()
{
    if (m_Calendar)
        icalcomponent_free(m_Calendar);
}

bool CIcsPatch::Load(const QByteArray &text, QString &error)
{
    CIcsLibrary::Prepare();
    m_Text = text;
    m_Lines.clear();
    // A physical line that begins with a space or a tab continues the last.
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype nl = text.indexOf('\n', at);
        nl = nl < 0 ? text.size() : nl + 1;
        const QByteArray physical = text.mid(at, nl - at);
        if ((physical.startsWith(' ') || physical.startsWith('\t')) && !m_Lines.empty())
            m_Lines.back() = CIcsLine::Read(m_Lines.back().m_Raw + physical);
        else
            m_Lines.push_back(CIcsLine::Read(physical));
        at = nl;
    }
    if (!mainEvent().Valid()) {
        error = QStringLiteral("the calendar resource holds no event to change");
        return false;
    }
    if (m_Calendar)
        icalcomponent_free(m_Calendar);
    m_Calendar = icalparser_parse_string(text.constData());
    m_NoticeAlarm = -1;
    m_NextLead = -1;
    if (icalcomponent *event = mainEventOf(m_Calendar)) {
        const CIcsZones zones;
        icalproperty *dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        const CIcsLocalTime start = dtstart
            ? CIcsTime::OfProperty(dtstart, icalproperty_get_dtstart(dtstart), m_Calendar, zones)
            : CIcsLocalTime();
        if (start.m_Valid) {
            const CIcsAlarms::Notice notice = CIcsAlarms::Read(event, m_Calendar, start, zones);
            m_NoticeAlarm = notice.m_Alarm;
            m_NextLead = notice.m_NextSeconds.value_or(-1);
        }
    }
    return true;
}

QByteArray CIcsPatch::Text() const
{
    QByteArray out;
    out.reserve(m_Text.size() + 256);
    for (const CIcsLine &l : m_Lines) {
        out += l.m_Raw;
        if (!l.m_Raw.endsWith('\n'))
            out += "\r\n";
    }
    return out;
}

CIcsPatch::Range CIcsPatch::mainEvent() const
{
    Range found;
    int depth = 0;
    Range current;
    bool recurrenceId = false;
    for (int i = 0; i < static_cast<int>(m_Lines.size()); ++i) {
        const CIcsLine &l = m_Lines[i];
        if (l.m_Name == "BEGIN") {
            ++depth;
            if (depth == 2 && l.Value().trimmed().toUpper() == "VEVENT") {
                current = { i, -1 };
                recurrenceId = false;
            }
        } else if (l.m_Name == "END") {
            if (depth == 2 && current.Valid() && current.m_End < 0) {
                current.m_End = i;
                if (!recurrenceId && !found.Valid())
                    found = current;
            }
            --depth;
        } else if (depth == 2 && current.Valid() && current.m_End < 0 && l.m_Name == "RECURRENCE-ID") {
            recurrenceId = true;
        }
    }
    return found;
}

// The components of kind directly inside r (the calendar when r is not valid).
std::vector<CIcsPatch::Range> CIcsPatch::children(const Range &r, const QByteArray &kind) const
{
    std::vector<Range> out;
    const int first = r.Valid() ? r.m_Begin + 1 : 0;
    const int last = r.Valid() ? r.m_End : static_cast<int>(m_Lines.size());
    const int level = r.Valid() ? 1 : 2; // the calendar's own BEGIN counts when r is the whole text
    int depth = 0;
    Range current;
    for (int i = first; i < last; ++i) {
        const CIcsLine &l = m_Lines[i];
        if (l.m_Name == "BEGIN") {
            ++depth;
            if (depth == level)
                current = l.Value().trimmed().toUpper() == kind ? Range { i, -1 } : Range();
        } else if (l.m_Name == "END") {
            if (depth == level && current.Valid()) {
                current.m_End = i;
                out.push_back(current);
                current = Range();
            }
            --depth;
        }
    }
    return out;
}

std::vector<CIcsPatch::Range> CIcsPatch::overrides() const
{
    std::vector<Range> out;
    for (const Range &r : children(Range(), "VEVENT"))
        if (find(r, "RECURRENCE-ID") >= 0)
            out.push_back(r);
    return out;
}

CIcsPatch::Range CIcsPatch::noticeAlarm() const
{
    const std::vector<Range> alarms = children(mainEvent(), "VALARM");
    if (m_NoticeAlarm < 0 || m_NoticeAlarm >= static_cast<int>(alarms.size()))
        return Range();
    return alarms[m_NoticeAlarm];
}

// The line of name directly in r (not in a component inside it), or -1.
int CIcsPatch::find(const Range &r, const QByteArray &name) const
{
    const std::vector<int> all = findAll(r, name);
    return all.empty() ? -1 : all.front();
}

std::vector<int> CIcsPatch::findAll(const Range &r, const QByteArray &name) const
{
    std::vector<int> out;
    int depth = 0;
    for (int i = r.m_Begin + 1; r.Valid() && i < r.m_End; ++i) {
        const QByteArray &n = m_Lines[i].m_Name;
        if (n == "BEGIN")
            ++depth;
        else if (n == "END")
            --depth;
        else if (depth == 0 && n == name)
            out.push_back(i);
    }
    return out;
}

void CIcsPatch::put(const Range &r, const QByteArray &name, const QByteArray &line)
{
    const int at = find(r, name);
    if (at >= 0) {
        m_Lines[at] = CIcsLine::Written(line);
        return;
    }
    // A new property goes after the others, before any inner component.
    int before = r.m_End;
    for (int i = r.m_Begin + 1; i < r.m_End; ++i)
        if (m_Lines[i].m_Name == "BEGIN") {
            before = i;
            break;
        }
    m_Lines.insert(m_Lines.begin() + before, CIcsLine::Written(line));
}

void CIcsPatch::remove(const Range &r, const QByteArray &name)
{
    const int at = find(r, name);
    if (at >= 0)
        m_Lines.erase(m_Lines.begin() + at);
}

QString CIcsPatch::Organizer() const
{
    const int at = find(mainEvent(), "ORGANIZER");
    if (at < 0)
        return QString();
    QString address = QString::fromUtf8(m_Lines[at].Value()).trimmed();
    if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        address = address.mid(7);
    return address.toLower();
}

qint64 CIcsPatch::Length() const
{
    icalcomponent *event = mainEventOf(m_Calendar);
    if (!event)
        return 0;
    const icaltimetype start = icalcomponent_get_dtstart(event);
    const icaltimetype end = icalcomponent_get_dtend(event);
    if (icaltime_is_null_time(start) || icaltime_is_null_time(end))
        return 0;
    const qint64 length = icaltime_as_timet_with_zone(end, end.zone) - icaltime_as_timet_with_zone(start, start.zone);
    return length > 0 ? length : 0;
}

bool CIcsPatch::SetAcknowledged(const QDateTime &utc)
{
    const Range alarm = noticeAlarm();
    if (!alarm.Valid())
        return false;
    bool changed = false;
    const int at = find(alarm, "ACKNOWLEDGED");
    const std::optional<QDateTime> standing =
        at >= 0 ? CIcsAlarms::UtcValue(m_Lines[at].Value().constData()) : std::nullopt;
    if (!standing || utc > standing->addSecs(1)) {
        put(alarm, "ACKNOWLEDGED", "ACKNOWLEDGED:" + utcText(utc));
        changed = true;
    }
    // Thunderbird reads its own answer, not the alarm's, and brings back a
    // snoozed alarm at the time it keeps beside it: one due by then was
    // answered too.
    const Range event = mainEvent();
    if (const int moz = find(event, "X-MOZ-LASTACK"); moz >= 0) {
        const std::optional<QDateTime> last = CIcsAlarms::UtcValue(m_Lines[moz].Value().constData());
        if (!last || utc > last->addSecs(1)) {
            m_Lines[moz] = CIcsLine::Written(m_Lines[moz].Head() + ':' + utcText(utc));
            changed = true;
        }
        std::vector<int> snoozes;
        int depth = 0;
        for (int i = event.m_Begin + 1; i < event.m_End; ++i) {
            const QByteArray &name = m_Lines[i].m_Name;
            depth += name == "BEGIN" ? 1 : name == "END" ? -1 : 0;
            if (depth == 0 && name.startsWith("X-MOZ-SNOOZE-TIME"))
                snoozes.push_back(i);
        }
        for (auto at = snoozes.rbegin(); at != snoozes.rend(); ++at) {
            const std::optional<QDateTime> snooze = CIcsAlarms::UtcValue(m_Lines[*at].Value().constData());
            if (snooze && *snooze <= utc) {
                m_Lines.erase(m_Lines.begin() + *at);
                changed = true;
            }
        }
    }
    return changed;
}

bool CIcsPatch::VoidAnswers(const std::function<bool(const QDateTime &)> &stands)
{
    bool voided = false;
    const auto sweep = [&](const Range &r, const QByteArray &name) {
        for (int at : findAll(r, name)) {
            const std::optional<QDateTime> when = CIcsAlarms::UtcValue(m_Lines[at].Value().constData());
            if (when && !stands(*when)) {
                m_Lines.erase(m_Lines.begin() + at);
                voided = true;
                return true;
            }
        }
        return false;
    };
    // Ranges move as lines go: looked up again after every removal.
    while (sweep(mainEvent(), "X-MOZ-LASTACK")) {
    }
    bool again = true;
    while (again) {
        again = false;
        for (const Range &alarm : children(mainEvent(), "VALARM"))
            if (sweep(alarm, "ACKNOWLEDGED")) {
                again = true;
                break;
            }
    }
    return voided;
}

void CIcsPatch::SetMessage(const QString &message)
{
    const Range event = mainEvent();
    const QString portable = CIcsFields::PortableMessage(message);
    const QString summary = portable.section(QLatin1Char('\n'), 0, 0);
    const QString rest = portable.section(QLatin1Char('\n'), 1);

    QString oldSummary, oldDescription;
    OwnedProperty p;
    if (const int at = find(event, "SUMMARY"); at >= 0) {
        p.m_p = icalproperty_new_from_string(m_Lines[at].m_Unfolded.constData());
        if (p.m_p && icalproperty_get_summary(p.m_p))
            oldSummary = QString::fromUtf8(icalproperty_get_summary(p.m_p));
    }
    OwnedProperty d;
    if (const int at = find(event, "DESCRIPTION"); at >= 0) {
        d.m_p = icalproperty_new_from_string(m_Lines[at].m_Unfolded.constData());
        if (d.m_p && icalproperty_get_description(d.m_p))
            oldDescription = QString::fromUtf8(icalproperty_get_description(d.m_p));
    }
    // A description that repeats the summary holds the whole message.
    const bool whole = !oldDescription.isEmpty() && oldDescription.startsWith(oldSummary);
    const QString description = whole ? portable : rest;

    if (summary != oldSummary) {
        if (p.m_p) {
            icalproperty_set_summary(p.m_p, summary.toUtf8().constData());
            put(event, "SUMMARY", textOf(p.m_p));
        } else {
            put(event, "SUMMARY", textProperty(icalproperty_new_summary, summary));
        }
    }
    if (description != oldDescription) {
        // The HTML form of the old description would tell the old text.
        remove(mainEvent(), "X-ALT-DESC");
        if (description.isEmpty()) {
            remove(mainEvent(), "DESCRIPTION");
        } else if (d.m_p) {
            icalproperty_set_description(d.m_p, description.toUtf8().constData());
            put(mainEvent(), "DESCRIPTION", textOf(d.m_p));
        } else {
            put(mainEvent(), "DESCRIPTION", textProperty(icalproperty_new_description, description));
        }
    }
}

// Every time of the event moved by shift: false, with lines half changed,
// when one cannot be.
bool CIcsPatch::shiftLines(const CIcsShift &shift)
{
    const auto times = [&](const Range &r, const QByteArray &name) {
        for (int at : findAll(r, name)) {
            const QByteArray moved = shift.Times(m_Lines[at]);
            if (moved.isEmpty())
                return false;
            m_Lines[at] = CIcsLine::Written(moved);
        }
        return true;
    };
    const Range event = mainEvent();
    for (const char *name : { "DTSTART", "DTEND", "EXDATE", "RDATE" })
        if (!times(event, name))
            return false;
    for (int at : findAll(event, "RRULE")) {
        const QByteArray moved = shift.Rule(m_Lines[at]);
        if (moved.isEmpty())
            return false;
        if (moved != m_Lines[at].m_Unfolded)
            m_Lines[at] = CIcsLine::Written(moved);
    }
    if (!findAll(event, "EXRULE").empty())
        return false;
    // An alarm at a set time rings as far before the moved start.
    for (const Range &alarm : children(event, "VALARM"))
        if (const int at = find(alarm, "TRIGGER"); at >= 0 && m_Lines[at].Head().toUpper().contains("DATE-TIME")
                                                   && !times(alarm, "TRIGGER"))
            return false;
    for (const Range &changed : overrides())
        for (const char *name : { "RECURRENCE-ID", "DTSTART", "DTEND" })
            if (!times(changed, name))
                return false;
    return true;
}

CIcsPatch::Move CIcsPatch::MoveStart(const QDateTime &from, const QDateTime &to)
{
    const Range event = mainEvent();
    const int at = find(event, "DTSTART");
    if (at < 0 || from == to)
        return from == to ? Moved : CannotFollow;
    OwnedProperty p { icalproperty_new_from_string(m_Lines[at].m_Unfolded.constData()) };
    icalvalue *v = p.m_p ? icalproperty_get_value(p.m_p) : nullptr;
    if (!v)
        return CannotFollow;
    const bool isDate = icalvalue_isa(v) == ICAL_DATE_VALUE;
    const icaltimetype start = isDate ? icalvalue_get_date(v) : icalvalue_get_datetime(v);
    QByteArray tzid;
    icaltimezone *zone = nullptr;
    if (icalparameter *tz = icalproperty_get_first_parameter(p.m_p, ICAL_TZID_PARAMETER)) {
        tzid = icalparameter_get_tzid(tz);
        zone = icalcomponent_get_timezone(m_Calendar, tzid.constData());
        if (!zone)
            zone = icaltimezone_get_builtin_timezone(tzid.constData());
    }
    if (icaltime_is_utc(start))
        zone = icaltimezone_get_utc_timezone();

    // How far the event's own wall clock moves, and its date.
    qint64 wall = 0;
    int days = 0;
    if (isDate) {
        if (from.time() != to.time())
            return NotWholeDays;
        days = static_cast<int>(from.date().daysTo(to.date()));
        wall = qint64(days) * 86400;
    } else if (zone) {
        icaltimetype own = start;
        own.zone = zone;
        icaltimetype moved =
            icaltime_from_timet_with_zone(icaltime_as_timet_with_zone(own, zone) + from.secsTo(to), 0, zone);
        wall = naiveWall(start).secsTo(naiveWall(moved));
        days = static_cast<int>(naiveWall(start).date().daysTo(naiveWall(moved).date()));
    } else {
        // Floating, or a zone nobody knows: read as this computer's clock.
        const QDateTime naiveFrom(from.date(), from.time(), Qt::UTC);
        wall = naiveFrom.secsTo(QDateTime(to.date(), to.time(), Qt::UTC));
        days = static_cast<int>(naiveWall(start).date().daysTo(naiveWall(start).addSecs(wall).date()));
    }
    if (wall == 0)
        return Moved;

    const std::vector<CIcsLine> before = m_Lines;
    const QByteArray beforeText = Text();
    const CIcsShift shift(tzid, icaltime_is_utc(start) ? nullptr : zone, m_Calendar, wall, days);
    if (!shiftLines(shift) || !CIcsSeriesCheck::MovedAlike(beforeText, Text(), wall)) {
        m_Lines = before;
        return CannotFollow;
    }
    return Moved;
}

bool CIcsPatch::SetNotice(long long minutes)
{
    if (m_NextLead >= 0 && minutes * 60 < m_NextLead)
        return false;
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(static_cast<int>(-minutes * 60));
    OwnedProperty p { icalproperty_new_trigger(trigger) };
    const QByteArray line = textOf(p.m_p);
    const Range alarm = noticeAlarm();
    if (alarm.Valid()) {
        put(alarm, "TRIGGER", line);
        return true;
    }
    const Range event = mainEvent();
    const std::vector<Range> alarms = children(event, "VALARM");
    std::vector<CIcsLine> added;
    for (const QByteArray &l : { QByteArray("BEGIN:VALARM"), QByteArray("ACTION:DISPLAY"),
                                 textProperty(icalproperty_new_description, QStringLiteral("Reminder")), line,
                                 QByteArray("END:VALARM") })
        added.push_back(CIcsLine::Written(l));
    m_Lines.insert(m_Lines.begin() + event.m_End, added.begin(), added.end());
    m_NoticeAlarm = static_cast<int>(alarms.size());
    return true;
}

void CIcsPatch::SetRepeat(int kind)
{
    const Range event = mainEvent();
    icalrecurrencetype_frequency freq = ICAL_NO_RECURRENCE;
    switch (kind) {
    case 1: freq = ICAL_YEARLY_RECURRENCE; break;
    case 2: freq = ICAL_MONTHLY_RECURRENCE; break;
    case 3: freq = ICAL_WEEKLY_RECURRENCE; break;
    default: break;
    }
    if (freq == ICAL_NO_RECURRENCE) {
        remove(event, "RRULE");
        return;
    }
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = freq;
    rule.interval = 1;
    OwnedProperty p { icalproperty_new_rrule(rule) };
    put(event, "RRULE", textOf(p.m_p));
}

void CIcsPatch::SetPrivate(bool isPrivate)
{
    OwnedProperty p { icalproperty_new_class(isPrivate ? ICAL_CLASS_PRIVATE : ICAL_CLASS_PUBLIC) };
    put(mainEvent(), "CLASS", textOf(p.m_p));
}

void CIcsPatch::SetX(const char *name, const QByteArray &value)
{
    if (value.isEmpty()) {
        remove(mainEvent(), QByteArray(name).toUpper());
        return;
    }
    put(mainEvent(), QByteArray(name).toUpper(), QByteArray(name) + ':' + value);
}

void CIcsPatch::Touch(bool significant)
{
    CIcsLibrary::Prepare();
    OwnedProperty stamp { icalproperty_new_dtstamp(utcNow()) };
    put(mainEvent(), "DTSTAMP", textOf(stamp.m_p));
    OwnedProperty modified { icalproperty_new_lastmodified(utcNow()) };
    put(mainEvent(), "LAST-MODIFIED", textOf(modified.m_p));
    if (!significant)
        return;
    int sequence = 0;
    if (const int at = find(mainEvent(), "SEQUENCE"); at >= 0)
        sequence = m_Lines[at].Value().trimmed().toInt();
    put(mainEvent(), "SEQUENCE", "SEQUENCE:" + QByteArray::number(sequence + 1));
}
