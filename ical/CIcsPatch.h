#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

// Changes to a calendar resource another program wrote, made in its own
// text: the lines of what changed are replaced or added, and every other
// line (other properties, alarms, time zones, changed occurrences) stays
// as it was, byte for byte and folded as it was. The library reads the
// resource and writes each new line. The changes go to the main event (the
// first VEVENT without a RECURRENCE-ID) and its display alarm.
class CIcsPatch
{
public:
    // False with a reason when the text holds no event to change.
    bool Load(const QByteArray &text, QString &error);
    QByteArray Text() const;

    // RFC 9074: the display alarm was answered at utc. False when the event
    // has no display alarm.
    bool SetAcknowledged(const QDateTime &utc);
    // SUMMARY the first line, DESCRIPTION as the event kept it (the whole
    // message when it began with the summary, else the lines after it).
    void SetMessage(const QString &message);
    // DTSTART (and DTEND with it) later by seconds, in the event's own zone.
    void MoveStart(qint64 seconds);
    // The display alarm's TRIGGER; an alarm is added when there is none.
    void SetNotice(long long minutes);
    // FREQ=YEARLY, MONTHLY or WEEKLY; 0 (one time) takes the RRULE away.
    void SetRepeat(int kind);
    void SetPrivate(bool isPrivate);
    // An X- property of the event; an empty value takes it away.
    void SetX(const char *name, const QByteArray &value);
    // DTSTAMP now; after an edit also LAST-MODIFIED and SEQUENCE.
    void Touch(bool edited);

    struct Line
    {
        QByteArray m_Raw;      // as it stood, folding and line ends included
        QByteArray m_Name;     // upper case
        QByteArray m_Unfolded; // without the line end
    };
private:
    struct Range
    {
        int m_Begin = -1; // the BEGIN line
        int m_End = -1;   // the END line
        bool Valid() const { return m_Begin >= 0; }
    };

    Range mainEvent() const;
    Range displayAlarm() const;
    int find(const Range &r, const QByteArray &name) const;
    void put(const Range &r, const QByteArray &name, const QByteArray &line);
    void remove(const Range &r, const QByteArray &name);
    Line lineOf(QByteArray text) const;
    QByteArray retimed(const QByteArray &unfolded, qint64 seconds) const;

    std::vector<Line> m_Lines;
    QByteArray m_Eol = "\r\n";
    QByteArray m_Text;
};
