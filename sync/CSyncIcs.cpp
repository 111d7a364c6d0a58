#include "sync/CSyncIcs.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>
#include <QUuid>
#include <cmath>

namespace {

QString escapeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(','))
            out += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c != QLatin1Char('\r'))
            out += c;
    }
    return out;
}

QString unescapeText(const QString &text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar n = text[++i];
            out += (n == QLatin1Char('n') || n == QLatin1Char('N')) ? QChar(QLatin1Char('\n')) : n;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Lines longer than 75 octets are folded, never inside a UTF-8 sequence.
void appendLine(QByteArray &out, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    int start = 0, width = 75;
    while (bytes.size() - start > width) {
        int cut = start + width;
        while (cut > start && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        out += bytes.mid(start, cut - start) + "\r\n ";
        start = cut;
        width = 74;
    }
    out += bytes.mid(start) + "\r\n";
}

QString localStamp(const COleDateTime &dt)
{
    return dt.ToQDateTime().toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
}

QString utcStamp(const COleDateTime &dt)
{
    QDateTime local = dt.ToQDateTime();
    local.setTimeZone(QTimeZone::systemTimeZone());
    return local.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

struct Property
{
    QString name;
    QStringList params;
    QString value;
};

Property parseLine(const QString &line)
{
    Property p;
    bool quoted = false;
    int colon = -1;
    for (int i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('"'))
            quoted = !quoted;
        else if (line[i] == QLatin1Char(':') && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon < 0)
        return p;
    const QStringList head = line.left(colon).split(QLatin1Char(';'));
    p.name = head.value(0).toUpper();
    p.params = head.mid(1);
    p.value = line.mid(colon + 1);
    return p;
}

QString param(const Property &p, const char *name)
{
    const QString key = QString::fromLatin1(name) + QLatin1Char('=');
    for (const QString &s : p.params)
        if (s.startsWith(key, Qt::CaseInsensitive))
            return s.mid(key.size()).remove(QLatin1Char('"'));
    return QString();
}

// A date or date-time value in local wall-clock time.
bool parseDateTime(const Property &p, COleDateTime &out)
{
    const QString v = p.value.trimmed();
    if (v.size() == 8) {
        const QDate d = QDate::fromString(v, QStringLiteral("yyyyMMdd"));
        if (!d.isValid())
            return false;
        out = COleDateTime(d.year(), d.month(), d.day(), 0, 0, 0);
        return out.GetStatus() == COleDateTime::valid;
    }
    const bool utc = v.endsWith(QLatin1Char('Z'), Qt::CaseInsensitive);
    QDateTime dt = QDateTime::fromString(utc ? v.chopped(1) : v, QStringLiteral("yyyyMMdd'T'HHmmss"));
    if (!dt.isValid())
        return false;
    const QString tzid = param(p, "TZID");
    if (utc) {
        dt.setTimeZone(QTimeZone::utc());
        dt = dt.toLocalTime();
    } else if (!tzid.isEmpty()) {
        const QTimeZone zone(tzid.toUtf8());
        if (zone.isValid()) {
            dt.setTimeZone(zone);
            dt = dt.toLocalTime();
        }
    }
    out = COleDateTime::FromQDateTime(dt);
    return out.GetStatus() == COleDateTime::valid;
}

// "-PT15M", "-P1D", "-P1DT2H" as a span before the start; false for
// anything else (after the start, or relative to the end).
bool parseTrigger(const Property &p, COleDateTimeSpan &out)
{
    if (param(p, "RELATED").compare(QLatin1String("END"), Qt::CaseInsensitive) == 0)
        return false;
    QString v = p.value.trimmed().toUpper();
    if (v == QLatin1String("PT0S") || v == QLatin1String("-PT0S") || v == QLatin1String("P0D")) {
        out = COleDateTimeSpan(0.0);
        return true;
    }
    if (!v.startsWith(QLatin1String("-P")))
        return false;
    v = v.mid(2);
    double seconds = 0;
    bool inTime = false;
    QString number;
    for (const QChar c : v) {
        if (c.isDigit()) {
            number += c;
            continue;
        }
        const double n = number.toDouble();
        number.clear();
        if (c == QLatin1Char('T'))
            inTime = true;
        else if (c == QLatin1Char('W'))
            seconds += n * 7 * 86400;
        else if (c == QLatin1Char('D'))
            seconds += n * 86400;
        else if (c == QLatin1Char('H') && inTime)
            seconds += n * 3600;
        else if (c == QLatin1Char('M') && inTime)
            seconds += n * 60;
        else if (c == QLatin1Char('S') && inTime)
            seconds += n;
        else
            return false;
    }
    out = COleDateTimeSpan(seconds / 86400.0);
    return true;
}

QString triggerText(const COleDateTimeSpan &span)
{
    const long long minutes = std::llround(span.GetTotalMinutes());
    if (minutes <= 0)
        return QStringLiteral("PT0S");
    return QStringLiteral("-PT%1M").arg(minutes);
}

} // namespace

QString CSyncIcs::NewUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("@kestrelmark");
}

QByteArray CSyncIcs::Write(const CReminder &r, const QString &uid)
{
    QByteArray out;
    appendLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    appendLine(out, QStringLiteral("VERSION:2.0"));
    appendLine(out, QStringLiteral("PRODID:-//Quendrake Inc//Kestrelmark//EN"));
    appendLine(out, QStringLiteral("BEGIN:VEVENT"));
    appendLine(out, QStringLiteral("UID:") + uid);
    appendLine(out, QStringLiteral("DTSTAMP:") + utcStamp(COleDateTime::GetCurrentTime()));
    appendLine(out, QStringLiteral("DTSTART:") + localStamp(r.m_DateTime));
    appendLine(out, QStringLiteral("SUMMARY:") + escapeText(r.m_Message));
    switch (r.m_Recurrence) {
    case RecurAnnual: appendLine(out, QStringLiteral("RRULE:FREQ=YEARLY")); break;
    case RecurMonthly: appendLine(out, QStringLiteral("RRULE:FREQ=MONTHLY")); break;
    case RecurWeekly: appendLine(out, QStringLiteral("RRULE:FREQ=WEEKLY")); break;
    default: break;
    }
    if (r.m_Private)
        appendLine(out, QStringLiteral("CLASS:PRIVATE"));
    if (!r.m_IconName.isEmpty())
        appendLine(out, QStringLiteral("X-KESTRELMARK-ICON:") + escapeText(r.m_IconName));
    if (!r.m_SoundFileName.isEmpty())
        appendLine(out, QStringLiteral("X-KESTRELMARK-SOUND:") + escapeText(r.m_SoundFileName));
    appendLine(out, QStringLiteral("X-KESTRELMARK-RESHOW:%1").arg(std::llround(r.m_ReshowInterval.GetTotalMinutes())));
    appendLine(out, QStringLiteral("BEGIN:VALARM"));
    appendLine(out, QStringLiteral("ACTION:DISPLAY"));
    appendLine(out, QStringLiteral("DESCRIPTION:") + escapeText(r.GetFlatMessage()));
    appendLine(out, QStringLiteral("TRIGGER:") + triggerText(r.m_AdvanceNotice));
    if (r.m_Shown && r.m_LastShown.GetStatus() == COleDateTime::valid && r.m_LastShown != CReminder::kDefaultDate)
        appendLine(out, QStringLiteral("ACKNOWLEDGED:") + utcStamp(r.m_LastShown));
    appendLine(out, QStringLiteral("END:VALARM"));
    appendLine(out, QStringLiteral("END:VEVENT"));
    appendLine(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

bool CSyncIcs::Read(const QByteArray &ics, CSyncEvent &out, QString &error)
{
    // Unfold: a line break followed by a space or tab continues the line.
    QString text = QString::fromUtf8(ics);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n "), QString()).replace(QStringLiteral("\n\t"), QString());
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    CReminder r;
    r.m_Message.clear();
    r.ResetShown();
    QStringList simplified;
    bool inEvent = false, done = false, hasStart = false, hasAlarm = false;
    int depth = 0; // components nested in the event
    QString description;
    for (const QString &line : lines) {
        const Property p = parseLine(line);
        if (p.name.isEmpty() || done)
            continue;
        if (p.name == QLatin1String("BEGIN")) {
            if (!inEvent && p.value.trimmed().compare(QLatin1String("VEVENT"), Qt::CaseInsensitive) == 0)
                inEvent = true;
            else if (inEvent)
                ++depth;
            continue;
        }
        if (p.name == QLatin1String("END")) {
            if (inEvent && depth == 0)
                done = true;
            else if (inEvent)
                --depth;
            continue;
        }
        if (!inEvent)
            continue;
        if (depth > 0) {
            if (p.name == QLatin1String("TRIGGER")) {
                if (hasAlarm) {
                    simplified << QStringLiteral("only the first alarm is kept");
                    continue;
                }
                hasAlarm = true;
                if (!parseTrigger(p, r.m_AdvanceNotice))
                    simplified << QStringLiteral("the alarm's time became the event's start");
            } else if (p.name == QLatin1String("ACKNOWLEDGED")) {
                COleDateTime ack;
                if (parseDateTime(p, ack)) {
                    r.m_Shown = true;
                    r.m_LastShown = ack;
                }
            }
            continue;
        }
        if (p.name == QLatin1String("UID"))
            out.m_Uid = p.value.trimmed();
        else if (p.name == QLatin1String("DTSTART"))
            hasStart = parseDateTime(p, r.m_DateTime);
        else if (p.name == QLatin1String("SUMMARY"))
            r.m_Message = unescapeText(p.value);
        else if (p.name == QLatin1String("DESCRIPTION"))
            description = unescapeText(p.value);
        else if (p.name == QLatin1String("CLASS"))
            r.m_Private = p.value.trimmed().compare(QLatin1String("PUBLIC"), Qt::CaseInsensitive) != 0;
        else if (p.name == QLatin1String("X-KESTRELMARK-ICON"))
            r.m_IconName = unescapeText(p.value);
        else if (p.name == QLatin1String("X-KESTRELMARK-SOUND"))
            r.m_SoundFileName = unescapeText(p.value);
        else if (p.name == QLatin1String("X-KESTRELMARK-RESHOW")) {
            bool ok = false;
            const int minutes = p.value.trimmed().toInt(&ok);
            if (ok && minutes > 0)
                r.m_ReshowInterval = COleDateTimeSpan(minutes / 1440.0);
        } else if (p.name == QLatin1String("RRULE")) {
            const QStringList parts = p.value.trimmed().toUpper().split(QLatin1Char(';'), Qt::SkipEmptyParts);
            for (const QString &part : parts) {
                if (part == QLatin1String("FREQ=YEARLY"))
                    r.m_Recurrence = RecurAnnual;
                else if (part == QLatin1String("FREQ=MONTHLY"))
                    r.m_Recurrence = RecurMonthly;
                else if (part == QLatin1String("FREQ=WEEKLY"))
                    r.m_Recurrence = RecurWeekly;
                else if (part.startsWith(QLatin1String("FREQ=")))
                    simplified << QStringLiteral("a %1 repeat became one time").arg(part.mid(5).toLower());
                else if (part != QLatin1String("INTERVAL=1") && part != QLatin1String("WKST=MO")
                         && part != QLatin1String("WKST=SU"))
                    simplified << QStringLiteral("the repeat rule's %1 was dropped").arg(part.section(QLatin1Char('='), 0, 0));
            }
        } else if (p.name == QLatin1String("RDATE") || p.name == QLatin1String("EXDATE"))
            simplified << QStringLiteral("%1 was dropped").arg(p.name);
    }
    if (!inEvent) {
        error = QStringLiteral("no event in the calendar resource");
        return false;
    }
    if (!hasStart) {
        error = QStringLiteral("the event has no start that can be read");
        return false;
    }
    if (r.m_Message.isEmpty())
        r.m_Message = description;
    if (r.m_Shown && r.m_LastShown < r.m_DateTime - r.m_AdvanceNotice && r.IsOneTime())
        r.ResetShown(); // acknowledged before its time: an earlier edit's answer
    out.m_Reminder = r;
    out.m_Simplified = !simplified.isEmpty();
    out.m_SimplifiedHow = simplified.join(QStringLiteral("; "));
    return true;
}
