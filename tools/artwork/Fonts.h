#pragma once
// The typefaces of the artwork, loaded from their files so that the pictures
// do not depend on which fonts the desktop happens to prefer.
#include <QFont>
#include <QString>

namespace art {

class Fonts
{
public:
    // Loads every face; false (with the missing file in error) when one is absent.
    static bool load(QString *error);

    static QFont sans(int pixelSize, bool bold = false);
    static QFont serif(int pixelSize, bool bold = false, bool italic = false);
    static QFont emoji(int pixelSize);
};

} // namespace art
