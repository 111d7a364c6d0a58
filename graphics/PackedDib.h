#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QtGlobal>

// A packed bitmap is a bitmap information header followed by its colour
// table and its pixel rows in one block, the way bitmap files hold them after
// their 14-byte file header and the way the program keeps its own pictures.
// Every field is read little-endian and checked against the bytes present.

namespace km {
inline constexpr quint16 kBitmapFileType = 19778; // "BM"
inline constexpr int kFileHeaderSize = 14;
inline constexpr int kInfoHeaderSize = 40;
inline constexpr int kCoreHeaderSize = 12; // the OS/2 form
}

// Compression codes of the information header.
enum : quint32 {
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitfields = 3,
    kBiJpeg = 4,
    kBiPng = 5,
    kBiAlphaBitfields = 6,
};

// The 40-byte bitmap information header.
struct KmBitmapInfoHeader
{
    quint32 biSize = km::kInfoHeaderSize;
    qint32 biWidth = 0;
    qint32 biHeight = 0;
    quint16 biPlanes = 1;
    quint16 biBitCount = 24;
    quint32 biCompression = kBiRgb;
    quint32 biSizeImage = 0;
    qint32 biXPelsPerMeter = 0;
    qint32 biYPelsPerMeter = 0;
    quint32 biClrUsed = 0;
    quint32 biClrImportant = 0;

    // Reads the first 40 bytes of data (false when fewer are present).
    static bool Parse(QByteArrayView data, KmBitmapInfoHeader *out);
    // The 40 bytes as stored.
    QByteArray ToBytes() const;
};

// The four helpers on packed bitmaps, on an information header.
int PackedDibColorCount(const KmBitmapInfoHeader &h);
int PackedDibColorTableBytes(const KmBitmapInfoHeader &h);
// Offset of the pixel rows from the start of the packed bitmap.
qsizetype PackedDibBits(const KmBitmapInfoHeader &h);
qint64 PackedDibRowBytes(const KmBitmapInfoHeader &h);

// Everything a reader needs to know about a header block (information
// header, optional colour masks and colour table), whichever of the header
// forms it uses, once checked against the block's size.
struct KmDibLayout
{
    quint32 headerSize = 0;
    qint32 width = 0;
    qint32 height = 0;          // always positive
    bool topDown = false;       // the header's height was negative
    quint16 planes = 1;
    quint16 bitCount = 0;
    quint32 compression = kBiRgb;
    quint32 sizeImage = 0;
    quint32 clrUsed = 0;
    int colorCount = 0;         // entries of the colour table
    int colorEntrySize = 4;     // 3 in the OS/2 core form
    qsizetype colorTableOffset = 0;
    qsizetype tablesEnd = 0;    // first byte after masks and colour table
    quint32 redMask = 0, greenMask = 0, blueMask = 0, alphaMask = 0;

    qint64 RowBytes() const { return ((qint64(bitCount) * planes * width + 31) / 32) * 4; }
    // Bytes of uncompressed pixel rows.
    qint64 UncompressedSize() const { return RowBytes() * height; }
    bool IsCompressed() const { return compression == kBiRle8 || compression == kBiRle4; }
    // The image size the header asks for: its own value, or when that is 0,
    // what the uncompressed rows take.
    qint64 ImageSize() const { return sizeImage ? qint64(sizeImage) : UncompressedSize(); }
};

// The largest picture any reader here will decode, in pixels; a header that
// claims more is refused before anything is allocated.
inline constexpr qint64 kMaxDibPixels = qint64(1) << 26;

// Parses and checks the header block; false with a reason when it is not a
// bitmap this program can read.
bool ParseDibLayout(QByteArrayView block, KmDibLayout *out, QString *why = nullptr);

// The colours of the colour table (opaque).
QList<QRgb> DibColorTable(QByteArrayView block, const KmDibLayout &layout);

// How the fourth byte of 32-bit pixels without an alpha mask is taken.
enum class KmDibAlpha {
    Ignore,    // bitmap files: the byte is padding
    IfPresent, // icon images: alpha when any pixel has a non-zero fourth byte
};

// Decodes the pixel rows of a bitmap to an upright image (RGB32, or ARGB32
// when the picture carries alpha). A null image, with a reason, when the
// rows do not hold what the header describes.
QImage DecodeDib(QByteArrayView block, const KmDibLayout &layout, QByteArrayView pixels,
                 KmDibAlpha alpha = KmDibAlpha::Ignore, QString *why = nullptr);

// The same for a packed bitmap in one block.
QImage DecodePackedDib(QByteArrayView packed, KmDibAlpha alpha = KmDibAlpha::Ignore, QString *why = nullptr);

// A packed 24-bit bitmap (bottom-up) of an image, or 32-bit with its alpha
// when withAlpha is set.
QByteArray EncodePackedDib(const QImage &image, bool withAlpha = false);

// Little-endian field access for the readers.
quint16 ReadLe16(QByteArrayView data, qsizetype at);
quint32 ReadLe32(QByteArrayView data, qsizetype at);
void WriteLe16(QByteArray &data, qsizetype at, quint16 v);
void WriteLe32(QByteArray &data, qsizetype at, quint32 v);
