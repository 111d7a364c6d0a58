#pragma once
#include "ArtworkSet.h"

#include <QByteArray>
#include <QString>

namespace art {

// Writes data to root/relative, making folders as needed.
bool writeFile(const QString &root, const QString &relative, const QByteArray &data, QString *error);

// resources/bitmaps/N.bmp for every bitmap of the set; bitmap files that the
// set no longer holds are removed so that the folder is exactly the set.
bool writeBitmaps(const ArtworkSet &set, const QString &root, QString *error);

} // namespace art
