// Bitmap files (read, write, hostile headers), the bitmap resources, the
// device-bitmap maker with its cache and the cached bitmaps.
#include "graphics/BitmapResource.h"
#include "graphics/CCachedBitmap.h"
#include "graphics/CConversionProgress.h"
#include "graphics/CDisplayState.h"
#include "graphics/CKdib.h"
#include "graphics/DeviceBitmap.h"
#include "support/CFakeBitmaps.h"
#include "support/CRecordingMessageSink.h"
#include "support/CTraceRecorder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QImage gradient(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 37) & 255, (y * 53) & 255, (x * y) & 255));
    return img;
}

// Reads bytes with a fresh CKdib; the messages shown come back in shown.
int readBytes(const QByteArray &bytes, CKdib *kdib, QStringList *shown)
{
    CRecordingMessageSink messages;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const int r = kdib->Read(buffer);
    *shown = messages.m_messages;
    return r;
}

// A device that fails after a number of bytes.
class FailDevice : public QIODevice
{
public:
    FailDevice(QByteArray data, qint64 failAfter) : m_data(std::move(data)), m_failAfter(failAfter) {}
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_data.size(); }

protected:
    qint64 readData(char *out, qint64 max) override
    {
        const qint64 at = pos();
        if (at >= m_failAfter)
            return -1;
        const qint64 n = qMin(max, qMin<qint64>(m_data.size(), m_failAfter) - at);
        std::copy_n(m_data.constData() + at, n, out);
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_failAfter;
};

} // namespace

