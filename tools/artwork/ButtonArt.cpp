#include "ButtonArt.h"

#include "Emblem.h"
#include "Fonts.h"
#include "ImageOps.h"
#include "Theme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

using namespace theme;

struct Look
{
    QColor top, bottom, border, text, glyph;
    double glow = 0;   // 0..1, the warm halo of a lit or pressed button
    bool pressed = false;
};

Look mixLook(const Look &a, const Look &b, double t)
{
    return {mix(a.top, b.top, t), mix(a.bottom, b.bottom, t), mix(a.border, b.border, t),
            mix(a.text, b.text, t), mix(a.glyph, b.glyph, t), a.glow + (b.glow - a.glow) * t, false};
}

const Look idleLook {{104, 132, 154}, {60, 84, 104}, {22, 32, 42}, cream, rufousLight, 0.0, false};
const Look litLook {{134, 164, 186}, {78, 106, 128}, gold, Qt::white, gold, 0.65, false};
const Look pressedLook {{46, 66, 84}, {82, 108, 128}, rufousLight, Qt::white, gold, 1.0, true};

void drawGlyph(QPainter &p, ButtonArt::Glyph glyph, const QPointF &c, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case ButtonArt::Glyph::Plus:
        p.setPen(QPen(QColor(20, 28, 36, 160), 1));
        p.setBrush(colour);
        p.drawEllipse(c, 6.5, 6.5);
        p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(c + QPointF(-3.5, 0), c + QPointF(3.5, 0));
        p.drawLine(c + QPointF(0, -3.5), c + QPointF(0, 3.5));
        break;
    case ButtonArt::Glyph::List:
        for (int i = -1; i <= 1; ++i) {
            const double y = c.y() + i * 4.0;
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(QPointF(c.x() - 5, y), 1.6, 1.6);
            p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(c.x() - 1.5, y), QPointF(c.x() + 6, y));
        }
        break;
    case ButtonArt::Glyph::Today: {
        const QRectF page(c.x() - 6.5, c.y() - 6.5, 13, 13);
        p.setPen(QPen(QColor(20, 28, 36, 170), 1));
        p.setBrush(cream);
        p.drawRoundedRect(page, 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(page.left() + 0.5, page.top() + 0.5, page.width() - 1, 4), 1.5, 1.5);
        p.setBrush(rufousDark);
        p.drawEllipse(QPointF(c.x() + 1.5, c.y() + 2.5), 2.2, 2.2);
        break;
    }
    }
    p.restore();
}

