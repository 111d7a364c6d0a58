#include "storage/CCsvFile.h"

#include "model/CArchive.h"
#include "model/CRegularFile.h"
#include "model/CTrace.h"

#include <QFile>
#include <QSaveFile>

namespace {
constexpr qint64 kChunkBytes = 1 << 16;
constexpr int kEnd = -1;
} // namespace

CCsvFile::CCsvFile() = default;

CCsvFile::~CCsvFile()
{
    if (m_out)
        m_out->cancelWriting();
}

bool CCsvFile::Open(const QString &path, OpenMode mode)
{
    m_error.clear();
    if (mode == modeWrite) {
        m_out = std::make_unique<QSaveFile>(path);
        if (!m_out->open(QIODevice::WriteOnly)) {
            m_error = m_out->errorString();
            m_out.reset();
            return false;
        }
        m_text.clear();
        return true;
    }
    auto file = std::make_unique<QFile>();
    if (CRegularFile::OpenForReading(*file, path, m_error) != CRegularFile::Opened)
        return false;
    m_owned = std::move(file);
    return OpenDevice(m_owned.get());
}

bool CCsvFile::OpenDevice(QIODevice *device)
{
    m_device = device;
    m_started = false;
    m_eof = false;
    m_chunk.clear();
    m_pos = 0;
    m_fields.clear();
    m_next = 0;
    return m_device && m_device->isReadable();
}

bool CCsvFile::Close()
{
    if (m_owned)
        m_owned->close();
    m_owned.reset();
    m_device = nullptr;
    if (!m_out)
        return true;
    const QByteArray bytes = CArchive::IsAnsiRepresentable(m_text)
        ? CArchive::ToAnsi(m_text)
        : QByteArray("\xEF\xBB\xBF") + m_text.toUtf8();
    m_text.clear();
    const bool ok = m_out->write(bytes) == bytes.size() && m_out->commit();
    if (!ok)
        m_error = m_out->errorString();
    m_out.reset();
    return ok;
}

void CCsvFile::SetSeparator(QChar separator)
{
    m_separator = separator;
    m_separatorKnown = true;
}

// ---- reading ----

void CCsvFile::ChooseDecoding(const QByteArray &head, bool first)
{
    if (first && head.startsWith("\xEF\xBB\xBF")) {
        m_decoder = QStringDecoder(QStringDecoder::Utf8);
        m_decoding = Decoder;
        return;
    }
    if (first && head.startsWith("\xFF\xFE")) {
        m_decoder = QStringDecoder(QStringDecoder::Utf16LE);
        m_decoding = Decoder;
        return;
    }
    if (first && head.startsWith("\xFE\xFF")) {
        m_decoder = QStringDecoder(QStringDecoder::Utf16BE);
        m_decoding = Decoder;
        return;
    }
    bool ascii = true;
    for (char c : head)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) {
        // Nothing tells yet; the first bytes beyond ASCII will.
        m_decoding = Undecided;
        return;
    }
    // UTF-8 that decodes without a fault is taken as UTF-8; the ANSI code
    // page almost never gives such byte sequences.
    QStringDecoder probe(QStringDecoder::Utf8);
    const QString decoded = probe.decode(head); // the conversion runs here
    Q_UNUSED(decoded);
    if (!probe.hasError()) {
        m_decoder = QStringDecoder(QStringDecoder::Utf8);
        m_decoding = Decoder;
        return;
    }
    m_decoding = Ansi;
}

bool CCsvFile::Fill()
{
    if (m_eof || !m_device)
        return false;
    const QByteArray bytes = m_device->read(kChunkBytes);
    if (bytes.isEmpty()) {
        m_eof = true;
        return false;
    }
    const bool first = !m_started;
    m_started = true;
    if (first || m_decoding == Undecided)
        ChooseDecoding(bytes, first);
    m_chunk = m_decoding != Decoder ? CArchive::FromAnsi(bytes) : QString(m_decoder.decode(bytes));
    if (first && m_chunk.startsWith(QChar(0xFEFF)))
        m_chunk.remove(0, 1);
    m_pos = 0;
    return true;
}

