#pragma once
#include "ArtworkSet.h"

#include <QImage>

namespace art {

// The main window put together from the bitmaps as the program would draw
// it, with a sample month, icons, upcoming lines and display texts: a check
// that the pictures work as one design.
QImage makeMainWindowMock(const ArtworkSet &set);

} // namespace art