QImage buttonFrame(const QImage &under, ButtonArt::Glyph glyph, const QString &text, const Look &look)
{
    QImage img = under.copy();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(2.5, 1.5, img.deviceIndependentSize().width() - 5, 23);
    const double radius = 6;
    // Shadow, halo, body, border and a highlight along the top.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, look.pressed ? 40 : 90));
    p.drawRoundedRect(body.translated(0, 1.5), radius, radius);
    if (look.glow > 0) {
        for (int i = 2; i >= 1; --i) {
            QColor halo = gold;
            halo.setAlphaF(float(look.glow * (i == 2 ? 0.25 : 0.5)));
            p.setPen(QPen(halo, i * 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(body, radius, radius);
        }
    }
    QLinearGradient g(0, body.top(), 0, body.bottom());
    g.setColorAt(0, look.top);
    g.setColorAt(1, look.bottom);
    p.setBrush(g);
    p.setPen(QPen(look.border, 1));
    p.drawRoundedRect(body, radius, radius);
    if (!look.pressed) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }

    const QPointF shift = look.pressed ? QPointF(1, 1) : QPointF(0, 0);
    const double glyphX = body.left() + 13;
    drawGlyph(p, glyph, QPointF(glyphX, body.center().y()) + shift, look.glyph);

    // One size for all three buttons, small enough for the longest label.
    QRectF textBox(glyphX + 9, body.top(), body.right() - glyphX - 12, body.height());
    p.setFont(Fonts::sans(11, true));
    textBox.translate(shift);
    p.setPen(QColor(10, 16, 22, 170));
    p.drawText(textBox.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(look.text);
    p.drawText(textBox, Qt::AlignCenter, text);
    p.end();
    return img;
}

QImage face(int w, int h, int scale)
{
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(dialogFace);
    return img;
}

} // namespace

QList<QImage> ButtonArt::frames(const QImage &background, const QRect &where, Glyph glyph, const QString &text)
{
    const int scale = qRound(background.devicePixelRatio());
    const QImage under = background.copy(QRect(where.topLeft() * scale, where.size() * scale));
    return {
        buttonFrame(under, glyph, text, idleLook),
        buttonFrame(under, glyph, text, litLook),
        buttonFrame(under, glyph, text, pressedLook),
        buttonFrame(under, glyph, text, mixLook(litLook, idleLook, 0.25)),
        buttonFrame(under, glyph, text, mixLook(litLook, idleLook, 0.5)),
        buttonFrame(under, glyph, text, mixLook(litLook, idleLook, 0.75)),
    };
}

QImage ButtonArt::addIcon(bool pressed, int scale)
{
    // A tile with an empty picture frame and a green plus: "bring in an icon".
    QImage img = face(36, 36, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1.5, 1.5, 33, 33);
    QLinearGradient g(0, 0, 0, 36);
    g.setColorAt(0, pressed ? QColor(206, 210, 216) : QColor(252, 252, 252));
    g.setColorAt(1, pressed ? QColor(232, 234, 238) : QColor(212, 216, 222));
    p.setBrush(g);
    p.setPen(QPen(QColor(120, 128, 138), 1));
    p.drawRoundedRect(tile, 4, 4);
    p.setPen(QPen(pressed ? QColor(150, 156, 164) : Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tile.adjusted(1, 1, -1, -1), 3, 3);

    const QPointF o = pressed ? QPointF(1, 1) : QPointF(0, 0);
    const QRectF frame = QRectF(7.5, 7.5, 18, 18).translated(o);
    p.setPen(QPen(slateTop, 1.2, Qt::DashLine));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(frame, 2, 2);
    Emblem::paintKestrel(p, QRectF(frame.left() + 2.5, frame.top() + 4.5, 13, 9.1), QColor(120, 140, 158));
    const QPointF c = QPointF(25, 25) + o;
    p.setPen(QPen(QColor(30, 90, 40), 1));
    p.setBrush(QColor(70, 170, 80));
    p.drawEllipse(c, 6.5, 6.5);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c + QPointF(-3.5, 0), c + QPointF(3.5, 0));
    p.drawLine(c + QPointF(0, -3.5), c + QPointF(0, 3.5));
    p.end();
    return img;
}

QImage ButtonArt::play(int scale)
{
    QImage img = face(16, 16, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(4.5, 2.5);
    tri.lineTo(13, 8);
    tri.lineTo(4.5, 13.5);
    tri.closeSubpath();
    QLinearGradient g(0, 2, 0, 14);
    g.setColorAt(0, QColor(96, 196, 104));
    g.setColorAt(1, QColor(40, 130, 52));
    p.setBrush(g);
    p.setPen(QPen(QColor(22, 74, 30), 1));
    p.drawPath(tri);
    p.end();
    return img;
}

QImage ButtonArt::recurrence(int scale)
{
    // "How often?": a leaf of the calendar inside a turning arrow.
    QImage img = face(20, 20, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rufous, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2, 2, 16, 16), 100 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(8.3, 0.6);
    head.lineTo(12.5, 2.8);
    head.lineTo(8.6, 5.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(rufous);
    p.drawPath(head);
    p.setPen(QPen(ink, 1));
    p.setBrush(cream);
    p.drawRect(QRectF(6.5, 7.5, 7, 6));
    p.fillRect(QRectF(7, 8, 6, 2), slateTop);
    p.end();
    return img;
}

QImage ButtonArt::message(int scale)
{
    // "Reminder message": a speech bubble with lines of text.
    QImage img = face(20, 20, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 2.5, 17, 11.5), 3, 3);
    QPainterPath tail;
    tail.moveTo(5, 13);
    tail.lineTo(4, 18.5);
    tail.lineTo(10, 13);
    tail.closeSubpath();
    p.setPen(QPen(ink, 1));
    p.setBrush(cream);
    p.drawPath(bubble.united(tail));
    p.setPen(QPen(slateTop, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 6.5), QPointF(15, 6.5));
    p.drawLine(QPointF(5, 10), QPointF(12, 10));
    p.end();
    return img;
}

} // namespace art
