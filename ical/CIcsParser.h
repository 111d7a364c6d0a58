#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <vector>

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
//
// Given an item sink, the events and to-dos of each calendar are handed
// to it one at a time, with their calendar, and freed after: the tree in
// memory is then only the calendars' own parts (time zones, properties),
// however many events the file holds. Those parts are read first, in a
// pass of their own, since a time zone may follow the events that use it.
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

    using ItemSink = std::function<void(icalcomponent *item, icalcomponent *calendar)>;

    // False with Error() set when the text is refused; Root() is then null.
    // done, when given, follows the bytes read so far (for another thread).
    bool Parse(const QByteArray &text, std::atomic<qint64> *done = nullptr, const ItemSink &items = {});
    icalcomponent *Root() const { return m_root; }
    const QString &Error() const { return m_error; }

private:
    struct Completed
    {
        qint64 m_End; // where the text of the component ends
        icalcomponent *m_Component;
    };

    bool forEachLine(const QByteArray &text, const std::function<bool(QByteArray &, qint64)> &take);
    // name: the line's name (up to its first ':' or ';'), upper case.
    bool addLine(icalparser *parser, QByteArray &line, const QByteArray &name, icalcomponent **done);
    void adopt(icalcomponent *done);
    bool readCalendars(const QByteArray &text, std::atomic<qint64> *done, bool streamed,
                       std::vector<Completed> &completed);
    bool readItems(const QByteArray &text, std::atomic<qint64> *done, const std::vector<Completed> &completed,
                   const ItemSink &items);

    icalcomponent *m_root = nullptr;
    int m_depth = 0;
    QString m_error;
};
