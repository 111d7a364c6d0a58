#include "app/CProgramIcon.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

QIcon CProgramIcon::Icon()
{
    static QIcon icon;
    if (!icon.isNull())
        return icon;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
        const QString path = QStringLiteral(":/icons/kestrelmark-%1.png").arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
        // The same size drawn at twice the pixels, for screens above 100 %.
        const QString sharp = QStringLiteral(":/icons/kestrelmark-%1@2x.png").arg(size);
        if (QFile::exists(sharp))
            icon.addFile(sharp, QSize(2 * size, 2 * size));
    }
    if (icon.isNull()) {
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
