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
    // Drops what it held; images of size from now on, held at ratio times
    // the pixels (2 for the pictures of screens above 100 %).
    void Create(QSize size, int initial, int grow, qreal ratio = 1.0);
    QSize Size() const { return m_size; }
    // Index of the new image, or -1 when colour or mask is not of the
    // list's size in pixels.
    int Add(const QImage &colour, const QImage &mask);
    int GetImageCount() const { return int(m_images.size()); }
    void RemoveAll() { m_images.clear(); }

    // Draws image index with its top-left corner at `at`, Size() across
    // whatever its pixels; nothing for an index the list does not hold.
    void Draw(QPainter &painter, int index, QPoint at) const;
    // The image with its transparency; null for an index it does not hold.
    QImage Image(int index) const;

private:
    QSize m_size;
    qreal m_ratio = 1.0;
    int m_grow = 10;
    std::vector<QImage> m_images; // premultiplied ARGB
};
