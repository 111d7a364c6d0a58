#include "BmpFile.h"

#include <QtEndian>

namespace art {
namespace {

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

int rowBytes(int width, int bitCount)
{
    return ((width * bitCount + 31) / 32) * 4;
}

// File header, information header and colour table; the pixel rows follow.
QByteArray headers(int width, int height, int bitCount, const QList<QRgb> &table)
{
    const quint32 colours = quint32(table.size());
    const quint32 imageSize = quint32(rowBytes(width, bitCount) * height);
    const quint32 offset = 14 + 40 + 4 * colours;
    QByteArray out;
    out.reserve(int(offset + imageSize));
    out.append("BM", 2);
    put32(out, offset + imageSize);
    put16(out, 0);
    put16(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, quint32(width));
    put32(out, quint32(height)); // positive: bottom-up
    put16(out, 1);
    put16(out, quint16(bitCount));
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, 0);
    put32(out, 0);
    // A full two-entry table of a 1-bit picture is the default; 8-bit pictures
    // name their shorter table so that readers take only those colours.
    put32(out, bitCount == 8 ? colours : 0);
    put32(out, bitCount == 8 ? colours : 0);
    for (QRgb c : table) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    return out;
}

} // namespace

QByteArray encodeBmp24(const QImage &image)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    QByteArray out = headers(w, h, 24, {});
    const int pad = rowBytes(w, 24) - 3 * w;
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        out.append(pad, char(0));
    }
    return out;
}

QByteArray encodeBmp1(const QImage &mask)
{
    const QImage img = mask.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    QByteArray out = headers(w, h, 1, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const int stride = rowBytes(w, 1);
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(stride, char(0));
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if ((line[x] & 0xffffff) != 0)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QByteArray encodeBmp8(const QImage &indexed, const QList<QRgb> &table)
{
    Q_ASSERT(indexed.format() == QImage::Format_Indexed8);
    const int w = indexed.width();
    const int h = indexed.height();
    QByteArray out = headers(w, h, 8, table);
    const int pad = rowBytes(w, 8) - w;
    for (int y = h - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), w);
        out.append(pad, char(0));
    }
    return out;
}

} // namespace art
