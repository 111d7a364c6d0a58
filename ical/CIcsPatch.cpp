#include "ical/CIcsPatch.h"

#include "ical/CIcsFields.h"
#include "ical/CIcsLibrary.h"

extern "C" {
#include <libical/ical.h>
}

namespace {

struct OwnedComponent
{
    icalcomponent *m_c = nullptr;
    ~OwnedComponent()
    {
        if (m_c)
            icalcomponent_free(m_c);
    }
};

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

// The value of an unfolded content line: what follows the first colon
// outside a quoted parameter value.
QByteArray valueOf(const QByteArray &unfolded)
{
    bool quoted = false;
    for (qsizetype i = 0; i < unfolded.size(); ++i) {
        if (unfolded[i] == '"')
            quoted = !quoted;
        else if (unfolded[i] == ':' && !quoted)
            return unfolded.mid(i + 1);
    }
    return QByteArray();
}

QByteArray textProperty(icalproperty *(*make)(const char *), const QString &value)
{
    OwnedProperty p { make(value.toUtf8().constData()) };
    return textOf(p.m_p);
}

} // namespace

namespace {

// A logical line from its physical lines, kept as they stand.
CIcsPatch::Line parsed(const QByteArray &raw)
{
    CIcsPatch::Line line;
    line.m_Raw = raw;
    QByteArray text = raw;
    text.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "");
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    line.m_Unfolded = text;
    qsizetype end = 0;
    while (end < text.size() && text[end] != ':' && text[end] != ';')
        ++end;
    line.m_Name = text.left(end).trimmed().toUpper();
    return line;
}

} // namespace

// A line the library wrote, with the line ends of the text it goes into.
CIcsPatch::Line CIcsPatch::lineOf(QByteArray text) const
{
    if (m_Eol != "\r\n")
        text.replace("\r\n", m_Eol);
    return parsed(text);
}

bool CIcsPatch::Load(const QByteArray &text, QString &error)
{
    CIcsLibrary::Prepare();
    m_Text = text;
    m_Lines.clear();
    m_Eol = text.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    // A physical line that begins with a space or a tab continues the last.
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype nl = text.indexOf('\n', at);
        nl = nl < 0 ? text.size() : nl + 1;
        const QByteArray physical = text.mid(at, nl - at);
        if ((physical.startsWith(' ') || physical.startsWith('\t')) && !m_Lines.empty())
            m_Lines.back() = parsed(m_Lines.back().m_Raw + physical);
        else
            m_Lines.push_back(parsed(physical));
        at = nl;
    }
    if (!mainEvent().Valid()) {
        error = QStringLiteral("the calendar resource holds no event to change");
        return false;
    }
    return true;
}

