#include "ical/CIcsLine.h"

namespace {

QByteArray unfoldedText(QByteArray text)
{
    text.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "");
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    return text;
}

qsizetype valueColon(const QByteArray &line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

bool continuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

CIcsLine CIcsLine::Read(const QByteArray &raw)
{
    CIcsLine line;
    line.m_Raw = raw;
    // Every physical line ends in CRLF, the folded ones too.
    for (qsizetype at = line.m_Raw.indexOf('\n'); at >= 0; at = line.m_Raw.indexOf('\n', at + 1))
        if (at == 0 || line.m_Raw[at - 1] != '\r')
            line.m_Raw.insert(at++, '\r');
    line.m_Unfolded = unfoldedText(raw);
    qsizetype end = 0;
    while (end < line.m_Unfolded.size() && line.m_Unfolded[end] != ':' && line.m_Unfolded[end] != ';')
        ++end;
    line.m_Name = line.m_Unfolded.left(end).trimmed().toUpper();
    return line;
}

CIcsLine CIcsLine::Written(const QByteArray &text)
{
    CIcsLine line = Read(unfoldedText(text) + "\r\n");
    line.m_Raw = Fold(line.m_Unfolded);
    return line;
}

QByteArray CIcsLine::Fold(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / kMaxOctets * 3 + 2);
    qsizetype at = 0;
    int room = kMaxOctets;
    while (text.size() - at > room) {
        qsizetype cut = at + room;
        while (cut > at && continuesCharacter(text[cut]))
            --cut;
        out += text.mid(at, cut - at);
        out += "\r\n ";
        at = cut;
        room = kMaxOctets - 1; // the space that begins the next line counts
    }
    out += text.mid(at);
    out += "\r\n";
    return out;
}

QByteArray CIcsLine::Value() const
{
    const qsizetype colon = valueColon(m_Unfolded);
    return colon < 0 ? QByteArray() : m_Unfolded.mid(colon + 1);
}

QByteArray CIcsLine::Head() const
{
    const qsizetype colon = valueColon(m_Unfolded);
    return colon < 0 ? m_Unfolded : m_Unfolded.left(colon);
}
