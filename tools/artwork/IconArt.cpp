#include "IconArt.h"

#include "Emblem.h"
#include "Fonts.h"
#include "ImageOps.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace art {
namespace {

const QColor hues[6] = {
    {220, 54, 52},  // red
    {245, 138, 34}, // orange
    {250, 206, 46}, // yellow
    {60, 170, 78},  // green
    {52, 118, 214}, // blue
    {144, 80, 198}, // violet
};

using Inside = std::function<bool(double x, double y)>;
using Fill = std::function<QColor(int x, int y)>;

// A shape drawn pixel by pixel so that it is crisp at 16 and at 32 pixels:
// a pixel belongs to the shape when most of its 4 x 4 samples do; boundary
// pixels take the outline colour, the pixels just inside it a light or dark
// bevel depending on the side, as if lit from the top left.
QImage pixelShape(int size, const Inside &inside, const Fill &fill, const QColor &outline)
{
    std::vector<char> in(size_t(size * size), 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int hits = 0;
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i)
                    hits += inside(x + (i + 0.5) / 4.0, y + (j + 0.5) / 4.0) ? 1 : 0;
            in[size_t(y * size + x)] = hits >= 8;
        }
    }
    auto isIn = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < size && y < size && in[size_t(y * size + x)];
    };
    auto isEdge = [&](int x, int y) {
        return isIn(x, y) && !(isIn(x - 1, y) && isIn(x + 1, y) && isIn(x, y - 1) && isIn(x, y + 1));
    };
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!isIn(x, y))
                continue;
            QColor c;
            if (isEdge(x, y)) {
                c = outline;
            } else {
                c = fill(x, y);
                if (isEdge(x - 1, y) || isEdge(x, y - 1))
                    c = mix(c, Qt::white, 0.35);
                else if (isEdge(x + 1, y) || isEdge(x, y + 1))
                    c = mix(c, Qt::black, 0.12);
            }
            out.setPixelColor(x, y, c);
        }
    }
    return out;
}

// Shading from light at the top left to dark at the bottom right.
Fill diagonalShade(const QColor &base, int size)
{
    return [base, size](int x, int y) {
        const double t = (x + y) / (2.0 * (size - 1));
        return t < 0.5 ? mix(mix(base, Qt::white, 0.4), base, t / 0.5) : mix(base, mix(base, Qt::black, 0.28), (t - 0.5) / 0.5);
    };
}

void addGlint(QImage &img, int x, int y, int w, int h)
{
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const bool corner = (w > 2 && h > 1) && ((i == 0 || i == w - 1) && (j == 0 || j == h - 1));
            if (corner)
                continue;
            QColor c = img.pixelColor(x + i, y + j);
            if (c.alpha() == 0)
                continue;
            img.setPixelColor(x + i, y + j, mix(c, Qt::white, 0.75));
        }
    }
}

} // namespace

QImage IconArt::picture(const IconRow &row, int size)
{
    switch (row.source) {
    case IconRow::Source::Emblem:
        return Emblem::draw(size);
    case IconRow::Source::Emoji:
        return emoji(size == 16 && row.emoji16 ? row.emoji16 : row.emoji, size);
    case IconRow::Source::Square:
    case IconRow::Source::Diamond:
    case IconRow::Source::Circle:
        return shape(row.source, row.hue, size);
    case IconRow::Source::Cross:
        return cross(size);
    case IconRow::Source::EasterEgg:
        return easterEgg(size);
    case IconRow::Source::Menorah:
        return menorah(size);
    }
    return {};
}

QImage IconArt::emoji(const char *text, int size)
{
    // The colour glyphs are bitmaps of 136 x 128 pixels at 109 pixels per em:
    // draw them at that size and scale them down ourselves.
    QImage big = transparentImage(192, 192);
    {
        QPainter p(&big);
        p.setFont(Fonts::emoji(109));
        p.drawText(QRect(0, 0, 192, 192), Qt::AlignCenter, QString::fromUtf8(text));
    }
    return shrink(big, size);
}

QImage IconArt::shrink(const QImage &big, int size)
{
    const QImage glyph = cropToContent(big);
    if (size <= 16) {
        // At 16 pixels the shrunk picture goes soft: more colour, a sharper
        // interior and a dark rim keep it readable on light and dark cells.
        QImage small = fitCentred(glyph, size - 2, size);
        small = saturate(small, 1.2);
        small = sharpen(small, 0.45);
        return addRim(small, 0.35);
    }
    return addRim(fitCentred(glyph, size - 2, size), 0.45);
}

