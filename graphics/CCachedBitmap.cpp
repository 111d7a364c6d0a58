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
    if (LoadDIB(id, m_bitmap.get(), palette)) {
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
    return m_bitmap && m_loaded ? m_bitmap->size() : QSize();
}

int CCachedBitmap::Draw(QPainter &target, QPoint at, const CPalette *palette, QRect source)
{
    if (!SelectIn(&target, palette))
        return 0;
    const QPixmap &picture = Source();
    const QRect from = source.isNull() ? picture.rect() : source;
    const QPainter::CompositionMode old = target.compositionMode();
    target.setCompositionMode(QPainter::CompositionMode_Source);
    target.drawPixmap(at, picture, from);
    target.setCompositionMode(old);
    SelectOut();
    return 1;
}
