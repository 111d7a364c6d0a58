#pragma once

#include <QByteArray>
#include <QString>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

// Writes indented JSON straight to a stream, in the layout QJsonDocument
// gives (four spaces a level, keys as the caller orders them), without
// building a document first: long listings stay fast and small. Member
// names are string literals whose lengths the compiler knows. Values from
// a chosen depth on may each take one line, in the document's compact form.
//
// A caller that writes many members at once (a whole record) takes a
// Cursor, which keeps its place in registers and checks its room before
// each member: when the buffer is short it writes out what it holds, and
// grows for a value larger than the whole buffer. The stream's own members
// go through a cursor too, so the layout is written down once.
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

    class Cursor
    {
    public:
        void BeginObject() { Open(nullptr, 0, '{'); }
        void BeginObject(Key key) { Open(key.m_Text, key.m_Length, '{'); }
        void EndObject() { Close('}'); }
        void BeginArray(Key key) { Open(key.m_Text, key.m_Length, '['); }
        void EndArray() { Close(']'); }

        void Value(Key key, const QString &text)
        {
            Member(key.m_Text, key.m_Length, TextRoom(text));
            m_d = WriteText(m_d, text);
        }
        // Text in the files' code page (1252), as its QString would be.
        void ValueAnsi(Key key, QByteArrayView text)
        {
            Member(key.m_Text, key.m_Length, 2 + 6 * static_cast<size_t>(text.size()));
            m_d = WriteAnsi(m_d, text);
        }
        void Value(Key key, const char *ascii, size_t length) // plain ASCII, nothing to escape
        {
            Member(key.m_Text, key.m_Length, length + 2);
            char *d = m_d;
            *d++ = '"';
            std::memcpy(d, ascii, length);
            d += length;
            *d++ = '"';
            m_d = d;
        }
        [[gnu::always_inline]] void Value(Key key, double number)
        {
            Member(key.m_Text, key.m_Length, kNumberRoom);
            PutNumber(number);
        }
        [[gnu::always_inline]] void Value(Key key, int number)
        {
            Member(key.m_Text, key.m_Length, kNumberRoom);
            Int(number);
        }
        [[gnu::always_inline]] void Value(Key key, bool flag)
        {
            Member(key.m_Text, key.m_Length, 5);
            char *d = m_d;
            if (flag) {
                std::memcpy(d, "true", 4);
                m_d = d + 4;
            } else {
                std::memcpy(d, "false", 5);
                m_d = d + 5;
            }
        }

        // The most a text takes quoted, as UTF-8 with every escape.
        static size_t TextRoom(const QString &text) { return 2 + 6 * static_cast<size_t>(text.size()); }
        static size_t AnsiRoom(QByteArrayView text) { return 2 + 6 * static_cast<size_t>(text.size()); }

        // For an object that its writer lays out on one line itself, as a
        // one-line value (see SetOneLineFrom) is laid out: room for `n`
        // bytes, into which the Put calls write members as JSON text.
        void Room(size_t n)
        {
            Reserve(n + MemberRoom(m_depth, 0));
            m_first = false;
        }
        template <size_t N>
        [[gnu::always_inline]] void Put(const char (&text)[N])
        {
            std::memcpy(m_d, text, N - 1);
            m_d += N - 1;
        }
        void Put(const char *text, size_t length)
        {
            std::memcpy(m_d, text, length);
            m_d += length;
        }
        void PutInt(int number) { Int(number); }
        void PutNumber(double number)
        {
            // Whole numbers below 100 000 are never shorter in exponent
            // form: the same text without the search for the shortest.
            if (number > -100000.0 && number < 100000.0 && number == static_cast<double>(static_cast<int>(number))
                && !(number == 0.0 && std::signbit(number)))
                Int(static_cast<int>(number));
            else
                m_d = WriteNumber(m_d, number);
        }
        void PutText(const QString &text) { m_d = WriteText(m_d, text); }
        void PutAnsi(QByteArrayView text) { m_d = WriteAnsi(m_d, text); }
        static constexpr size_t kNumberRoom = 32;

    private:
        friend class CJsonStream;
        static constexpr size_t kInlineIndent = 64; // copied in one fixed-size move
        static const char kSpaces[kInlineIndent + 1];

        Cursor(CJsonStream *stream, char *d, char *end, int depth, bool first, int oneLine)
            : m_stream(stream), m_d(d), m_end(end), m_depth(depth), m_first(first), m_oneLine(oneLine)
        {
        }

        // The most a member's start takes at this depth: separator, line
        // break, indentation, key and its quotes, a closing bracket's line.
        static size_t MemberRoom(int depth, size_t keyLength)
        {
            const size_t indent = static_cast<size_t>(depth) * 4;
            return 2 + (indent > kInlineIndent ? indent : kInlineIndent) + keyLength + 4;
        }
        // Room for `n` more bytes from here on.
        [[gnu::always_inline]] void Reserve(size_t n)
        {
            if (static_cast<size_t>(m_end - m_d) < n) [[unlikely]]
                m_stream->MakeRoom(*this, n);
        }

        void Open(const char *key, size_t keyLength, char bracket)
        {
            Member(key, keyLength, 1);
            *m_d++ = bracket;
            ++m_depth;
            m_first = true;
        }
        void Close(char bracket)
        {
            const int depth = --m_depth;
            Reserve(MemberRoom(depth, 0) + 2);
            char *d = m_d;
            if (!m_first && depth < m_oneLine) {
                *d++ = '\n';
                d = Indent(d, static_cast<size_t>(depth) * 4);
            }
            *d++ = bracket;
            if (depth == 0)
                *d++ = '\n';
            m_first = false;
            m_d = d;
        }
        // Room for the member and a value of `valueRoom` bytes, then the
        // separator, the line break, the indentation and the key. (Each
        // step works on a local pointer: a store through a char pointer
        // could change any member, so m_d would be read again after each.)
        [[gnu::always_inline]] void Member(const char *key, size_t keyLength, size_t valueRoom)
        {
            Reserve(MemberRoom(m_depth, keyLength) + valueRoom);
            char *d = m_d;
            const int depth = m_depth;
            const bool first = m_first;
            m_first = false;
            const bool oneLine = depth > m_oneLine;
            if (depth > 0) {
                *d = ',';
                d += first ? 0 : 1;
                if (!oneLine) {
                    *d++ = '\n';
                    d = Indent(d, static_cast<size_t>(depth) * 4);
                }
            }
            if (key) {
                *d++ = '"';
                std::memcpy(d, key, keyLength);
                d += keyLength;
                std::memcpy(d, "\": ", 3);
                d += oneLine ? 2 : 3;
            }
            m_d = d;
        }
        static char *Indent(char *d, size_t n)
        {
            if (n > kInlineIndent)
                return WriteSpaces(d, n);
            std::memcpy(d, kSpaces, kInlineIndent); // what lies past the indent is written over
            return d + n;
        }
        void Int(int number)
        {
            char *d = m_d;
            if (number >= 0 && number < 10) { // status words, kinds, flags
                *d = static_cast<char>('0' + number);
                m_d = d + 1;
            } else {
                m_d = std::to_chars(d, d + kNumberRoom, number).ptr;
            }
        }

        static char *WriteSpaces(char *d, size_t n);
        static char *WriteNumber(char *d, double number);
        static char *WriteText(char *d, const QString &text);
        static char *WriteAnsi(char *d, QByteArrayView text);

        CJsonStream *m_stream;
        char *m_d;
        char *m_end;
        int m_depth;
        bool m_first;
        int m_oneLine; // what lies deeper than this is on its value's line
    };

    explicit CJsonStream(FILE *out);
    ~CJsonStream() { Flush(); }
    CJsonStream(const CJsonStream &) = delete;
    CJsonStream &operator=(const CJsonStream &) = delete;

    // What the buffer holds before it is written out: large enough that
    // writes are few, small enough that its pages, each a fault when
    // first touched, are few too.
    static constexpr size_t kChunk = 1 << 16;

    // A cursor at the end of what is written; End takes back what it
    // wrote. Nothing else writes to the stream between the two.
    Cursor Begin()
    {
        return Cursor(this, m_buffer.get() + m_length, m_buffer.get() + m_size, m_depth, m_first, m_oneLine);
    }
    void End(const Cursor &c)
    {
        m_length = static_cast<size_t>(c.m_d - m_buffer.get());
        m_depth = c.m_depth;
        m_first = c.m_first;
    }

    // Each value written from depth on (1: a member of the outer object)
    // takes one line: its members and theirs follow with no line breaks
    // nor spaces, as QJsonDocument's compact form has them.
    void SetOneLineFrom(int depth) { m_oneLine = depth; }

    // The text as a JSON string, quoted and escaped.
    static QByteArray Quoted(const QString &text);

    void BeginObject() { Write([](Cursor &c) { c.BeginObject(); }); }
    void BeginObject(Key key) { Write([key](Cursor &c) { c.BeginObject(key); }); }
    void EndObject() { Write([](Cursor &c) { c.EndObject(); }); }
    void BeginArray(Key key) { Write([key](Cursor &c) { c.BeginArray(key); }); }
    void EndArray() { Write([](Cursor &c) { c.EndArray(); }); }
    template <class Type>
    void Value(Key key, const Type &value) // text, double, int or bool
    {
        Write([key, &value](Cursor &c) { c.Value(key, value); });
    }

    // False when the stream could not take everything written.
    bool Flush();

private:
    template <class Step>
    void Write(Step step)
    {
        Cursor c = Begin();
        step(c);
        End(c);
    }
    // Writes out what the cursor has written so far, and grows the buffer
    // when `n` bytes do not fit in an empty one.
    void MakeRoom(Cursor &c, size_t n);
    void WriteOut(const char *data, size_t n);

    FILE *m_out = nullptr;
    std::unique_ptr<char[]> m_buffer { new char[kChunk] };
    size_t m_size = kChunk;
    size_t m_length = 0;
    int m_depth = 0;
    bool m_first = true; // nothing yet at the current level
    int m_oneLine = std::numeric_limits<int>::max();
    bool m_failed = false;
};