QImage IconArt::menorah(int size)
{
    const QColor gold(236, 182, 58), goldDark(160, 104, 24), candle(70, 120, 226);
    const QColor flame(255, 214, 60), flameOuter(244, 120, 30);
    if (size == 16) {
        // Nine lights are too many for 16 pixels with gaps, so the raised
        // middle light stands in the gap between the two groups of four.
        static const char *const rows[16] = {
            ".......yy.......",
            ".......oo.......",
            "y.y.y.yccy.y.y.y",
            "o.o.o.occo.o.o.o",
            "c.c.c.cGGc.c.c.c",
            "c.c.c.cggc.c.c.c",
            "c.c.c.cggc.c.c.c",
            "G.G.G.GggG.G.G.G",
            "gggggggggggggggg",
            "GGGGGGGGGGGGGGGG",
            ".......gG.......",
            ".......gG.......",
            ".......gG.......",
            ".....gggggG.....",
            "....ggggggGG....",
            "....GGGGGGGG....",
        };
        return fromPixelArt(rows, 16, 16,
                            {{'y', flame}, {'o', flameOuter}, {'c', candle}, {'g', gold}, {'G', goldDark}});
    }
    // At 32 pixels the nine lights get two pixels each with one-pixel gaps;
    // a rim would close the gaps, so the edges are shaded by hand instead.
    // Larger sizes repeat each of these pixels.
    if (size > 32)
        return menorah(32).scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    auto box = [&p](int x, int y, int w, int h, const QColor &c) { p.fillRect(x, y, w, h, c); };
    const int lefts[9] = {1, 4, 7, 10, 15, 20, 23, 26, 29};
    for (int i = 0; i < 9; ++i) {
        const int x = lefts[i];
        const int lift = i == 4 ? 5 : 0;
        box(x, 6 - lift, 2, 1, flameOuter);
        box(x, 7 - lift, 2, 2, flame);
        box(x, 9 - lift, 2, 1, flameOuter);
        box(x, 10 - lift, 1, 8, candle.lighter(125));
        box(x + 1, 10 - lift, 1, 8, candle.darker(130));
        box(x - 1, 18 - lift, 4, 1, gold);
        box(x - 1, 19 - lift, 4, 1, goldDark);
    }
    box(15, 15, 1, 5, gold);
    box(16, 15, 1, 5, goldDark);
    box(1, 20, 30, 1, gold.lighter(115));
    box(1, 21, 30, 1, gold);
    box(1, 22, 30, 1, goldDark);
    box(14, 23, 3, 5, gold);
    box(17, 23, 1, 5, goldDark);
    box(11, 28, 10, 1, gold.lighter(115));
    box(10, 29, 12, 1, gold);
    box(10, 30, 12, 1, goldDark);
    p.end();
    return img;
}

QImage IconArt::shape(IconRow::Source kind, int hue, int size)
{
    const QColor base = hues[hue];
    const QColor outline = mix(base, QColor(20, 20, 28), 0.62);
    const double s = size;
    const double k = size / 32.0; // larger sizes grow the 32-pixel layout
    Inside inside;
    switch (kind) {
    case IconRow::Source::Square: {
        const double lo = size == 16 ? 2.0 : 4.0 * k;
        const double hi = s - lo;
        const double r = size == 16 ? 2.0 : 4.0 * k;
        inside = [lo, hi, r](double x, double y) {
            if (x < lo || y < lo || x > hi || y > hi)
                return false;
            const double cx = std::clamp(x, lo + r, hi - r);
            const double cy = std::clamp(y, lo + r, hi - r);
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
        };
        break;
    }
    case IconRow::Source::Diamond: {
        const double c = s / 2, r = s / 2 - (size == 16 ? 0.9 : 1.2 * k);
        inside = [c, r](double x, double y) { return std::abs(x - c) + std::abs(y - c) <= r; };
        break;
    }
    default: {
        const double c = s / 2, r = s / 2 - (size == 16 ? 1.3 : 2.0 * k);
        inside = [c, r](double x, double y) { return (x - c) * (x - c) + (y - c) * (y - c) <= r * r; };
        break;
    }
    }
    QImage img = pixelShape(size, inside, diagonalShade(base, size), outline);
    if (size == 16) {
        if (kind == IconRow::Source::Diamond)
            addGlint(img, 5, 5, 2, 1);
        else
            addGlint(img, 4, 4, 2, 2);
    } else {
        const int g = int(k);
        if (kind == IconRow::Source::Diamond)
            addGlint(img, 10 * g, 10 * g, 4 * g, 2 * g);
        else
            addGlint(img, 8 * g, 8 * g, 4 * g, 3 * g);
    }
    return img;
}

