// Icon files: the reader, the choice of image and its decoding must refuse
// or accept any bytes without reading or allocating past them.
#include "media/CIconFile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const auto icon = ReadIconFromDevice(buffer, QStringLiteral("fuzz.ico"));
    if (!icon)
        return 0;
    // Every image, not only the chosen one: all of them are in memory.
    for (const CIconImage &image : icon->m_images) {
        if (image.m_png && (image.m_width != 32 || image.m_height != 32))
            continue; // only 32 x 32 PNG images are ever decoded
        CIconPicture picture;
        DecodeIconImage(image, &picture);
    }
    return 0;
}
