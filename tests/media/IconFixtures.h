#pragma once

// Icon files and built-in icon resources made by the tests.

#include "graphics/PackedDib.h"
#include "model/CIconTable.h"
#include "support/CFakeBitmaps.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QList>
#include <vector>

namespace icons {

// One image of an icon file to be written.
struct Entry
{
    QImage colour;      // the colour picture (alpha used for 32-bit entries)
    QImage mask;        // white where transparent; null: all opaque
    int bits = 24;      // 4, 8, 24 or 32; 0 stores colour as a PNG
    QByteArray override; // when set, written as the entry's data instead
};

// The image data of a bitmap entry: header with twice the height, colour
// table, colour rows and mask rows, bottom row first.
inline QByteArray BitmapData(const Entry &e)
{
    const int w = e.colour.width();
    const int h = e.colour.height();
    KmBitmapInfoHeader hd;
    hd.biWidth = w;
    hd.biHeight = 2 * h;
    hd.biBitCount = quint16(e.bits);
    QList<QRgb> table;
    if (e.bits <= 8) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = e.colour.pixel(x, y) | 0xFF000000u;
                if (!table.contains(c))
                    table << c;
            }
        table.resize(1 << e.bits, qRgb(0, 0, 0));
        hd.biClrUsed = 0;
    }
    QByteArray out = hd.ToBytes();
    for (QRgb c : table) {
        const char entry[4] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), 0};
        out += QByteArray(entry, 4);
    }
    const int rowBytes = ((e.bits * w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb c = e.colour.pixel(x, y);
            if (e.bits == 24 || e.bits == 32) {
                const int bpp = e.bits / 8;
                row[x * bpp] = char(qBlue(c));
                row[x * bpp + 1] = char(qGreen(c));
                row[x * bpp + 2] = char(qRed(c));
                if (bpp == 4)
                    row[x * bpp + 3] = char(qAlpha(c));
            } else {
                const int index = int(table.indexOf(c | 0xFF000000u));
                const int perByte = 8 / e.bits;
                const int shift = 8 - e.bits * (1 + x % perByte);
                row[x / perByte] = char(row[x / perByte] | (index << shift));
            }
        }
        out += row;
    }
    const int maskRow = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < w; ++x)
            if (!e.mask.isNull() && qGray(e.mask.pixel(x, y)) >= 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out += row;
    }
    return out;
}

inline QByteArray PngData(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// A whole icon file.
inline QByteArray IcoFile(const std::vector<Entry> &entries, quint16 type = 1)
{
    QByteArray out(6, '\0');
    WriteLe16(out, 2, type);
    WriteLe16(out, 4, quint16(entries.size()));
    std::vector<QByteArray> data;
    for (const Entry &e : entries)
        data.push_back(!e.override.isNull() ? e.override : e.bits == 0 ? PngData(e.colour) : BitmapData(e));
    qint64 offset = 6 + 16 * qint64(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        QByteArray dir(16, '\0');
        dir[0] = char(entries[i].colour.width() & 0xFF);
        dir[1] = char(entries[i].colour.height() & 0xFF);
        WriteLe16(dir, 4, 1);
        WriteLe16(dir, 6, quint16(entries[i].bits ? entries[i].bits : 32));
        WriteLe32(dir, 8, quint32(data[i].size()));
        WriteLe32(dir, 12, quint32(offset));
        out += dir;
        offset += data[i].size();
    }
    for (const QByteArray &d : data)
        out += d;
    return out;
}

inline bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A picture of size s: a disc of colour on a transparent ground.
inline QImage Disc(int s, QRgb colour)
{
    QImage img(s, s, QImage::Format_ARGB32);
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x) {
            const double dx = x - s / 2 + 0.5;
            const double dy = y - s / 2 + 0.5;
            img.setPixel(x, y, dx * dx + dy * dy < s * s / 9.0 ? colour : qRgba(0, 0, 0, 0));
        }
    return img;
}

// The mask of a picture: white where it is transparent.
inline QImage MaskOf(const QImage &picture)
{
    QImage mask(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            mask.setPixel(x, y, qAlpha(picture.pixel(x, y)) < 128 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return mask;
}

// The colour of built-in icon n in the fake artwork.
inline QRgb BuiltinColour(int n) { return qRgb(40 + n * 3, 200 - n * 3, (n * 37) & 255); }

// All four resources of every built-in icon (a disc of its own colour),
// except the rows named in missing; and the palette picture.
inline void PutBuiltins(const fake::CResourceFolder &folder, const QList<int> &missing = {})
{
    for (int n = 0; n < CIconTable::kBuiltinCount; ++n) {
        if (missing.contains(n))
            continue;
        const CIconTableRow &row = CIconTable::Row(n);
        for (int s : {32, 16}) {
            const QImage disc = Disc(s, BuiltinColour(n));
            QImage colour = disc.convertToFormat(QImage::Format_RGB32);
            folder.Put24(s == 32 ? row.m_res32 : row.m_res16, colour);
            folder.Put(s == 32 ? row.m_mask32 : row.m_mask16, fake::Packed1(MaskOf(disc)));
        }
    }
    folder.PutPalette();
}

} // namespace icons
