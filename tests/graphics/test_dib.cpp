// The off-screen bitmap, the packed-bitmap helpers and the image effects.
#include "graphics/CDIB.h"
#include "graphics/ImageEffects.h"
#include "graphics/PackedDib.h"
#include "support/CRecordingMessageSink.h"
#include "support/CTraceRecorder.h"

#include <gtest/gtest.h>

namespace {

// A created w x h 24-bit bitmap with every byte set to value.
std::unique_ptr<CDIB> filled(int w, int h, int value)
{
    auto dib = std::make_unique<CDIB>();
    dib->SetSize(w, h);
    EXPECT_EQ(1, dib->Create());
    for (int y = 0; y < h; ++y)
        std::fill_n(dib->PixelAt(0, y), 3 * w, uchar(value));
    return dib;
}

int green(const CDIB &dib, int x, int y) { return dib.PixelAt(x, y)[1]; }

} // namespace

TEST(PackedDib, ColourCountAndRowBytes)
{
    KmBitmapInfoHeader h;
    h.biBitCount = 24;
    EXPECT_EQ(0, PackedDibColorCount(h));
    h.biBitCount = 8;
    h.biClrUsed = 236;
    EXPECT_EQ(236, PackedDibColorCount(h));
    EXPECT_EQ(944, PackedDibColorTableBytes(h));
    EXPECT_EQ(40 + 944, PackedDibBits(h));
    h.biClrUsed = 0;
    EXPECT_EQ(256, PackedDibColorCount(h));
    h.biBitCount = 4;
    EXPECT_EQ(16, PackedDibColorCount(h));
    h.biBitCount = 1;
    EXPECT_EQ(2, PackedDibColorCount(h));
    h.biBitCount = 16;
    EXPECT_EQ(0, PackedDibColorCount(h));

    // Rows pad to whole 4-byte words.
    h.biBitCount = 1;
    h.biWidth = 32;
    EXPECT_EQ(4, PackedDibRowBytes(h));
    h.biWidth = 33;
    EXPECT_EQ(8, PackedDibRowBytes(h));
    h.biBitCount = 24;
    h.biWidth = 1;
    EXPECT_EQ(4, PackedDibRowBytes(h));
    h.biWidth = 614;
    EXPECT_EQ(1844, PackedDibRowBytes(h));
}

TEST(PackedDib, HeaderBytesRoundTrip)
{
    KmBitmapInfoHeader h;
    h.biWidth = 372;
    h.biHeight = -295;
    h.biBitCount = 8;
    h.biClrUsed = 236;
    h.biClrImportant = 236;
    const QByteArray bytes = h.ToBytes();
    ASSERT_EQ(40, bytes.size());
    EXPECT_EQ(char(0x74), bytes[4]); // 372 = 0x174, little-endian
    EXPECT_EQ(char(0x01), bytes[5]);
    KmBitmapInfoHeader back;
    ASSERT_TRUE(KmBitmapInfoHeader::Parse(bytes, &back));
    EXPECT_EQ(-295, back.biHeight);
    EXPECT_EQ(236u, back.biClrImportant);
    EXPECT_FALSE(KmBitmapInfoHeader::Parse(bytes.first(39), &back));
}

