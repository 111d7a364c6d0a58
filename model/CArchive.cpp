#include "model/CArchive.h"

#include "model/CArchiveException.h"
#include "model/CFileException.h"
#include "model/CMemoryException.h"
#include "model/CObject.h"

#include <QIODevice>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr quint16 kNullTag = 0;
constexpr quint16 kNewClassTag = 0xFFFF;
constexpr quint16 kClassTag = 0x8000;
constexpr quint16 kBigObjectTag = 0x7FFF;
constexpr quint32 kBigClassTag = 0x80000000u;
constexpr quint16 kWideMarker = 0xFFFE;
constexpr int kMaxClassNameLength = 64;

// Windows-1252 from 0x80 to 0x9F; the five bytes that code page leaves
// undefined map to the C1 controls of the same value, so they survive a
// round trip.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int ansiByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

bool CArchive::IsAnsiRepresentable(const QString &text)
{
    for (QChar c : text)
        if (ansiByte(c.unicode()) < 0)
            return false;
    return true;
}

QByteArray CArchive::ToAnsi(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = ansiByte(c.unicode());
        out.append(static_cast<char>(b < 0 ? '?' : b));
    }
    return out;
}

QString CArchive::FromAnsi(QByteArrayView bytes)
{
    // Without the bytes 0x80 to 0x9F, code page 1252 is Latin-1, which Qt
    // decodes many characters at a time.
    // Branch-free, so the compiler checks many bytes at a time.
    unsigned high = 0;
    for (const char c : bytes)
        high |= static_cast<unsigned char>(static_cast<unsigned char>(c) - 0x80) < 0x20;
    if (!high)
        return QString::fromLatin1(bytes);
    QString out;
    out.resize(bytes.size());
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        d[i] = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

CArchive::CArchive(QIODevice *device, Mode mode, int bufferSize)
    : m_device(device), m_mode(mode)
{
    m_buffer.resize(bufferSize > 0 ? bufferSize : 4096);
    m_in = m_buffer.constData();
    if (m_mode == load && m_device && !m_device->isSequential())
        m_loadSize = m_device->size();
}

CArchive::CArchive(QByteArrayView bytes) : m_mode(load), m_in(bytes.data()), m_bufLen(bytes.size()) {}

CArchive::~CArchive() = default;

// ---- storing ----

void CArchive::WriteAcrossBuffer(const char *data, qint64 size)
{
    if (m_mode != store)
        throw CArchiveException(CArchiveException::readOnly);
    while (size > 0) {
        const qint64 room = m_buffer.size() - m_bufLen;
        const qint64 n = std::min(room, size);
        std::memcpy(m_buffer.data() + m_bufLen, data, static_cast<size_t>(n));
        m_bufLen += n;
        data += n;
        size -= n;
        if (m_bufLen == m_buffer.size())
            Flush();
    }
}

void CArchive::Flush()
{
    if (m_mode != store || m_bufLen == 0)
        return;
    const qint64 written = m_device->write(m_buffer.constData(), m_bufLen);
    if (written != m_bufLen)
        throw CFileException(CFileException::diskFull, QString(), m_device->errorString());
    m_bufLen = 0;
}

void CArchive::Close()
{
    if (m_closed)
        return;
    m_closed = true;
    Flush();
}

void CArchive::WriteLengthPrefix(quint64 length)
{
    if (length < 255) {
        WriteByte(static_cast<quint8>(length));
    } else if (length < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(static_cast<quint16>(length));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDWord(static_cast<quint32>(length));
    }
}

void CArchive::WriteString(const QString &text)
{
    if (text.isEmpty()) {
        WriteByte(0);
        return;
    }
    // Latin-1 text, the common case, is the same bytes in code page 1252
    // outside 0x80 to 0x9F: narrowed straight into the buffer.
    const char16_t *chars = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype n = text.size();
    // Branch-free, so the compiler checks many characters at a time.
    unsigned outside = 0;
    for (qsizetype i = 0; i < n; ++i)
        outside |= (chars[i] > 0xFF) | (static_cast<char16_t>(chars[i] - 0x80) < 0x20);
    if (!outside) {
        WriteLengthPrefix(static_cast<quint64>(n));
        if (m_mode == store && n <= m_buffer.size() - m_bufLen) {
            char *d = m_buffer.data() + m_bufLen;
            for (qsizetype i = 0; i < n; ++i)
                d[i] = static_cast<char>(chars[i]);
            m_bufLen += n;
            if (m_bufLen == m_buffer.size())
                Flush();
        } else {
            const QByteArray bytes = text.toLatin1();
            Write(bytes.constData(), bytes.size());
        }
        return;
    }
    if (IsAnsiRepresentable(text)) {
        const QByteArray bytes = ToAnsi(text);
        WriteLengthPrefix(static_cast<quint64>(bytes.size()));
        Write(bytes.constData(), bytes.size());
        return;
    }
    // Text the ANSI code page cannot hold goes in the 16-bit form, so that
    // nothing the user typed is lost.
    WriteByte(0xFF);
    WriteWord(kWideMarker);
    WriteLengthPrefix(static_cast<quint64>(text.size()));
    QByteArray utf16(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text[i].unicode(), utf16.data() + 2 * i);
    Write(utf16.constData(), utf16.size());
}

void CArchive::WriteDate(const COleDateTime &dt)
{
    WriteLong(dt.GetStatus());
    WriteDouble(dt.GetValue());
}

void CArchive::WriteSpan(const COleDateTimeSpan &span)
{
    WriteLong(span.GetStatus());
    WriteDouble(span.GetValue());
}

void CArchive::WriteObject(const CObject *object)
{
    if (!object) {
        WriteWord(kNullTag);
        return;
    }
    // The program never writes one object twice, so every object is new;
    // no back-references are produced.
    const CRuntimeClass *cls = object->GetRuntimeClass();
    const ClassEntry *entry = nullptr;
    for (const ClassEntry &e : m_classes)
        if (e.cls == cls)
            entry = &e;
    if (!entry) {
        WriteWord(kNewClassTag);
        WriteWord(static_cast<quint16>(cls->Schema()));
        const QByteArray name(cls->m_lpszClassName);
        WriteWord(static_cast<quint16>(name.size()));
        Write(name.constData(), name.size());
        m_classes.push_back({ m_mapCount++, cls, cls->Schema() });
    } else if (entry->index < kBigObjectTag) {
        WriteWord(static_cast<quint16>(kClassTag | entry->index));
    } else {
        WriteWord(kBigObjectTag);
        WriteDWord(kBigClassTag | entry->index);
    }
    ++m_mapCount;
    const_cast<CObject *>(object)->Serialize(*this);
}

// ---- loading ----

qint64 CArchive::BytesRemaining() const
{
    if (!m_device)
        return m_bufLen - m_bufPos;
    if (m_device->isSequential())
        return -1;
    const qint64 size = m_loadSize >= 0 ? m_loadSize : m_device->size();
    return (m_bufLen - m_bufPos) + (size - m_device->pos());
}

void CArchive::CheckRemaining(quint64 needed)
{
    const qint64 left = BytesRemaining();
    if (left >= 0 && needed > static_cast<quint64>(left))
        throw CArchiveException(CArchiveException::endOfFile);
}

void CArchive::FillBuffer()
{
    if (!m_device) { // the bytes given are all there is
        m_bufPos = m_bufLen = 0;
        return;
    }
    const qint64 n = m_device->read(m_buffer.data(), m_buffer.size());
    if (n < 0)
        throw CFileException(CFileException::generic, QString(), m_device->errorString());
    m_bufPos = 0;
    m_bufLen = n;
}

void CArchive::ReadAcrossBuffer(char *data, qint64 size)
{
    if (m_mode != load)
        throw CArchiveException(CArchiveException::writeOnly);
    while (size > 0) {
        if (m_bufPos == m_bufLen) {
            FillBuffer();
            if (m_bufLen == 0)
                throw CArchiveException(CArchiveException::endOfFile);
        }
        const qint64 n = std::min(m_bufLen - m_bufPos, size);
        std::memcpy(data, m_in + m_bufPos, static_cast<size_t>(n));
        m_bufPos += n;
        data += n;
        size -= n;
    }
}

QByteArray CArchive::ReadBytes(qint64 size)
{
    if (size < 0)
        throw CArchiveException(CArchiveException::generic, QStringLiteral("negative length"));
    CheckRemaining(static_cast<quint64>(size));
    QByteArray out;
    // Where the device cannot tell its size, grow with the bytes that come.
    constexpr qint64 kChunk = 1 << 16;
    while (out.size() < size) {
        const qint64 n = std::min(kChunk, size - out.size());
        const qsizetype at = out.size();
        out.resize(at + n);
        Read(out.data() + at, n);
    }
    return out;
}

quint64 CArchive::ReadLengthPrefix(bool &wideMarker)
{
    wideMarker = false;
    const quint8 b = ReadByte();
    if (b < 0xFF)
        return b;
    const quint16 w = ReadWord();
    if (w == kWideMarker) {
        wideMarker = true;
        return 0;
    }
    if (w == 0xFFFF)
        return ReadDWord();
    return w;
}

CArchive::Text CArchive::ReadText() { return ReadText(m_text); }

QString CArchive::ReadString()
{
    // Its own copy: a text read before stays where it is.
    QByteArray copy;
    return ReadText(copy).ToString();
}

CArchive::Text CArchive::ReadText(QByteArray &copy)
{
    bool wide = false;
    quint64 length = ReadLengthPrefix(wide);
    if (wide) {
        bool again = false;
        length = ReadLengthPrefix(again);
        if (again)
            throw CArchiveException(CArchiveException::generic, QStringLiteral("bad string length"));
        if (length > std::numeric_limits<quint64>::max() / 2)
            throw CArchiveException(CArchiveException::endOfFile);
        length *= 2;
    }
    if (length == 0)
        return { QByteArrayView(), wide };
    if (!m_device) {
        // The bytes given stay put: the text is viewed where it lies.
        CheckRemaining(length);
        const char *bytes = m_in + m_bufPos;
        m_bufPos += static_cast<qint64>(length);
        return { QByteArrayView(bytes, static_cast<qsizetype>(length)), wide };
    }
    const bool inBuffer = length <= static_cast<quint64>(m_bufLen - m_bufPos);
    if (!inBuffer && BytesRemaining() < 0) {
        copy = ReadBytes(static_cast<qint64>(length)); // grows only with what comes
        return { QByteArrayView(copy), wide };
    }
    if (!inBuffer)
        CheckRemaining(length);
    // The copy's room serves text after text: a pass over a large file
    // allocates once, not for every message.
    copy.resize(static_cast<qsizetype>(length));
    Read(copy.data(), static_cast<qint64>(length));
    return { QByteArrayView(copy), wide };
}

QString CArchive::Text::ToString() const
{
    if (!m_Wide)
        return m_Bytes.isEmpty() ? QString() : FromAnsi(m_Bytes);
    const qsizetype length = m_Bytes.size() / 2;
    QString text(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(m_Bytes.data() + 2 * i));
    return text;
}

QString CArchive::ReadSharedString()
{
    // Only the short narrow form lying whole in the buffer is looked up;
    // anything else reads as usual.
    if (m_bufPos >= m_bufLen && m_device)
        FillBuffer();
    if (m_bufPos >= m_bufLen)
        return ReadString();
    const qint64 length = static_cast<quint8>(m_in[m_bufPos]);
    if (length == 0) { // no name, as most sounds have
        ++m_bufPos;
        return QString();
    }
    if (length == 0xFF || length > m_bufLen - m_bufPos - 1)
        return ReadString();
    const QByteArrayView bytes(m_in + m_bufPos + 1, static_cast<qsizetype>(length));
    // Neighbouring records mostly name the same icon: the last name is
    // compared before anything is hashed.
    if (bytes == QByteArrayView(m_lastSharedKey)) {
        m_bufPos += 1 + length;
        return m_lastShared;
    }
    const QByteArray key = QByteArray::fromRawData(bytes.data(), bytes.size());
    const auto found = m_shared.constFind(key);
    if (found != m_shared.cend()) {
        m_bufPos += 1 + length;
        m_lastSharedKey = found.key();
        m_lastShared = *found;
        return *found;
    }
    const QByteArray owned(key.constData(), key.size());
    QString text = ReadString();
    if (m_shared.size() < kMaxShared) {
        m_shared.insert(owned, text);
        m_lastSharedKey = owned;
        m_lastShared = text;
    }
    return text;
}

COleDateTime CArchive::ReadDate()
{
    const qint32 status = ReadLong();
    const double value = ReadDouble();
    // A status word outside the three known ones, or a day count outside
    // the calendar, is an invalid date for the load-time repairs to handle.
    if (status < COleDateTime::valid || status > COleDateTime::null || !COleDateTime::IsSupportedValue(value))
        return COleDateTime(value, COleDateTime::invalid);
    return COleDateTime(value, static_cast<COleDateTime::DateTimeStatus>(status));
}

COleDateTimeSpan CArchive::ReadSpan()
{
    const qint32 status = ReadLong();
    const double value = ReadDouble();
    if (status < COleDateTimeSpan::valid || status > COleDateTimeSpan::null || !std::isfinite(value))
        return COleDateTimeSpan(value, COleDateTimeSpan::invalid);
    return COleDateTimeSpan(value, static_cast<COleDateTimeSpan::DateTimeSpanStatus>(status));
}

unsigned CArchive::GetObjectSchema()
{
    const unsigned schema = m_objectSchema;
    m_objectSchema = kUnknownSchema;
    return schema;
}

const CRuntimeClass *CArchive::ReadObjectClass(const CRuntimeClass *expected, unsigned &schema)
{
    const quint16 word = ReadWord();
    quint32 tag;
    if (word == kBigObjectTag)
        tag = ReadDWord();
    else
        tag = (static_cast<quint32>(word & kClassTag) << 16) | (word & ~kClassTag);

    const CRuntimeClass *cls = nullptr;
    schema = 0;
    if (word == kNewClassTag) {
        schema = ReadWord();
        const quint16 nameLength = ReadWord();
        if (nameLength >= kMaxClassNameLength)
            throw CArchiveException(CArchiveException::badClass, QStringLiteral("class name too long"));
        const QByteArray name = ReadBytes(nameLength);
        cls = CRuntimeClass::Find(name);
        if (!cls)
            throw CArchiveException(CArchiveException::badClass, QString::fromLatin1(name));
        if (schema != cls->Schema() && !cls->IsVersionable())
            throw CArchiveException(CArchiveException::badSchema);
        m_classes.push_back({ m_mapCount++, cls, schema });
    } else if (!(tag & kBigClassTag)) {
        if (tag == 0)
            return nullptr; // the null object
        // The program's writers never produce back-references.
        throw CArchiveException(CArchiveException::badIndex, QStringLiteral("object reference"));
    } else {
        const quint32 index = tag & ~kBigClassTag;
        if (index == 0 || index >= m_mapCount)
            throw CArchiveException(CArchiveException::badIndex);
        for (const ClassEntry &e : m_classes)
            if (e.index == index) {
                cls = e.cls;
                schema = e.schema;
            }
        if (!cls)
            throw CArchiveException(CArchiveException::badIndex, QStringLiteral("not a class"));
    }
    if (expected && !cls->IsDerivedFrom(expected))
        throw CArchiveException(CArchiveException::badClass, QString::fromLatin1(cls->m_lpszClassName));
    return cls;
}

void CArchive::LoadObject(CObject &object, unsigned schema)
{
    ++m_mapCount;
    m_objectSchema = schema;
    object.Serialize(*this);
    m_objectSchema = kUnknownSchema;
}

std::unique_ptr<CObject> CArchive::ReadObject(const CRuntimeClass *expected)
{
    unsigned schema = 0;
    const CRuntimeClass *cls = ReadObjectClass(expected, schema);
    if (!cls)
        return nullptr;
    std::unique_ptr<CObject> object = cls->m_pfnCreateObject();
    LoadObject(*object, schema);
    return object;
}

bool CArchive::BeginObject(const CRuntimeClass &cls)
{
    unsigned schema = 0;
    const CRuntimeClass *found = ReadObjectClass(&cls, schema);
    if (!found)
        return false;
    if (found != &cls) // a derived class would not fit
        throw CArchiveException(CArchiveException::badClass, QString::fromLatin1(found->m_lpszClassName));
    ++m_mapCount;
    m_objectSchema = schema;
    return true;
}

bool CArchive::ReadObjectInto(CObject &target)
{
    if (!BeginObject(*target.GetRuntimeClass()))
        return false;
    target.Serialize(*this);
    m_objectSchema = kUnknownSchema;
    return true;
}
