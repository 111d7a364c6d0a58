#include "Compose.h"

#include "Fonts.h"
#include "Theme.h"

namespace art {

void drawMasked(QImage &target, int x, int y, const QImage &colour, const QImage &mask)
{
    for (int j = 0; j < colour.height(); ++j) {
        for (int i = 0; i < colour.width(); ++i) {
            const int tx = x + i, ty = y + j;
            if (tx < 0 || ty < 0 || tx >= target.width() || ty >= target.height())
                continue;
            if ((mask.pixel(i, j) & 0xffffff) == 0)
                target.setPixel(tx, ty, colour.pixel(i, j));
        }
    }
}

void drawDayNumber(QPainter &p, const QRect &cell, int day, bool today)
{
    // Arial at 8.7 points on a 96-dpi screen is about 12 pixels.
    p.save();
    p.setFont(Fonts::sans(12));
    const QString text = QString::number(day);
    const int ascent = p.fontMetrics().ascent();
    const int width = p.fontMetrics().horizontalAdvance(text);
    const int right = cell.left() + cell.width();
    p.setPen(Qt::white);
    p.drawText(right - 4 - width, cell.top() + 1 + ascent, text);
    p.setPen(today ? theme::todayNumber : QColor(Qt::black));
    p.drawText(right - 5 - width, cell.top() + ascent, text);
    p.restore();
}

QImage enlarged(const QImage &image, int factor)
{
    return image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace art