TEST(PackedDib, EncodeDecodeKeepsPixelsAndOrientation)
{
    QImage img(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            img.setPixel(x, y, qRgb(x * 40, y * 90, 7));
    const QByteArray packed = EncodePackedDib(img);
    ASSERT_EQ(40 + 16 * 3, packed.size());
    // The first stored row is the bottom one, blue first.
    EXPECT_EQ(7, uchar(packed[40]));
    EXPECT_EQ(180, uchar(packed[41]));
    const QImage back = DecodePackedDib(packed);
    ASSERT_EQ(img.size(), back.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(img.pixel(x, y), back.pixel(x, y)) << x << "," << y;
}

TEST(PackedDib, RefusesHeadersThatDoNotFitTheirData)
{
    KmBitmapInfoHeader h;
    h.biWidth = 100000;
    h.biHeight = 100000;
    QString why;
    KmDibLayout layout;
    EXPECT_FALSE(ParseDibLayout(h.ToBytes(), &layout, &why));
    EXPECT_EQ(QStringLiteral("picture too large"), why);

    h.biWidth = 4;
    h.biHeight = 4;
    h.biBitCount = 8;
    h.biClrUsed = 0; // 256 colours, none present
    EXPECT_FALSE(ParseDibLayout(h.ToBytes(), &layout, &why));
    h.biBitCount = 24;
    h.biPlanes = 3;
    EXPECT_FALSE(ParseDibLayout(h.ToBytes(), &layout, &why));
    h.biPlanes = 1;
    h.biBitCount = 7;
    EXPECT_FALSE(ParseDibLayout(h.ToBytes(), &layout, &why));
    h.biBitCount = 24;
    ASSERT_TRUE(ParseDibLayout(h.ToBytes(), &layout, &why));
    // Rows cut short: nothing is decoded.
    EXPECT_TRUE(DecodeDib(h.ToBytes(), layout, QByteArray(47, '\0')).isNull());
    EXPECT_FALSE(DecodeDib(h.ToBytes(), layout, QByteArray(48, '\0')).isNull());
}

TEST(PackedDib, RunLengthPicturesAreBoundByTheirData)
{
    // 8000 x 8000 pixels from a few bytes of runs: never allocated.
    KmBitmapInfoHeader h;
    h.biWidth = 8000;
    h.biHeight = 8000;
    h.biBitCount = 8;
    h.biCompression = kBiRle8;
    h.biClrUsed = 2;
    QByteArray block = h.ToBytes() + QByteArray(8, '\0');
    KmDibLayout layout;
    ASSERT_TRUE(ParseDibLayout(block, &layout));
    QString why;
    EXPECT_TRUE(DecodeDib(block, layout, QByteArray("\xff\x01\x00\x01", 4), KmDibAlpha::Ignore, &why).isNull());
    EXPECT_EQ(QStringLiteral("run-length picture larger than its data"), why);

    // A small one decodes: a run of 3 of colour 1, end of line, 3 literal
    // pixels (0, 1, 0) padded to a word, end of picture.
    h.biWidth = 3;
    h.biHeight = 2;
    block = h.ToBytes() + QByteArray("\x00\x00\x00\x00\xff\xff\xff\x00", 8);
    ASSERT_TRUE(ParseDibLayout(block, &layout));
    const QImage img = DecodeDib(block, layout, QByteArray("\x03\x01\x00\x00\x00\x03\x00\x01\x00\x00\x00\x01", 12));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(qRgb(255, 255, 255), img.pixel(2, 1)); // the bottom row first
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(0, 0));
    EXPECT_EQ(qRgb(255, 255, 255), img.pixel(1, 0));
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(2, 0));
}

TEST(CDIB, NewAndCreate)
{
    CDIB dib;
    EXPECT_EQ(0, dib.m_header.biWidth);
    EXPECT_EQ(24, dib.m_header.biBitCount);
    EXPECT_EQ(3, dib.m_bytesPerPixel);
    EXPECT_EQ(0, dib.m_stride);
    EXPECT_EQ(nullptr, dib.m_bits);
    EXPECT_EQ(nullptr, dib.GetDC());
    // Width 0: nothing is made.
    EXPECT_EQ(0, dib.Create());
    EXPECT_FALSE(dib.IsCreated());

    dib.m_header.biWidth = 25;
    dib.m_header.biHeight = 25;
    EXPECT_EQ(3, dib.InitFromHeader());
    EXPECT_EQ(76, dib.m_stride);
    EXPECT_EQ(25, dib.m_bounds.right);
    EXPECT_EQ(25, dib.m_bounds.bottom);
    ASSERT_EQ(1, dib.Create());
    EXPECT_NE(nullptr, dib.m_bits);
    EXPECT_NE(nullptr, dib.GetDC());
    // Never twice.
    EXPECT_EQ(0, dib.Create());
}

TEST(CDIB, RowsLieBottomUpAndTheContextDrawsUpright)
{
    CDIB dib;
    dib.SetSize(4, 3);
    ASSERT_EQ(1, dib.Create());
    dib.GetDC()->fillRect(QRect(0, 0, 4, 1), QColor(10, 20, 30)); // the top row
    // The top row is the last one in memory, blue first.
    const uchar *last = dib.m_bits + 2 * dib.m_stride;
    EXPECT_EQ(30, last[0]);
    EXPECT_EQ(20, last[1]);
    EXPECT_EQ(10, last[2]);
    EXPECT_EQ(0, dib.m_bits[0]);
    EXPECT_EQ(last, dib.PixelAt(0, 0));
    const QImage upright = dib.ToImage();
    EXPECT_EQ(qRgb(10, 20, 30), upright.pixel(3, 0));
    EXPECT_EQ(qRgb(0, 0, 0), upright.pixel(3, 2));
}

