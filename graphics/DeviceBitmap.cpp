#include "graphics/DeviceBitmap.h"

#include "graphics/CDisplayState.h"
#include "graphics/CKdib.h"
#include "graphics/ColorConversion.h"
#include "graphics/PackedDib.h"
#include "model/CTrace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

int attach(const QImage &image, QPixmap *out)
{
    if (image.isNull()) {
        Trace("CreateDIBitmap failed!\n");
        return 0;
    }
    *out = QPixmap::fromImage(image);
    if (out->isNull()) {
        Trace("CreateDIBitmap failed!\n");
        return 0;
    }
    return 1;
}

// The cached picture of resource n, when there is a fresh one that reads.
bool readCached(const QString &fileName, QPixmap *out)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QDateTime programTime = CDisplayState::Instance().ProgramFileTime();
    if (programTime.isValid() && QFileInfo(file).lastModified() < programTime) {
        Trace(QStringLiteral("File too old: ") + fileName + QStringLiteral("\n"));
        return false;
    }
    Trace(QStringLiteral("Found ") + fileName + QStringLiteral(".  Reading...\n"));
    CKdib cached;
    if (!cached.Read(file)) {
        Trace("CKdib::Read failed!\n");
        return false;
    }
    const QImage image = cached.ToImage();
    if (image.isNull()) {
        Trace("CKdib::Read failed!\n");
        return false;
    }
    *out = QPixmap::fromImage(image);
    return !out->isNull();
}

void writeCached(const QString &fileName, const QByteArray &packed)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QFileInfo::exists(folder))
        QDir().mkpath(folder);
    // Written whole or not at all, so a later run never meets half a file.
    QSaveFile file(fileName);
    CKdib picture;
    if (!file.open(QIODevice::WriteOnly) || !picture.Attach(packed)) {
        Trace(QStringLiteral("Open ") + fileName + QStringLiteral(" failed!\n"));
        return;
    }
    if (picture.Write(file) && file.commit())
        Trace(QStringLiteral("File ") + fileName + QStringLiteral(" written.\n"));
}

} // namespace

int MakeDeviceBitmap(QByteArrayView picture, QPixmap *out, const CPalette *palette, int n)
{
    if (!out)
        return 0;
    if (!palette)
        return attach(DecodePackedDib(picture), out);

    const CDisplayState &display = CDisplayState::Instance();
    const bool cached = n >= 0 && !display.CacheFolder().isEmpty();
    const QString fileName = cached ? display.CacheFileName(n) : QString();
    if (cached && readCached(fileName, out))
        return 1;

    KmBitmapInfoHeader header;
    if (KmBitmapInfoHeader::Parse(picture, &header) && header.biBitCount == 24) {
        const QByteArray reduced = ConvertTo8Bit(picture, *palette);
        if (reduced.isEmpty()) {
            Trace("CreateDIBitmap failed!\n");
            return 0;
        }
        if (cached)
            writeCached(fileName, reduced);
        return attach(DecodePackedDib(reduced), out);
    }
    return attach(DecodePackedDib(picture), out);
}
