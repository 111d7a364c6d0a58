#include "media/CIconFile.h"

#include "model/CRegularFile.h"
#include "model/CTrace.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

constexpr int kIconFileHeader = 6;
constexpr int kDirectoryEntry = 16;
constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int kPngSignatureSize = 8;
// A PNG picture is decoded only once it is known to be 32 x 32, so a small
// limit is plenty.
constexpr int kPngAllocationLimitMb = 4;

quint32 readBe32(QByteArrayView d, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(d.data()) + at;
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

bool isPng(QByteArrayView data)
{
    return data.size() >= kPngSignatureSize && data.first(kPngSignatureSize) == QByteArrayView(kPngSignature, kPngSignatureSize);
}

// Size from the PNG's header chunk, without decoding anything.
bool fillPng(CIconImage &image)
{
    const QByteArrayView d = image.m_data;
    if (d.size() < kPngSignatureSize + 8 + 13 || readBe32(d, 8) != 13 || d.sliced(12, 4) != QByteArrayView("IHDR"))
        return false;
    const quint32 w = readBe32(d, 16);
    const quint32 h = readBe32(d, 20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF)
        return false;
    image.m_png = true;
    image.m_width = int(w);
    image.m_height = int(h);
    image.m_depth = 32;
    return true;
}

qint64 maskRowBytes(int width) { return ((qint64(width) + 31) / 32) * 4; }

// The per-image fields of a bitmap image, each checked against its block.
bool fillBitmap(CIconImage &image)
{
    const QByteArrayView d = image.m_data;
    KmDibLayout l;
    if (d.size() < km::kInfoHeaderSize || ReadLe32(d, 0) < quint32(km::kInfoHeaderSize))
        return false;
    if (!ParseDibLayout(d, &l) || l.topDown || l.IsCompressed())
        return false;
    if (l.height < 2)
        return false;
    const int height = l.height / 2;
    const qint64 colourBytes = l.RowBytes() * height;
    const qint64 maskBytes = maskRowBytes(l.width) * height;
    if (l.tablesEnd + colourBytes + maskBytes > d.size())
        return false;
    image.m_layout = l;
    image.m_width = l.width;
    image.m_height = height;
    image.m_depth = l.planes * l.bitCount;
    image.m_colorOffset = l.tablesEnd;
    image.m_maskOffset = l.tablesEnd + colourBytes;
    return true;
}

std::unique_ptr<CIconResource> fail(const char *text)
{
    Trace(text);
    return nullptr;
}

} // namespace

std::unique_ptr<CIconResource> ReadIconFromICOFile(const QString &path)
{
    // Only a regular file: a pipe named like an icon would block the open.
    QFile file;
    QString error;
    if (CRegularFile::OpenForReading(file, path, error) != CRegularFile::Opened) {
        Trace(QStringLiteral("Error Opening File for Reading ") + path + QStringLiteral(" (") + error
              + QStringLiteral(")\n"));
        return nullptr;
    }
    return ReadIconFromDevice(file, path);
}

std::unique_ptr<CIconResource> ReadIconFromDevice(QIODevice &device, const QString &fileName)
{
    // Everything below is bounded by what the file holds.
    const qint64 fileSize = device.isSequential() ? -1 : device.size();
    if (fileSize < 0)
        return fail("Error Reading File\n");
    auto icon = std::make_unique<CIconResource>();

    const QByteArray header = device.read(kIconFileHeader);
    if (header.size() != kIconFileHeader || ReadLe16(header, 0) != 0 || ReadLe16(header, 2) != 1)
        return fail("Error Reading File Header\n");
    const int count = ReadLe16(header, 4);
    icon->m_fileName = fileName;
    icon->m_count = count;

    const qint64 directoryBytes = qint64(count) * kDirectoryEntry;
    if (directoryBytes > fileSize - kIconFileHeader)
        return fail("Error Reading File\n");
    const QByteArray directory = device.read(directoryBytes);
    if (directory.size() != directoryBytes)
        return fail("Error Reading File\n");

    icon->m_images.reserve(count);
    // The images of an icon file lie side by side: together they cannot
    // take more than the file, however often the directory names its bytes.
    qint64 total = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = qsizetype(i) * kDirectoryEntry;
        const qint64 size = ReadLe32(directory, entry + 8);
        const qint64 offset = ReadLe32(directory, entry + 12);
        if (offset > fileSize || !device.seek(offset))
            return fail("Error Seeking in File\n");
        total += size;
        if (size > fileSize - offset || total > fileSize)
            return fail("Error Reading File\n");
        CIconImage image;
        image.m_data = device.read(size);
        if (image.m_data.size() != size)
            return fail("Error Reading File\n");
        const bool filled = isPng(image.m_data) ? fillPng(image) : fillBitmap(image);
        if (!filled)
            return fail("Error Converting to Internal Format\n");
        icon->m_images.push_back(std::move(image));
    }
    return icon;
}

