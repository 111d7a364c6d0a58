#include "ProgramIcon.h"

#include "Emblem.h"

namespace art {

QList<QImage> makeProgramIcons()
{
    QList<QImage> icons;
    for (int size : programIconSizes)
        icons.append(Emblem::draw(size).convertToFormat(QImage::Format_ARGB32));
    return icons;
}

} // namespace art
