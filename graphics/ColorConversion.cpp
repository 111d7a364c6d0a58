#include "graphics/ColorConversion.h"

#include "graphics/CColorMatcher.h"
#include "graphics/CDisplayState.h"
#include "graphics/CPalette.h"
#include "graphics/PackedDib.h"

namespace {
constexpr int kRowsBetweenPauses = 30;
}

QByteArray ConvertTo8Bit(QByteArrayView picture24, const CPalette &palette)
{
    KmBitmapInfoHeader source;
    KmDibLayout layout;
    if (!KmBitmapInfoHeader::Parse(picture24, &source) || !ParseDibLayout(picture24, &layout)
        || layout.bitCount != 24 || layout.compression != kBiRgb)
        return {};
    const qint64 sourceStride = layout.RowBytes();
    const QByteArrayView rows = picture24.sliced(layout.tablesEnd);
    if (sourceStride * layout.height > rows.size())
        return {};

    const int n = palette.GetEntryCount();
    KmBitmapInfoHeader header = source;
    header.biSize = km::kInfoHeaderSize;
    header.biBitCount = 8;
    header.biCompression = kBiRgb;
    header.biSizeImage = 0;
    header.biClrUsed = quint32(n);
    header.biClrImportant = quint32(n);
    const qint64 stride = (qint64(layout.width) + 3) & ~qint64(3);

    QByteArray out(km::kInfoHeaderSize + 4 * n + stride * layout.height, '\0');
    const QByteArray headerBytes = header.ToBytes();
    std::copy(headerBytes.begin(), headerBytes.end(), out.begin());
    for (int i = 0; i < n; ++i) {
        const QRgb c = palette.Entry(i);
        const qsizetype at = km::kInfoHeaderSize + 4 * i;
        out[at] = char(qBlue(c));
        out[at + 1] = char(qGreen(c));
        out[at + 2] = char(qRed(c));
    }

    CColorMatcher &matcher = CColorMatcher::Instance();
    matcher.Build(palette.Entries());

    const auto *src = reinterpret_cast<const uchar *>(rows.data());
    auto *dst = reinterpret_cast<uchar *>(out.data()) + km::kInfoHeaderSize + 4 * n;
    for (int y = 0; y < layout.height; ++y) {
        if (y % kRowsBetweenPauses != 0)
            CDisplayState::PumpMessages();
        const uchar *s = src + y * sourceStride;
        uchar *d = dst + y * stride;
        for (int x = 0; x < layout.width; ++x, s += 3)
            d[x] = uchar(matcher.Nearest(s[2], s[1], s[0]));
    }
    return out;
}

QImage FitToPalette(const QImage &image, const CPalette *palette)
{
    if (!palette || palette->IsNull())
        return image;
    CColorMatcher &matcher = CColorMatcher::Instance();
    matcher.Build(palette->Entries());
    QImage out = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *p = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int i = matcher.Nearest(qRed(p[x]), qGreen(p[x]), qBlue(p[x]));
            const QRgb c = i < palette->GetEntryCount() ? palette->Entry(i) : qRgb(0, 0, 0);
            p[x] = qRgba(qRed(c), qGreen(c), qBlue(c), qAlpha(p[x]));
        }
    }
    return out;
}

QPixmap ConvertDIBToBitmap(const QImage &image, const CPalette *palette)
{
    if (image.isNull())
        return {};
    return QPixmap::fromImage(FitToPalette(image, palette));
}