int ChooseIconImage(const CIconResource &icon)
{
    int chosen = -1;
    int depth = -1;
    for (int i = 0; i < int(icon.m_images.size()); ++i) {
        const CIconImage &image = icon.m_images[i];
        if (image.m_width == 32 && image.m_height == 32 && image.m_depth >= depth) {
            chosen = i;
            depth = image.m_depth;
        }
    }
    return chosen;
}

int ChooseLargestImage(const CIconResource &icon)
{
    int chosen = -1;
    for (int i = 0; i < int(icon.m_images.size()); ++i) {
        const CIconImage &image = icon.m_images[size_t(i)];
        if (image.m_width != image.m_height || image.m_width <= 0)
            continue;
        const CIconImage *best = chosen < 0 ? nullptr : &icon.m_images[size_t(chosen)];
        if (!best || image.m_width > best->m_width || (image.m_width == best->m_width && image.m_depth >= best->m_depth))
            chosen = i;
    }
    return chosen;
}

namespace {

QImage maskFromAlpha(const QImage &colour)
{
    QImage mask(colour.size(), QImage::Format_RGB32);
    for (int y = 0; y < colour.height(); ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(colour.constScanLine(y));
        auto *m = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < colour.width(); ++x)
            m[x] = qAlpha(s[x]) >= 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return mask;
}

bool decodePng(const CIconImage &image, CIconPicture *out)
{
    QBuffer buffer;
    buffer.setData(image.m_data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAllocationLimit(kPngAllocationLimitMb);
    if (reader.size() != QSize(image.m_width, image.m_height))
        return false;
    const QImage picture = reader.read();
    if (picture.isNull() || picture.size() != QSize(image.m_width, image.m_height))
        return false;
    out->m_colour = picture.convertToFormat(QImage::Format_ARGB32);
    out->m_mask = maskFromAlpha(out->m_colour);
    return true;
}

} // namespace

bool DecodeIconImage(const CIconImage &image, CIconPicture *out)
{
    if (image.m_png)
        return decodePng(image, out);

    // The colour part alone is a bitmap of the image's own height.
    KmDibLayout layout = image.m_layout;
    layout.height = image.m_height;
    const QByteArrayView data = image.m_data;
    const QByteArrayView rows = data.sliced(image.m_colorOffset, image.m_maskOffset - image.m_colorOffset);
    QImage colour = DecodeDib(data, layout, rows, KmDibAlpha::IfPresent);
    if (colour.isNull())
        return false;

    if (colour.hasAlphaChannel()) {
        out->m_colour = colour;
        out->m_mask = maskFromAlpha(colour);
        return true;
    }
    // The file keeps its mask bottom row first; set bits are transparent.
    const int w = image.m_width;
    const int h = image.m_height;
    const qint64 rowBytes = maskRowBytes(w);
    const auto *bits = reinterpret_cast<const uchar *>(data.data()) + image.m_maskOffset;
    QImage mask(w, h, QImage::Format_RGB32);
    colour = colour.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const uchar *row = bits + (h - 1 - y) * rowBytes;
        auto *m = reinterpret_cast<QRgb *>(mask.scanLine(y));
        auto *c = reinterpret_cast<QRgb *>(colour.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool transparent = (row[x / 8] >> (7 - x % 8)) & 1;
            m[x] = transparent ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            if (transparent)
                c[x] = qRgba(0, 0, 0, 0);
        }
    }
    out->m_colour = colour;
    out->m_mask = mask;
    return true;
}
