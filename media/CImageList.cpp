#include "media/CImageList.h"

#include <QPainter>

void CImageList::Create(QSize size, int initial, int grow, qreal ratio)
{
    m_size = size;
    m_ratio = ratio;
    m_grow = grow;
    m_images.clear();
    m_images.reserve(size_t(initial));
}

int CImageList::Add(const QImage &colour, const QImage &mask)
{
    const QSize pixels = (QSizeF(m_size) * m_ratio).toSize();
    if (colour.size() != pixels || mask.size() != pixels)
        return -1;
    QImage image = colour.convertToFormat(QImage::Format_ARGB32);
    if (!colour.hasAlphaChannel()) {
        for (int y = 0; y < image.height(); ++y) {
            auto *c = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (qGray(mask.pixel(x, y)) >= 128)
                    c[x] = qRgba(0, 0, 0, 0);
        }
    }
    if (m_images.size() == m_images.capacity())
        m_images.reserve(m_images.size() + size_t(m_grow));
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(m_ratio);
    m_images.push_back(image);
    return int(m_images.size()) - 1;
}

void CImageList::Draw(QPainter &painter, int index, QPoint at) const
{
    if (index < 0 || index >= GetImageCount())
        return;
    painter.drawImage(at, m_images[size_t(index)]);
}

QImage CImageList::Image(int index) const
{
    if (index < 0 || index >= GetImageCount())
        return {};
    return m_images[size_t(index)].convertToFormat(QImage::Format_ARGB32);
}
