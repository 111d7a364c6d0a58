#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

// Writes indented JSON straight to a stream, in the layout QJsonDocument
// gives (four spaces a level, keys as the caller orders them), without
// building a document first: long listings stay fast and small.
class CJsonStream
{
public:
    explicit CJsonStream(FILE *out) : m_out(out) { m_buffer.reserve(kChunk + 4096); }
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
    void Indent();
    void AppendString(const QString &text);
    void FlushIfFull()
    {
        if (m_buffer.size() >= kChunk)
            Flush();
    }

    static constexpr qsizetype kChunk = 1 << 16;
    FILE *m_out = nullptr;
    QByteArray m_buffer;
    int m_depth = 0;
    bool m_first = true; // nothing yet at the current level
    bool m_failed = false;
};
