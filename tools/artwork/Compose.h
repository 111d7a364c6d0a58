#pragma once
// Drawing the finished bitmaps the way the program will: icons through their
// masks, calendar cells with their day numbers. Used by the contact sheet and
// the mock of the main window.
#include "ArtworkSet.h"

#include <QImage>
#include <QPainter>

namespace art {

// Copies the colour picture where the mask is black (a masked blit).
void drawMasked(QImage &target, int x, int y, const QImage &colour, const QImage &mask);

// The day number as the calendar draws it: a white copy one pixel right and
// below, then the number in black, or dark green for today.
void drawDayNumber(QPainter &p, const QRect &cell, int day, bool today);

// A picture scaled up by an integer factor without smoothing.
QImage enlarged(const QImage &image, int factor);

} // namespace art
