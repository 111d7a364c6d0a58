#pragma once
#include "ArtworkSet.h"

namespace art {

// Adds the main window's pictures, its buttons, the logo, the about picture,
// the dialog pictures and, drawn from all of them, the palette picture 493
// (at scale 1 only: palette displays draw the pictures at their own size).
void makeWindowArt(ArtworkSet &set, int scale);

} // namespace art
