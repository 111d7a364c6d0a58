#pragma once
// The program icon (resource 128): the emblem at the sizes the window, the
// tray and the desktop entry ask for.
#include <QImage>
#include <QList>

namespace art {

inline const QList<int> programIconSizes {16, 22, 24, 32, 48, 64, 128, 256};

// The emblem at every size of programIconSizes times scale; at scale 2 the
// largest size is left out (the 256-pixel picture serves there).
QList<QImage> makeProgramIcons(int scale = 1);

} // namespace art
