#pragma once

#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QByteArray>
#include <QString>

class CReminder;

// The reminder fields iCalendar has no place for travel in X-KESTRELMARK-*
// properties. Their values are plain ASCII: numbers exactly as stored (so
// that a file read back gives the same bits) and texts percent-encoded (so
// that no other program's escaping rules can change them).
class CIcsFields
{
public:
    static constexpr const char *kDateTime = "X-KESTRELMARK-DATETIME";
    static constexpr const char *kNotice = "X-KESTRELMARK-NOTICE";
    static constexpr const char *kRecurrence = "X-KESTRELMARK-RECURRENCE";
    static constexpr const char *kLastShown = "X-KESTRELMARK-LASTSHOWN";
    static constexpr const char *kReshow = "X-KESTRELMARK-RESHOW";
    static constexpr const char *kShown = "X-KESTRELMARK-SHOWN";
    static constexpr const char *kIcon = "X-KESTRELMARK-ICON";
    static constexpr const char *kIconNumber = "X-KESTRELMARK-ICONNUMBER";
    static constexpr const char *kSound = "X-KESTRELMARK-SOUND";
    static constexpr const char *kReserved = "X-KESTRELMARK-RESERVED";
    static constexpr const char *kReservedSpan = "X-KESTRELMARK-RESERVEDSPAN";
    static constexpr const char *kMessage = "X-KESTRELMARK-MESSAGE";

    static QByteArray EncodeDate(const COleDateTime &value);
    static bool DecodeDate(const QByteArray &text, COleDateTime &value);
    static QByteArray EncodeSpan(const COleDateTimeSpan &value);
    static bool DecodeSpan(const QByteArray &text, COleDateTimeSpan &value);
    static QByteArray EncodeText(const QString &text);
    static QString DecodeText(const QByteArray &text);

    // What DTSTART shows of a reminder's date: its parts, or the default
    // date's when it has none.
    static COleDateTime::Parts StartParts(const COleDateTime &value);
    // The notice the alarm gives, in whole minutes before the start; a
    // negative or broken notice alarms at the start.
    static long long NoticeMinutes(const COleDateTimeSpan &notice);
    // The repeat the RRULE shows; codes beyond the three kinds are one-time.
    static int ShownRecurrence(int code);
    // The message as DESCRIPTION carries it: every line break one LF.
    static QString PortableMessage(const QString &message);
};
