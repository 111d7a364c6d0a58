#pragma once

// Bitmap resources made by a test, for the picture and icon tests: a folder
// of N.bmp files that the resource loader reads instead of the program's
// artwork, and a guard that puts the display state back afterwards.
// Header-only; include it only from tests that link km_graphics.

#include "graphics/BitmapResource.h"
#include "graphics/CColorMatcher.h"
#include "graphics/CDisplayState.h"
#include "graphics/PackedDib.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QTemporaryDir>

namespace fake {

// A bitmap file of a packed bitmap.
inline QByteArray BmpFile(const QByteArray &packed)
{
    KmDibLayout layout;
    ParseDibLayout(packed, &layout);
    QByteArray file(km::kFileHeaderSize, '\0');
    WriteLe16(file, 0, km::kBitmapFileType);
    WriteLe32(file, 2, quint32(km::kFileHeaderSize + packed.size()));
    WriteLe32(file, 10, quint32(km::kFileHeaderSize + layout.tablesEnd));
    return file + packed;
}

// A packed 8-bit picture of image with the given colour table; each pixel
// takes the index of the first table colour equal to it (else 0).
inline QByteArray Packed8(const QImage &image, const QList<QRgb> &table)
{
    KmBitmapInfoHeader h;
    h.biWidth = image.width();
    h.biHeight = image.height();
    h.biBitCount = 8;
    h.biClrUsed = quint32(table.size());
    QByteArray out = h.ToBytes();
    for (QRgb c : table)
    {
        const char entry[4] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), 0};
        out += QByteArray(entry, 4);
    }
    const int stride = (image.width() + 3) & ~3;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x)
            row[x] = char(qMax<qsizetype>(0, table.indexOf(image.pixel(x, y) | 0xFF000000u)));
        out += row;
    }
    return out;
}

// A packed 1-bit mask: black pixels (opaque) index 0, the rest index 1.
inline QByteArray Packed1(const QImage &mask)
{
    KmBitmapInfoHeader h;
    h.biWidth = mask.width();
    h.biHeight = mask.height();
    h.biBitCount = 1;
    h.biClrUsed = 2;
    QByteArray out = h.ToBytes();
    out += QByteArray("\0\0\0\0\xff\xff\xff\0", 8);
    const int stride = ((mask.width() + 31) / 32) * 4;
    for (int y = mask.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < mask.width(); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFF) != 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out += row;
    }
    return out;
}

// The 236 colours of a palette that covers every brightness.
inline QList<QRgb> PaletteColours()
{
    QList<QRgb> colours;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours << qRgb(r * 51, g * 51, b * 51);
    for (int i = 0; colours.size() < 236; ++i)
        colours << qRgb(8 + i * 12, 8 + i * 12, 8 + i * 12);
    return colours;
}

// A folder of bitmap resources that the loader reads while the object lives.
class CResourceFolder
{
public:
    CResourceFolder() { SetBitmapResourceRoot(m_dir.path()); }
    ~CResourceFolder() { SetBitmapResourceRoot(QStringLiteral(":/bitmaps/")); }

    QString Path() const { return m_dir.path(); }
    void Put(int id, const QByteArray &packed) const { PutFile(id, BmpFile(packed)); }
    void Put24(int id, const QImage &image) const { Put(id, EncodePackedDib(image)); }
    void PutFile(int id, const QByteArray &bytes) const
    {
        QFile f(m_dir.filePath(QString::number(id) + QStringLiteral(".bmp")));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    void PutPalette() const
    {
        QImage img(16, 16, QImage::Format_RGB32);
        const QList<QRgb> colours = PaletteColours();
        for (int i = 0; i < 256; ++i)
            img.setPixel(i % 16, i / 16, colours[i % colours.size()]);
        Put(493, Packed8(img, colours));
    }

private:
    QTemporaryDir m_dir;
};

// Puts the program-wide display state and colour matcher back afterwards.
class CDisplayStateGuard
{
public:
    CDisplayStateGuard() : m_saved(CDisplayState::Instance()) { CColorMatcher::Instance().Reset(); }
    ~CDisplayStateGuard()
    {
        CDisplayState::Instance() = m_saved;
        CColorMatcher::Instance().Reset();
    }

private:
    CDisplayState m_saved;
};

} // namespace fake
