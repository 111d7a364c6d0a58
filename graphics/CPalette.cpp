#include "graphics/CPalette.h"

#include "graphics/BitmapResource.h"
#include "graphics/PackedDib.h"
#include "graphics/CMessageBox.h"

bool CPalette::FromPackedDib(QByteArrayView packed, int count, CPalette *out)
{
    KmDibLayout layout;
    if (!ParseDibLayout(packed, &layout) || layout.colorCount < count || count <= 0)
        return false;
    QList<QRgb> table = DibColorTable(packed, layout);
    table.resize(count);
    *out = CPalette(std::move(table));
    return true;
}

CPalette CPalette::BuildProgramPalette()
{
    const QByteArray packed = LoadDIBFromResource(kPaletteResource);
    if (packed.isEmpty()) {
        CMessageBox::Show(QStringLiteral("LoadDIBFromResouce failed!"));
        return {};
    }
    CPalette palette;
    if (!FromPackedDib(packed, kProgramColors, &palette)) {
        CMessageBox::Show(QStringLiteral("CreatePalette failed!"));
        return {};
    }
    return palette;
}