TEST(CDIB, MultiplyAmountsAndRounding)
{
    auto dest = filled(3, 1, 200);
    auto mask = filled(3, 1, 0);
    mask->PixelAt(1, 0)[1] = 128;
    mask->PixelAt(2, 0)[1] = 255;
    dest->Multiply(mask.get(), 0.5, 0, 0);
    EXPECT_EQ(100, green(*dest, 0, 0));  // black scales by 1 - amount
    EXPECT_EQ(150, green(*dest, 1, 0));  // 200 * (0.5 + 0.5 * 128 / 255) + 0.5
    EXPECT_EQ(200, green(*dest, 2, 0));  // white leaves it
    EXPECT_EQ(100, dest->PixelAt(0, 0)[0]);
    EXPECT_EQ(100, dest->PixelAt(0, 0)[2]);

    // Only the green byte of the mask counts.
    auto dest2 = filled(1, 1, 200);
    auto mask2 = filled(1, 1, 255);
    mask2->PixelAt(0, 0)[1] = 0;
    dest2->Multiply(mask2.get(), 0.45, 0, 0);
    EXPECT_EQ(110, green(*dest2, 0, 0)); // 200 * 0.55 + 0.5 = 110.5

    auto dest3 = filled(2, 2, 77);
    dest3->Multiply(mask.get(), 0.0, 0, 0);
    EXPECT_EQ(77, green(*dest3, 0, 0));
}

