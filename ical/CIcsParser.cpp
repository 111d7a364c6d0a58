#include "ical/CIcsParser.h"

#include "ical/CIcsLibrary.h"

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

bool CIcsParser::addLine(icalparser *parser, QByteArray &line)
{
    // As the library's reader does: trailing white space is no part of it.
    qsizetype end = line.size();
    while (end > 0 && isBlank(line[end - 1]))
        --end;
    line.truncate(end);
    if (line.isEmpty())
        return true;
    const QByteArray name = nameOf(line);
    if (name == "BEGIN" && ++m_depth > kMaxDepth) {
        m_error = QStringLiteral("its parts are nested too deeply for a calendar");
        return false;
    }
    if (name == "END" && m_depth > 0)
        --m_depth;
    if (parameterCount(line) > kMaxParameters) {
        m_error = QStringLiteral("one of its lines has more parameters than any calendar uses");
        return false;
    }
    icalcomponent *done = icalparser_add_line(parser, line.data());
    if (!done)
        return true;
    // Several top-level components go under one root, as the library's
    // own reader puts them.
    if (!m_root) {
        m_root = done;
    } else {
        if (icalcomponent_isa(m_root) != ICAL_XROOT_COMPONENT) {
            icalcomponent *all = icalcomponent_new(ICAL_XROOT_COMPONENT);
            icalcomponent_add_component(all, m_root);
            m_root = all;
        }
        icalcomponent_add_component(m_root, done);
    }
    return true;
}

bool CIcsParser::Parse(const QByteArray &text, std::atomic<qint64> *done)
{
    CIcsLibrary::Prepare();
    if (m_root) {
        icalcomponent_free(m_root);
        m_root = nullptr;
    }
    m_depth = 0;
    m_error.clear();
    std::unique_ptr<icalparser, ParserFree> parser(icalparser_new());
    const icalerrorstate was = icalerror_get_error_state(ICAL_MALFORMEDDATA_ERROR);
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, ICAL_ERROR_NONFATAL);

    // A physical line that starts with a space or tab continues the one
    // before; the line break and that one character are dropped.
    const char *at = text.constData();
    const char *const stop = at + text.size();
    QByteArray line;
    bool haveLine = false;
    bool ok = true;
    while (ok && at < stop) {
        const char *nl = static_cast<const char *>(std::memchr(at, '\n', size_t(stop - at)));
        const char *lineEnd = nl ? nl : stop;
        const char *contentEnd = lineEnd;
        if (contentEnd > at && contentEnd[-1] == '\r')
            --contentEnd;
        if ((*at == ' ' || *at == '\t') && haveLine) {
            line.append(at + 1, contentEnd - at - 1);
        } else {
            if (haveLine)
                ok = addLine(parser.get(), line);
            line = QByteArray(at, contentEnd - at);
            haveLine = true;
        }
        at = nl ? nl + 1 : stop;
        if (done)
            done->store(at - text.constData(), std::memory_order_relaxed);
    }
    if (ok && haveLine)
        ok = addLine(parser.get(), line);
    icalerror_set_error_state(ICAL_MALFORMEDDATA_ERROR, was);
    if (!ok && m_root) {
        icalcomponent_free(m_root);
        m_root = nullptr;
    }
    return ok;
}
