#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <vector>

class QPainter;

// Icons of one size, each a colour image with its mask, drawn transparently.
// An image whose colours carry alpha keeps it; others are transparent where
// their mask is white.
class CImageList
{
public:
    // Drops what it held; images of size from now on.
    void Create(QSize size, int initial, int grow);
    QSize Size() const { return m_size; }
    // Index of the new image, or -1 when colour or mask is not of the
    // list's size.
    int Add(const QImage &colour, const QImage &mask);
    int GetImageCount() const { return int(m_images.size()); }
    void RemoveAll() { m_images.clear(); }

    // Draws image index with its top-left corner at `at`; nothing for an
    // index the list does not hold.
    void Draw(QPainter &painter, int index, QPoint at) const;
    // The image with its transparency; null for an index it does not hold.
    QImage Image(int index) const;

private:
    QSize m_size;
    int m_grow = 10;
    std::vector<QImage> m_images; // premultiplied ARGB
};