QByteArray CIcsPatch::Text() const
{
    QByteArray out;
    out.reserve(m_Text.size() + 256);
    for (const Line &l : m_Lines) {
        out += l.m_Raw;
        if (!l.m_Raw.endsWith('\n'))
            out += m_Eol;
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
        const Line &l = m_Lines[i];
        if (l.m_Name == "BEGIN") {
            ++depth;
            if (depth == 2 && l.m_Unfolded.mid(6).trimmed().toUpper() == "VEVENT") {
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

CIcsPatch::Range CIcsPatch::displayAlarm() const
{
    const Range event = mainEvent();
    int depth = 0;
    Range current;
    for (int i = event.m_Begin + 1; event.Valid() && i < event.m_End; ++i) {
        const Line &l = m_Lines[i];
        if (l.m_Name == "BEGIN") {
            ++depth;
            if (depth == 1 && l.m_Unfolded.mid(6).trimmed().toUpper() == "VALARM")
                current = { i, -1 };
            else if (depth == 1)
                current = Range();
        } else if (l.m_Name == "END") {
            if (depth == 1 && current.Valid()) {
                current.m_End = i;
                const int action = find(current, "ACTION");
                if (action >= 0 && valueOf(m_Lines[action].m_Unfolded).trimmed().toUpper() == "DISPLAY")
                    return current;
                current = Range();
            }
            --depth;
        }
    }
    return Range();
}

// The line of name directly in r (not in a component inside it), or -1.
int CIcsPatch::find(const Range &r, const QByteArray &name) const
{
    int depth = 0;
    for (int i = r.m_Begin + 1; i < r.m_End; ++i) {
        const QByteArray &n = m_Lines[i].m_Name;
        if (n == "BEGIN")
            ++depth;
        else if (n == "END")
            --depth;
        else if (depth == 0 && n == name)
            return i;
    }
    return -1;
}

void CIcsPatch::put(const Range &r, const QByteArray &name, const QByteArray &line)
{
    const int at = find(r, name);
    if (at >= 0) {
        m_Lines[at] = lineOf(line);
        return;
    }
    // A new property goes after the others, before any inner component.
    int before = r.m_End;
    for (int i = r.m_Begin + 1; i < r.m_End; ++i)
        if (m_Lines[i].m_Name == "BEGIN") {
            before = i;
            break;
        }
    m_Lines.insert(m_Lines.begin() + before, lineOf(line));
}

void CIcsPatch::remove(const Range &r, const QByteArray &name)
{
    const int at = find(r, name);
    if (at >= 0)
        m_Lines.erase(m_Lines.begin() + at);
}

bool CIcsPatch::SetAcknowledged(const QDateTime &utc)
{
    const Range alarm = displayAlarm();
    if (!alarm.Valid())
        return false;
    put(alarm, "ACKNOWLEDGED", "ACKNOWLEDGED:" + utcText(utc) + "\r\n");
    return true;
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
        if (description.isEmpty()) {
            remove(event, "DESCRIPTION");
        } else if (d.m_p) {
            icalproperty_set_description(d.m_p, description.toUtf8().constData());
            put(event, "DESCRIPTION", textOf(d.m_p));
        } else {
            put(event, "DESCRIPTION", textProperty(icalproperty_new_description, description));
        }
    }
}

// A DTSTART or DTEND line moved by seconds, in the zone it names.
QByteArray CIcsPatch::retimed(const QByteArray &unfolded, qint64 seconds) const
{
    OwnedProperty p { icalproperty_new_from_string(unfolded.constData()) };
    if (!p.m_p)
        return QByteArray();
    icalvalue *v = icalproperty_get_value(p.m_p);
    if (!v)
        return QByteArray();
    const bool isDate = icalvalue_isa(v) == ICAL_DATE_VALUE;
    icaltimetype t = isDate ? icalvalue_get_date(v) : icalvalue_get_datetime(v);
    if (isDate) {
        t = icaltime_add(t, icaldurationtype_from_int(static_cast<int>(seconds / 86400 * 86400)));
        icalvalue_set_date(v, t);
        return textOf(p.m_p);
    }
    icaltimezone *zone = nullptr;
    if (icaltime_is_utc(t) || valueOf(unfolded).trimmed().endsWith('Z')) {
        zone = icaltimezone_get_utc_timezone();
    } else if (icalparameter *tz = icalproperty_get_first_parameter(p.m_p, ICAL_TZID_PARAMETER)) {
        const char *tzid = icalparameter_get_tzid(tz);
        OwnedComponent calendar { icalparser_parse_string(m_Text.constData()) };
        if (calendar.m_c && tzid)
            zone = icalcomponent_get_timezone(calendar.m_c, tzid);
        if (zone) {
            // Converted while the calendar that holds the zone still lives.
            t.zone = zone;
            icaltimetype moved = icaltime_from_timet_with_zone(icaltime_as_timet_with_zone(t, zone) + seconds, 0, zone);
            moved.zone = nullptr;
            icalvalue_set_datetime(v, moved);
            return textOf(p.m_p);
        }
        if (tzid)
            zone = icaltimezone_get_builtin_timezone(tzid);
    }
    if (zone) {
        t.zone = zone;
        icaltimetype moved = icaltime_from_timet_with_zone(icaltime_as_timet_with_zone(t, zone) + seconds, 0, zone);
        if (zone != icaltimezone_get_utc_timezone())
            moved.zone = nullptr;
        icalvalue_set_datetime(v, moved);
        return textOf(p.m_p);
    }
    // Floating: the wall clock moves as this computer's does.
    const QDateTime wall = QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second)).addSecs(seconds);
    t.year = wall.date().year();
    t.month = wall.date().month();
    t.day = wall.date().day();
    t.hour = wall.time().hour();
    t.minute = wall.time().minute();
    t.second = wall.time().second();
    icalvalue_set_datetime(v, t);
    return textOf(p.m_p);
}

void CIcsPatch::MoveStart(qint64 seconds)
{
    if (seconds == 0)
        return;
    for (const char *name : { "DTSTART", "DTEND" }) {
        const Range event = mainEvent();
        const int at = find(event, name);
        if (at < 0)
            continue;
        const QByteArray line = retimed(m_Lines[at].m_Unfolded, seconds);
        if (!line.isEmpty())
            m_Lines[at] = lineOf(line);
    }
}

void CIcsPatch::SetNotice(long long minutes)
{
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(static_cast<int>(-minutes * 60));
    OwnedProperty p { icalproperty_new_trigger(trigger) };
    const QByteArray line = textOf(p.m_p);
    const Range alarm = displayAlarm();
    if (alarm.Valid()) {
        put(alarm, "TRIGGER", line);
        return;
    }
    const Range event = mainEvent();
    const QByteArray block = "BEGIN:VALARM\r\nACTION:DISPLAY\r\n"
        + textProperty(icalproperty_new_description, QStringLiteral("Reminder")) + line + "END:VALARM\r\n";
    std::vector<Line> added;
    for (const QByteArray &l : block.split('\n'))
        if (!l.trimmed().isEmpty())
            added.push_back(lineOf(l + '\n'));
    m_Lines.insert(m_Lines.begin() + event.m_End, added.begin(), added.end());
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
    put(mainEvent(), QByteArray(name).toUpper(), QByteArray(name) + ':' + value + "\r\n");
}

void CIcsPatch::Touch(bool edited)
{
    CIcsLibrary::Prepare();
    const Range event = mainEvent();
    OwnedProperty stamp { icalproperty_new_dtstamp(utcNow()) };
    put(event, "DTSTAMP", textOf(stamp.m_p));
    if (!edited)
        return;
    OwnedProperty modified { icalproperty_new_lastmodified(utcNow()) };
    put(mainEvent(), "LAST-MODIFIED", textOf(modified.m_p));
    int sequence = 0;
    if (const int at = find(mainEvent(), "SEQUENCE"); at >= 0)
        sequence = valueOf(m_Lines[at].m_Unfolded).trimmed().toInt();
    put(mainEvent(), "SEQUENCE", "SEQUENCE:" + QByteArray::number(sequence + 1) + "\r\n");
}
