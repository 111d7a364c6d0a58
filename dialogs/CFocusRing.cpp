#include "dialogs/CFocusRing.h"

#include <QPainter>

void CFocusRing::Draw(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(rect);
    painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
    painter.drawRect(rect);
    painter.restore();
}
