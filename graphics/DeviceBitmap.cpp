#include "graphics/DeviceBitmap.h"

#include "graphics/CConversionProgress.h"
#include "graphics/CDisplayState.h"
#include "graphics/CKdib.h"
#include "graphics/CPalette.h"
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

// The cached picture of resource n, when there is a fresh one that reads
// and is what the cache holds: an 8-bit picture of the resource's size in
// the palette's colours. Anything else is converted again (and the file
// rewritten), never shown.
bool readCached(const QString &fileName, QByteArrayView resource, const CPalette &palette, QPixmap *out)
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
    QString failure;
    KmBitmapInfoHeader header;
    const bool fits = cached.Read(file, &failure) && KmBitmapInfoHeader::Parse(resource, &header)
                      && cached.Layout().bitCount == 8 && !cached.Layout().IsCompressed()
                      && cached.GetSize() == QSize(header.biWidth, header.biHeight < 0 ? -header.biHeight : header.biHeight)
                      && cached.Palette() == palette.Entries();
    if (fits)
        *out = cached.CreateDeviceBitmap();
    if (!fits || out->isNull()) {
        if (!failure.isEmpty())
            Trace(fileName + QStringLiteral(": ") + failure + QStringLiteral("\n"));
        Trace("CKdib::Read failed!\n");
        return false;
    }
    return true;
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
    if (cached && readCached(fileName, picture, *palette, out))
        return 1;

    KmBitmapInfoHeader header;
    if (KmBitmapInfoHeader::Parse(picture, &header) && header.biBitCount == 24) {
        if (CConversionProgress *conversion = display.Conversion())
            conversion->ConversionStarting();
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
