#pragma once
#include "ArtworkSet.h"

namespace art {

// Adds the main window's pictures, its buttons, the logo, the about picture,
// the dialog pictures and, drawn from all of them, the palette picture 493.
void makeWindowArt(ArtworkSet &set);

} // namespace art
