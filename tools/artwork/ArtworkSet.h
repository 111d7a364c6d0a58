#pragma once
// Every bitmap resource the generator makes, by resource number, with what it
// is; the writers and the contact sheet read from here.
#include <QImage>
#include <QList>
#include <QMap>
#include <QString>

namespace art {

struct Bitmap
{
    enum class Kind { Colour, Mask, Palette };

    int id = -1;
    Kind kind = Kind::Colour;
    QImage image;        // RGB32 for colour and mask, Indexed8 for palette pictures
    QList<QRgb> table;   // palette pictures only
    QString caption;     // what the picture is, for the contact sheet
};

class ArtworkSet
{
public:
    void addColour(int id, const QImage &image, const QString &caption);
    void addMask(int id, const QImage &image, const QString &caption);
    void addPalette(int id, const QImage &indexed, const QList<QRgb> &table, const QString &caption);

    bool contains(int id) const { return m_bitmaps.contains(id); }
    const Bitmap &at(int id) const;
    QImage image(int id) const { return at(id).image; }
    QList<int> ids() const { return m_bitmaps.keys(); }

private:
    void add(Bitmap b);

    QMap<int, Bitmap> m_bitmaps;
};

} // namespace art
