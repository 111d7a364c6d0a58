#pragma once
// The program's 236-colour palette for 256-colour displays, carried as the
// colour table of bitmap 493: the artwork's own dominant hues first (so that
// the matcher, which stops at the first close colour, prefers them), the four
// colours the program draws with, a ramp of greys, and a 6 x 6 x 6 colour cube.
#include <QImage>
#include <QList>

namespace art {

QList<QRgb> buildPalette(const QList<QImage> &artwork);

// A 59 x 4 picture showing each of the 236 colours once, in table order.
QImage palettePicture(const QList<QRgb> &table);

} // namespace art
