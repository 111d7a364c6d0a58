#include "graphics/BitmapResource.h"

#include "graphics/CDisplayState.h"
#include "graphics/CConversionProgress.h"
#include "graphics/DeviceBitmap.h"
#include "graphics/PackedDib.h"
#include "graphics/CMessageBox.h"
#include "model/CTrace.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

// The artwork is compiled into the resource library; with static linking its
// initialiser must be named once. A build without artwork has none.
extern int qInitResources_km_artwork() __attribute__((weak));

namespace {

struct Resources
{
    Resources()
    {
        if (qInitResources_km_artwork && !QFileInfo::exists(QStringLiteral(":/bitmaps")))
            qInitResources_km_artwork();
    }
    QString root = QStringLiteral(":/bitmaps/");
};

Resources &resources()
{
    static Resources r;
    return r;
}

} // namespace

void SetBitmapResourceRoot(const QString &root)
{
    Resources &r = resources();
    r.root = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
}

QString BitmapResourceRoot() { return resources().root; }

QByteArray LoadDIBFromResource(int id)
{
    QFile file(resources().root + QString::number(id) + QStringLiteral(".bmp"));
    const bool found = file.exists();
    if (!found)
        CMessageBox::Show(QStringLiteral("FindResource failed!"));
    QByteArray bytes;
    if (found && file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (bytes.isEmpty())
        CMessageBox::Show(QStringLiteral("LoadResource failed!"));
    // The packed bitmap starts after the file header; what follows must at
    // least be an information header.
    const bool usable = bytes.size() >= km::kFileHeaderSize + km::kInfoHeaderSize
                        && ReadLe16(bytes, 0) == km::kBitmapFileType;
    if (!usable) {
        CMessageBox::Show(QStringLiteral("LockResource failed!"));
        return {};
    }
    return bytes.remove(0, km::kFileHeaderSize);
}

int LoadDIB(int id, QPixmap *out, const CPalette *palette)
{
    if (!out) {
        Trace("LoadDIB -- NULL bitmap!\n");
        return 0;
    }
    const QByteArray packed = LoadDIBFromResource(id);
    const int result = packed.isEmpty() ? 0 : MakeDeviceBitmap(packed, out, palette, id);
    if (CConversionProgress *conversion = CDisplayState::Instance().Conversion())
        conversion->PictureMade();
    return result;
}

int ArtworkScale()
{
    if (CDisplayState::Instance().ActivePalette())
        return 1;
    const auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    return gui && gui->devicePixelRatio() > 1.0 ? 2 : 1;
}

QImage LoadSharpImage(int id, QSize logicalSize)
{
    QFile file(resources().root + QString::number(id) + QStringLiteral("@2x.bmp"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < km::kFileHeaderSize + km::kInfoHeaderSize || ReadLe16(bytes, 0) != km::kBitmapFileType)
        return {};
    QImage image = DecodePackedDib(QByteArrayView(bytes).sliced(km::kFileHeaderSize));
    if (image.isNull() || image.size() != logicalSize * 2) {
        Trace(QStringLiteral("LoadSharpImage: %1@2x.bmp is not twice %2 x %3\n")
                  .arg(id).arg(logicalSize.width()).arg(logicalSize.height()));
        return {};
    }
    image.setDevicePixelRatio(2.0);
    return image;
}

int LoadArtwork(int id, QPixmap *out, const CPalette *palette)
{
    const int result = LoadDIB(id, out, palette);
    if (!result || palette || ArtworkScale() < 2)
        return result;
    const QImage sharp = LoadSharpImage(id, out->size());
    if (!sharp.isNull())
        *out = QPixmap::fromImage(sharp.convertToFormat(QImage::Format_RGB32));
    return result;
}
