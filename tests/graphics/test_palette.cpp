// The 256-colour path: brightness buckets, the colour matcher, the 8-bit
// conversion, the display state and the palette messages.
#include "graphics/CColorMatcher.h"
#include "graphics/CDisplayState.h"
#include "graphics/CKdib.h"
#include "graphics/CPaletteMessages.h"
#include "graphics/ColorConversion.h"
#include "support/CFakeBitmaps.h"
#include "support/CRecordingMessageSink.h"
#include "support/CTempDir.h"
#include "support/CTraceRecorder.h"

#include <QBuffer>
#include <gtest/gtest.h>

TEST(ColorMatcher, LuminanceBuckets)
{
    EXPECT_EQ(15, CColorMatcher::LuminanceBucket(255, 255, 255));
    EXPECT_EQ(0, CColorMatcher::LuminanceBucket(0, 0, 0));
    EXPECT_EQ(9, CColorMatcher::LuminanceBucket(0, 255, 0)); // 9.5 truncated
    EXPECT_EQ(5, CColorMatcher::LuminanceBucket(255, 0, 0)); // 76.5 -> 5.0
    EXPECT_EQ(2, CColorMatcher::LuminanceBucket(0, 0, 255)); // 25.5 -> 2.0
}

namespace {
// A colour of the given bucket (grey levels land exactly: 17 per bucket).
QRgb greyOfBucket(int k) { return qRgb(17 * k, 17 * k, 17 * k); }
} // namespace

TEST(ColorMatcher, EmptyBucketsReferToTheNearerNeighbourTiesBelow)
{
    CColorMatcher m;
    m.Build({greyOfBucket(2), greyOfBucket(10)});
    EXPECT_EQ(2, m.BucketReference(2));
    EXPECT_EQ(10, m.BucketReference(10));
    EXPECT_EQ(2, m.BucketReference(0));  // none below
    EXPECT_EQ(2, m.BucketReference(6));  // down 4, up 4: below
    EXPECT_EQ(10, m.BucketReference(7)); // down 5, up 3
    EXPECT_EQ(10, m.BucketReference(12)); // down 2, up 4 (to the end)
    // Down 5 is more than up 1 to the end, where there is no bucket: the
    // bucket below is used instead of leaving the colour without a match.
    EXPECT_EQ(10, m.BucketReference(15));
    EXPECT_EQ(1, m.Nearest(255, 255, 255));
}

TEST(ColorMatcher, BuildsOnlyOnce)
{
    CColorMatcher m;
    m.Build({qRgb(0, 0, 0)});
    m.Build({qRgb(255, 255, 255), qRgb(1, 1, 1)});
    EXPECT_TRUE(m.IsBuilt());
    EXPECT_EQ(1, m.BucketSize(0));
    EXPECT_EQ(0, m.BucketSize(15));
    m.Reset();
    EXPECT_FALSE(m.IsBuilt());
}

