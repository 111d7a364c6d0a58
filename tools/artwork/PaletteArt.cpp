#include "PaletteArt.h"

#include "Theme.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace art {
namespace {

int distance2(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

int nearest(const QList<QRgb> &set, QRgb c)
{
    int best = std::numeric_limits<int>::max();
    for (QRgb s : set)
        best = std::min(best, distance2(s, c));
    return best;
}

} // namespace

QList<QRgb> buildPalette(const QList<QImage> &artwork)
{
    QList<QRgb> fixed;
    // Colours the program draws over the artwork: today's number, the display
    // text and its shadow, and the tip background.
    for (const QColor &c : {theme::todayNumber, theme::labelText, theme::labelShadow, theme::tipBackground})
        fixed.append(c.rgb());
    for (int g : {26, 77, 128, 179, 230})
        fixed.append(qRgb(g, g, g));
    // Blue counts least for the eye, so the cube has five levels of it.
    QList<QRgb> cube;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 5; ++b)
                cube.append(qRgb(r * 51, g * 51, std::min(255, b * 64)));
    const int hueCount = 236 - int(fixed.size()) - int(cube.size());

    // The pixels the cube and greys render worst, clustered by k-means that
    // starts from the sample farthest from everything chosen so far, so that
    // the result is always the same.
    const QList<QRgb> base = cube + fixed;
    QList<QRgb> samples;
    for (const QImage &image : artwork) {
        const QImage img = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < img.height(); y += 2) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = (y / 2) % 2; x < img.width(); x += 2) {
                if (nearest(base, line[x]) > 60)
                    samples.append(line[x]);
            }
        }
    }
    std::vector<std::array<double, 3>> centres;
    if (!samples.isEmpty()) {
        std::vector<int> gap(size_t(samples.size()));
        for (qsizetype i = 0; i < samples.size(); ++i)
            gap[size_t(i)] = nearest(base, samples[i]);
        for (int k = 0; k < hueCount; ++k) {
            const size_t far = size_t(std::max_element(gap.begin(), gap.end()) - gap.begin());
            const QRgb c = samples[qsizetype(far)];
            centres.push_back({double(qRed(c)), double(qGreen(c)), double(qBlue(c))});
            for (qsizetype i = 0; i < samples.size(); ++i)
                gap[size_t(i)] = std::min(gap[size_t(i)], distance2(samples[i], c));
        }
    }
    for (int round = 0; round < 20 && !samples.isEmpty(); ++round) {
        std::vector<std::array<double, 4>> sums(centres.size(), {0, 0, 0, 0});
        for (QRgb s : samples) {
            size_t best = 0;
            double bestD = std::numeric_limits<double>::max();
            for (size_t k = 0; k < centres.size(); ++k) {
                const double dr = qRed(s) - centres[k][0], dg = qGreen(s) - centres[k][1], db = qBlue(s) - centres[k][2];
                const double d = dr * dr + dg * dg + db * db;
                if (d < bestD) {
                    bestD = d;
                    best = k;
                }
            }
            sums[best][0] += qRed(s);
            sums[best][1] += qGreen(s);
            sums[best][2] += qBlue(s);
            sums[best][3] += 1;
        }
        for (size_t k = 0; k < centres.size(); ++k) {
            if (sums[k][3] > 0)
                centres[k] = {sums[k][0] / sums[k][3], sums[k][1] / sums[k][3], sums[k][2] / sums[k][3]};
        }
    }
    // Fewer distinct colours than places: fill with greys between the others.
    for (int g = 13; int(centres.size()) < hueCount; g += 51)
        centres.push_back({double(g), double(g), double(g)});
    QList<QRgb> table;
    for (const auto &c : centres) {
        QRgb v = qRgb(int(std::lround(c[0])), int(std::lround(c[1])), int(std::lround(c[2])));
        // Keep every entry distinct: nudge a duplicate by one step of blue.
        while (table.contains(v) || base.contains(v))
            v = qRgb(qRed(v), qGreen(v), (qBlue(v) + 1) % 256);
        table.append(v);
    }
    table += fixed;
    table += cube;
    return table;
}

QImage palettePicture(const QList<QRgb> &table)
{
    QImage img(59, 4, QImage::Format_Indexed8);
    img.setColorTable(table);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 59; ++x)
            img.setPixel(x, y, uint(y * 59 + x));
    return img;
}

} // namespace art
