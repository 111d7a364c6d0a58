#pragma once

#include <QRect>

class QPainter;

// Where the keyboard is, drawn over the skin's own pictures: a dashed white
// ring over a black one, so that it shows on light and dark artwork alike.
class CFocusRing
{
public:
    static void Draw(QPainter &painter, const QRect &rect);
};
