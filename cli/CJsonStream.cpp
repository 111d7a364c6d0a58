#include "cli/CJsonStream.h"

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cerrno>
#include <cstring>
#include <unistd.h>

void CJsonStream::PutLong(const char *text, size_t n)
{
    Flush();
    WriteOut(text, n);
}

void CJsonStream::WriteOut(const char *data, size_t n)
{
    // Straight to the descriptor, whole: the stream's own buffer would
    // split every chunk into two writes and copy part of it once more.
    if (std::fflush(m_out) != 0)
        m_failed = true;
    const int fd = fileno(m_out);
    while (n > 0 && !m_failed) {
        const ssize_t written = ::write(fd, data, n);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_failed = true;
            break;
        }
        data += written;
        n -= static_cast<size_t>(written);
    }
}

const char CJsonStream::kSpaces[kInlineIndent + 1] =
    "                                                                ";

void CJsonStream::Indent(size_t n)
{
    while (n > 0) {
        const size_t piece = std::min(n, kInlineIndent);
        Put(kSpaces, piece);
        n -= piece;
    }
}

void CJsonStream::MemberSlowly(const char *key, size_t keyLength)
{
    if (m_depth > 0) {
        if (!m_first)
            Put(',');
        Put('\n');
        Indent(static_cast<size_t>(m_depth) * 4);
    }
    m_first = false;
    if (key) {
        Put('"');
        Put(key, keyLength);
        Put("\": ", 3);
    }
}

void CJsonStream::CloseSlowly(char bracket)
{
    if (!m_first) {
        Put('\n');
        Indent(static_cast<size_t>(m_depth) * 4);
    }
    Put(bracket);
    m_first = false;
    if (m_depth == 0)
        Put('\n');
}

void CJsonStream::AppendString(const QString &text)
{
    static const char kHex[] = "0123456789abcdef";
    Put('"');
    // Most text needs no escapes: ASCII goes across as it is.
    const QChar *chars = text.constData();
    const size_t n = static_cast<size_t>(text.size());
    size_t plain = 0;
    while (plain < n) {
        const char16_t c = chars[plain].unicode();
        if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\')
            break;
        ++plain;
    }
    if (plain == n && n <= kChunk) {
        char *d = Reserve(n);
        for (size_t i = 0; i < n; ++i)
            d[i] = static_cast<char>(chars[i].unicode());
        m_length += n;
        Put('"');
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    for (const char ch : utf8) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': Put("\\\"", 2); break;
        case '\\': Put("\\\\", 2); break;
        case '\b': Put("\\b", 2); break;
        case '\f': Put("\\f", 2); break;
        case '\n': Put("\\n", 2); break;
        case '\r': Put("\\r", 2); break;
        case '\t': Put("\\t", 2); break;
        default:
            if (c < 0x20) {
                const char escape[] = { '\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15] };
                Put(escape, sizeof escape);
            } else {
                Put(ch);
            }
        }
    }
    Put('"');
}

void CJsonStream::Value(Key key, const char *ascii)
{
    Member(key.m_Text, key.m_Length);
    Put('"');
    Put(ascii, std::strlen(ascii));
    Put('"');
}

void CJsonStream::AppendNumber(double number)
{
    // JSON has no infinities or NaN; a document writes them as null too.
    if (!std::isfinite(number)) {
        Put("null", 4);
        return;
    }
    // Whole numbers below 100 000 are never shorter in exponent form, so
    // they are written as integers: the same text, without the search for
    // the shortest form.
    if (number > -100000.0 && number < 100000.0 && number == static_cast<double>(static_cast<int>(number))
        && !(number == 0.0 && std::signbit(number))) {
        AppendInt(static_cast<int>(number));
        return;
    }
    // The shortest text that reads back as the same number.
    char *d = Reserve(32);
    const auto end = std::to_chars(d, d + 32, number).ptr;
    m_length += static_cast<size_t>(end - d);
}

void CJsonStream::AppendLongerInt(int number)
{
    char *d = Reserve(16);
    const auto end = std::to_chars(d, d + 16, number).ptr;
    m_length += static_cast<size_t>(end - d);
}

bool CJsonStream::Flush()
{
    if (m_length > 0) {
        WriteOut(m_buffer.get(), m_length);
        m_length = 0;
    }
    if (std::fflush(m_out) != 0)
        m_failed = true;
    return !m_failed;
}
