// Bitmap files: CKdib::Read and the decoding of what it accepted must
// refuse or accept any bytes without reading or allocating past them.
#include "graphics/CKdib.h"
#include "graphics/CMessageBox.h"

#include <QBuffer>

namespace {
class SilentSink : public CMessageSink
{
public:
    Answer Show(const QString &, Buttons, Icon) override { return IdOk; }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static SilentSink sink;
    CMessageBox::SetSink(&sink);
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    CKdib picture;
    if (picture.Read(buffer)) {
        picture.ToImage();
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        picture.Write(out);
    }
    return 0;
}
