#include "ical/CIcsReader.h"

#include "ical/CIcsComponent.h"
#include "ical/CIcsLibrary.h"
#include "ical/CIcsRecurrence.h"

#include <QMap>

extern "C" {
#include <libical/ical.h>
}

namespace {

struct Owned
{
    icalcomponent *m_c = nullptr;
    ~Owned()
    {
        if (m_c)
            icalcomponent_free(m_c);
    }
};

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
    explicit Collector(CIcsReadResult &result) : m_result(result) {}

    void Item(icalcomponent *item, icalcomponent *calendar)
    {
        ++m_items;
        CIcsComponent::Outcome out = CIcsComponent::Map(item, calendar);
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
    int m_items = 0;
    int m_simplified[CIcsRecurrence::kCount] = {};
    QMap<QString, int> m_skipped;
};

// How deep BEGIN lines nest, read as the parser reads them: a line that
// starts with a space or tab continues the one before, and the name runs
// to the first ':' or ';'. The library frees and walks its components
// recursively, so a file nesting thousands deep would overflow the stack.
int nestingDepth(const QByteArray &text)
{
    int depth = 0;
    int deepest = 0;
    QByteArray name;
    bool nameDone = false;
    auto endLogicalLine = [&] {
        const QByteArray word = name.trimmed().toUpper();
        if (word == "BEGIN")
            deepest = std::max(deepest, ++depth);
        else if (word == "END" && depth > 0)
            --depth;
        name.clear();
        nameDone = false;
    };
    bool lineStart = true;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            lineStart = true;
            continue;
        }
        if (lineStart) {
            lineStart = false;
            if (c == ' ' || c == '\t')
                continue; // a folded line goes on
            endLogicalLine();
        }
        if (nameDone)
            continue;
        if (c == ':' || c == ';' || name.size() > 16)
            nameDone = true;
        else
            name += c;
    }
    endLogicalLine();
    return deepest;
}

} // namespace

CIcsReadResult CIcsReader::Read(const QByteArray &input)
{
    CIcsReadResult result;
    if (input.size() > kMaxBytes) {
        result.m_Error = QStringLiteral("it is too large to be a calendar");
        return result;
    }
    CIcsLibrary::Prepare();
    QByteArray text = input;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    // The parser reads up to the first NUL, which no calendar holds.
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    if (text.trimmed().isEmpty()) {
        result.m_Error = QStringLiteral("it is empty");
        return result;
    }
    if (nestingDepth(text) > kMaxDepth) {
        result.m_Error = QStringLiteral("its parts are nested too deeply for a calendar");
        return result;
    }
    Owned root { icalparser_parse_string(text.constData()) };
    if (!root.m_c) {
        result.m_Error = QStringLiteral("it is not an iCalendar file that can be read");
        return result;
    }
    Collector collector(result);
    collector.Walk(root.m_c, nullptr, 0);
    collector.Finish();
    return result;
}
