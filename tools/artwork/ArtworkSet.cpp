#include "ArtworkSet.h"

#include <QtGlobal>

namespace art {

void ArtworkSet::add(Bitmap b)
{
    if (m_bitmaps.contains(b.id))
        qFatal("bitmap %d made twice", b.id);
    m_bitmaps.insert(b.id, std::move(b));
}

void ArtworkSet::addColour(int id, const QImage &image, const QString &caption)
{
    add({id, Bitmap::Kind::Colour, image.convertToFormat(QImage::Format_RGB32), {}, caption});
}

void ArtworkSet::addMask(int id, const QImage &image, const QString &caption)
{
    add({id, Bitmap::Kind::Mask, image.convertToFormat(QImage::Format_RGB32), {}, caption});
}

void ArtworkSet::addPalette(int id, const QImage &indexed, const QList<QRgb> &table, const QString &caption)
{
    add({id, Bitmap::Kind::Palette, indexed, table, caption});
}

const Bitmap &ArtworkSet::at(int id) const
{
    const auto it = m_bitmaps.constFind(id);
    if (it == m_bitmaps.constEnd())
        qFatal("bitmap %d was not made", id);
    return *it;
}

} // namespace art
