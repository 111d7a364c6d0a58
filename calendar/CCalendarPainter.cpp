#include "calendar/CCalendarPainter.h"

#include "calendar/CCalendarArt.h"
#include "calendar/CCalendarMonth.h"
#include "model/CTrace.h"

#include <QPainter>

void CCalendarPainter::SetTextSizeFactor(double factor)
{
    m_textSizeFactor = factor;
    m_fontMade = false;
}

void CCalendarPainter::makeFont()
{
    // Tenths of a point, truncated, as the dialogs size their text.
    const int tenths = static_cast<int>(7.0 * m_textSizeFactor);
    dayFont = QFont(QStringLiteral("Arial"));
    dayFont.setPointSizeF(tenths > 0 ? tenths / 10.0 : 7.0);
    dayFont.setStyleHint(QFont::SansSerif);
    m_fontMade = true;
}

void CCalendarPainter::PaintAll(QPainter &target, const CCalendarMonth &month, const QRegion &clip)
{
    if (!m_fontMade)
        makeFont();
    target.save();
    target.setFont(dayFont);
    for (int k = 0; k < CCalendarMonth::kCells; ++k)
        if (clip.intersects(month.cells[k].rect))
            PaintSingleCell(target, month, k);
    // The pixels the whole cells leave over at the right and bottom show the
    // grid picture itself.
    if (m_art && target.device()) {
        const QRect grid = month.cells[0].rect.united(month.cells[CCalendarMonth::kCells - 1].rect);
        const QRegion margin =
            (QRegion(0, 0, target.device()->width(), target.device()->height()) - QRegion(grid)).intersected(clip);
        for (const QRect &r : margin)
            m_art->DrawBackground(target, CCalendarMonth::StateNormal, r);
    }
    target.restore();
}

void CCalendarPainter::PaintSingleCell(QPainter &target, const CCalendarMonth &month, int k)
{
    if (!m_art || !month.IsValidCell(k))
        return;
    const CCalendarCell &cell = month.cells[k];
    if (cell.rect.isEmpty())
        return;
    // Above 100 % the cell is composed at twice the pixels from the 2x
    // pictures (and scaled down smoothly at ratios between 1 and 2).
    const int scale = target.device() && target.device()->devicePixelRatio() > 1.0 ? 2 : 1;
    if (m_backBuffer.size() != cell.rect.size() * scale) {
        Trace("Creating PaintSingleCell backbuffer.\n");
        m_backBuffer = QImage(cell.rect.size() * scale, QImage::Format_RGB32);
        if (m_backBuffer.isNull()) {
            Trace("PaintSingleCell -- CreateCompatibleBitmap failed!\n");
            return;
        }
        m_backBuffer.setDevicePixelRatio(scale);
        m_backBuffer.fill(Qt::black);
    }
    const QPoint origin = cell.rect.topLeft();
    {
        // The face of the cell's weekday, wherever the week begins.
        const QRect face = month.cells[month.ArtworkCell(k)].rect;
        QPainter buffer(&m_backBuffer);
        buffer.translate(-face.topLeft());
        m_art->DrawBackground(buffer, month.BackgroundStateOf(k), face);
    }
    const bool shadows = m_art->ShadowsOn();
    const int sizeClass = cell.iconCount > 1 ? 1 : 0;
    for (int i = 0; i < cell.iconCount; ++i) {
        if (cell.iconState[i] < 0)
            continue;
        const QPoint at = cell.iconRects[i].topLeft() - origin;
        // The mask is placed on the icon's corner; darkening the cell-sized
        // buffer cuts the shadow at the cell's right and bottom edges.
        if (shadows)
            m_art->DrawShadow(m_backBuffer, cell.iconNumbers[i], sizeClass, at, kCellShadow);
        QPainter buffer(&m_backBuffer);
        m_art->DrawIcon(buffer, cell.iconNumbers[i], sizeClass, at);
    }
    target.save();
    target.setRenderHint(QPainter::SmoothPixmapTransform);
    target.drawImage(origin, m_backBuffer);
    target.restore();

    if (cell.day == 0)
        return;
    const QString number = QString::number(cell.day);
    const QRect box(cell.rect.left(), cell.rect.top(), cell.rect.width() - 4, cell.rect.height());
    target.setPen(QColor(255, 255, 255));
    target.drawText(box.translated(0, 1), Qt::AlignRight | Qt::AlignTop, number);
    target.setPen(cell.IsToday() ? QColor(0, 90, 0) : QColor(0, 0, 0));
    target.drawText(box.translated(-1, 0), Qt::AlignRight | Qt::AlignTop, number);
}

void CCalendarPainter::Restore(QImage &compose, const QImage &background, const QRect &area)
{
    QPainter p(&compose);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), background, area);
}

void CCalendarPainter::DrawDragImage(QImage &compose, const QPoint &corner, int icon)
{
    if (!m_art)
        return;
    if (m_art->ShadowsOn())
        m_art->DrawShadow(compose, icon, 0, corner + QPoint(3, 3), kDragShadow);
    QPainter p(&compose);
    m_art->DrawIcon(p, icon, 0, corner);
}
