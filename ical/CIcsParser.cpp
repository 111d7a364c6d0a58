#include "ical/CIcsParser.h"

#include "ical/CIcsLibrary.h"
#include "l10n/CNotes.h"

#include <cstring>
#include <memory>

namespace {

struct ParserFree
{
    void operator()(icalparser *p) const { icalparser_free(p); }
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// The name of a content line, up to its first ':' or ';', upper case.
QByteArray nameOf(const QByteArray &line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != ':' && line[end] != ';' && end <= 16)
        ++end;
    return line.left(end).trimmed().toUpper();
}

// The value of a content line, after its first ':', upper case.
QByteArray contentValue(const QByteArray &line)
{
    const qsizetype colon = line.indexOf(':');
    return colon < 0 ? QByteArray() : line.mid(colon + 1).trimmed().toUpper();
}

bool isItemKind(const QByteArray &kind) { return kind == "VEVENT" || kind == "VTODO"; }

// The ';' that start parameters: those before the first ':' outside quotes.
int parameterCount(const QByteArray &line)
{
    int count = 0;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ':')
            break;
        else if (!quoted && c == ';')
            ++count;
    }
    return count;
}

} // namespace

CIcsParser::~CIcsParser()
{
    if (m_root)
        icalcomponent_free(m_root);
}

bool CIcsParser::addLine(icalparser *parser, QByteArray &line, const QByteArray &name, icalcomponent **done)
{
    *done = nullptr;
    // As the library's reader does: trailing white space is no part of it.
    qsizetype end = line.size();
    while (end > 0 && isBlank(line[end - 1]))
        --end;
    line.truncate(end);
    if (line.isEmpty())
        return true;
    if (name == "BEGIN" && ++m_depth > kMaxDepth) {
        m_error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "its parts are nested too deeply for a calendar"));
        return false;
    }
    if (name == "END" && m_depth > 0)
        --m_depth;
    if (parameterCount(line) > kMaxParameters) {
        m_error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "one of its lines has more parameters than any calendar uses"));
        return false;
    }
    *done = icalparser_add_line(parser, line.data());
    return true;
}

void CIcsParser::adopt(icalcomponent *done)
{
    // Several top-level components go under one root, as the library's
    // own reader puts them.
    if (!m_root) {
        m_root = done;
        return;
    }
    if (icalcomponent_isa(m_root) != ICAL_XROOT_COMPONENT) {
        icalcomponent *all = icalcomponent_new(ICAL_XROOT_COMPONENT);
        icalcomponent_add_component(all, m_root);
        m_root = all;
    }
    icalcomponent_add_component(m_root, done);
}

// Hands each content line, unfolded, to take with where its text ends.
bool CIcsParser::forEachLine(const QByteArray &text, const std::function<bool(QByteArray &, qint64)> &take)
{
    // A physical line that starts with a space or tab continues the one
    // before; the line break and that one character are dropped.
    const char *at = text.constData();
    const char *const stop = at + text.size();
    QByteArray line;
    bool haveLine = false;
    while (at < stop) {
        const char *nl = static_cast<const char *>(std::memchr(at, '\n', size_t(stop - at)));
        const char *lineEnd = nl ? nl : stop;
        const char *contentEnd = lineEnd;
        if (contentEnd > at && contentEnd[-1] == '\r')
            --contentEnd;
        if ((*at == ' ' || *at == '\t') && haveLine) {
            line.append(at + 1, contentEnd - at - 1);
        } else {
            if (haveLine && !take(line, at - text.constData()))
                return false;
            line = QByteArray(at, contentEnd - at);
            haveLine = true;
        }
        at = nl ? nl + 1 : stop;
    }
    return !haveLine || take(line, text.size());
}

// The calendars with what they hold; when streamed, without their events
// and to-dos, each skipped from its BEGIN to its own END.
bool CIcsParser::readCalendars(const QByteArray &text, std::atomic<qint64> *done, bool streamed,
                               std::vector<Completed> &completed)
{
    std::unique_ptr<icalparser, ParserFree> parser(icalparser_new());
    bool inCalendar = false;
    int skipping = 0;
    return forEachLine(text, [&](QByteArray &line, qint64 end) {
        if (done)
            done->store(streamed ? end / 2 : end, std::memory_order_relaxed);
        const QByteArray name = nameOf(line);
        if (skipping) {
            skipping += name == "BEGIN" ? 1 : name == "END" ? -1 : 0;
            return true;
        }
        if (name == "BEGIN") {
            const QByteArray kind = contentValue(line);
            if (streamed && inCalendar && m_depth == 1 && isItemKind(kind)) {
                skipping = 1;
                return true;
            }
            if (m_depth == 0)
                inCalendar = kind == "VCALENDAR";
        }
        icalcomponent *top = nullptr;
        if (!addLine(parser.get(), line, name, &top))
            return false;
        if (top) {
            adopt(top);
            completed.push_back({ end, top });
        }
        return true;
    });
}

// Each event or to-do skipped above, read on its own and handed over with
// the calendar it sits in; one whose calendar never ended is dropped with
// that calendar.
bool CIcsParser::readItems(const QByteArray &text, std::atomic<qint64> *done,
                           const std::vector<Completed> &completed, const ItemSink &items)
{
    std::unique_ptr<icalparser, ParserFree> item;
    int depth = 0;
    int nesting = 0;
    bool inCalendar = false;
    size_t calendar = 0;
    qint64 last = 0;
    return forEachLine(text, [&](QByteArray &line, qint64 end) {
        if (done)
            done->store(text.size() / 2 + end / 2, std::memory_order_relaxed);
        const QByteArray name = nameOf(line);
        if (!item) {
            if (name == "BEGIN") {
                const QByteArray kind = contentValue(line);
                if (inCalendar && depth == 1 && isItemKind(kind)) {
                    item.reset(icalparser_new());
                    nesting = 0;
                    m_depth = 1;
                } else {
                    if (depth == 0)
                        inCalendar = kind == "VCALENDAR";
                    ++depth;
                }
            } else if (name == "END" && depth > 0) {
                --depth;
            }
            last = end;
            if (!item)
                return true;
        }
        nesting += name == "BEGIN" ? 1 : name == "END" ? -1 : 0;
        icalcomponent *read = nullptr;
        if (!addLine(item.get(), line, name, &read))
            return false;
        if (nesting > 0 && !read)
            return true;
        item.reset();
        if (!read)
            return true;
        while (calendar < completed.size() && completed[calendar].m_End < last)
            ++calendar;
        if (calendar < completed.size() && icalcomponent_isa(completed[calendar].m_Component) == ICAL_VCALENDAR_COMPONENT)
            items(read, completed[calendar].m_Component);
        icalcomponent_free(read);
        return true;
    });
}

bool CIcsParser::Parse(const QByteArray &text, std::atomic<qint64> *done, const ItemSink &items)
{
    CIcsLibrary::Prepare();
    if (m_root) {
        icalcomponent_free(m_root);
        m_root = nullptr;
    }
    m_depth = 0;
    m_error.clear();
    const icalerrorstate was = icalerror_get_error_state(ICAL_MALFORMEDDATA_ERROR);
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, ICAL_ERROR_NONFATAL);
    std::vector<Completed> completed;
    bool ok = readCalendars(text, done, bool(items), completed);
    if (ok && items && m_root)
        ok = readItems(text, done, completed, items);
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, was);
    if (!ok && m_root) {
        icalcomponent_free(m_root);
        m_root = nullptr;
    }
    return ok;
}
