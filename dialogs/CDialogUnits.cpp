#include "dialogs/CDialogUnits.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>

double CDialogUnits::TextSizeFactor()
{
    const QFontMetrics metrics(QApplication::font());
    // Some desktops choose very large fonts; keep the factor in a range where
    // the fixed windows still hold their texts.
    const double factor = TextSizeFactor(metrics.height());
    return qBound(6.0, factor, 14.0);
}

QFont CDialogUnits::ScaledFont(const QString &face, double size, bool bold)
{
    QFont font(face);
    font.setPointSizeF(qMax(1.0, size * TextSizeFactor() / 10.0));
    font.setBold(bold);
    return font;
}
