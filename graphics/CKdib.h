#pragma once

#include "graphics/PackedDib.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>

class QIODevice;

// A standard bitmap file in memory: its header block (information header,
// colour masks, colour table) and its pixel rows. It reads and writes bitmap
// files, holds the cached 256-colour pictures and the 32 x 32 colour image of
// every icon, which the printed list draws.
//
// Read trusts nothing in the file: every size is checked against the bytes
// the file still holds before anything is allocated.
class CKdib
{
public:
    CKdib() = default;

    // Forgets everything.
    void Release();
    // Takes a packed bitmap (header, tables and rows in one block). 1 when it
    // is a bitmap this program can read, else 0 and released.
    int Attach(const QByteArray &packed);

    // 1 on success; on failure 0, released, after showing "read error 1"
    // (shorter than it claims), "Invalid bitmap file" (not a bitmap, or one
    // whose header does not fit its data) or "Read error 1" (a device error).
    int Read(QIODevice &file) { return Read(file, nullptr); }
    // The same, but a failure's text goes to failure instead of the screen
    // (for files of the program's own, such as the bitmap cache).
    int Read(QIODevice &file, QString *failure);
    // 1 on success; 0 after showing "write error".
    int Write(QIODevice &file) const;

    bool IsNull() const { return m_header.isEmpty(); }
    // An upright image of the picture; with alpha when its 32-bit pixels
    // carry any.
    QImage ToImage() const;
    // A device bitmap of the picture; null when there are no pixel rows or
    // they do not decode.
    QPixmap CreateDeviceBitmap() const;
    // Width and height, (0, 0) without a picture.
    QSize GetSize() const;

    const KmDibLayout &Layout() const { return m_layout; }
    // The header block: information header, masks, colour table (and any
    // gap the file left before its pixel rows).
    const QByteArray &HeaderBlock() const { return m_header; }
    const QByteArray &Pixels() const { return m_pixels; }
    qint64 ImageSize() const { return m_imageSize; }
    int ColorCount() const { return m_colorCount; }
    // The colour table as a palette; empty for pictures without one.
    const QList<QRgb> &Palette() const { return m_palette; }
    // Header block and rows in one block.
    QByteArray Packed() const { return m_header + m_pixels; }

private:
    bool TakeLayout(QString *why);

    QByteArray m_header;
    QByteArray m_pixels;
    KmDibLayout m_layout;
    qint64 m_imageSize = 0;
    int m_colorCount = 0;
    QList<QRgb> m_palette;
};