TEST(CKdib, WriteThenReadGivesTheSamePicture)
{
    const QByteArray packed = EncodePackedDib(gradient(13, 7));
    CKdib a;
    ASSERT_EQ(1, a.Attach(packed));
    EXPECT_EQ(QSize(13, 7), a.GetSize());
    EXPECT_EQ(0, a.ColorCount());
    EXPECT_EQ(40 * 7, a.ImageSize()); // 13 * 3 = 39, padded to 40
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    ASSERT_EQ(1, a.Write(file));
    const QByteArray bytes = file.data();
    EXPECT_EQ(14 + packed.size(), bytes.size());
    EXPECT_EQ(54u, ReadLe32(bytes, 10));
    EXPECT_EQ(packed, bytes.mid(14));

    CKdib b;
    QStringList shown;
    ASSERT_EQ(1, readBytes(bytes, &b, &shown));
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(a.Packed(), b.Packed());
    EXPECT_EQ(gradient(13, 7), b.ToImage());
    EXPECT_EQ(gradient(13, 7), b.CreateDeviceBitmap().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST(CKdib, PaletteOfAnEightBitPicture)
{
    QImage img(3, 3, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 255));
    const QList<QRgb> table{qRgb(0, 0, 255), qRgb(10, 20, 30), qRgb(1, 2, 3)};
    CKdib k;
    ASSERT_EQ(1, k.Attach(fake::Packed8(img, table)));
    EXPECT_EQ(3, k.ColorCount());
    EXPECT_EQ(table, k.Palette());
    EXPECT_EQ(qRgb(0, 0, 255), k.ToImage().pixel(1, 1));
}

TEST(CKdib, RefusedFilesShowTheirMessageAndLeaveItReleased)
{
    const QByteArray good = fake::BmpFile(EncodePackedDib(gradient(8, 8)));
    struct Case
    {
        const char *what;
        QByteArray bytes;
        const char *message;
    };
    QByteArray notBm = good;
    notBm[0] = 'X';
    QByteArray offsetPastEnd = good;
    WriteLe32(offsetPastEnd, 10, 0x7FFFFFF0u);
    QByteArray offsetInsideFileHeader = good;
    WriteLe32(offsetInsideFileHeader, 10, 4);
    QByteArray hugeImageSize = good;
    WriteLe32(hugeImageSize, 14 + 20, 0xFFFFFFF0u);
    QByteArray tinyImageSize = good;
    WriteLe32(tinyImageSize, 14 + 20, 16);
    QByteArray hugeSize = good;
    WriteLe32(hugeSize, 14 + 4, 60000);
    WriteLe32(hugeSize, 14 + 8, 60000);
    QByteArray hugeColours = good;
    WriteLe32(hugeColours, 14 + 32, 0x40000000u);
    QByteArray badBits = good;
    WriteLe16(badBits, 14 + 14, 3);
    const Case cases[] = {
        {"empty", QByteArray(), "read error 1"},
        {"13 bytes", good.first(13), "read error 1"},
        {"not BM", notBm, "Invalid bitmap file"},
        {"pixel offset past the end", offsetPastEnd, "read error 1"},
        {"pixel offset inside the file header", offsetInsideFileHeader, "Invalid bitmap file"},
        {"image size past the end", hugeImageSize, "read error 1"},
        {"image size below the rows", tinyImageSize, "Invalid bitmap file"},
        {"60000 x 60000 in 250 bytes", hugeSize, "Invalid bitmap file"},
        {"a billion colours", hugeColours, "Invalid bitmap file"},
        {"3 bits a pixel", badBits, "Invalid bitmap file"},
        {"rows cut short", good.first(good.size() - 1), "read error 1"},
    };
    for (const Case &c : cases) {
        CKdib k;
        QStringList shown;
        EXPECT_EQ(0, readBytes(c.bytes, &k, &shown)) << c.what;
        EXPECT_EQ(QStringList{QString::fromLatin1(c.message)}, shown) << c.what;
        EXPECT_TRUE(k.IsNull()) << c.what;
        EXPECT_EQ(QSize(0, 0), k.GetSize()) << c.what;
    }
}

TEST(CKdib, DeviceErrorsAreReadErrors)
{
    const QByteArray good = fake::BmpFile(EncodePackedDib(gradient(8, 8)));
    for (qint64 failAt : {qint64(0), qint64(20), qint64(100)}) {
        CRecordingMessageSink messages;
        FailDevice device(good, failAt);
        device.open(QIODevice::ReadOnly);
        CKdib k;
        EXPECT_EQ(0, k.Read(device)) << failAt;
        EXPECT_EQ(QStringList{QStringLiteral("Read error 1")}, messages.m_messages) << failAt;
    }
    CRecordingMessageSink messages;
    CKdib k;
    ASSERT_EQ(1, k.Attach(EncodePackedDib(gradient(2, 2))));
    FailDevice device({}, 0);
    device.open(QIODevice::WriteOnly);
    EXPECT_EQ(0, k.Write(device));
    EXPECT_EQ(QStringList{QStringLiteral("write error")}, messages.m_messages);
}

TEST(BitmapResource, LoadsPackedBitmapsAndReportsMissingOnes)
{
    fake::CResourceFolder resources;
    resources.Put24(700, gradient(4, 4));
    EXPECT_EQ(EncodePackedDib(gradient(4, 4)), LoadDIBFromResource(700));

    CRecordingMessageSink messages;
    EXPECT_TRUE(LoadDIBFromResource(701).isEmpty());
    EXPECT_EQ((QStringList{QStringLiteral("FindResource failed!"), QStringLiteral("LoadResource failed!"),
                           QStringLiteral("LockResource failed!")}),
              messages.m_messages);

    CTraceRecorder trace;
    EXPECT_EQ(0, LoadDIB(700, nullptr, nullptr));
    EXPECT_TRUE(trace.Contains(QStringLiteral("LoadDIB -- NULL bitmap!\n")));
    QPixmap pm;
    ASSERT_EQ(1, LoadDIB(700, &pm, nullptr));
    EXPECT_EQ(gradient(4, 4), pm.toImage().convertToFormat(QImage::Format_RGB32));
}

namespace {

// A palette display with its cache folder in a temporary directory.
struct PaletteDisplay
{
    PaletteDisplay()
    {
        CDisplayState &d = CDisplayState::Instance();
        d.SetProgramPalette(CPalette(fake::PaletteColours()));
        d.SetScreenDepth(8);
        d.SetCacheFolder(home.path() + QStringLiteral("/bitmapcache"));
        d.SetProgramFileTime(QDateTime());
    }
    QString CacheFile(int n) const { return CDisplayState::Instance().CacheFileName(n); }

    fake::CDisplayStateGuard guard;
    QTemporaryDir home;
    fake::CResourceFolder resources;
};

// A counting please-wait window.
struct CountingProgress : CProgressSink
{
    void SetText(const QString &t) override { text = t; }
    void SetMaxGraphics(int n) override { max = n; }
    void StepGraphics() override { ++steps; }
    QString text;
    int max = -1;
    int steps = 0;
};

} // namespace

TEST(BitmapCache, TrueColourDisplayNeitherConvertsNorCaches)
{
    fake::CDisplayStateGuard guard;
    QTemporaryDir home;
    CDisplayState::Instance().SetScreenDepth(24);
    CDisplayState::Instance().SetCacheFolder(home.path() + QStringLiteral("/bitmapcache"));
    fake::CResourceFolder resources;
    resources.Put24(261, gradient(20, 10));
    QPixmap pm;
    ASSERT_EQ(1, LoadDIB(261, &pm, CDisplayState::Instance().ActivePalette()));
    EXPECT_EQ(gradient(20, 10), pm.toImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(QFileInfo::exists(home.path() + QStringLiteral("/bitmapcache")));
}

TEST(BitmapCache, FirstLoadConvertsAndWritesLaterLoadsRead)
{
    PaletteDisplay display;
    display.resources.Put24(261, gradient(20, 10));
    const CPalette *palette = CDisplayState::Instance().ActivePalette();
    ASSERT_NE(nullptr, palette);
    CTraceRecorder trace;
    QPixmap first;
    ASSERT_EQ(1, LoadDIB(261, &first, palette));
    const QString file = display.CacheFile(261);
    EXPECT_TRUE(trace.Contains(QStringLiteral("File ") + file + QStringLiteral(" written.\n")));
    ASSERT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(14 + 40 + 944 + 20 * 10, QFileInfo(file).size());
    // Every pixel now shows a palette colour.
    const QImage shown = first.toImage();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_TRUE(palette->Entries().contains(shown.pixel(x, y) | 0xFF000000u));

    QPixmap second;
    ASSERT_EQ(1, LoadDIB(261, &second, palette));
    EXPECT_TRUE(trace.Contains(QStringLiteral("Found ") + file + QStringLiteral(".  Reading...\n")));
    EXPECT_EQ(shown, second.toImage());
}

TEST(BitmapCache, FreshnessFollowsTheProgramFileTime)
{
    PaletteDisplay display;
    display.resources.Put24(262, gradient(6, 6));
    const CPalette *palette = CDisplayState::Instance().ActivePalette();
    QPixmap pm;
    ASSERT_EQ(1, LoadDIB(262, &pm, palette));
    const QString file = display.CacheFile(262);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QDateTime old = QDateTime::currentDateTime().addDays(-10);
    ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    f.close();

    // Without a program file time every cache file counts as fresh.
    {
        CTraceRecorder trace;
        ASSERT_EQ(1, LoadDIB(262, &pm, palette));
        EXPECT_TRUE(trace.Contains(QStringLiteral("Found ") + file + QStringLiteral(".  Reading...\n")));
    }
    // A newer program file makes it stale: converted again and rewritten.
    CDisplayState::Instance().SetProgramFileTime(QDateTime::currentDateTime().addDays(-1));
    {
        CTraceRecorder trace;
        ASSERT_EQ(1, LoadDIB(262, &pm, palette));
        EXPECT_TRUE(trace.Contains(QStringLiteral("File too old: ") + file + QStringLiteral("\n")));
        EXPECT_TRUE(trace.Contains(QStringLiteral("File ") + file + QStringLiteral(" written.\n")));
    }
    EXPECT_GT(QFileInfo(file).lastModified(), CDisplayState::Instance().ProgramFileTime());
}

TEST(BitmapCache, ADamagedCacheFileIsConvertedAgainNeverShown)
{
    PaletteDisplay display;
    display.resources.Put24(263, gradient(6, 6));
    const CPalette *palette = CDisplayState::Instance().ActivePalette();
    QDir().mkpath(CDisplayState::Instance().CacheFolder());
    QPixmap expected;
    ASSERT_EQ(1, MakeDeviceBitmap(EncodePackedDib(gradient(6, 6)), &expected, palette, -1));

    // A header that claims a picture far larger than the file.
    QByteArray hostile = fake::BmpFile(EncodePackedDib(gradient(6, 6)));
    WriteLe32(hostile, 14 + 4, 30000);
    WriteLe32(hostile, 14 + 8, 30000);
    QList<QRgb> otherColours = palette->Entries();
    std::reverse(otherColours.begin(), otherColours.end());
    QImage grey(6, 6, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    const struct
    {
        const char *name;
        QByteArray bytes;
    } damaged[] = {
        { "hostile header", hostile },
        { "cut short", fake::BmpFile(fake::Packed8(grey, palette->Entries())).first(100) },
        { "not a bitmap", QByteArray("BM\x10garbage") },
        { "another size", fake::BmpFile(fake::Packed8(grey.copy(0, 0, 5, 6), palette->Entries())) },
        { "24-bit", fake::BmpFile(EncodePackedDib(grey)) },
        { "other colours", fake::BmpFile(fake::Packed8(grey, otherColours)) },
    };
    for (const auto &c : damaged) {
        QFile f(display.CacheFile(263));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << c.name;
        f.write(c.bytes);
        f.close();

        CRecordingMessageSink messages;
        CTraceRecorder trace;
        QPixmap pm;
        ASSERT_EQ(1, LoadDIB(263, &pm, palette)) << c.name;
        // The program's own file: no message to the user, just converted
        // again and rewritten.
        EXPECT_TRUE(messages.m_messages.isEmpty()) << c.name;
        EXPECT_TRUE(trace.Contains(QStringLiteral("CKdib::Read failed!\n"))) << c.name;
        EXPECT_TRUE(trace.Contains(QStringLiteral("File ") + display.CacheFile(263) + QStringLiteral(" written.\n")))
            << c.name;
        EXPECT_EQ(expected.toImage(), pm.toImage()) << c.name;

        CTraceRecorder again;
        ASSERT_EQ(1, LoadDIB(263, &pm, palette)) << c.name;
        EXPECT_FALSE(again.Contains(QStringLiteral("CKdib::Read failed!\n"))) << c.name;
        EXPECT_EQ(expected.toImage(), pm.toImage()) << c.name;
    }
}

TEST(BitmapCache, PalettePicturesAndUnnumberedPicturesAreNotCached)
{
    PaletteDisplay display;
    const CPalette *palette = CDisplayState::Instance().ActivePalette();
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(qRgb(1, 2, 3));
    QPixmap pm;
    ASSERT_EQ(1, MakeDeviceBitmap(fake::Packed8(img, {qRgb(1, 2, 3)}), &pm, palette, 300));
    EXPECT_EQ(qRgb(1, 2, 3), pm.toImage().pixel(2, 2) | 0xFF000000u);
    EXPECT_FALSE(QFileInfo::exists(display.CacheFile(300)));
    ASSERT_EQ(1, MakeDeviceBitmap(EncodePackedDib(gradient(4, 4)), &pm, palette, -1));
    EXPECT_FALSE(QFileInfo::exists(CDisplayState::Instance().CacheFolder()));
    EXPECT_EQ(0, MakeDeviceBitmap(EncodePackedDib(gradient(4, 4)), nullptr, palette, 1));
}

TEST(ConversionProgress, ComesUpAtTheFirstConversionAndCountsEveryPicture)
{
    PaletteDisplay display;
    int made = 0;
    CountingProgress *window = nullptr;
    CProgressSink::SetFactory([&] {
        ++made;
        auto w = std::make_unique<CountingProgress>();
        window = w.get();
        return std::unique_ptr<CProgressSink>(std::move(w));
    });
    display.resources.Put24(264, gradient(4, 4));
    display.resources.Put24(265, gradient(6, 4));
    const CPalette *palette = CDisplayState::Instance().ActivePalette();
    QPixmap pm;
    {
        // The first start: the window comes up at the first conversion.
        CConversionProgress progress;
        EXPECT_FALSE(progress.IsShown());
        ASSERT_EQ(1, LoadDIB(264, &pm, palette));
        ASSERT_TRUE(progress.IsShown());
        EXPECT_EQ(27, window->max);
        EXPECT_TRUE(window->text.startsWith(QStringLiteral("Sorry, there will be a slight delay")));
        ASSERT_EQ(1, LoadDIB(265, &pm, palette));
        EXPECT_EQ(2, window->steps);
        EXPECT_TRUE(CProgressSink::AnyShown());
    }
    EXPECT_EQ(nullptr, CDisplayState::Instance().Conversion());
    EXPECT_FALSE(CProgressSink::AnyShown());
    EXPECT_TRUE(QFileInfo::exists(display.CacheFile(264)));

    {
        // The next start finds both in the cache: no window at all.
        CConversionProgress progress;
        ASSERT_EQ(1, LoadDIB(264, &pm, palette));
        ASSERT_EQ(1, LoadDIB(265, &pm, palette));
        EXPECT_FALSE(progress.IsShown());
        EXPECT_EQ(2, progress.Pictures());
        // A picture that must be converted late still brings it up, with
        // the pictures so far counted.
        display.resources.Put24(266, gradient(5, 5));
        ASSERT_EQ(1, LoadDIB(266, &pm, palette));
        ASSERT_TRUE(progress.IsShown());
        EXPECT_EQ(3, window->steps);
    }
    EXPECT_EQ(2, made);

    // A true-colour display never shows it.
    CDisplayState::Instance().SetScreenDepth(24);
    CConversionProgress none;
    display.resources.Put24(267, gradient(5, 5));
    ASSERT_EQ(1, LoadDIB(267, &pm, CDisplayState::Instance().ActivePalette()));
    EXPECT_FALSE(none.IsShown());
    EXPECT_EQ(nullptr, CDisplayState::Instance().Conversion());
    CProgressSink::SetFactory({});
}

TEST(CachedBitmap, LoadUnloadAndReloadOnNextUse)
{
    PaletteDisplay display;
    display.resources.Put24(265, gradient(10, 10));
    CCachedBitmap cb;
    EXPECT_EQ(-1, cb.ResourceId());
    EXPECT_EQ(0, cb.LoadBitmap(-1, nullptr));

    CTraceRecorder trace;
    EXPECT_EQ(0, cb.SelectIn(nullptr, nullptr)); // no number yet
    EXPECT_TRUE(trace.Contains(QStringLiteral("Failed to re-load bitmap!\n")));

    ASSERT_EQ(1, cb.LoadBitmap(265, nullptr));
    EXPECT_TRUE(cb.IsLoaded());
    EXPECT_TRUE(cb.Source().isNull()); // not selected in
    ASSERT_EQ(1, cb.SelectIn(nullptr, nullptr));
    EXPECT_EQ(gradient(10, 10), cb.Source().toImage().convertToFormat(QImage::Format_RGB32));
    cb.SelectOut();
    EXPECT_FALSE(cb.IsSelected());

    // After Unload the next SelectIn loads the same number again, now with
    // the palette it is given.
    cb.Unload();
    EXPECT_FALSE(cb.IsLoaded());
    EXPECT_EQ(265, cb.ResourceId());
    const CPalette *palette = CDisplayState::Instance().ActivePalette();
    ASSERT_EQ(1, cb.SelectIn(nullptr, palette));
    EXPECT_TRUE(QFileInfo::exists(display.CacheFile(265)));
    EXPECT_NE(gradient(10, 10), cb.Source().toImage().convertToFormat(QImage::Format_RGB32));
    cb.SelectOut();

    // A picture that cannot be loaded any more makes SelectIn fail.
    CRecordingMessageSink messages;
    CCachedBitmap missing(266);
    QImage target(4, 4, QImage::Format_RGB32);
    QPainter p(&target);
    EXPECT_EQ(0, missing.Draw(p, QPoint(0, 0), nullptr));
    EXPECT_TRUE(trace.Contains(QStringLiteral("CCacheBitmap::LoadBitmap --- CDIB::LoadDIB failed!\n")));
}

TEST(CachedBitmap, DrawCopiesABlockOneToOne)
{
    fake::CResourceFolder resources;
    resources.Put24(267, gradient(10, 10));
    CCachedBitmap cb(267);
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter p(&target);
    ASSERT_EQ(1, cb.Draw(p, QPoint(1, 1), nullptr, QRect(5, 5, 2, 2)));
    p.end();
    EXPECT_EQ(gradient(10, 10).pixel(5, 5), target.pixel(1, 1));
    EXPECT_EQ(gradient(10, 10).pixel(6, 6), target.pixel(2, 2));
    EXPECT_EQ(QColor(Qt::white).rgb(), target.pixel(3, 3));
}
