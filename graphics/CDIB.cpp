#include "graphics/CDIB.h"

#include "graphics/CMessageBox.h"
#include "model/CTrace.h"

#include <new>

namespace {
constexpr double kOneOver255 = 0.00392156862745098;
}

CDIB::CDIB() = default;

// The context goes first, then the pixels it paints on.
CDIB::~CDIB()
{
    m_dc.reset();
}

int CDIB::InitFromHeader()
{
    m_bounds = {0, 0, m_header.biWidth, m_header.biHeight};
    m_stride = ((m_header.biWidth * m_header.biBitCount) / 8 + 3) & ~3;
    m_bytesPerPixel = m_header.biBitCount / 8;
    return m_bytesPerPixel;
}

void CDIB::SetSize(int width, int height)
{
    m_header.biWidth = width;
    m_header.biHeight = height;
    m_header.biBitCount = 24;
    m_header.biPlanes = 1;
    m_header.biCompression = kBiRgb;
    InitFromHeader();
}

int CDIB::Create(QPainter *, const CPalette *palette)
{
    if (m_header.biWidth == 0 || m_created)
        return 0;
    const int w = m_header.biWidth;
    const int h = m_header.biHeight;
    if (w < 0 || h <= 0 || qint64(w) * h > kMaxDibPixels) {
        Trace("CDIB::Create CreateDIBSection failed!\n");
        return 0;
    }
    if (palette) {
        // A picture for a palette display: the device owns the pixels.
        m_surface = QImage(w, h, QImage::Format_RGB32);
        if (m_surface.isNull()) {
            Trace("CDIB::Create CreateDIBSection failed!\n");
            return 0;
        }
        m_surface.fill(Qt::black);
    } else {
        if (m_header.biBitCount != 24) {
            Trace("CDIB::Create CreateDIBSection failed!\n");
            return 0;
        }
        const qint32 stride = ((w * 24) / 8 + 3) & ~3;
        try {
            m_buffer.assign(size_t(stride) * size_t(h), 0);
        } catch (const std::bad_alloc &) {
            Trace("CDIB::Create CreateDIBSection failed!\n");
            return 0;
        }
        m_bits = m_buffer.data();
        m_surface = QImage(m_bits, w, h, stride, QImage::Format_BGR888);
        if (m_surface.isNull()) {
            m_bits = nullptr;
            Trace("CDIB::Create CreateDIBSection failed!\n");
            return 0;
        }
    }
    m_dc = std::make_unique<QPainter>();
    if (!m_dc->begin(&m_surface)) {
        m_dc.reset();
        Trace("CDIB::Create CreateCompatibleDC failed!\n");
        return 0;
    }
    if (!palette) {
        // Upright drawing on rows that lie bottom-up.
        m_dc->translate(0, h);
        m_dc->scale(1, -1);
    }
    m_created = true;
    return 1;
}

void CDIB::Multiply(const CDIB *darkMap, double amount, int x, int y)
{
    if (!darkMap) {
        CMessageBox::Show(QStringLiteral("darkMap is NULL."));
        return;
    }
    if (!m_bits || !darkMap->m_bits) {
        Trace("CDIB::Multiply --- one or more bits member is NULL.\n");
        return;
    }
    int w = darkMap->m_bounds.right;
    int h = darkMap->m_bounds.bottom;
    int sx = 0;
    int sy = 0;
    if (x < 0) {
        w += x;
        sx = -x;
        x = 0;
    }
    if (y < 0) {
        h += y;
        sy = -y;
        y = 0;
    }
    if (w <= 0 || h <= 0)
        return;
    if (x + w > m_bounds.right)
        w = m_bounds.right - x;
    if (y + h > m_bounds.bottom)
        h = m_bounds.bottom - y;
    if (amount == 0.0)
        return;
    for (int i = 0; i < h; ++i) {
        const uchar *mask = darkMap->PixelAt(sx, sy + i);
        uchar *dest = PixelAt(x, y + i);
        for (int j = 0; j < w; ++j) {
            const double d = mask[1];
            const double m = (1.0 - amount) + amount * d * kOneOver255;
            for (int k = 0; k < 3; ++k)
                dest[k] = uchar(int(dest[k] * m + 0.5));
            mask += darkMap->m_bytesPerPixel;
            dest += m_bytesPerPixel;
        }
    }
}

QImage CDIB::ToImage() const
{
    if (!m_created)
        return {};
    if (!m_bits)
        return m_surface.copy();
    const QImage view(m_bits, m_bounds.right, m_bounds.bottom, m_stride, QImage::Format_BGR888);
    return view.mirrored(false, true).convertToFormat(QImage::Format_RGB32);
}

void CDIB::SetDIBitsToDevice(QPainter &target, int x, int y) const
{
    if (!m_created)
        return;
    const QPainter::CompositionMode old = target.compositionMode();
    target.setCompositionMode(QPainter::CompositionMode_Source);
    target.drawImage(QPoint(x, y), ToImage());
    target.setCompositionMode(old);
}

void CDIB::CopyFrom(const QImage &source, int sx, int sy)
{
    if (!m_created)
        return;
    const QRect wanted = QRect(sx, sy, m_bounds.right, m_bounds.bottom).intersected(source.rect());
    if (wanted.isEmpty())
        return;
    const QImage block = source.copy(wanted).convertToFormat(QImage::Format_RGB32);
    const int ox = wanted.x() - sx;
    const int oy = wanted.y() - sy;
    if (!m_bits) {
        const QPainter::CompositionMode old = m_dc->compositionMode();
        m_dc->setCompositionMode(QPainter::CompositionMode_Source);
        m_dc->drawImage(QPoint(ox, oy), block);
        m_dc->setCompositionMode(old);
        return;
    }
    for (int y = 0; y < block.height(); ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(block.constScanLine(y));
        uchar *d = PixelAt(ox, oy + y);
        for (int x = 0; x < block.width(); ++x, d += 3) {
            d[0] = uchar(qBlue(s[x]));
            d[1] = uchar(qGreen(s[x]));
            d[2] = uchar(qRed(s[x]));
        }
    }
}

bool CDIB::DarkenBlock(QImage &target, int x, int y, int w, int h, const CDIB &mask, double amount)
{
    const QRect block = QRect(x, y, w, h).intersected(target.rect());
    if (block.isEmpty())
        return false;
    CDIB work;
    work.SetSize(block.width(), block.height());
    if (!work.Create())
        return false;
    work.CopyFrom(target, block.x(), block.y());
    work.Multiply(&mask, amount, x - block.x(), y - block.y());
    QPainter p(&target);
    work.SetDIBitsToDevice(p, block.x(), block.y());
    return true;
}
