#include "cli/CJsonStream.h"

#include <QLocale>
#include <cmath>

void CJsonStream::Indent()
{
    m_buffer.append(m_depth * 4, ' ');
}

void CJsonStream::Member(const char *key)
{
    if (m_depth > 0) {
        m_buffer.append(m_first ? "\n" : ",\n");
        Indent();
    }
    m_first = false;
    if (key) {
        m_buffer.append('"');
        m_buffer.append(key);
        m_buffer.append("\": ");
    }
}

void CJsonStream::Open(const char *key, char bracket)
{
    Member(key);
    m_buffer.append(bracket);
    ++m_depth;
    m_first = true;
}

void CJsonStream::Close(char bracket)
{
    --m_depth;
    if (!m_first) {
        m_buffer.append('\n');
        Indent();
    }
    m_buffer.append(bracket);
    m_first = false;
    if (m_depth == 0)
        m_buffer.append('\n');
    FlushIfFull();
}

void CJsonStream::AppendString(const QString &text)
{
    static const char kHex[] = "0123456789abcdef";
    m_buffer.append('"');
    // Most text needs no escapes: ASCII goes across as it is.
    const QChar *chars = text.constData();
    qsizetype plain = 0;
    while (plain < text.size() && chars[plain].unicode() >= 0x20 && chars[plain].unicode() < 0x80
           && chars[plain] != QLatin1Char('"') && chars[plain] != QLatin1Char('\\'))
        ++plain;
    if (plain == text.size()) {
        const qsizetype at = m_buffer.size();
        m_buffer.resize(at + plain);
        char *d = m_buffer.data() + at;
        for (qsizetype i = 0; i < plain; ++i)
            d[i] = static_cast<char>(chars[i].unicode());
        m_buffer.append('"');
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    for (const char ch : utf8) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': m_buffer.append("\\\""); break;
        case '\\': m_buffer.append("\\\\"); break;
        case '\b': m_buffer.append("\\b"); break;
        case '\f': m_buffer.append("\\f"); break;
        case '\n': m_buffer.append("\\n"); break;
        case '\r': m_buffer.append("\\r"); break;
        case '\t': m_buffer.append("\\t"); break;
        default:
            if (c < 0x20) {
                const char escape[] = { '\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15] };
                m_buffer.append(escape, sizeof escape);
            } else {
                m_buffer.append(ch);
            }
        }
    }
    m_buffer.append('"');
}

void CJsonStream::Value(const char *key, const QString &text)
{
    Member(key);
    AppendString(text);
}

void CJsonStream::Value(const char *key, const char *ascii)
{
    Member(key);
    m_buffer.append('"');
    m_buffer.append(ascii);
    m_buffer.append('"');
}

void CJsonStream::Value(const char *key, double number)
{
    Member(key);
    // JSON has no infinities or NaN; a document writes them as null too.
    if (std::isfinite(number))
        m_buffer.append(QByteArray::number(number, 'g', QLocale::FloatingPointShortest));
    else
        m_buffer.append("null");
}

void CJsonStream::Value(const char *key, int number)
{
    Member(key);
    m_buffer.append(QByteArray::number(number));
}

void CJsonStream::Value(const char *key, bool flag)
{
    Member(key);
    m_buffer.append(flag ? "true" : "false");
}

bool CJsonStream::Flush()
{
    if (!m_buffer.isEmpty()) {
        if (std::fwrite(m_buffer.constData(), 1, static_cast<size_t>(m_buffer.size()), m_out)
            != static_cast<size_t>(m_buffer.size()))
            m_failed = true;
        m_buffer.resize(0); // keeps the room for the next chunk
    }
    if (std::fflush(m_out) != 0)
        m_failed = true;
    return !m_failed;
}
