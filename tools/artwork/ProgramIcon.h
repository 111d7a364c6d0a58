#pragma once
// The program icon (resource 128): the emblem at the sizes the window, the
// tray and the desktop entry ask for.
#include <QImage>
#include <QList>

namespace art {

inline const QList<int> programIconSizes {16, 22, 24, 32, 48, 64, 128, 256};

QList<QImage> makeProgramIcons();

} // namespace art
