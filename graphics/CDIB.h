#pragma once

#include "graphics/PackedDib.h"

#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

class CPalette;

// Left and top are always 0; right is the width and bottom the height.
struct CDibBounds
{
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;
};

// An off-screen bitmap with its own drawing context. The 24-bit kind keeps
// its pixels in a buffer of its own, rows bottom-up and bytes in blue, green,
// red order, that the image effects change directly; the palette-device
// kind (made with a palette) has no pixel access.
//
// The drawing context paints upright: (0, 0) is the top-left pixel although
// the rows lie bottom-up in the buffer.
class CDIB
{
public:
    CDIB();
    ~CDIB();
    CDIB(const CDIB &) = delete;
    CDIB &operator=(const CDIB &) = delete;

    // From the header's width, height and bit count: bounds, stride and
    // bytes per pixel. Returns the bytes per pixel.
    int InitFromHeader();
    // A w x h 24-bit header with its bounds, stride and bytes per pixel.
    void SetSize(int width, int height);

    // Makes the bitmap and its context: 1 on success, 0 when the width is 0,
    // when it exists already or when it cannot be made. dc only stands for
    // the device the bitmap is to match and may be null.
    int Create(QPainter *dc = nullptr, const CPalette *palette = nullptr);
    bool IsCreated() const { return m_created; }

    // The memory drawing context; null before Create.
    QPainter *GetDC() { return m_dc.get(); }

    // Darkens this bitmap through a grey mask whose top-left corner lies at
    // (x, y): each byte c under mask value d becomes the integer part of
    // c * ((1 - amount) + amount * d / 255) + 0.5.
    void Multiply(const CDIB *darkMap, double amount, int x, int y);

    // The whole bitmap copied 1:1 to the target at (x, y).
    void SetDIBitsToDevice(QPainter &target, int x, int y) const;

    // Copies the block of source at (sx, sy) that fits this bitmap into it.
    void CopyFrom(const QImage &source, int sx, int sy);
    // An upright copy of the pixels.
    QImage ToImage() const;

    int Width() const { return m_bounds.right; }
    int Height() const { return m_bounds.bottom; }
    // Address of pixel (x, y), y counted from the top; 24-bit kind only.
    uchar *PixelAt(int x, int y) const { return m_bits + qsizetype(m_bounds.bottom - 1 - y) * m_stride + qsizetype(x) * m_bytesPerPixel; }

    // Darkens the w x h block of target at (x, y) through mask, the way the
    // calendar lays shadows under its icons: the block is copied into a
    // bitmap of its own, multiplied with the mask at (0, 0) and copied back.
    static bool DarkenBlock(QImage &target, int x, int y, int w, int h, const CDIB &mask, double amount);

    KmBitmapInfoHeader m_header;
    quint32 m_colorEntry = 0;
    uchar *m_bits = nullptr;
    qint32 m_stride = 0;
    qint32 m_bytesPerPixel = 3;
    CDibBounds m_bounds;

private:
    std::vector<uchar> m_buffer;
    QImage m_surface;
    std::unique_ptr<QPainter> m_dc;
    bool m_created = false;
};
