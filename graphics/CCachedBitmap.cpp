#include "graphics/CCachedBitmap.h"

#include "graphics/BitmapResource.h"
#include "model/CTrace.h"

#include <QPainter>

CCachedBitmap::~CCachedBitmap() = default;

int CCachedBitmap::LoadBitmap(int id, const CPalette *palette)
{
    m_bitmap.reset();
    m_loaded = 0;
    if (id == -1)
        return 0;
    m_bitmap = std::make_unique<QPixmap>();
    if (LoadArtwork(id, m_bitmap.get(), palette)) {
        m_resourceId = id;
        m_palette = palette;
        m_loaded = 1;
        return 1;
    }
    Trace("CCacheBitmap::LoadBitmap --- CDIB::LoadDIB failed!\n");
    return 0;
}

int CCachedBitmap::SelectIn(QPainter *, const CPalette *palette)
{
    if (!m_bitmap || !m_loaded) {
        if (!LoadBitmap(m_resourceId, palette)) {
            Trace("Failed to re-load bitmap!\n");
            return 0;
        }
    }
    m_selected = true;
    return 1;
}

void CCachedBitmap::SelectOut() { m_selected = false; }

void CCachedBitmap::Unload()
{
    if (m_bitmap) {
        *m_bitmap = QPixmap();
        m_loaded = 0;
    }
}

const QPixmap &CCachedBitmap::Source() const
{
    static const QPixmap none;
    return m_selected && m_bitmap ? *m_bitmap : none;
}

QSize CCachedBitmap::Size() const
{
    return m_bitmap && m_loaded ? m_bitmap->deviceIndependentSize().toSize() : QSize();
}

int CCachedBitmap::Draw(QPainter &target, QPoint at, const CPalette *palette, QRect source)
{
    if (!SelectIn(&target, palette))
        return 0;
    const QPixmap &picture = Source();
    // Blocks are given in window pixels; a 2x picture holds twice as many.
    const QRect from = source.isNull() ? QRect(QPoint(0, 0), Size()) : source;
    const qreal ratio = picture.devicePixelRatio();
    const QRectF pixels(from.topLeft() * ratio, from.size() * ratio);
    const QPainter::CompositionMode old = target.compositionMode();
    target.setCompositionMode(QPainter::CompositionMode_Source);
    target.drawPixmap(QRectF(at, from.size()), picture, pixels);
    target.setCompositionMode(old);
    SelectOut();
    return 1;
}
