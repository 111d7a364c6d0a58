#pragma once

#include "graphics/PackedDib.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class QIODevice;

// One image of an icon file, as the reader found it: a device-independent
// bitmap (information header with twice the height, colour table, colour
// rows, then the 1-bit mask rows) or a PNG picture.
struct CIconImage
{
    int m_width = 0;
    int m_height = 0;            // the image's own height (header height / 2)
    int m_depth = 0;             // planes x bits per pixel; 32 for PNG pictures
    bool m_png = false;
    QByteArray m_data;           // the image data block as the file holds it
    KmDibLayout m_layout;        // bitmaps only; its height is the doubled one
    qsizetype m_colorOffset = 0; // first byte of the colour rows
    qsizetype m_maskOffset = 0;  // first byte of the mask rows
};

// An icon file in memory.
struct CIconResource
{
    QString m_fileName;
    int m_count = 0;
    std::vector<CIconImage> m_images;
};

// The 32 x 32 image an icon is made of, ready for the icon library.
struct CIconPicture
{
    QImage m_colour;     // ARGB32; transparent where the icon is
    QImage m_mask;       // RGB32, black where the icon is opaque, white elsewhere
};

// Reads an icon file. Every count, offset and size in it is checked against
// the file's size before anything is read or allocated; a file that does
// not hold what its directory says gives nothing, with one of the trace
// lines "Error Opening File for Reading <path>", "Error Reading File Header",
// "Error Reading File", "Error Seeking in File" or "Error Converting to
// Internal Format".
std::unique_ptr<CIconResource> ReadIconFromICOFile(const QString &path);
std::unique_ptr<CIconResource> ReadIconFromDevice(QIODevice &device, const QString &fileName);

// The image the icon library takes: of the 32 x 32 images the deepest (PNG
// pictures count as 32-bit), the last of equals; -1 when there is none.
int ChooseIconImage(const CIconResource &icon);

// The image that serves screens above 100 %: the largest square image
// (the deepest, then the last, of equals); -1 when there is none.
int ChooseLargestImage(const CIconResource &icon);

// The colour and mask of an image, upright. Colours with an alpha channel
// (32-bit bitmaps whose fourth bytes are used, PNG pictures) keep it and the
// mask follows it (opaque from alpha 128 up); others take their
// transparency from the file's mask. False when the image does not decode.
bool DecodeIconImage(const CIconImage &image, CIconPicture *out);
