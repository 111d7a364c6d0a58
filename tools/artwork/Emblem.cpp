#include "Emblem.h"

#include "ImageOps.h"
#include "Theme.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace art {
namespace {

QPainterPath kestrelPath()
{
    // Seen from the front while hovering: long pointed wings raised a little,
    // a small round head and a fanned tail; coordinates in a 100 x 70 box.
    QPainterPath wings;
    wings.moveTo(50, 20);
    wings.cubicTo(58, 17, 66, 11, 74, 7);   // leading edge out to the wrist
    wings.cubicTo(82, 4, 92, 2, 99, 1);     // and on to the pointed tip
    wings.cubicTo(93, 9, 85, 16, 77, 21);   // trailing edge back in
    wings.cubicTo(70, 26, 62, 31, 57, 37);
    wings.lineTo(54, 45);
    wings.lineTo(58.5, 68);                 // the tail, a little fanned
    wings.cubicTo(53, 70, 47, 70, 41.5, 68);
    wings.lineTo(46, 45);
    wings.lineTo(43, 37);
    wings.cubicTo(38, 31, 30, 26, 23, 21);
    wings.cubicTo(15, 16, 7, 9, 1, 1);
    wings.cubicTo(8, 2, 18, 4, 26, 7);
    wings.cubicTo(34, 11, 42, 17, 50, 20);
    wings.closeSubpath();
    QPainterPath body;
    body.addEllipse(QPointF(50, 31), 7.5, 14);
    QPainterPath head;
    head.addEllipse(QPointF(50, 14), 6.5, 7);
    return wings.united(body).united(head);
}

} // namespace

void Emblem::paintKestrel(QPainter &p, const QRectF &box, const QColor &colour, bool detailed)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 70.0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPainterPath bird = kestrelPath();
    p.drawPath(bird);
    if (detailed) {
        // Large enough for the kestrel's marks: dark wing tips, the black band
        // near the end of the tail and a lighter breast.
        p.setClipPath(bird);
        const QColor dark = colour.darker(190);
        p.setBrush(dark);
        p.drawEllipse(QPointF(2, 0), 22, 13);
        p.drawEllipse(QPointF(98, 0), 22, 13);
        p.drawRect(QRectF(30, 61, 40, 4));
        p.setBrush(colour.lighter(135));
        p.drawEllipse(QPointF(50, 32), 4.5, 9);
    }
    p.restore();
}

void Emblem::paint(QPainter &p, const QRectF &box)
{
    const bool detailed = box.width() >= 44;
    using namespace theme;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / 32.0, box.height() / 32.0);

    const QRectF page(2.5, 4, 27, 26.5);
    QPainterPath pagePath;
    pagePath.addRoundedRect(page, 3.2, 3.2);

    QLinearGradient paper(0, 4, 0, 30);
    paper.setColorAt(0, cream);
    paper.setColorAt(1, creamShade);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawPath(pagePath);

    // Heading band, clipped to the page.
    p.save();
    p.setClipPath(pagePath);
    QLinearGradient band(0, 4, 0, 11.5);
    band.setColorAt(0, rufousLight);
    band.setColorAt(0.35, rufous);
    band.setColorAt(1, rufousDark);
    p.setBrush(band);
    p.drawRect(QRectF(0, 0, 32, 11.5));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.3));
    p.drawPath(pagePath);
    p.drawLine(QPointF(3, 11.5), QPointF(29, 11.5));

    // Binder rings.
    for (double x : {8.0, 21.0}) {
        QLinearGradient ring(x, 0, x + 3, 0);
        ring.setColorAt(0, QColor(230, 232, 236));
        ring.setColorAt(1, QColor(140, 150, 162));
        p.setBrush(ring);
        p.setPen(QPen(ink, 1.1));
        p.drawRoundedRect(QRectF(x, 1, 3, 7.5), 1.5, 1.5);
    }

    paintKestrel(p, QRectF(5.5, 13.6, 21, 14.7), QColor(48, 68, 88), detailed);
    p.restore();
}

QImage Emblem::draw(int size)
{
    if (size == 16)
        return draw16();
    QImage img = transparentImage(size, size);
    QPainter p(&img);
    paint(p, QRectF(0, 0, size, size));
    return img;
}

QImage Emblem::draw16()
{
    static const char *const rows[16] = {
        "....OO....OO....",
        ".OOOSOOOOOSOOOO.",
        ".ORROORRRROORRO.",
        ".ORRRRRRRRRRRRO.",
        ".OrrrrrrrrrrrrO.",
        ".OWWWWWWWWWWWWO.",
        ".OBWWWWWWWWWWBO.",
        ".OBBWWWBBWWWBBO.",
        ".OWBBWBBBBWBBWO.",
        ".OWWBBBBBBBBWWO.",
        ".OWWWWBBBBWWWWO.",
        ".OWWWWWBBWWWWWO.",
        ".OWWWWBBBBWWWWO.",
        ".OwwwwwwwwwwwwO.",
        ".OwwwwwwwwwwwwO.",
        "..OOOOOOOOOOOO..",
    };
    using namespace theme;
    return fromPixelArt(rows, 16, 16,
                        {{'O', ink}, {'S', QColor(206, 210, 216)}, {'R', rufous}, {'r', rufousDark},
                         {'W', cream}, {'w', creamShade}, {'B', QColor(44, 62, 80)}});
}

} // namespace art
