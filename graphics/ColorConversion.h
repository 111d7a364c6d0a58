#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QPixmap>

class CPalette;

// A packed 8-bit picture of a packed 24-bit one, every pixel the palette
// index the colour matcher gives (building it from this palette on the first
// conversion). Pending events are delivered between rows. Empty when the
// picture is not an uncompressed 24-bit one or its rows are cut short.
QByteArray ConvertTo8Bit(QByteArrayView picture24, const CPalette &palette);

// The colours of image replaced by the palette's (alpha kept); the image
// itself without a palette.
QImage FitToPalette(const QImage &image, const CPalette *palette);

// A device bitmap of image fitted to the palette when there is one.
QPixmap ConvertDIBToBitmap(const QImage &image, const CPalette *palette);
