#pragma once

#include <QString>
#include <cstdio>
#include <cstring>
#include <memory>

// Writes indented JSON straight to a stream, in the layout QJsonDocument
// gives (four spaces a level, keys as the caller orders them), without
// building a document first: long listings stay fast and small. The parts
// every member goes through are inline, and member names are string
// literals whose lengths the compiler knows.
class CJsonStream
{
public:
    // A member's name: a string literal.
    struct Key
    {
        template <size_t N>
        constexpr Key(const char (&text)[N]) : m_Text(text), m_Length(N - 1) {}
        const char *m_Text;
        size_t m_Length;
    };

    explicit CJsonStream(FILE *out) : m_out(out) {}
    ~CJsonStream() { Flush(); }
    CJsonStream(const CJsonStream &) = delete;
    CJsonStream &operator=(const CJsonStream &) = delete;

    void BeginObject() { Open(nullptr, 0, '{'); }
    void BeginObject(Key key) { Open(key.m_Text, key.m_Length, '{'); }
    void EndObject() { Close('}'); }
    void BeginArray(Key key) { Open(key.m_Text, key.m_Length, '['); }
    void EndArray() { Close(']'); }

    void Value(Key key, const QString &text)
    {
        Member(key.m_Text, key.m_Length);
        AppendString(text);
    }
    void Value(Key key, const char *ascii); // plain ASCII, nothing to escape
    void Value(Key key, double number)
    {
        Member(key.m_Text, key.m_Length);
        AppendNumber(number);
    }
    void Value(Key key, int number)
    {
        Member(key.m_Text, key.m_Length);
        AppendInt(number);
    }
    void Value(Key key, bool flag)
    {
        Member(key.m_Text, key.m_Length);
        if (flag)
            Put("true", 4);
        else
            Put("false", 5);
    }

    // False when the stream could not take everything written.
    bool Flush();

private:
    static constexpr size_t kChunk = 1 << 20; // fewer, larger writes: a long listing goes out faster
    // Indentation up to this many spaces is copied in one fixed-size move.
    static constexpr size_t kInlineIndent = 64;
    static const char kSpaces[kInlineIndent + 1];

    void Open(const char *key, size_t keyLength, char bracket)
    {
        Member(key, keyLength);
        Put(bracket);
        ++m_depth;
        m_first = true;
    }
    void Close(char bracket)
    {
        --m_depth;
        const size_t indent = static_cast<size_t>(m_depth) * 4;
        if (indent > kInlineIndent) {
            CloseSlowly(bracket);
            return;
        }
        char *d = Reserve(kInlineIndent + 3);
        char *const start = d;
        if (!m_first) {
            *d++ = '\n';
            std::memcpy(d, kSpaces, kInlineIndent);
            d += indent;
        }
        *d++ = bracket;
        if (m_depth == 0)
            *d++ = '\n';
        m_length += static_cast<size_t>(d - start);
        m_first = false;
    }
    void CloseSlowly(char bracket);
    // The separator, the line break, the indentation and the key.
    void Member(const char *key, size_t keyLength)
    {
        const size_t indent = static_cast<size_t>(m_depth) * 4;
        if (m_depth == 0 || indent > kInlineIndent || keyLength > 256) {
            MemberSlowly(key, keyLength);
            return;
        }
        char *d = Reserve(2 + kInlineIndent + keyLength + 4);
        char *const start = d;
        *d = ',';
        d += m_first ? 0 : 1;
        *d++ = '\n';
        std::memcpy(d, kSpaces, kInlineIndent); // what lies past the indent is written over
        d += indent;
        if (key) {
            *d++ = '"';
            std::memcpy(d, key, keyLength);
            d += keyLength;
            std::memcpy(d, "\": ", 3);
            d += 3;
        }
        m_length += static_cast<size_t>(d - start);
        m_first = false;
    }
    void MemberSlowly(const char *key, size_t keyLength);
    void Indent(size_t n);
    void AppendString(const QString &text);
    void AppendNumber(double number);
    void AppendInt(int number)
    {
        if (number >= 0 && number < 10) // status words, kinds, flags
            Put(static_cast<char>('0' + number));
        else
            AppendLongerInt(number);
    }
    void AppendLongerInt(int number);
    // Room for n more bytes in the buffer (n at most kChunk), emptying it
    // first if needed.
    char *Reserve(size_t n)
    {
        if (m_length + n > kChunk)
            Flush();
        return m_buffer.get() + m_length;
    }
    void Put(char c)
    {
        *Reserve(1) = c;
        ++m_length;
    }
    void Put(const char *text, size_t n)
    {
        if (n > kChunk)
            PutLong(text, n);
        else {
            std::memcpy(Reserve(n), text, n);
            m_length += n;
        }
    }
    void PutLong(const char *text, size_t n);
    void WriteOut(const char *data, size_t n);

    FILE *m_out = nullptr;
    std::unique_ptr<char[]> m_buffer { new char[kChunk] };
    size_t m_length = 0;
    int m_depth = 0;
    bool m_first = true; // nothing yet at the current level
    bool m_failed = false;
};
