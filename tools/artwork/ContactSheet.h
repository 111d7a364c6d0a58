#pragma once
#include "ArtworkSet.h"

#include <QImage>
#include <QList>

namespace art {

// Every bitmap at twice its size with its number; each built-in icon also on
// white, on the calendar cells and through its mask on a dark background; the
// program icon at its own sizes.
QImage makeContactSheet(const ArtworkSet &set, const QList<QImage> &programIcons);

} // namespace art
