#pragma once
// Writers for the three kinds of standard Windows bitmap files the program
// carries: 24-bit colour, 1-bit masks and 8-bit palette pictures. The bytes are
// laid out here by hand so that depth, colour table and row order are exact:
// a 40-byte information header, BI_RGB, rows bottom-up and padded to 4 bytes.
#include <QByteArray>
#include <QImage>
#include <QList>

namespace art {

// Every pixel's red, green and blue; alpha is ignored.
QByteArray encodeBmp24(const QImage &image);

// Black pixels become index 0 (black, opaque part of an icon), every other
// pixel index 1 (white); the colour table holds exactly these two entries.
QByteArray encodeBmp1(const QImage &mask);

// An indexed picture with its colour table; colours-used is the table size.
QByteArray encodeBmp8(const QImage &indexed, const QList<QRgb> &table);

} // namespace art
