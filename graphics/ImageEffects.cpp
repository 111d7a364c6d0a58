#include "graphics/ImageEffects.h"

#include "graphics/CDIB.h"
#include "graphics/CMessageBox.h"
#include "model/CTrace.h"

namespace {

constexpr double kTwoNinths = 0.2222222222222222;

// The filter's view of the pixel block: (x, y) from the top-left, rows
// bottom-up, three bytes a pixel.
struct Block
{
    unsigned char *pixels;
    int width;
    int height;
    int stride;
    double a;

    unsigned char *at(int x, int y) const { return pixels + qsizetype(height - 1 - y) * stride + qsizetype(x) * 3; }
    int v(int x, int y, int c) const { return at(x, y)[c]; }
    void set(int x, int y, int c, int blurInt) const { set(x, y, c, double(blurInt)); }
    void set(int x, int y, int c, double blur) const
    {
        unsigned char *p = at(x, y) + c;
        *p = static_cast<unsigned char>(int(blur * a + *p * (1.0 - a)));
    }

    // A corner: its two orthogonal neighbours (dx, 0) and (0, dy) and its
    // diagonal one (dx, dy).
    void corner(int x, int y, int dx, int dy) const
    {
        for (int c = 0; c < 3; ++c) {
            const int blur = ((3 * v(x + dx, y, c) + 3 * v(x, y + dy, c)) >> 3) + (v(x + dx, y + dy, c) >> 2);
            set(x, y, c, blur);
        }
    }
    // A pixel of the left (dx = 1) or right (dx = -1) column.
    void sideEdge(int x, int y, int dx) const
    {
        for (int c = 0; c < 3; ++c) {
            const int blur = (2 * v(x, y - 1, c) + 2 * v(x, y + 1, c) + 2 * v(x + dx, y, c) + v(x + dx, y - 1, c)
                              + v(x + dx, y + 1, c))
                             >> 3;
            set(x, y, c, blur);
        }
    }
    // A pixel of the top (dy = 1) or bottom (dy = -1) row.
    void rowEdge(int x, int y, int dy) const
    {
        for (int c = 0; c < 3; ++c) {
            const int blur = (2 * v(x - 1, y, c) + 2 * v(x + 1, y, c) + 2 * v(x, y + dy, c) + v(x - 1, y + dy, c)
                              + v(x + 1, y + dy, c))
                             >> 3;
            set(x, y, c, blur);
        }
    }
    void interior(int x, int y) const
    {
        for (int c = 0; c < 3; ++c) {
            int sum = 0;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i)
                    sum += v(x + i, y + j, c);
            set(x, y, c, double(sum >> 1) * kTwoNinths);
        }
    }
};

} // namespace

int SmoothFilter(CDIB *dib, unsigned char *pixels, double a)
{
    if (!dib || !dib->IsCreated())
        return 0;
    const int w = dib->m_header.biWidth;
    const int h = dib->m_header.biHeight;
    if (dib->m_header.biBitCount != 24) {
        CMessageBox::Show(QStringLiteral("This filter supports only 24-bit bitmaps."));
        return 0;
    }
    // Every pixel needs a neighbour on each axis.
    if (!pixels || w < 2 || h < 2)
        return 0;
    const Block b{pixels, w, h, ((w * 24) / 8 + 3) & ~3, a};

    b.corner(0, 0, 1, 1);
    for (int y = 1; y <= h - 2; ++y)
        b.sideEdge(0, y, 1);
    for (int y = 1; y <= h - 2; ++y)
        b.sideEdge(w - 1, y, -1);
    for (int x = 1; x <= w - 2; ++x)
        b.rowEdge(x, 0, 1);
    b.corner(w - 1, 0, -1, 1);
    for (int x = 1; x <= w - 2; ++x)
        b.rowEdge(x, h - 1, -1);
    b.corner(w - 1, h - 1, -1, -1);
    b.corner(0, h - 1, 1, -1);
    for (int x = 1; x <= w - 2; ++x)
        for (int y = 1; y <= h - 2; ++y)
            b.interior(x, y);
    return 1;
}

QImage HalveImage(const QImage &source)
{
    const int w = source.width() / 2;
    const int h = source.height() / 2;
    if (w <= 0 || h <= 0)
        return {};
    const QImage src = source.convertToFormat(source.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QImage out(w, h, src.format());
    if (out.isNull())
        return {};
    for (int y = 0; y < h; ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(src.constScanLine(2 * y));
        auto *d = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x)
            d[x] = s[2 * x];
    }
    return out;
}
