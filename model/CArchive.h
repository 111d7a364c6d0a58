#pragma once

#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"
#include "model/CRuntimeClass.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QtEndian>
#include <cstring>
#include <memory>
#include <vector>

class CObject;
class QIODevice;

// The sequential little-endian byte stream of reminder files and packs,
// opened for storing or for loading over an open device. Failures raise
// CArchiveException (stream faults), CFileException (device faults) or
// CMemoryException.
class CArchive
{
public:
    enum Mode { store = 0, load = 1 };
    static constexpr unsigned kUnknownSchema = 0xFFFFFFFFu;

    CArchive(QIODevice *device, Mode mode, int bufferSize = 4096);
    // Loading straight from bytes in memory, which must outlive the archive:
    // nothing is copied into a buffer first.
    explicit CArchive(QByteArrayView bytes);
    ~CArchive(); // an archive not closed drops what it has buffered
    CArchive(const CArchive &) = delete;
    CArchive &operator=(const CArchive &) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // Inline: a save writes a dozen of these per record.
    void WriteByte(quint8 v) { Write(reinterpret_cast<const char *>(&v), 1); }
    void WriteWord(quint16 v) { WriteLittleEndian(v); }
    void WriteLong(qint32 v) { WriteLittleEndian(v); }
    void WriteDWord(quint32 v) { WriteLittleEndian(v); }
    void WriteDouble(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        WriteLittleEndian(bits);
    }
    void WriteString(const QString &text);
    void WriteDate(const COleDateTime &dt);
    void WriteSpan(const COleDateTimeSpan &span);
    void Write(const char *data, qint64 size)
    {
        if (size < m_buffer.size() - m_bufLen && m_mode == store) {
            std::memcpy(m_buffer.data() + m_bufLen, data, static_cast<size_t>(size));
            m_bufLen += size;
            return;
        }
        WriteAcrossBuffer(data, size);
    }
    void WriteObject(const CObject *object);

    // Inline: a load reads a dozen of these per record.
    quint8 ReadByte()
    {
        quint8 v;
        Read(reinterpret_cast<char *>(&v), 1);
        return v;
    }
    quint16 ReadWord() { return ReadLittleEndian<quint16>(); }
    qint32 ReadLong() { return ReadLittleEndian<qint32>(); }
    quint32 ReadDWord() { return ReadLittleEndian<quint32>(); }
    double ReadDouble()
    {
        const quint64 bits = ReadLittleEndian<quint64>();
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    // A text as the stream holds it: code page 1252 bytes, or UTF-16LE in
    // the wide form. Loading from bytes in memory, it views those bytes;
    // from a device, a copy that the next ReadText replaces.
    struct Text
    {
        QByteArrayView m_Bytes;
        bool m_Wide = false;
        QString ToString() const;
    };
    Text ReadText();
    QString ReadString();
    // The same, for text that repeats from record to record (icon and
    // sound names): equal bytes give one shared string, so a large file
    // does not hold thousands of copies of "Birthday".
    QString ReadSharedString();
    COleDateTime ReadDate();
    COleDateTimeSpan ReadSpan();
    void Read(char *data, qint64 size)
    {
        // Nearly every value lies whole in the buffer.
        if (size <= m_bufLen - m_bufPos && m_mode == load) {
            std::memcpy(data, m_in + m_bufPos, static_cast<size_t>(size));
            m_bufPos += size;
            return;
        }
        ReadAcrossBuffer(data, size);
    }
    // Reads size bytes; never allocates more than the stream can still hold.
    QByteArray ReadBytes(qint64 size);
    // Null for the null tag; otherwise an object of expected (or derived).
    std::unique_ptr<CObject> ReadObject(const CRuntimeClass *expected);
    // The same, read into an existing object of exactly the class recorded
    // (no allocation); false for the null tag, leaving target as it was.
    bool ReadObjectInto(CObject &target);

    // The tag and class record of the next object, which must be of class
    // cls exactly, without its body: false for the null tag. The body is
    // read next by the caller, who finds its schema with GetObjectSchema.
    bool BeginObject(const CRuntimeClass &cls);

    // Inside Serialize while loading: the schema recorded for the object's
    // class; reading it makes it unknown for any later caller.
    unsigned GetObjectSchema();

    // Bytes still to read, or -1 when the device cannot tell.
    qint64 BytesRemaining() const;

    void Flush();
    void Close();

    // Text in the Windows ANSI code page (1252) as the files hold it.
    static bool IsAnsiRepresentable(const QString &text);
    static QByteArray ToAnsi(const QString &text);
    static QString FromAnsi(QByteArrayView bytes);

private:
    template <class T>
    void WriteLittleEndian(T v)
    {
        char b[sizeof(T)];
        qToLittleEndian(v, b);
        Write(b, sizeof(T));
    }
    template <class T>
    T ReadLittleEndian()
    {
        char b[sizeof(T)];
        Read(b, sizeof(T));
        return qFromLittleEndian<T>(b);
    }
    void WriteLengthPrefix(quint64 length);
    quint64 ReadLengthPrefix(bool &wideMarker);
    // ReadText, copying from a device into copy.
    Text ReadText(QByteArray &copy);
    void FillBuffer();
    void ReadAcrossBuffer(char *data, qint64 size);
    void WriteAcrossBuffer(const char *data, qint64 size);
    // The tag and class record of the next object: its class (null for
    // the null tag) and the schema recorded for that class.
    const CRuntimeClass *ReadObjectClass(const CRuntimeClass *expected, unsigned &schema);
    void LoadObject(CObject &object, unsigned schema);
    void CheckRemaining(quint64 needed);

    QIODevice *m_device = nullptr;
    Mode m_mode = store;
    QByteArray m_buffer;
    const char *m_in = nullptr; // what loads read: the buffer, or the bytes given
    qint64 m_bufPos = 0;
    qint64 m_bufLen = 0;
    bool m_closed = false;
    // A loading archive's device does not grow under it; its size is asked
    // once instead of on every length check (-1: sequential or storing).
    qint64 m_loadSize = -1;

    // Class records seen in this archive, by index; objects only count.
    struct ClassEntry { quint32 index; const CRuntimeClass *cls; unsigned schema; };
    std::vector<ClassEntry> m_classes;
    quint32 m_mapCount = 1;
    unsigned m_objectSchema = kUnknownSchema;

    // ReadSharedString's strings by their bytes (at most kMaxShared).
    static constexpr int kMaxShared = 1024;
    QHash<QByteArray, QString> m_shared;
    QByteArray m_lastSharedKey; // the last one looked up, and its string
    QString m_lastShared;
    QByteArray m_text; // ReadText's copy, loading from a device
};
