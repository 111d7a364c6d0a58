#pragma once
#include "ArtworkSet.h"

#include <QByteArray>
#include <QString>

namespace art {

// Writes data to root/relative, making folders as needed.
bool writeFile(const QString &root, const QString &relative, const QByteArray &data, QString *error);

// resources/bitmaps/N.bmp for every bitmap of set and N@2x.bmp for every
// bitmap of sharp (the same pictures at twice the pixels); bitmap files that
// neither holds any longer are removed so that the folder is exactly the two.
bool writeBitmaps(const ArtworkSet &set, const ArtworkSet &sharp, const QString &root, QString *error);

} // namespace art
