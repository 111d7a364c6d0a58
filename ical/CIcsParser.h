#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>

extern "C" {
#include <libical/ical.h>
}

// iCalendar text as the library's components, in time linear in the
// text's size: the lines are unfolded here, each content line once, and
// handed to the library one by one (its own line reader scans the rest of
// a line again for every few hundred bytes it takes, so one long line
// costs the square of its length). Text the library would recurse through
// too deeply, or whose lines carry parameters by the thousand (each costs
// a pass over the ones before it), is refused before it is read.
class CIcsParser
{
public:
    // Calendars nest three deep (calendar, event, alarm).
    static constexpr int kMaxDepth = 16;
    // Real properties carry a handful (ATTENDEE has the most).
    static constexpr int kMaxParameters = 100;

    CIcsParser() = default;
    CIcsParser(const CIcsParser &) = delete;
    CIcsParser &operator=(const CIcsParser &) = delete;
    ~CIcsParser();

    // False with Error() set when the text is refused; Root() is then null.
    // done, when given, follows the bytes read so far (for another thread).
    bool Parse(const QByteArray &text, std::atomic<qint64> *done = nullptr);
    icalcomponent *Root() const { return m_root; }
    const QString &Error() const { return m_error; }

private:
    bool addLine(icalparser *parser, QByteArray &line);

    icalcomponent *m_root = nullptr;
    int m_depth = 0;
    QString m_error;
};