TEST(CDIB, MultiplyClipsTheMaskToTheDestination)
{
    // A 3 x 3 mask whose column x and row y hold the value 10 * x + y.
    auto mask = filled(3, 3, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            mask->PixelAt(x, y)[1] = uchar(10 * x + y);

    // One pixel left of and above the destination: destination (0, 0) gets
    // mask (1, 1), destination (1, 1) mask (2, 2).
    auto dest = filled(4, 4, 255);
    dest->Multiply(mask.get(), 1.0, -1, -1);
    EXPECT_EQ(11, green(*dest, 0, 0));
    EXPECT_EQ(22, green(*dest, 1, 1));
    EXPECT_EQ(21, green(*dest, 1, 0));
    EXPECT_EQ(255, green(*dest, 2, 2));

    // Past the right and bottom edges: cut there.
    auto dest2 = filled(4, 4, 255);
    dest2->Multiply(mask.get(), 1.0, 3, 3);
    EXPECT_EQ(0, green(*dest2, 3, 3));
    EXPECT_EQ(255, green(*dest2, 2, 2));

    // Wholly outside: nothing changes.
    auto dest3 = filled(4, 4, 255);
    dest3->Multiply(mask.get(), 1.0, -3, 0);
    dest3->Multiply(mask.get(), 1.0, 0, 5);
    dest3->Multiply(mask.get(), 1.0, 4, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(255, green(*dest3, x, y));
}

TEST(CDIB, MultiplyRefusals)
{
    CRecordingMessageSink messages;
    CTraceRecorder trace;
    auto dest = filled(2, 2, 9);
    dest->Multiply(nullptr, 0.5, 0, 0);
    EXPECT_EQ(QStringList{QStringLiteral("darkMap is NULL.")}, messages.m_messages);
    CDIB empty;
    dest->Multiply(&empty, 0.5, 0, 0);
    EXPECT_TRUE(trace.Contains(QStringLiteral("CDIB::Multiply --- one or more bits member is NULL.\n")));
    EXPECT_EQ(9, green(*dest, 0, 0));
}

TEST(CDIB, DarkenBlockWorksOnItsOwnBlockOnly)
{
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(qRgb(200, 200, 200));
    auto mask = filled(4, 4, 0);
    ASSERT_TRUE(CDIB::DarkenBlock(target, 8, 8, 4, 4, *mask, 0.5));
    EXPECT_EQ(qRgb(100, 100, 100), target.pixel(9, 9));
    EXPECT_EQ(qRgb(100, 100, 100), target.pixel(8, 8));
    EXPECT_EQ(qRgb(200, 200, 200), target.pixel(7, 8));
}

TEST(SmoothFilter, OnePassOverWhiteFollowsTheOrderOfWork)
{
    // Pixels changed earlier in the pass feed the later ones.
    auto dib = filled(3, 3, 255);
    ASSERT_EQ(1, SmoothFilter(dib.get(), dib->m_bits, 1.0));
    const int expected[3][3] = {{254, 254, 253}, {254, 253, 255}, {253, 254, 253}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(expected[y][x], dib->PixelAt(x, y)[c]) << x << "," << y;

    // The corner and a fresh interior pixel of a larger white block.
    auto big = filled(6, 6, 255);
    ASSERT_EQ(1, SmoothFilter(big.get(), big->m_bits, 1.0));
    EXPECT_EQ(254, green(*big, 0, 0));
}

TEST(SmoothFilter, BlackStaysBlackAndWeightZeroKeepsPixels)
{
    auto black = filled(5, 4, 0);
    ASSERT_EQ(1, SmoothFilter(black.get(), black->m_bits, 1.0));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(0, green(*black, x, y));

    auto dib = filled(5, 5, 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            dib->PixelAt(x, y)[1] = uchar(x * 50 + y);
    ASSERT_EQ(1, SmoothFilter(dib.get(), dib->m_bits, 0.0));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(x * 50 + y, green(*dib, x, y));
}

TEST(SmoothFilter, InteriorAveragesTheBlock)
{
    // One white pixel in black. The interior runs column by column, each
    // pixel reading the values its predecessors already changed:
    // ((sum of the 3 x 3 block) >> 1) * 2/9, truncated.
    auto dib = filled(5, 5, 0);
    std::fill_n(dib->PixelAt(2, 2), 3, uchar(255));
    ASSERT_EQ(1, SmoothFilter(dib.get(), dib->m_bits, 1.0));
    EXPECT_EQ(28, green(*dib, 1, 1)); // 255 >> 1 = 127 -> 28.2
    EXPECT_EQ(31, green(*dib, 1, 2)); // 283 >> 1 = 141 -> 31.3
    EXPECT_EQ(31, green(*dib, 1, 3)); // 286 >> 1 = 143 -> 31.8
    EXPECT_EQ(34, green(*dib, 2, 1)); // 314 >> 1 = 157 -> 34.9
    EXPECT_EQ(42, green(*dib, 2, 2)); // 379 >> 1 = 189 -> 42
    // The edges never touch the white pixel.
    EXPECT_EQ(0, green(*dib, 2, 0));
    EXPECT_EQ(0, green(*dib, 0, 2));
}

TEST(SmoothFilter, Refusals)
{
    CRecordingMessageSink messages;
    CDIB empty;
    EXPECT_EQ(0, SmoothFilter(&empty, nullptr, 1.0));
    EXPECT_EQ(0, SmoothFilter(nullptr, nullptr, 1.0));

    // An 8-bit header on a created bitmap: refused with its message.
    CDIB dib;
    dib.SetSize(4, 4);
    ASSERT_EQ(1, dib.Create());
    dib.m_header.biBitCount = 8;
    EXPECT_EQ(0, SmoothFilter(&dib, dib.m_bits, 1.0));
    EXPECT_EQ(QStringList{QStringLiteral("This filter supports only 24-bit bitmaps.")}, messages.m_messages);

    // A single row has no neighbours above or below.
    auto row = filled(5, 1, 100);
    EXPECT_EQ(0, SmoothFilter(row.get(), row->m_bits, 1.0));
    EXPECT_EQ(100, green(*row, 0, 0));
}

TEST(HalveImage, DropsEverySecondPixel)
{
    QImage img(33, 33, QImage::Format_RGB32);
    for (int y = 0; y < 33; ++y)
        for (int x = 0; x < 33; ++x)
            img.setPixel(x, y, qRgb(x, y, (x + y) & 1 ? 255 : 0));
    const QImage h = HalveImage(img);
    ASSERT_EQ(QSize(16, 16), h.size());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(qRgb(2 * x, 2 * y, 0), h.pixel(x, y) | 0xFF000000u) << x << "," << y;

    EXPECT_EQ(h, HalveImage(img.copy(0, 0, 32, 32)));
    EXPECT_TRUE(HalveImage(img.copy(0, 0, 1, 1)).isNull());
}
