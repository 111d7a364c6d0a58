#include "graphics/PackedDib.h"

#include <algorithm>
#include <bit>
#include <limits>

quint16 ReadLe16(QByteArrayView data, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(data.data()) + at;
    return quint16(p[0] | (p[1] << 8));
}

quint32 ReadLe32(QByteArrayView data, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(data.data()) + at;
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

void WriteLe16(QByteArray &data, qsizetype at, quint16 v)
{
    data[at] = char(v & 0xFF);
    data[at + 1] = char(v >> 8);
}

void WriteLe32(QByteArray &data, qsizetype at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        data[at + i] = char((v >> (8 * i)) & 0xFF);
}

bool KmBitmapInfoHeader::Parse(QByteArrayView data, KmBitmapInfoHeader *out)
{
    if (data.size() < km::kInfoHeaderSize)
        return false;
    out->biSize = ReadLe32(data, 0);
    out->biWidth = qint32(ReadLe32(data, 4));
    out->biHeight = qint32(ReadLe32(data, 8));
    out->biPlanes = ReadLe16(data, 12);
    out->biBitCount = ReadLe16(data, 14);
    out->biCompression = ReadLe32(data, 16);
    out->biSizeImage = ReadLe32(data, 20);
    out->biXPelsPerMeter = qint32(ReadLe32(data, 24));
    out->biYPelsPerMeter = qint32(ReadLe32(data, 28));
    out->biClrUsed = ReadLe32(data, 32);
    out->biClrImportant = ReadLe32(data, 36);
    return true;
}

QByteArray KmBitmapInfoHeader::ToBytes() const
{
    QByteArray b(km::kInfoHeaderSize, '\0');
    WriteLe32(b, 0, biSize);
    WriteLe32(b, 4, quint32(biWidth));
    WriteLe32(b, 8, quint32(biHeight));
    WriteLe16(b, 12, biPlanes);
    WriteLe16(b, 14, biBitCount);
    WriteLe32(b, 16, biCompression);
    WriteLe32(b, 20, biSizeImage);
    WriteLe32(b, 24, quint32(biXPelsPerMeter));
    WriteLe32(b, 28, quint32(biYPelsPerMeter));
    WriteLe32(b, 32, biClrUsed);
    WriteLe32(b, 36, biClrImportant);
    return b;
}

int PackedDibColorCount(const KmBitmapInfoHeader &h)
{
    if (h.biClrUsed)
        return int(qMin<quint32>(h.biClrUsed, 0x7FFFFFFF / 4));
    switch (h.biBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

int PackedDibColorTableBytes(const KmBitmapInfoHeader &h) { return 4 * PackedDibColorCount(h); }

qsizetype PackedDibBits(const KmBitmapInfoHeader &h)
{
    return qsizetype(h.biSize) + PackedDibColorTableBytes(h);
}

qint64 PackedDibRowBytes(const KmBitmapInfoHeader &h)
{
    return ((qint64(h.biBitCount) * h.biPlanes * h.biWidth + 31) / 8) & ~qint64(3);
}

namespace {

bool fail(QString *why, const char *text)
{
    if (why)
        *why = QString::fromLatin1(text);
    return false;
}

// The forms of the information header this reader knows: the OS/2 core
// header, the Windows headers of 40, 52, 56, 108 and 124 bytes, and the
// OS/2 version 2 header, which may be cut anywhere from 16 to 64 bytes.
bool isWindowsHeader(quint32 size) { return size == 40 || size == 52 || size == 56 || size == 108 || size == 124; }
bool isOs2v2Header(quint32 size) { return size >= 16 && size <= 64 && !isWindowsHeader(size); }

} // namespace

bool ParseDibLayout(QByteArrayView block, KmDibLayout *out, QString *why)
{
    KmDibLayout l;
    if (block.size() < 4)
        return fail(why, "header missing");
    l.headerSize = ReadLe32(block, 0);
    if (l.headerSize > quint32(block.size()))
        return fail(why, "header longer than its block");
    bool os2 = false;
    if (l.headerSize == quint32(km::kCoreHeaderSize)) {
        l.width = ReadLe16(block, 4);
        l.height = ReadLe16(block, 6);
        l.planes = ReadLe16(block, 8);
        l.bitCount = ReadLe16(block, 10);
        l.colorEntrySize = 3;
        os2 = true;
    } else if (isWindowsHeader(l.headerSize) || isOs2v2Header(l.headerSize)) {
        os2 = isOs2v2Header(l.headerSize);
        const qint32 width = qint32(ReadLe32(block, 4));
        const qint32 height = qint32(ReadLe32(block, 8));
        l.width = width;
        if (height == std::numeric_limits<qint32>::min())
            return fail(why, "bad height");
        l.topDown = height < 0;
        l.height = height < 0 ? -height : height;
        l.planes = ReadLe16(block, 12);
        l.bitCount = ReadLe16(block, 14);
        if (l.headerSize >= 20)
            l.compression = ReadLe32(block, 16);
        if (l.headerSize >= 24)
            l.sizeImage = ReadLe32(block, 20);
        if (l.headerSize >= 36)
            l.clrUsed = ReadLe32(block, 32);
        // OS/2 numbers its Huffman and 24-bit run-length codes 3 and 4.
        if (os2 && l.compression >= kBiBitfields)
            return fail(why, "unsupported compression");
    } else {
        return fail(why, "unknown header size");
    }

    if (l.width <= 0 || l.height <= 0)
        return fail(why, "bad size");
    if (qint64(l.width) * l.height > kMaxDibPixels)
        return fail(why, "picture too large");
    if (l.planes != 1)
        return fail(why, "bad planes");
    switch (l.bitCount) {
    case 1: case 2: case 4: case 8: case 16: case 24: case 32: break;
    default: return fail(why, "bad bit count");
    }
    switch (l.compression) {
    case kBiRgb: break;
    case kBiRle8: if (l.bitCount != 8) return fail(why, "bad compression"); break;
    case kBiRle4: if (l.bitCount != 4) return fail(why, "bad compression"); break;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (l.bitCount != 16 && l.bitCount != 32)
            return fail(why, "bad compression");
        break;
    default: return fail(why, "unsupported compression");
    }
    if (l.topDown && l.IsCompressed())
        return fail(why, "top-down run-length picture");

    qsizetype at = l.headerSize;
    const bool bitfields = l.compression == kBiBitfields || l.compression == kBiAlphaBitfields;
    if (bitfields) {
        const int masks = l.compression == kBiAlphaBitfields ? 4 : 3;
        const qsizetype maskAt = 40;
        // The masks a header does not hold follow it: all of them after the
        // 40-byte header, the alpha mask after the 52-byte one.
        const qsizetype masksEnd = maskAt + 4 * masks;
        if (l.headerSize == 40 || l.headerSize == 52) {
            if (block.size() < masksEnd)
                return fail(why, "colour masks missing");
            at = std::max<qsizetype>(at, masksEnd);
        } else if (l.headerSize < 52) {
            return fail(why, "colour masks missing");
        }
        l.redMask = ReadLe32(block, maskAt);
        l.greenMask = ReadLe32(block, maskAt + 4);
        l.blueMask = ReadLe32(block, maskAt + 8);
        if (masks == 4 || l.headerSize >= 56)
            l.alphaMask = ReadLe32(block, maskAt + 12);
        if (!l.redMask && !l.greenMask && !l.blueMask)
            return fail(why, "empty colour masks");
    } else if (l.bitCount == 16) {
        l.redMask = 0x7C00; l.greenMask = 0x03E0; l.blueMask = 0x001F;
    } else if (l.bitCount == 32) {
        l.redMask = 0xFF0000; l.greenMask = 0xFF00; l.blueMask = 0xFF;
    }

    qint64 colors = l.clrUsed;
    if (!colors && l.bitCount <= 8)
        colors = qint64(1) << l.bitCount;
    l.colorTableOffset = at;
    const qint64 room = (block.size() - at) / l.colorEntrySize;
    if (colors > room) {
        // OS/2 files may hold a shorter table than their depth allows; the
        // pixel offset of the file is what tells.
        if (!os2)
            return fail(why, "colour table cut short");
        colors = qMax<qint64>(room, 0);
    }
    if (l.bitCount <= 8 && colors == 0)
        return fail(why, "colour table missing");
    l.colorCount = int(colors);
    l.tablesEnd = at + qsizetype(colors) * l.colorEntrySize;
    *out = l;
    return true;
}

QList<QRgb> DibColorTable(QByteArrayView block, const KmDibLayout &layout)
{
    QList<QRgb> table;
    table.reserve(layout.colorCount);
    const auto *p = reinterpret_cast<const uchar *>(block.data()) + layout.colorTableOffset;
    for (int i = 0; i < layout.colorCount; ++i, p += layout.colorEntrySize)
        table << qRgb(p[2], p[1], p[0]);
    return table;
}

namespace {

constexpr qint64 kRlePixelsFree = qint64(1) << 20;
constexpr qint64 kRlePixelsPerByte = 512;

// One channel described by a bit mask, scaled to 0..255.
struct Channel
{
    explicit Channel(quint32 mask)
    {
        if (!mask)
            return;
        shift = std::countr_zero(mask);
        const quint32 top = mask >> shift;
        bits = std::countr_one(top);
        max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
        m = mask;
    }
    int operator()(quint32 v) const
    {
        if (!m)
            return 0;
        const quint32 c = ((v & m) >> shift) & max;
        if (bits == 8)
            return int(c);
        return int((quint64(c) * 255 + max / 2) / max);
    }
    quint32 m = 0;
    int shift = 0;
    int bits = 0;
    quint32 max = 1;
};

bool decodeRle(QByteArrayView src, const KmDibLayout &l, const QList<QRgb> &table, QImage &img)
{
    const auto *p = reinterpret_cast<const uchar *>(src.data());
    const qsizetype n = src.size();
    const bool four = l.compression == kBiRle4;
    int x = 0;
    int row = 0; // counted from the bottom
    auto put = [&](int index) {
        if (x < l.width && row < l.height) {
            const QRgb c = index < table.size() ? table[index] : qRgb(0, 0, 0);
            reinterpret_cast<QRgb *>(img.scanLine(l.height - 1 - row))[x] = c;
        }
        ++x;
    };
    qsizetype i = 0;
    while (i + 1 < n) {
        const int count = p[i];
        const int value = p[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(four ? ((k & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++row;
            break;
        case 1: // end of picture
            return true;
        case 2: // move
            if (i + 1 >= n)
                return false;
            x += p[i];
            row += p[i + 1];
            i += 2;
            break;
        default: { // a run of literal pixels, padded to a word
            const int literal = value;
            const qsizetype bytes = four ? (literal + 1) / 2 : literal;
            if (i + bytes > n)
                return false;
            for (int k = 0; k < literal; ++k) {
                const int b = p[i + (four ? k / 2 : k)];
                put(four ? ((k & 1) ? (b & 0x0F) : (b >> 4)) : b);
            }
            i += (bytes + 1) & ~qsizetype(1);
            break;
        }
        }
        if (row >= l.height)
            return true;
    }
    // The end-of-picture code may be missing; what was there is kept.
    return true;
}

} // namespace

QImage DecodeDib(QByteArrayView block, const KmDibLayout &l, QByteArrayView pixels, KmDibAlpha alphaPolicy,
                 QString *why)
{
    const QList<QRgb> table = DibColorTable(block, l);
    if (l.IsCompressed()) {
        // Runs give at most 255 pixels for two bytes; a picture far larger
        // than its data could fill is refused before it is allocated.
        if (qint64(l.width) * l.height > kRlePixelsFree + kRlePixelsPerByte * pixels.size()) {
            fail(why, "run-length picture larger than its data");
            return {};
        }
        QImage img(l.width, l.height, QImage::Format_RGB32);
        if (img.isNull()) {
            fail(why, "out of memory");
            return {};
        }
        img.fill(table.isEmpty() ? qRgb(0, 0, 0) : table[0]);
        if (!decodeRle(pixels, l, table, img)) {
            fail(why, "run-length data cut short");
            return {};
        }
        return img;
    }

    const qint64 rowBytes = l.RowBytes();
    if (rowBytes * l.height > pixels.size()) {
        fail(why, "pixel rows cut short");
        return {};
    }
    const auto *base = reinterpret_cast<const uchar *>(pixels.data());

    bool withAlpha = false;
    if (l.bitCount == 32 || l.bitCount == 16) {
        if (l.alphaMask)
            withAlpha = true;
        else if (l.bitCount == 32 && l.compression == kBiRgb && alphaPolicy == KmDibAlpha::IfPresent) {
            for (int r = 0; r < l.height && !withAlpha; ++r) {
                const uchar *s = base + r * rowBytes;
                for (int x = 0; x < l.width; ++x)
                    if (s[4 * x + 3]) {
                        withAlpha = true;
                        break;
                    }
            }
        }
    }
    QImage img(l.width, l.height, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (img.isNull()) {
        fail(why, "out of memory");
        return {};
    }
    const Channel red(l.redMask), green(l.greenMask), blue(l.blueMask);
    const Channel alphaCh(withAlpha && l.alphaMask ? l.alphaMask : 0);
    for (int r = 0; r < l.height; ++r) {
        const uchar *s = base + r * rowBytes;
        auto *d = reinterpret_cast<QRgb *>(img.scanLine(l.topDown ? r : l.height - 1 - r));
        switch (l.bitCount) {
        case 1: case 2: case 4: case 8: {
            const int bits = l.bitCount;
            const int perByte = 8 / bits;
            const int mask = (1 << bits) - 1;
            for (int x = 0; x < l.width; ++x) {
                const int shift = 8 - bits * (1 + x % perByte);
                const int index = (s[x / perByte] >> shift) & mask;
                d[x] = index < table.size() ? table[index] : qRgb(0, 0, 0);
            }
            break;
        }
        case 16:
            for (int x = 0; x < l.width; ++x) {
                const quint32 v = quint32(s[2 * x] | (s[2 * x + 1] << 8));
                d[x] = qRgba(red(v), green(v), blue(v), withAlpha ? alphaCh(v) : 255);
            }
            break;
        case 24:
            for (int x = 0; x < l.width; ++x)
                d[x] = qRgb(s[3 * x + 2], s[3 * x + 1], s[3 * x]);
            break;
        case 32:
            for (int x = 0; x < l.width; ++x) {
                const uchar *q = s + 4 * x;
                if (l.compression == kBiRgb) {
                    d[x] = qRgba(q[2], q[1], q[0], withAlpha ? q[3] : 255);
                } else {
                    const quint32 v = quint32(q[0]) | (quint32(q[1]) << 8) | (quint32(q[2]) << 16)
                                      | (quint32(q[3]) << 24);
                    d[x] = qRgba(red(v), green(v), blue(v), withAlpha ? alphaCh(v) : 255);
                }
            }
            break;
        }
    }
    return img;
}

QImage DecodePackedDib(QByteArrayView packed, KmDibAlpha alpha, QString *why)
{
    KmDibLayout layout;
    if (!ParseDibLayout(packed, &layout, why))
        return {};
    const qint64 size = layout.ImageSize();
    const QByteArrayView rest = packed.sliced(layout.tablesEnd);
    return DecodeDib(packed, layout, rest.first(qMin<qint64>(size, rest.size())), alpha, why);
}

QByteArray EncodePackedDib(const QImage &image, bool withAlpha)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    KmBitmapInfoHeader h;
    h.biWidth = src.width();
    h.biHeight = src.height();
    h.biBitCount = withAlpha ? 32 : 24;
    const qint64 rowBytes = PackedDibRowBytes(h);
    QByteArray out = h.ToBytes();
    const qsizetype start = out.size();
    out.resize(start + rowBytes * src.height(), '\0');
    auto *d = reinterpret_cast<uchar *>(out.data()) + start;
    for (int y = 0; y < src.height(); ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(src.constScanLine(src.height() - 1 - y));
        uchar *row = d + y * rowBytes;
        for (int x = 0; x < src.width(); ++x) {
            uchar *q = row + x * (withAlpha ? 4 : 3);
            q[0] = uchar(qBlue(s[x]));
            q[1] = uchar(qGreen(s[x]));
            q[2] = uchar(qRed(s[x]));
            if (withAlpha)
                q[3] = uchar(qAlpha(s[x]));
        }
    }
    return out;
}
