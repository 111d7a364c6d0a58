#include "ImageOps.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace art {

QImage transparentImage(int width, int height)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage cropToContent(const QImage &image)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int left = img.width(), top = img.height(), right = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return img;
    return img.copy(left, top, right - left + 1, bottom - top + 1);
}

QImage fitCentred(const QImage &image, int box, int size)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage scaled = src.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage out = transparentImage(size, size);
    QPainter p(&out);
    p.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    return out;
}

QImage addRim(const QImage &image, double factor)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    const int w = src.width();
    const int h = src.height();
    auto at = [&](int x, int y) { return reinterpret_cast<const QRgb *>(src.constScanLine(y))[x]; };
    for (int y = 0; y < h; ++y) {
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = at(x, y);
            const int a = qAlpha(c);
            if (a >= 128) {
                const double t = a / 255.0;
                const double k = t + (1.0 - t) * factor;
                dst[x] = qRgba(int(qRed(c) * k + 0.5), int(qGreen(c) * k + 0.5), int(qBlue(c) * k + 0.5), 255);
                continue;
            }
            // Four neighbours keep the rim round; diagonals would square it.
            static const int dx[] = {-1, 1, 0, 0};
            static const int dy[] = {0, 0, -1, 1};
            double r = 0, g = 0, b = 0;
            int n = 0;
            for (int i = 0; i < 4; ++i) {
                const int nx = x + dx[i], ny = y + dy[i];
                if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                    continue;
                const QRgb q = at(nx, ny);
                if (qAlpha(q) >= 128) {
                    r += qRed(q);
                    g += qGreen(q);
                    b += qBlue(q);
                    ++n;
                }
            }
            if (n > 0)
                dst[x] = qRgba(int(r / n * factor + 0.5), int(g / n * factor + 0.5), int(b / n * factor + 0.5), 255);
        }
    }
    return out;
}

QImage sharpen(const QImage &image, double amount)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    QImage out = src.copy();
    const int w = src.width();
    const int h = src.height();
    auto at = [&](int x, int y) { return reinterpret_cast<const QRgb *>(src.constScanLine(y))[x]; };
    for (int y = 0; y < h; ++y) {
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = at(x, y);
            if (qAlpha(c) < 128)
                continue;
            double sr = 0, sg = 0, sb = 0;
            int n = 0;
            for (int j = -1; j <= 1; ++j) {
                for (int i = -1; i <= 1; ++i) {
                    const int nx = x + i, ny = y + j;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                        continue;
                    const QRgb q = at(nx, ny);
                    if (qAlpha(q) < 128)
                        continue;
                    sr += qRed(q);
                    sg += qGreen(q);
                    sb += qBlue(q);
                    ++n;
                }
            }
            auto channel = [&](int v, double s) {
                return std::clamp(int(std::lround(v + amount * (v - s / n))), 0, 255);
            };
            dst[x] = qRgba(channel(qRed(c), sr), channel(qGreen(c), sg), channel(qBlue(c), sb), qAlpha(c));
        }
    }
    return out;
}

QImage saturate(const QImage &image, double factor)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            QColor c = QColor::fromRgba(line[x]);
            float hh, s, v, a;
            c.getHsvF(&hh, &s, &v, &a);
            if (hh < 0)
                continue;
            c.setHsvF(hh, std::min(1.0f, float(s * factor)), v, a);
            line[x] = c.rgba();
        }
    }
    return out;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor(int(std::lround(a.red() + (b.red() - a.red()) * t)),
                  int(std::lround(a.green() + (b.green() - a.green()) * t)),
                  int(std::lround(a.blue() + (b.blue() - a.blue()) * t)),
                  int(std::lround(a.alpha() + (b.alpha() - a.alpha()) * t)));
}

QImage fromPixelArt(const char *const rows[], int width, int height, const QList<QPair<char, QColor>> &key)
{
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width && rows[y][x]; ++x) {
            for (const auto &entry : key) {
                if (entry.first == rows[y][x]) {
                    img.setPixelColor(x, y, entry.second);
                    break;
                }
            }
        }
    }
    return img;
}

double hashNoise(int x, int y, int seed)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffff) / 32767.5 - 1.0;
}

} // namespace art
