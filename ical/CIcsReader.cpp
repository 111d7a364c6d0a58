#include "ical/CIcsReader.h"

#include "ical/CIcsComponent.h"
#include "ical/CIcsParser.h"
#include "ical/CIcsRecurrence.h"
#include "ical/CIcsZones.h"
#include "l10n/CNotes.h"

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
        // One apart, so that English keeps "1 event"; the sync reads the
        // counts off these English forms.
        for (unsigned bit = 0; bit < CIcsRecurrence::kCount; ++bit) {
            const int n = m_simplified[bit];
            if (n)
                m_result.m_Notes << (n == 1 ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "1 event: %1."))
                                            : CNotes::Note(QT_TRANSLATE_N_NOOP("CNotes", "%n events: %1."), n))
                                        .arg(CIcsRecurrence::Describe(static_cast<CIcsRecurrence::Simplification>(1u << bit)));
        }
        for (auto it = m_skipped.cbegin(); it != m_skipped.cend(); ++it)
            m_result.m_Notes << (it.value() == 1 ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "1 event left out: %1."))
                                                 : CNotes::Note(QT_TRANSLATE_N_NOOP("CNotes", "%n events left out: %1."), it.value()))
                                    .arg(it.key());
        if (m_items == 0)
            m_result.m_Error = m_result.m_NotUtf8.isEmpty()
                ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it holds no events or to-dos"))
                : CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it holds no events or to-dos (%1)")).arg(m_result.m_NotUtf8);
    }

private:
    CIcsReadResult &m_result;
    QDateTime m_now;
    const CIcsZones m_zones; // once for the whole import
    int m_items = 0;
    int m_simplified[CIcsRecurrence::kCount] = {};
    QMap<QString, int> m_skipped;
};

// The length of the UTF-8 sequence at i, or 0 when it is not one.
int sequenceAt(const QByteArray &text, qsizetype i)
{
    const auto at = [&](qsizetype k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
    const unsigned c = at(i);
    const auto tail = [&](qsizetype k) { return (at(k) & 0xC0) == 0x80; };
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return tail(i + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const unsigned lo = c == 0xE0 ? 0xA0 : 0x80, hi = c == 0xED ? 0x9F : 0xBF;
        return at(i + 1) >= lo && at(i + 1) <= hi && tail(i + 2) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const unsigned lo = c == 0xF0 ? 0x90 : 0x80, hi = c == 0xF4 ? 0x8F : 0xBF;
        return at(i + 1) >= lo && at(i + 1) <= hi && tail(i + 2) && tail(i + 3) ? 4 : 0;
    }
    return 0;
}

// Where the text first is not UTF-8, for the user: the line and the byte.
QString firstNotUtf8(const QByteArray &text)
{
    int line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size();) {
        const int n = sequenceAt(text, i);
        if (n == 0)
            return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "line %1 is not UTF-8 text: its byte %2 is 0x%3 (read as a replacement character)"))
                .arg(line)
                .arg(i - lineStart + 1)
                .arg(QString::number(static_cast<unsigned char>(text[i]), 16).toUpper().rightJustified(2, QLatin1Char('0')));
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
        i += n;
    }
    return QString();
}

} // namespace

CIcsReadResult CIcsReader::Read(const QByteArray &input, const QDateTime &now, std::atomic<qint64> *done)
{
    CIcsReadResult result;
    if (input.size() > kMaxBytes) {
        result.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it is too large to be a calendar"));
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
        result.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it is empty"));
        return result;
    }
    result.m_NotUtf8 = firstNotUtf8(text);
    Collector collector(result, now);
    CIcsParser parser;
    const bool read = parser.Parse(text, done, [&collector](icalcomponent *item, icalcomponent *calendar) {
        collector.Item(item, calendar);
    });
    if (!read || !parser.Root()) {
        const QString notUtf8 = result.m_NotUtf8;
        result = CIcsReadResult();
        result.m_Error = read ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it is not an iCalendar file that can be read")) : parser.Error();
        if (!notUtf8.isEmpty())
            //: A note and, in brackets, what else is known of it.
            result.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 (%2)")).arg(result.m_Error, notUtf8);
        return result;
    }
    collector.Walk(parser.Root(), nullptr, 0);
    collector.Finish();
    if (!result.m_NotUtf8.isEmpty())
        result.m_Notes.prepend(result.m_NotUtf8);
    return result;
}
