#include "calendar/CCalendarPlainArt.h"

#include "model/CIconNameMap.h"

#include <QColor>
#include <QPainter>

int CCalendarPlainArt::Lookup(const QString &name) const
{
    return CIconNameMap::Instance().Lookup(name);
}

bool CCalendarPlainArt::DrawBackground(QPainter &painter, int state, const QRect &rect)
{
    static const QColor fills[4] = { QColor(236, 233, 216), QColor(250, 246, 200), QColor(255, 214, 120),
                                     QColor(160, 160, 150) };
    const QColor fill = fills[state >= 0 && state < 4 ? state : 0];
    painter.fillRect(rect, fill);
    painter.setPen(fill.darker(150));
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.setPen(fill.lighter(115));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    return true;
}

void CCalendarPlainArt::DrawIcon(QPainter &painter, int number, int sizeClass, const QPoint &at)
{
    if (number < 0)
        return;
    const int size = sizeClass == 0 ? 32 : 16;
    const QColor colour = QColor::fromHsv((number * 47) % 360, 200, 220);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour.darker(200));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(at.x() + 0.5, at.y() + 0.5, size - 1, size - 1));
    painter.restore();
}
