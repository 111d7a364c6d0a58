#pragma once
// Small pixel operations shared by the icon and window pictures.
#include <QColor>
#include <QImage>
#include <QList>
#include <QPair>

namespace art {

// A new transparent ARGB32 premultiplied image.
QImage transparentImage(int width, int height);

// The smallest part of the image holding every pixel with alpha above 8.
QImage cropToContent(const QImage &image);

// Scales the image (keeping its proportions) into a box x box square centred on
// a size x size canvas; smooth area sampling.
QImage fitCentred(const QImage &image, int box, int size);

// Turns soft edges into a one-pixel rim of the neighbouring colour darkened by
// factor, so that the outline survives the 1-bit mask; pixels at or above half
// alpha are laid over their own darkened colour.
QImage addRim(const QImage &image, double factor);

// Unsharp mask over the opaque pixels, for pictures scaled down a long way.
QImage sharpen(const QImage &image, double amount);

// Scales saturation (keeping hue and value).
QImage saturate(const QImage &image, double factor);

// Linear mix of two colours, t = 0 gives a.
QColor mix(const QColor &a, const QColor &b, double t);

// A picture laid out pixel by pixel: one string per row, one character per
// pixel, looked up in the key ('.' or any character not in it is transparent).
QImage fromPixelArt(const char *const rows[], int width, int height,
                    const QList<QPair<char, QColor>> &key);

// Deterministic noise in [-1, 1] for pixel (x, y) and a seed.
double hashNoise(int x, int y, int seed);

} // namespace art
