#include "ical/CIcsWriter.h"

#include "ical/CIcsFields.h"
#include "ical/CIcsLibrary.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QTimeZone>

extern "C" {
#include <libical/ical.h>
}

const char *const CIcsWriter::kProductId = "-//Quendrake Inc//Kestrelmark 2.0//EN";

namespace {

void addX(icalcomponent *c, const char *name, const QByteArray &value)
{
    // An X property needs a value; an empty text is told by its absence.
    if (value.isEmpty())
        return;
    icalproperty *p = icalproperty_new_x(value.constData());
    icalproperty_set_x_name(p, name);
    icalcomponent_add_property(c, p);
}

icaltimetype floatingTime(const COleDateTime::Parts &p)
{
    icaltimetype t = icaltime_null_time();
    t.year = p.year;
    t.month = p.month;
    t.day = p.day;
    t.hour = p.hour;
    t.minute = p.minute;
    t.second = p.second;
    t.is_date = 0;
    return t;
}

icaltimetype utcTime(const QDateTime &dt)
{
    const QDateTime u = dt.toUTC();
    icaltimetype t = icaltime_null_time();
    t.year = u.date().year();
    t.month = u.date().month();
    t.day = u.date().day();
    t.hour = u.time().hour();
    t.minute = u.time().minute();
    t.second = u.time().second();
    t.zone = icaltimezone_get_utc_timezone();
    return t;
}

QDateTime localOf(const COleDateTime::Parts &p)
{
    return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second));
}

icalcomponent *newCalendar()
{
    icalcomponent *cal = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal, icalproperty_new_prodid(CIcsWriter::kProductId));
    return cal;
}

icalcomponent *newAlarm(const CReminder &r, const QString &summary, bool acknowledged)
{
    icalcomponent *alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    const QString text = summary.isEmpty() ? QStringLiteral("Reminder") : summary;
    icalcomponent_add_property(alarm, icalproperty_new_description(text.toUtf8().constData()));
    const long long minutes = CIcsFields::NoticeMinutes(r.m_AdvanceNotice);
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    trigger.duration.is_neg = minutes > 0 ? 1 : 0;
    trigger.duration.days = static_cast<unsigned>(minutes / (24 * 60));
    trigger.duration.hours = static_cast<unsigned>(minutes / 60 % 24);
    trigger.duration.minutes = static_cast<unsigned>(minutes % 60);
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    if (acknowledged) {
        // Acknowledged at the last showing, which cannot lie before the
        // alarm of the first occurrence for a reader to believe it.
        const QDateTime alarmAt = localOf(CIcsFields::StartParts(r.m_DateTime)).addSecs(-minutes * 60);
        QDateTime at = alarmAt;
        COleDateTime::Parts shown {};
        if (r.m_LastShown.GetStatus() == COleDateTime::valid && r.m_LastShown.GetParts(shown)
            && localOf(shown) > alarmAt)
            at = localOf(shown);
        icalcomponent_add_property(alarm, icalproperty_new_acknowledged(utcTime(at)));
    }
    return alarm;
}

