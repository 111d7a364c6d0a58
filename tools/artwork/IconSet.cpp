#include "IconSet.h"

#include "IconArt.h"
#include "IconTable.h"

namespace art {

void makeIcons(ArtworkSet &set, int scale)
{
    for (const IconRow &row : iconTable()) {
        const QString name = QString::fromLatin1(row.name);
        for (int size : {32, 16}) {
            QImage colour, mask;
            IconArt::split(IconArt::picture(row, size * scale), &colour, &mask);
            const QString what = QStringLiteral("%1 %2").arg(name).arg(size);
            set.addColour(size == 32 ? row.colour32 : row.colour16, colour, what);
            set.addMask(size == 32 ? row.mask32 : row.mask16, mask, what + QStringLiteral(" mask"));
        }
    }
}

} // namespace art
