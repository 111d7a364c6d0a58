#include "cli/CJsonStream.h"

#include "model/CArchive.h"
#include "storage/CPrefault.h"

#include <QByteArray>
#include <algorithm>
#include <cerrno>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <unistd.h>

const char CJsonStream::Cursor::kSpaces[kInlineIndent + 1] =
    "                                                                ";

char *CJsonStream::Cursor::WriteSpaces(char *d, size_t n)
{
    std::memset(d, ' ', n);
    return d + n;
}

char *CJsonStream::Cursor::WriteNumber(char *d, double number)
{
    // JSON has no infinities or NaN; a document writes them as null too.
    if (!std::isfinite(number)) {
        std::memcpy(d, "null", 4);
        return d + 4;
    }
    // The shortest text that reads back as the same number.
    return std::to_chars(d, d + kNumberRoom, number).ptr;
}

namespace {

// Escaped as a JSON document escapes: the two-letter forms where there is
// one, \u for the other control characters, everything else as UTF-8.
char *escapeUtf8(char *d, const QByteArray &utf8)
{
    static const char kHex[] = "0123456789abcdef";
    for (const char ch : utf8) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': *d++ = '\\'; *d++ = '"'; break;
        case '\\': *d++ = '\\'; *d++ = '\\'; break;
        case '\b': *d++ = '\\'; *d++ = 'b'; break;
        case '\f': *d++ = '\\'; *d++ = 'f'; break;
        case '\n': *d++ = '\\'; *d++ = 'n'; break;
        case '\r': *d++ = '\\'; *d++ = 'r'; break;
        case '\t': *d++ = '\\'; *d++ = 't'; break;
        default:
            if (c < 0x20) {
                const char escape[] = { '\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15] };
                std::memcpy(d, escape, sizeof escape);
                d += sizeof escape;
            } else {
                *d++ = ch;
            }
        }
    }
    return d;
}

} // namespace

char *CJsonStream::Cursor::WriteText(char *d, const QString &text)
{
    *d++ = '"';
    // Most text needs no escapes: ASCII goes across as it is.
    const char16_t *chars = reinterpret_cast<const char16_t *>(text.constData());
    const size_t n = static_cast<size_t>(text.size());
    size_t plain = 0;
#if defined(__SSE2__)
    // Eight characters a step while all are plain: each is 0x20 to 0x7f
    // and neither a quote nor a backslash.
    const __m128i low = _mm_set1_epi16(0x20 - 0x8000), high = _mm_set1_epi16(0x7f - 0x8000);
    const __m128i bias = _mm_set1_epi16(static_cast<short>(0x8000));
    const __m128i quote = _mm_set1_epi16('"'), backslash = _mm_set1_epi16('\\');
    for (; plain + 8 <= n; plain += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + plain));
        const __m128i biased = _mm_xor_si128(units, bias); // unsigned order in signed compares
        const __m128i outside = _mm_or_si128(_mm_cmplt_epi16(biased, low), _mm_cmpgt_epi16(biased, high));
        const __m128i special = _mm_or_si128(_mm_cmpeq_epi16(units, quote), _mm_cmpeq_epi16(units, backslash));
        if (_mm_movemask_epi8(_mm_or_si128(outside, special)) != 0)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(d + plain), _mm_packus_epi16(units, units));
    }
#endif
    for (; plain < n; ++plain) {
        const char16_t c = chars[plain];
        if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\')
            break;
        d[plain] = static_cast<char>(c);
    }
    d += plain;
    if (plain < n) // the rest starts on a whole character: what came before is ASCII
        d = escapeUtf8(d, QStringView(text).mid(static_cast<qsizetype>(plain)).toUtf8());
    *d++ = '"';
    return d;
}

char *CJsonStream::Cursor::WriteAnsi(char *d, QByteArrayView text)
{
    *d++ = '"';
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const size_t n = static_cast<size_t>(text.size());
    size_t plain = 0;
#if defined(__SSE2__)
    // Sixteen bytes a step while all are 0x20 to 0x7f, neither a quote
    // nor a backslash.
    const __m128i space = _mm_set1_epi8(0x20), quote = _mm_set1_epi8('"'), backslash = _mm_set1_epi8('\\');
    for (; plain + 16 <= n; plain += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + plain));
        // Signed compares: bytes from 0x80 up count as negative, below 0x20.
        const __m128i outside = _mm_cmpgt_epi8(space, chunk);
        const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(chunk, quote), _mm_cmpeq_epi8(chunk, backslash));
        if (_mm_movemask_epi8(_mm_or_si128(outside, special)) != 0)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(d + plain), chunk);
    }
    // The last sixteen bytes, overlapping what is done, instead of one at
    // a time.
    if (plain < n && n >= 16 && plain + 16 > n) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + n - 16));
        const __m128i outside = _mm_cmpgt_epi8(space, chunk);
        const __m128i special = _mm_or_si128(_mm_cmpeq_epi8(chunk, quote), _mm_cmpeq_epi8(chunk, backslash));
        if (_mm_movemask_epi8(_mm_or_si128(outside, special)) == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i *>(d + n - 16), chunk);
            plain = n;
        }
    }
#endif
    for (; plain < n; ++plain) {
        const unsigned char c = bytes[plain];
        if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\')
            break;
        d[plain] = static_cast<char>(c);
    }
    d += plain;
    if (plain < n) // the rest starts on a whole character: what came before is ASCII
        d = escapeUtf8(d, CArchive::FromAnsi(text.sliced(static_cast<qsizetype>(plain))).toUtf8());
    *d++ = '"';
    return d;
}

QByteArray CJsonStream::Quoted(const QString &text)
{
    QByteArray out(static_cast<qsizetype>(Cursor::TextRoom(text)), Qt::Uninitialized);
    out.truncate(Cursor::WriteText(out.data(), text) - out.data());
    return out;
}

CJsonStream::CJsonStream(FILE *out) : m_out(out)
{
    // A listing fills the buffer many times over: its pages in one call.
    CPrefault::ForWriting(m_buffer.get(), m_size);
}

void CJsonStream::MakeRoom(Cursor &c, size_t n)
{
    End(c);
    if (m_length > 0) { // called only when what is left is too short
        WriteOut(m_buffer.get(), m_length);
        m_length = 0;
    }
    if (n > m_size) {
        // A value larger than the whole buffer (it is empty by now): a
        // buffer that holds it, kept for the rest of the listing.
        m_buffer.reset(new char[n]);
        m_size = n;
    }
    c = Begin();
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