icalcomponent *newEvent(const CReminder &r, const QString &uid, bool acknowledged, qint64 length)
{
    icalcomponent *ev = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(ev, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(ev, icalproperty_new_dtstamp(utcTime(QDateTime::currentDateTimeUtc())));
    const COleDateTime::Parts start = CIcsFields::StartParts(r.m_DateTime);
    icalcomponent_add_property(ev, icalproperty_new_dtstart(floatingTime(start)));
    if (length > 0) {
        const QDateTime end = QDateTime(QDate(start.year, start.month, start.day),
                                        QTime(start.hour, start.minute, start.second), Qt::UTC)
                                  .addSecs(length);
        COleDateTime::Parts e = start;
        e.year = end.date().year();
        e.month = end.date().month();
        e.day = end.date().day();
        e.hour = end.time().hour();
        e.minute = end.time().minute();
        e.second = end.time().second();
        icalcomponent_add_property(ev, icalproperty_new_dtend(floatingTime(e)));
    }

    icalrecurrencetype_frequency freq = ICAL_NO_RECURRENCE;
    switch (CIcsFields::ShownRecurrence(r.m_Recurrence)) {
    case RecurAnnual: freq = ICAL_YEARLY_RECURRENCE; break;
    case RecurMonthly: freq = ICAL_MONTHLY_RECURRENCE; break;
    case RecurWeekly: freq = ICAL_WEEKLY_RECURRENCE; break;
    default: break;
    }
    if (freq != ICAL_NO_RECURRENCE) {
        icalrecurrencetype rule;
        icalrecurrencetype_clear(&rule);
        rule.freq = freq;
        rule.interval = 1;
        icalcomponent_add_property(ev, icalproperty_new_rrule(rule));
    }

    const QString portable = CIcsFields::PortableMessage(r.m_Message);
    const QString summary = portable.section(QLatin1Char('\n'), 0, 0);
    // Empty texts are left out: an empty value is no value to a reader.
    if (!summary.isEmpty())
        icalcomponent_add_property(ev, icalproperty_new_summary(summary.toUtf8().constData()));
    if (!portable.isEmpty())
        icalcomponent_add_property(ev, icalproperty_new_description(portable.toUtf8().constData()));
    // Line ends other than LF, and spaces at either end (which readers take
    // off a value), travel in the exact copy.
    if (portable != r.m_Message || portable.trimmed() != portable)
        addX(ev, CIcsFields::kMessage, CIcsFields::EncodeText(r.m_Message));
    if (r.m_Private)
        icalcomponent_add_property(ev, icalproperty_new_class(ICAL_CLASS_PRIVATE));

    addX(ev, CIcsFields::kDateTime, CIcsFields::EncodeDate(r.m_DateTime));
    addX(ev, CIcsFields::kNotice, CIcsFields::EncodeSpan(r.m_AdvanceNotice));
    addX(ev, CIcsFields::kRecurrence, QByteArray::number(r.m_Recurrence));
    addX(ev, CIcsFields::kIcon, CIcsFields::EncodeText(r.m_IconName));
    addX(ev, CIcsFields::kIconNumber, QByteArray::number(r.m_IconNumber));
    addX(ev, CIcsFields::kSound, CIcsFields::EncodeText(r.m_SoundFileName));
    addX(ev, CIcsFields::kShown, r.m_Shown ? "1" : "0");
    addX(ev, CIcsFields::kLastShown, CIcsFields::EncodeDate(r.m_LastShown));
    addX(ev, CIcsFields::kReshow, CIcsFields::EncodeSpan(r.m_ReshowInterval));
    addX(ev, CIcsFields::kReserved,
         QByteArray(r.m_ReservedFlag ? "1" : "0") + ';' + QByteArray(r.m_ReservedFlag2 ? "1" : "0"));
    addX(ev, CIcsFields::kReservedSpan, CIcsFields::EncodeSpan(r.m_ReservedSpan));

    icalcomponent_add_component(ev, newAlarm(r, summary, acknowledged));
    return ev;
}

QByteArray finish(icalcomponent *cal)
{
    char *text = icalcomponent_as_ical_string_r(cal);
    QByteArray bytes(text ? text : "");
    icalmemory_free_buffer(text);
    icalcomponent_free(cal);
    return bytes;
}

} // namespace

QString CIcsWriter::UidFor(const CReminder &r)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(CIcsFields::EncodeDate(r.m_DateTime));
    hash.addData(QByteArray::number(r.m_Recurrence));
    hash.addData(CIcsFields::EncodeSpan(r.m_AdvanceNotice));
    hash.addData(r.m_Message.toUtf8());
    hash.addData(QByteArray(1, 0));
    hash.addData(r.m_IconName.toUtf8());
    return QString::fromLatin1(hash.result().toHex().left(32)) + QStringLiteral("@kestrelmark");
}

QByteArray CIcsWriter::WriteCalendar(const std::vector<CReminder> &reminders)
{
    CIcsLibrary::Prepare();
    icalcomponent *cal = newCalendar();
    for (const CReminder &r : reminders)
        icalcomponent_add_component(cal, newEvent(r, UidFor(r), false, 0));
    return finish(cal);
}

QByteArray CIcsWriter::WriteEvent(const CReminder &r, const QString &uid, bool acknowledged, qint64 length)
{
    CIcsLibrary::Prepare();
    icalcomponent *cal = newCalendar();
    icalcomponent_add_component(cal, newEvent(r, uid, acknowledged, length));
    return finish(cal);
}
