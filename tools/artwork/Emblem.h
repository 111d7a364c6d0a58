#pragma once
// The program's emblem: a calendar leaf with a rufous heading, two binder
// rings, and a hovering kestrel on the page.
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace art {

class Emblem
{
public:
    // The emblem as a size x size picture with alpha. At 16 pixels it is laid
    // out pixel by pixel; larger sizes are drawn from outlines.
    static QImage draw(int size);

    // Draws the outline version into a square box.
    static void paint(QPainter &p, const QRectF &box);

    // The kestrel alone, filling box (width : height = 100 : 70); detailed adds
    // its markings, for boxes of 30 pixels across and more.
    static void paintKestrel(QPainter &p, const QRectF &box, const QColor &colour, bool detailed = false);

private:
    static QImage draw16();
};

} // namespace art
