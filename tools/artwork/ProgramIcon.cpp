#include "ProgramIcon.h"

#include "Emblem.h"

namespace art {

QList<QImage> makeProgramIcons(int scale)
{
    QList<QImage> icons;
    for (int size : programIconSizes)
        if (scale == 1 || size < programIconSizes.last())
            icons.append(Emblem::draw(size * scale).convertToFormat(QImage::Format_ARGB32));
    return icons;
}

} // namespace art
