#pragma once

#include <QString>
#include <cstdio>
#include <cstring>
#include <memory>

// Writes indented JSON straight to a stream, in the layout QJsonDocument
// gives (four spaces a level, keys as the caller orders them), without
// building a document first: long listings stay fast and small.
class CJsonStream
{
public:
    explicit CJsonStream(FILE *out) : m_out(out) {}
    ~CJsonStream() { Flush(); }
    CJsonStream(const CJsonStream &) = delete;
    CJsonStream &operator=(const CJsonStream &) = delete;

    void BeginObject(const char *key = nullptr) { Open(key, '{'); }
    void EndObject() { Close('}'); }
    void BeginArray(const char *key = nullptr) { Open(key, '['); }
    void EndArray() { Close(']'); }

    void Value(const char *key, const QString &text);
    void Value(const char *key, const char *ascii); // plain ASCII, nothing to escape
    void Value(const char *key, double number);
    void Value(const char *key, int number);
    void Value(const char *key, bool flag);

    // False when the stream could not take everything written.
    bool Flush();

private:
    void Open(const char *key, char bracket);
    void Close(char bracket);
    void Member(const char *key);
    void AppendString(const QString &text);
    // Room for n more bytes in the buffer, emptying it first if needed.
    char *Reserve(size_t n)
    {
        if (m_length + n > kChunk)
            Flush();
        return m_buffer.get() + m_length;
    }
    void Put(char c) { *Reserve(1) = c; ++m_length; }
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

    static constexpr size_t kChunk = 1 << 16;
    FILE *m_out = nullptr;
    std::unique_ptr<char[]> m_buffer { new char[kChunk] };
    size_t m_length = 0;
    int m_depth = 0;
    bool m_first = true; // nothing yet at the current level
    bool m_failed = false;
};
