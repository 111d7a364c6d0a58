#pragma once
// Pictures of the built-in icons. Every picture is first drawn with an alpha
// channel and then split into the two bitmaps the program carries: the colour
// picture, black wherever the icon is transparent and never pure black where it
// is opaque, and the 1-bit mask, black where opaque (alpha of half or more) and
// white elsewhere. A masked copy therefore leaves clean edges on any background,
// and an exclusive-or of the mask over the colour picture leaves it on white.
#include "IconTable.h"

#include <QImage>

namespace art {

class IconArt
{
public:
    // The icon of a table row at 16, 32 or 64 pixels, with alpha.
    static QImage picture(const IconRow &row, int size);

    static void split(const QImage &picture, QImage *colour, QImage *mask);

private:
    static QImage emoji(const char *text, int size);
    static QImage shape(IconRow::Source kind, int hue, int size);
    static QImage cross(int size);
    static QImage easterEgg(int size);
    static QImage menorah(int size);
    // A large picture cropped, scaled down and given a rim for its size.
    static QImage shrink(const QImage &big, int size);
};

} // namespace art
