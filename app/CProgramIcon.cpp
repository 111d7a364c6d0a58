#include "app/CProgramIcon.h"

#include "app/CProgramIconEngine.h"

#include <QPainter>
#include <QPixmap>

QIcon CProgramIcon::Icon()
{
    static QIcon icon;
    if (!icon.isNull())
        return icon;
    // The pictures are read as sizes are asked for.
    std::vector<CProgramIconEngine::Picture> pictures = CProgramIconEngine::ProgramPictures();
    if (!pictures.empty()) {
        icon = QIcon(new CProgramIconEngine(std::move(pictures)));
    } else {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(40, 70, 140));
        p.setPen(QPen(QColor(230, 235, 245), 2));
        p.drawRoundedRect(QRectF(2, 4, 28, 26), 4, 4);
        p.fillRect(QRectF(3, 5, 26, 7), QColor(200, 40, 40));
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.drawText(QRectF(2, 12, 28, 18), Qt::AlignCenter, QStringLiteral("K"));
        icon.addPixmap(pixmap);
    }
    return icon;
}
