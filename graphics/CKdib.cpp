#include "graphics/CKdib.h"

#include "graphics/CMessageBox.h"

#include <QIODevice>

#include <limits>

void CKdib::Release()
{
    m_header.clear();
    m_pixels.clear();
    m_layout = {};
    m_imageSize = 0;
    m_colorCount = 0;
    m_palette.clear();
}

bool CKdib::TakeLayout(QString *why)
{
    if (!ParseDibLayout(m_header, &m_layout, why))
        return false;
    m_imageSize = m_layout.ImageSize();
    m_colorCount = m_layout.colorCount;
    m_palette = m_colorCount ? DibColorTable(m_header, m_layout) : QList<QRgb>();
    return true;
}

int CKdib::Attach(const QByteArray &packed)
{
    Release();
    KmDibLayout layout;
    if (!ParseDibLayout(packed, &layout))
        return 0;
    const qint64 size = layout.ImageSize();
    if (size > packed.size() - layout.tablesEnd)
        return 0;
    m_header = packed.first(layout.tablesEnd);
    m_pixels = packed.sliced(layout.tablesEnd, size);
    if (!TakeLayout(nullptr)) {
        Release();
        return 0;
    }
    return 1;
}

namespace {

// Reads exactly size bytes, or reports why not: 0 read, 1 cut short, 2 a
// device error. The buffer grows with what arrives, so a size that a
// sequential device merely claims is never allocated at once.
int readExactly(QIODevice &file, qint64 size, QByteArray *out)
{
    constexpr qint64 kPiece = qint64(1) << 20;
    out->clear();
    qint64 got = 0;
    while (got < size) {
        const qint64 want = qMin(size - got, kPiece);
        out->resize(got + want);
        const qint64 n = file.read(out->data() + got, want);
        if (n < 0) {
            out->clear();
            return 2;
        }
        got += n;
        if (n == 0)
            break;
    }
    out->resize(got);
    return got == size ? 0 : 1;
}

// What the device can still deliver; for a sequential device, no more than
// one read asks for.
qint64 bytesLeft(const QIODevice &file)
{
    if (file.isSequential())
        return std::numeric_limits<qint64>::max();
    return qMax<qint64>(0, file.size() - file.pos());
}

} // namespace

int CKdib::Read(QIODevice &file, QString *failure)
{
    Release();
    auto refuse = [this, failure](const char *message) {
        Release();
        if (failure)
            *failure = QString::fromLatin1(message);
        else
            CMessageBox::Show(QString::fromLatin1(message));
        return 0;
    };
    QByteArray fileHeader;
    int r = readExactly(file, km::kFileHeaderSize, &fileHeader);
    if (r == 2)
        return refuse("Read error 1");
    if (r == 1)
        return refuse("read error 1");
    if (ReadLe16(fileHeader, 0) != km::kBitmapFileType)
        return refuse("Invalid bitmap file");

    const quint32 offset = ReadLe32(fileHeader, 10);
    if (offset < quint32(km::kFileHeaderSize + km::kCoreHeaderSize))
        return refuse("Invalid bitmap file");
    const qint64 headerBytes = qint64(offset) - km::kFileHeaderSize;
    if (headerBytes > bytesLeft(file))
        return refuse("read error 1");
    r = readExactly(file, headerBytes, &m_header);
    if (r == 2)
        return refuse("Read error 1");
    if (r == 1)
        return refuse("read error 1");
    if (!TakeLayout(nullptr))
        return refuse("Invalid bitmap file");
    // A run-length picture that does not give its size takes the rest of
    // the file.
    if (m_layout.IsCompressed() && m_layout.sizeImage == 0 && !file.isSequential())
        m_imageSize = bytesLeft(file);
    // Uncompressed rows must all be there; a header that claims fewer bytes
    // than its rows take does not describe its picture.
    if (!m_layout.IsCompressed() && m_imageSize < m_layout.UncompressedSize())
        return refuse("Invalid bitmap file");
    if (m_imageSize > bytesLeft(file))
        return refuse("read error 1");
    r = readExactly(file, m_imageSize, &m_pixels);
    if (r == 2)
        return refuse("Read error 1");
    if (r == 1)
        return refuse("read error 1");
    return 1;
}

int CKdib::Write(QIODevice &file) const
{
    QByteArray fileHeader(km::kFileHeaderSize, '\0');
    const qint64 offset = km::kFileHeaderSize + m_header.size();
    WriteLe16(fileHeader, 0, km::kBitmapFileType);
    WriteLe32(fileHeader, 2, quint32(offset + m_pixels.size()));
    WriteLe32(fileHeader, 10, quint32(offset));
    if (IsNull() || file.write(fileHeader) != fileHeader.size() || file.write(m_header) != m_header.size()
        || file.write(m_pixels) != m_pixels.size()) {
        CMessageBox::Show(QStringLiteral("write error"));
        return 0;
    }
    return 1;
}

QImage CKdib::ToImage() const
{
    if (IsNull())
        return {};
    return DecodeDib(m_header, m_layout, m_pixels, KmDibAlpha::IfPresent);
}

QPixmap CKdib::CreateDeviceBitmap() const
{
    if (m_imageSize == 0)
        return {};
    const QImage image = ToImage();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QSize CKdib::GetSize() const
{
    return IsNull() ? QSize(0, 0) : QSize(m_layout.width, m_layout.height);
}
