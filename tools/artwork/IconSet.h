#pragma once
#include "ArtworkSet.h"

namespace art {

// Adds the four bitmaps of every built-in icon, drawn at scale (1 or 2)
// times their size.
void makeIcons(ArtworkSet &set, int scale);

} // namespace art
