#pragma once

#include <QImage>

class CDIB;

// Softens a 24-bit bitmap in place, pixel by pixel in a fixed order, each
// channel becoming the integer part of blur * a + v * (1 - a), where blur is
// a weighted sum of the pixel's neighbours (and, inside, of itself). Pixels
// later in the order read neighbours already changed. 1, or 0 when the
// bitmap is empty or too small, or (with the message "This filter supports
// only 24-bit bitmaps.") not 24-bit.
int SmoothFilter(CDIB *dib, unsigned char *pixels, double a);

// An image of half the width and height (integer division), keeping every
// second pixel of every second row from the top-left; null when nothing is
// left (the small icon images and masks).
QImage HalveImage(const QImage &source);