TEST(ColorMatcher, NearestSearchesOneBucketAndStopsWhenClose)
{
    // All three lie in bucket 8 (lum about 136).
    const QRgb a = qRgb(136, 136, 136);
    const QRgb b = qRgb(130, 140, 130); // squared distance 36+16+36 = 88 from a
    const QRgb c = qRgb(140, 134, 140);
    CColorMatcher m;
    m.Build({a, b, c});
    ASSERT_EQ(3, m.BucketSize(8));
    EXPECT_EQ(0, m.Nearest(136, 136, 136)); // exact: distance 0 stops at once
    // b itself: a comes first at distance 88 < 100 and ends the search.
    EXPECT_EQ(0, m.Nearest(130, 140, 130));

    // Later pairs win ties.
    CColorMatcher t;
    t.Build({qRgb(120, 140, 140), qRgb(140, 140, 120)});
    EXPECT_EQ(1, t.Nearest(130, 140, 130)); // both at distance 200

    // Only the colour's own bucket is searched, even when another bucket
    // holds a closer colour.
    CColorMatcher o;
    o.Build({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    EXPECT_EQ(0, o.Nearest(20, 20, 20));
    EXPECT_EQ(1, o.Nearest(240, 240, 240));
}

TEST(ColorMatcher, EmptyMatcherGivesIndexZero)
{
    CColorMatcher m;
    m.Build({});
    EXPECT_EQ(0, m.Nearest(100, 100, 100));
}

TEST(ConvertTo8Bit, HeaderTableAndIndexes)
{
    fake::CDisplayStateGuard guard;
    const QList<QRgb> colours = fake::PaletteColours();
    const CPalette palette(colours);
    QImage img(5, 2, QImage::Format_RGB32);
    for (int x = 0; x < 5; ++x) {
        img.setPixel(x, 0, colours[x * 40]);
        img.setPixel(x, 1, colours[200 + x]);
    }
    const QByteArray out = ConvertTo8Bit(EncodePackedDib(img), palette);
    ASSERT_EQ(40 + 4 * 236 + 8 * 2, out.size());
    KmBitmapInfoHeader h;
    ASSERT_TRUE(KmBitmapInfoHeader::Parse(out, &h));
    EXPECT_EQ(8, h.biBitCount);
    EXPECT_EQ(0u, h.biCompression);
    EXPECT_EQ(0u, h.biSizeImage);
    EXPECT_EQ(236u, h.biClrUsed);
    EXPECT_EQ(236u, h.biClrImportant);
    EXPECT_EQ(5, h.biWidth);
    EXPECT_EQ(2, h.biHeight);
    // Table entries: blue, green, red, 0.
    const QRgb c7 = colours[7];
    EXPECT_EQ(qBlue(c7), uchar(out[40 + 28]));
    EXPECT_EQ(qRed(c7), uchar(out[40 + 30]));
    EXPECT_EQ(0, out[40 + 31]);
    // Every pixel is exactly a palette colour, so gets its index; row 0 of
    // the file is the bottom row of the picture.
    const qsizetype bits = 40 + 4 * 236;
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(200 + x, uchar(out[bits + x]));
        EXPECT_EQ(x * 40, uchar(out[bits + 8 + x]));
    }
    EXPECT_TRUE(CColorMatcher::Instance().IsBuilt());
}

TEST(ConvertTo8Bit, TheBackgroundSizedFileIs110738Bytes)
{
    fake::CDisplayStateGuard guard;
    QImage img(372, 295, QImage::Format_RGB32);
    img.fill(qRgb(252, 248, 237));
    const QByteArray reduced = ConvertTo8Bit(EncodePackedDib(img), CPalette(fake::PaletteColours()));
    CKdib picture;
    ASSERT_EQ(1, picture.Attach(reduced));
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    ASSERT_EQ(1, picture.Write(file));
    const QByteArray bytes = file.data();
    EXPECT_EQ(110738, bytes.size());
    EXPECT_EQ(110738u, ReadLe32(bytes, 2));
    EXPECT_EQ(998u, ReadLe32(bytes, 10));
    EXPECT_EQ('B', bytes[0]);
    EXPECT_EQ('M', bytes[1]);
}

TEST(ConvertTo8Bit, RefusesWhatIsNotAWhole24BitPicture)
{
    fake::CDisplayStateGuard guard;
    const CPalette palette(fake::PaletteColours());
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QByteArray packed = EncodePackedDib(img);
    EXPECT_TRUE(ConvertTo8Bit(packed.first(packed.size() - 1), palette).isEmpty());
    EXPECT_TRUE(ConvertTo8Bit(fake::Packed8(img, {qRgb(255, 0, 0)}), palette).isEmpty());
    EXPECT_TRUE(ConvertTo8Bit(QByteArray(), palette).isEmpty());
}

TEST(FitToPalette, KeepsAlphaAndReplacesColours)
{
    fake::CDisplayStateGuard guard;
    const CPalette palette({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    QImage img(2, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(250, 250, 250, 40));
    img.setPixel(1, 0, qRgba(5, 5, 5, 255));
    const QImage fitted = FitToPalette(img, &palette);
    EXPECT_EQ(qRgba(255, 255, 255, 40), fitted.pixel(0, 0));
    EXPECT_EQ(qRgba(0, 0, 0, 255), fitted.pixel(1, 0));
    EXPECT_EQ(img, FitToPalette(img, nullptr));
}

TEST(DisplayState, ScreenDepthOverride)
{
    using S = CDisplayState;
    const QString prog = QStringLiteral("kestrelmark");
    EXPECT_EQ(-1, S::ScreenDepthOverride({prog}, {}));
    EXPECT_EQ(8, S::ScreenDepthOverride({prog, QStringLiteral("--screen-depth"), QStringLiteral("8")}, {}));
    EXPECT_EQ(16, S::ScreenDepthOverride({prog, QStringLiteral("--screen-depth=16")}, {}));
    EXPECT_EQ(8, S::ScreenDepthOverride({prog}, "8"));
    // The command line wins over the environment.
    EXPECT_EQ(32, S::ScreenDepthOverride({prog, QStringLiteral("--screen-depth=32")}, "8"));
    EXPECT_EQ(-1, S::ScreenDepthOverride({prog, QStringLiteral("--screen-depth=lots")}, {}));
    EXPECT_EQ(-1, S::ScreenDepthOverride({prog, QStringLiteral("--screen-depth")}, {}));
    EXPECT_EQ(-1, S::ScreenDepthOverride({prog}, "0"));
}

TEST(DisplayState, PaletteAndShadowsFollowTheDepth)
{
    fake::CDisplayStateGuard guard;
    CDisplayState &d = CDisplayState::Instance();
    d.SetProgramPalette(CPalette(fake::PaletteColours()));
    d.SetScreenDepth(8);
    EXPECT_NE(nullptr, d.ActivePalette());
    EXPECT_FALSE(d.ShadowsOn());
    d.SetScreenDepth(15);
    EXPECT_NE(nullptr, d.ActivePalette());
    d.SetScreenDepth(16);
    EXPECT_EQ(nullptr, d.ActivePalette());
    EXPECT_TRUE(d.ShadowsOn());
    // A palette that could not be built leaves the display without one.
    d.SetScreenDepth(8);
    d.SetProgramPalette(CPalette());
    EXPECT_EQ(nullptr, d.ActivePalette());

    d.SetCacheFolder(QStringLiteral("/x/bitmapcache"));
    EXPECT_EQ(QStringLiteral("/x/bitmapcache/bitmap_261.bmp"), d.CacheFileName(261));
}

TEST(DisplayState, SettleBuildsThePaletteAndReadsTheOverride)
{
    fake::CDisplayStateGuard guard;
    fake::CResourceFolder resources;
    resources.PutPalette();
    CEnvGuard env("KESTRELMARK_SCREEN_DEPTH", "8");
    CDisplayState &d = CDisplayState::Instance();
    d.Settle({QStringLiteral("kestrelmark")});
    EXPECT_EQ(8, d.ScreenDepth());
    ASSERT_NE(nullptr, d.ActivePalette());
    EXPECT_EQ(236, d.ActivePalette()->GetEntryCount());
    EXPECT_EQ(fake::PaletteColours()[17], d.ActivePalette()->Entry(17));
    EXPECT_TRUE(d.ProgramFileTime().isValid());
}

TEST(DisplayState, MissingPaletteResourceIsReportedAndTolerated)
{
    fake::CDisplayStateGuard guard;
    fake::CResourceFolder resources;
    CRecordingMessageSink messages;
    CDisplayState::Instance().Settle({QStringLiteral("kestrelmark"), QStringLiteral("--screen-depth=8")});
    EXPECT_TRUE(messages.m_messages.contains(QStringLiteral("LoadDIBFromResouce failed!")));
    EXPECT_EQ(nullptr, CDisplayState::Instance().ActivePalette());

    // A palette picture with too few colours.
    CRecordingMessageSink messages2;
    QImage img(2, 2, QImage::Format_RGB32);
    img.fill(Qt::black);
    resources.Put(493, fake::Packed8(img, {qRgb(0, 0, 0), qRgb(1, 1, 1)}));
    EXPECT_TRUE(CPalette::BuildProgramPalette().IsNull());
    EXPECT_EQ(QStringList{QStringLiteral("CreatePalette failed!")}, messages2.m_messages);
}

TEST(PaletteMessages, RealiseRepaintsOnlyWhenColoursChange)
{
    fake::CDisplayStateGuard guard;
    CTraceRecorder trace;
    CDisplayState &d = CDisplayState::Instance();
    d.SetProgramPalette(CPalette(fake::PaletteColours()));
    d.SetScreenDepth(8);
    int repaints = 0;
    CPaletteMessages messages;
    messages.SetRepaintHook([&] { ++repaints; });

    EXPECT_TRUE(messages.OnQueryNewPalette());
    EXPECT_EQ(1, repaints);
    EXPECT_TRUE(trace.Contains(QStringLiteral("OnDoRealize: 236 colors changed.\n")));
    EXPECT_EQ(0, messages.OnDoRealize());
    EXPECT_TRUE(trace.Contains(QStringLiteral("OnDoRealize: No change in palette.\n")));
    messages.OnPaletteChanged(true);
    EXPECT_TRUE(trace.Contains(QStringLiteral("OnPaletteChanged: We changed it, ignoring message.\n")));
    EXPECT_EQ(1, repaints);
    messages.OnPaletteChanged(false);
    EXPECT_TRUE(trace.Contains(QStringLiteral("OnPaletteChanged.\n")));
    EXPECT_EQ(2, repaints);

    // A true-colour display has nothing to realise.
    d.SetScreenDepth(24);
    messages.OnPaletteChanged(false);
    EXPECT_EQ(2, repaints);
}
