#pragma once
#include "ArtworkSet.h"

namespace art {

// Adds the four bitmaps of every built-in icon.
void makeIcons(ArtworkSet &set);

} // namespace art
