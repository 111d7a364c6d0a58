#include "dialogs/CSkinLabels.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The band of box rebuilt row by row between the colours of its two sample
// columns, in the image's own pixels.
void rebuild(QImage &image, const CSkinLabels::Label &label)
{
    const qreal ratio = image.devicePixelRatio();
    const int top = qMax(0, int(label.m_Box.top() * ratio));
    const int bottom = qMin(image.height() - 1, int(label.m_Box.bottom() * ratio));
    const int left = qBound(0, int(label.m_LeftSample * ratio), image.width() - 1);
    const int right = qBound(0, int(label.m_RightSample * ratio), image.width() - 1);
    if (right - left < 2)
        return;
    for (int y = top; y <= bottom; ++y) {
        const QColor a = image.pixelColor(left, y);
        const QColor b = image.pixelColor(right, y);
        for (int x = left + 1; x < right; ++x)
            image.setPixelColor(x, y, mix(a, b, qreal(x - left) / (right - left)));
    }
}

} // namespace

QFont CSkinLabels::Font(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

int CSkinLabels::FittingSize(const QString &text, qreal width)
{
    int size = 11;
    for (; size > 7; --size) {
        if (QFontMetricsF(Font(size)).horizontalAdvance(text) <= width)
            break;
    }
    return size;
}

QImage CSkinLabels::Paint(const QImage &image, const QList<Label> &labels)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    out.setDevicePixelRatio(image.devicePixelRatio());
    for (const Label &label : labels)
        rebuild(out, label);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Label &label : labels) {
        if (label.m_Text.isEmpty())
            continue;
        painter.setFont(Font(FittingSize(label.m_Text, label.m_Box.width())));
        painter.setPen(label.m_Shadow);
        painter.drawText(label.m_Box.translated(label.m_ShadowOffset), label.m_Flags, label.m_Text);
        painter.setPen(label.m_Colour);
        painter.drawText(label.m_Box, label.m_Flags, label.m_Text);
    }
    return out;
}

QColor CSkinLabels::TextColour(const QImage &image, const QRectF &box)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect pixels = QRectF(box.topLeft() * ratio, box.size() * ratio).toRect() & image.rect();
    QColor best(Qt::white);
    int lightest = -1;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.lightness() > lightest) {
                lightest = c.lightness();
                best = c;
            }
        }
    }
    return best;
}