int CCsvFile::Peek()
{
    while (m_pos >= m_chunk.size())
        if (!Fill())
            return kEnd;
    return m_chunk[m_pos].unicode();
}

int CCsvFile::Get()
{
    const int c = Peek();
    if (c != kEnd)
        ++m_pos;
    return c;
}

void CCsvFile::DetectSeparator()
{
    m_separatorKnown = true;
    if (Peek() == kEnd)
        return;
    // Count the candidates on the first line, outside quotes, as far as the
    // buffer reaches.
    const QChar candidates[] = { QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char('~'),
                                 QLatin1Char('|') };
    int counts[5] = {};
    bool quoted = false;
    for (qsizetype i = m_pos; i < m_chunk.size(); ++i) {
        const QChar c = m_chunk[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted)
            for (int k = 0; k < 5; ++k)
                if (c == candidates[k])
                    ++counts[k];
    }
    int best = 0;
    for (int k = 1; k < 5; ++k)
        if (counts[k] > counts[best])
            best = k;
    m_separator = candidates[best];
}

bool CCsvFile::ReadLine()
{
    m_fields.clear();
    m_next = 0;
    m_dropped = 0;
    if (!m_separatorKnown)
        DetectSeparator();
    const char16_t sep = m_separator.unicode();

    for (;;) {
        if (Peek() == kEnd)
            return false;
        // A blank line is no record.
        const int c = Peek();
        if (c == '\r' || c == '\n') {
            Get();
            if (c == '\r' && Peek() == '\n')
                Get();
            continue;
        }
        break;
    }

    QString field;
    bool truncated = false;
    auto append = [&](QChar ch) {
        if (field.size() < kMaxFieldLength)
            field.append(ch);
        else
            truncated = true;
    };
    auto finishField = [&]() {
        if (truncated)
            Trace(QStringLiteral("CSV field longer than %1 characters cut short.\n").arg(kMaxFieldLength));
        if (m_fields.size() < static_cast<size_t>(kMaxFields))
            m_fields.push_back(std::move(field));
        else
            ++m_dropped;
        field = QString();
        truncated = false;
    };

    for (;;) {
        // Start of a field: blanks before an opening quote are not part of it.
        qsizetype blanks = 0;
        while (Peek() == ' ' && sep != ' ') {
            Get();
            ++blanks;
        }
        if (Peek() == '"') {
            Get();
            for (;;) {
                const int ch = Get();
                if (ch == kEnd)
                    break;
                if (ch == '"') {
                    if (Peek() == '"') {
                        Get();
                        append(QLatin1Char('"'));
                        continue;
                    }
                    break;
                }
                if (ch == '\r' || ch == '\n') {
                    // Line breaks inside a field are kept in the program's
                    // own form, CR LF.
                    if (ch == '\r' && Peek() == '\n')
                        Get();
                    append(QLatin1Char('\r'));
                    append(QLatin1Char('\n'));
                    continue;
                }
                append(QChar(static_cast<char16_t>(ch)));
            }
        } else {
            for (qsizetype i = 0; i < blanks; ++i)
                append(QLatin1Char(' '));
        }
        // Unquoted text, or what follows a closing quote, up to the separator.
        for (;;) {
            const int ch = Peek();
            if (ch == kEnd || ch == sep || ch == '\r' || ch == '\n')
                break;
            Get();
            append(QChar(static_cast<char16_t>(ch)));
        }
        const int end = Get();
        finishField();
        if (end == sep)
            continue;
        if (end == '\r' && Peek() == '\n')
            Get();
        return true;
    }
}

QString CCsvFile::ReadField()
{
    if (!MoreFields())
        return QString();
    return std::move(m_fields[m_next++]);
}

// ---- writing ----

void CCsvFile::WriteField(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    m_text += QLatin1Char('"') + quoted + QLatin1Char('"');
}

void CCsvFile::WriteText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    m_text += t;
}
