#include "ical/CIcsReader.h"

#include "ical/CIcsComponent.h"
#include "ical/CIcsParser.h"
#include "ical/CIcsRecurrence.h"
#include "ical/CIcsZones.h"

#include <QMap>

#include <algorithm>
#include <cctype>

extern "C" {
#include <libical/ical.h>
}

namespace {

bool isItem(icalcomponent *c)
{
    const icalcomponent_kind k = icalcomponent_isa(c);
    return k == ICAL_VEVENT_COMPONENT || k == ICAL_VTODO_COMPONENT;
}

QString plural(int n, const char *one, const char *many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

class Collector
{
public:
    Collector(CIcsReadResult &result, const QDateTime &now) : m_result(result), m_now(now) {}

    void Item(icalcomponent *item, icalcomponent *calendar)
    {
        ++m_items;
        CIcsComponent::Outcome out = CIcsComponent::Map(item, calendar, m_now, m_zones);
        if (!out.m_Skipped.isEmpty()) {
            ++m_result.m_Skipped;
            ++m_skipped[out.m_Skipped];
            return;
        }
        if (out.m_Simplified) {
            ++m_result.m_Simplified;
            for (unsigned bit = 0; bit < CIcsRecurrence::kCount; ++bit)
                if (out.m_Simplified & (1u << bit))
                    ++m_simplified[bit];
        }
        for (CIcsEvent &e : out.m_Events)
            m_result.m_Events.push_back(std::move(e));
    }

    void Walk(icalcomponent *c, icalcomponent *calendar, int depth)
    {
        if (depth > 4)
            return;
        if (isItem(c)) {
            Item(c, calendar);
            return;
        }
        const icalcomponent_kind k = icalcomponent_isa(c);
        if (k != ICAL_VCALENDAR_COMPONENT && k != ICAL_XROOT_COMPONENT)
            return;
        icalcomponent *own = k == ICAL_VCALENDAR_COMPONENT ? c : calendar;
        for (icalcomponent *child = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); child;
             child = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT))
            Walk(child, own, depth + 1);
    }

    void Finish()
    {
        for (unsigned bit = 0; bit < CIcsRecurrence::kCount; ++bit)
            if (m_simplified[bit])
                m_result.m_Notes << plural(m_simplified[bit], "event", "events") + QStringLiteral(": ")
                        + CIcsRecurrence::Describe(static_cast<CIcsRecurrence::Simplification>(1u << bit))
                        + QLatin1Char('.');
        for (auto it = m_skipped.cbegin(); it != m_skipped.cend(); ++it)
            m_result.m_Notes << plural(it.value(), "event left out", "events left out") + QStringLiteral(": ")
                    + it.key() + QLatin1Char('.');
        if (m_items == 0)
            m_result.m_Error = QStringLiteral("it holds no events or to-dos");
    }

private:
    CIcsReadResult &m_result;
    QDateTime m_now;
    const CIcsZones m_zones; // once for the whole import
    int m_items = 0;
    int m_simplified[CIcsRecurrence::kCount] = {};
    QMap<QString, int> m_skipped;
};

} // namespace

CIcsReadResult CIcsReader::Read(const QByteArray &input, const QDateTime &now, std::atomic<qint64> *done)
{
    CIcsReadResult result;
    if (input.size() > kMaxBytes) {
        result.m_Error = QStringLiteral("it is too large to be a calendar");
        return result;
    }
    QByteArray text = input;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    // The parser reads up to the first NUL, which no calendar holds.
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    if (std::all_of(text.cbegin(), text.cend(), [](char c) { return std::isspace(static_cast<unsigned char>(c)); })) {
        result.m_Error = QStringLiteral("it is empty");
        return result;
    }
    Collector collector(result, now);
    CIcsParser parser;
    const bool read = parser.Parse(text, done, [&collector](icalcomponent *item, icalcomponent *calendar) {
        collector.Item(item, calendar);
    });
    if (!read || !parser.Root()) {
        result = CIcsReadResult();
        result.m_Error = read ? QStringLiteral("it is not an iCalendar file that can be read") : parser.Error();
        return result;
    }
    collector.Walk(parser.Root(), nullptr, 0);
    collector.Finish();
    return result;
}