QImage IconArt::cross(int size)
{
    // A plain gilt cross: the upright a third wider than the arm is high.
    const bool small = size == 16;
    const double k = size / 32.0;
    const double ux0 = small ? 6 : 12.5 * k, ux1 = small ? 10 : 19.5 * k;
    const double uy0 = small ? 1 : 1.5 * k, uy1 = small ? 15 : 30.5 * k;
    const double ax0 = small ? 2 : 4.5 * k, ax1 = small ? 14 : 27.5 * k;
    const double ay0 = small ? 4 : 7.5 * k, ay1 = small ? 8 : 14.5 * k;
    const Inside inside = [=](double x, double y) {
        return (x >= ux0 && x <= ux1 && y >= uy0 && y <= uy1) || (x >= ax0 && x <= ax1 && y >= ay0 && y <= ay1);
    };
    return pixelShape(size, inside, diagonalShade(QColor(232, 178, 64), size), QColor(104, 66, 20));
}

QImage IconArt::easterEgg(int size)
{
    const double k = size / 32.0;
    const double cx = size / 2.0, cy = size / 2.0 + (size == 16 ? 0.3 : 0.5 * k);
    const double ry = size / 2.0 - (size == 16 ? 0.6 : 1.0 * k);
    const double rx = ry * 0.8;
    const Inside inside = [=](double x, double y) {
        const double xn = (x - cx) / rx, yn = (y - cy) / ry;
        return xn * xn * (1.0 - 0.28 * yn) + yn * yn <= 1.0;
    };
    const QColor shell(150, 196, 238), zigzag(252, 214, 64), band(240, 120, 170), dot(255, 255, 255);
    const Fill fill = [=](int x, int y) {
        const double xn = (x + 0.5 - cx) / rx, yn = (y + 0.5 - cy) / ry;
        QColor c = diagonalShade(shell, size)(x, y);
        // A zigzag band across the middle, a pink band below, dots above.
        const double period = size == 16 ? 4.0 : 6.0 * k;
        const double phase = std::fmod((x + 0.5) / period, 1.0);
        const double zig = (phase < 0.5 ? phase : 1.0 - phase) * 2.0; // 0..1
        const double zy = -0.05 + (zig - 0.5) * (size == 16 ? 0.32 : 0.26);
        if (std::abs(yn - zy) < (size == 16 ? 0.14 : 0.11))
            c = zigzag;
        else if (yn > 0.38 && yn < (size == 16 ? 0.62 : 0.58))
            c = band;
        else if (size >= 32 && yn > -0.62 && yn < -0.42 && std::fmod(x + 0.5 + 2.0 * k, 6.0 * k) < 2.0 * k)
            c = dot;
        else if (size == 16 && y == int(cy - 0.45 * ry) && (x == int(cx) - 3 || x == int(cx) || x == int(cx) + 3))
            c = dot;
        (void)xn;
        return c;
    };
    return pixelShape(size, inside, fill, QColor(52, 70, 120));
}

void IconArt::split(const QImage &picture, QImage *colour, QImage *mask)
{
    const QImage src = picture.convertToFormat(QImage::Format_ARGB32);
    *colour = QImage(src.size(), QImage::Format_RGB32);
    *mask = QImage(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        QRgb *c = reinterpret_cast<QRgb *>(colour->scanLine(y));
        QRgb *m = reinterpret_cast<QRgb *>(mask->scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            if (qAlpha(in[x]) >= 128) {
                // Keep opaque pixels off pure black so that the mask and the
                // colour picture describe the same shape.
                QRgb v = qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
                if ((v & 0xffffff) == 0)
                    v = qRgb(8, 8, 8);
                c[x] = v;
                m[x] = qRgb(0, 0, 0);
            } else {
                c[x] = qRgb(0, 0, 0);
                m[x] = qRgb(255, 255, 255);
            }
        }
    }
}

} // namespace art
