#pragma once

#include "ical/CIcsLine.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

extern "C" {
#include <libical/ical.h>
}

class CIcsShift;

// Changes to a calendar resource another program wrote, made in its own
// text: the lines of what changed are replaced or added, and every other
// line (other properties, alarms, time zones, changed occurrences) stays
// as it was, byte for byte and folded as it was. The library reads the
// resource and writes each new line, which ends in CRLF and is folded at
// 75 octets. The changes go to the main event (the first VEVENT without a
// RECURRENCE-ID) and to its notice alarm: the display or audio alarm the
// reminder's notice is read from (CIcsAlarms), which is also the one an
// answer goes on.
class CIcsPatch
{
public:
    CIcsPatch();
    ~CIcsPatch();
    CIcsPatch(const CIcsPatch &) = delete;
    CIcsPatch &operator=(const CIcsPatch &) = delete;

    // False with a reason when the text holds no event to change.
    bool Load(const QByteArray &text, QString &error);
    QByteArray Text() const;

    // The ORGANIZER's address, "mailto:" taken off, in lower case; empty
    // when the event names none.
    QString Organizer() const;
    // How long the event lasts (DTEND or DURATION), in seconds; 0 when it
    // does not say.
    qint64 Length() const;

    // RFC 9074: the notice alarm answered at utc, and X-MOZ-LASTACK with it
    // where Thunderbird keeps one. An answer only ever moves later: false
    // when a later one stands, or there is no notice alarm.
    bool SetAcknowledged(const QDateTime &utc);
    // Takes away each answer (the alarms' ACKNOWLEDGED, X-MOZ-LASTACK)
    // given at a time for which stands is false; true when one went.
    bool VoidAnswers(const std::function<bool(const QDateTime &utc)> &stands);
    // SUMMARY the first line, DESCRIPTION as the event kept it (the whole
    // message when it began with the summary, else the lines after it). A
    // new description drops the HTML one (X-ALT-DESC) that told the old.
    void SetMessage(const QString &message);

    enum Move { Moved, NotWholeDays, CannotFollow };
    // The whole event from one wall-clock time here to another, in its own
    // zone: DTSTART and DTEND, and with them its excluded, extra and
    // changed occurrences, absolute alarm times and the rule's parts, so
    // that every occurrence moves alike. Nothing changes when that cannot
    // be: an all-day event moved by less than a day, a rule no shift of its
    // parts keeps (the last Friday of the month, three days later).
    Move MoveStart(const QDateTime &from, const QDateTime &to);
    // The notice alarm's TRIGGER; an alarm is added when there is none.
    // False, changing nothing, when another alarm would then ring first
    // (the notice would be read from that one).
    bool SetNotice(long long minutes);
    // FREQ=YEARLY, MONTHLY or WEEKLY; 0 (one time) takes the RRULE away.
    void SetRepeat(int kind);
    void SetPrivate(bool isPrivate);
    // An X- property of the event; an empty value takes it away.
    void SetX(const char *name, const QByteArray &value);
    // After a change of the event itself: DTSTAMP and LAST-MODIFIED now,
    // and SEQUENCE one up when the change was significant (RFC 5546).
    void Touch(bool significant);

private:
    struct Range
    {
        int m_Begin = -1; // the BEGIN line
        int m_End = -1;   // the END line
        bool Valid() const { return m_Begin >= 0; }
    };

    Range mainEvent() const;
    std::vector<Range> children(const Range &r, const QByteArray &kind) const;
    std::vector<Range> overrides() const;
    Range noticeAlarm() const;
    int find(const Range &r, const QByteArray &name) const;
    std::vector<int> findAll(const Range &r, const QByteArray &name) const;
    void put(const Range &r, const QByteArray &name, const QByteArray &line);
    void remove(const Range &r, const QByteArray &name);
    bool shiftLines(const CIcsShift &shift);

    std::vector<CIcsLine> m_Lines;
    QByteArray m_Text;
    icalcomponent *m_Calendar = nullptr;      // the text as loaded: its zones and alarms
    int m_NoticeAlarm = -1;                   // which VALARM of the main event
    long long m_NextLead = -1;                // seconds before the start of the next alarm after it
};
