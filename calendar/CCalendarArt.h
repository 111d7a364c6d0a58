#pragma once

#include "calendar/CCalendarIcons.h"

#include <QPoint>
#include <QRect>

class QImage;
class QPainter;

// Everything the calendar draws with: the four cell-background pictures of
// the whole grid, the icons of the icon library and their soft shadows.
// The program plugs in the real pictures; CCalendarPlainArt stands in
// where they cannot be had.
class CCalendarArt : public CCalendarIcons
{
public:
    // Copies rect of the grid picture for state (CCalendarMonth's
    // BackgroundState) to the same rect of painter. False when the picture
    // cannot be loaded: the target then keeps what it held.
    virtual bool DrawBackground(QPainter &painter, int state, const QRect &rect) = 0;
    // Draws icon number with its top-left at at, transparently; size class
    // 0 is 32 x 32, 1 is 16 x 16. Numbers outside the library draw nothing.
    virtual void DrawIcon(QPainter &painter, int number, int sizeClass, const QPoint &at) = 0;
    // Darkens target through the shadow mask of the icon (40 x 40 for class
    // 0, 25 x 25 for class 1, the silhouette 4 pixels right and below), the
    // mask's top-left at at, clipped to target. False when there is no mask.
    virtual bool DrawShadow(QImage &target, int number, int sizeClass, const QPoint &at, double amount) = 0;
    // Shadows are drawn only on true-colour displays.
    virtual bool ShadowsOn() const = 0;
};
