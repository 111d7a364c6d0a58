#pragma once

#include <QByteArrayView>
#include <QPixmap>

class CPalette;

// A device bitmap of a packed picture in out: 1, or 0.
//
// Without a palette (a true-colour display) the picture is shown as it is.
// With one, resource n (n >= 0) is first looked for in the bitmap cache:
// "bitmap_<n>.bmp" in the cache folder, used when it is not older than the
// program file and reads cleanly. Otherwise a 24-bit picture is reduced to
// the palette and written to the cache for the next run; a palette picture
// is shown unchanged.
int MakeDeviceBitmap(QByteArrayView picture, QPixmap *out, const CPalette *palette, int n);
