// Reading icon files: the directory checked against the file, the choice of
// image, the upright mask, alpha and PNG images.
#include "graphics/CKdib.h"
#include "media/CIconFile.h"
#include "model/CIconFolderScan.h"
#include "tests/media/IconFixtures.h"
#include "support/CTraceRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<CIconResource> readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadIconFromDevice(buffer, QStringLiteral("test.ico"));
}

QImage solid(int s, QRgb c)
{
    QImage img(s, s, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

icons::Entry entry(int size, int bits, QRgb c = qRgb(200, 30, 30))
{
    return {solid(size, c), QImage(), bits, {}};
}

} // namespace

TEST(IconFile, ReadsTheDirectoryAndEveryImage)
{
    const QByteArray bytes = icons::IcoFile({entry(16, 4), entry(32, 8), entry(48, 24), entry(32, 32)});
    const auto icon = readBytes(bytes);
    ASSERT_TRUE(icon);
    EXPECT_EQ(4, icon->m_count);
    ASSERT_EQ(4u, icon->m_images.size());
    EXPECT_EQ(16, icon->m_images[0].m_width);
    EXPECT_EQ(16, icon->m_images[0].m_height);
    EXPECT_EQ(4, icon->m_images[0].m_depth);
    EXPECT_EQ(48, icon->m_images[2].m_height);
    EXPECT_EQ(32, icon->m_images[3].m_depth);
    // 8-bit 32 x 32: header, 256 colours, 32 rows of 32 bytes, then the mask.
    EXPECT_EQ(40 + 1024, icon->m_images[1].m_colorOffset);
    EXPECT_EQ(40 + 1024 + 32 * 32, icon->m_images[1].m_maskOffset);
}

TEST(IconFile, RefusalsNameWhatWasWrong)
{
    const QByteArray good = icons::IcoFile({entry(32, 8)});
    struct Case
    {
        const char *what;
        QByteArray bytes;
        const char *trace;
    };
    QByteArray reserved = good;
    reserved[0] = 1;
    QByteArray manyImages = good;
    WriteLe16(manyImages, 4, 60000);
    QByteArray offsetPastEnd = good;
    WriteLe32(offsetPastEnd, 6 + 12, 0x7FFFFFF0u);
    QByteArray sizePastEnd = good;
    WriteLe32(sizePastEnd, 6 + 8, 0xFFFFFFF9u);
    QByteArray shortSize = good;
    WriteLe32(shortSize, 6 + 8, 40 + 1024 + 32 * 32); // the mask left out
    QByteArray hugeHeader = good;
    WriteLe32(hugeHeader, 22 + 4, 0x10000);
    WriteLe32(hugeHeader, 22 + 8, 0x20000);
    QByteArray badPlanes = good;
    WriteLe16(badPlanes, 22 + 12, 0xFFFF);
    WriteLe16(badPlanes, 22 + 14, 0xFFFF);
    QByteArray runLength = good;
    WriteLe32(runLength, 22 + 16, 2);
    // Two directory entries over the same bytes, so together more than the file.
    QByteArray twice = icons::IcoFile({entry(32, 8), entry(32, 8)});
    WriteLe32(twice, 6 + 16 + 8, ReadLe32(twice, 6 + 8) + ReadLe32(twice, 6 + 16 + 8));
    WriteLe32(twice, 6 + 16 + 12, 6 + 32);
    const Case cases[] = {
        {"empty file", QByteArray(), "Error Reading File Header\n"},
        {"five bytes", good.first(5), "Error Reading File Header\n"},
        {"a cursor", icons::IcoFile({entry(32, 8)}, 2), "Error Reading File Header\n"},
        {"reserved word set", reserved, "Error Reading File Header\n"},
        {"60000 images in a small file", manyImages, "Error Reading File\n"},
        {"directory cut short", good.first(6 + 10), "Error Reading File\n"},
        {"image offset past the end", offsetPastEnd, "Error Seeking in File\n"},
        {"image size past the end", sizePastEnd, "Error Reading File\n"},
        {"cut short inside the image", good.first(good.size() - 10), "Error Reading File\n"},
        {"size without the mask", shortSize, "Error Converting to Internal Format\n"},
        {"65536 x 65536 claimed", hugeHeader, "Error Converting to Internal Format\n"},
        {"65535 planes of 65535 bits", badPlanes, "Error Converting to Internal Format\n"},
        {"run-length colour", runLength, "Error Converting to Internal Format\n"},
        {"overlapping images", twice, "Error Reading File\n"},
    };
    for (const Case &c : cases) {
        CTraceRecorder trace;
        EXPECT_FALSE(readBytes(c.bytes)) << c.what;
        EXPECT_EQ(QStringList{QString::fromLatin1(c.trace)}, trace.Lines()) << c.what;
    }

    CTraceRecorder trace;
    EXPECT_FALSE(ReadIconFromICOFile(QStringLiteral("/nonexistent/x.ico")));
    ASSERT_EQ(trace.Lines().size(), 1);
    // The reason is the system's, in its own words.
    EXPECT_TRUE(trace.Lines().front().startsWith(QStringLiteral("Error Opening File for Reading /nonexistent/x.ico (")));
}

// A pipe or a folder named like an icon (in the icons folder, or dropped)
// is refused at once: opening a pipe with no writer would never return.
TEST(IconFile, OnlyARegularFileIsOpened)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.ico"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ico")));
    for (const QString &path : { fifo, dir.filePath(QStringLiteral("folder.ico")) }) {
        CTraceRecorder trace;
        EXPECT_FALSE(ReadIconFromICOFile(path)) << qPrintable(path);
        ASSERT_EQ(trace.Lines().size(), 1) << qPrintable(path);
        EXPECT_TRUE(trace.Lines().front().startsWith(QStringLiteral("Error Opening File for Reading ") + path))
            << qPrintable(trace.Lines().front());
    }
}

TEST(IconFile, ChoosesTheDeepest32x32ImageTheLastOfEquals)
{
    auto pick = [](std::vector<icons::Entry> entries) {
        const auto icon = readBytes(icons::IcoFile(entries));
        return icon ? ChooseIconImage(*icon) : -2;
    };
    EXPECT_EQ(1, pick({entry(32, 4), entry(32, 8)}));
    EXPECT_EQ(0, pick({entry(32, 8), entry(32, 4)}));
    EXPECT_EQ(1, pick({entry(32, 24), entry(32, 24), entry(16, 32)}));
    EXPECT_EQ(-1, pick({entry(16, 8), entry(48, 32)}));
    // A PNG picture counts as the deepest.
    EXPECT_EQ(1, pick({entry(32, 24), entry(32, 0), entry(48, 32)}));
    EXPECT_EQ(2, pick({entry(32, 24), entry(32, 0), entry(32, 32)}));
}

TEST(IconFile, TheMaskComesOutUpright)
{
    // Transparent top row only: in the file that is the last mask row.
    QImage mask(32, 32, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int x = 0; x < 32; ++x)
        mask.setPixel(x, 0, qRgb(255, 255, 255));
    const QByteArray bytes = icons::IcoFile({{solid(32, qRgb(10, 200, 10)), mask, 8, {}}});
    const auto icon = readBytes(bytes);
    ASSERT_TRUE(icon);
    const CIconImage &image = icon->m_images[0];
    EXPECT_EQ(char(0xFF), image.m_data[image.m_maskOffset + 31 * 4]);
    EXPECT_EQ(0, image.m_data[image.m_maskOffset]);

    CIconPicture picture;
    ASSERT_TRUE(DecodeIconImage(image, &picture));
    EXPECT_EQ(qRgb(255, 255, 255), picture.m_mask.pixel(5, 0));
    EXPECT_EQ(qRgb(0, 0, 0), picture.m_mask.pixel(5, 1));
    EXPECT_EQ(0, qAlpha(picture.m_colour.pixel(5, 0)));
    EXPECT_EQ(qRgba(10, 200, 10, 255), picture.m_colour.pixel(5, 31));
}

TEST(IconFile, AlphaImagesWithAnEmptyMaskAreTransparentWhereAlphaIsLow)
{
    const QImage disc = icons::Disc(32, qRgba(250, 120, 0, 255));
    QImage soft = disc;
    soft.setPixel(16, 16, qRgba(250, 120, 0, 100)); // half-transparent centre
    for (int bits : {32, 0}) {
        const auto icon = readBytes(icons::IcoFile({{soft, QImage(), bits, {}}}));
        ASSERT_TRUE(icon) << bits;
        CIconPicture picture;
        ASSERT_TRUE(DecodeIconImage(icon->m_images[0], &picture)) << bits;
        EXPECT_EQ(0, qAlpha(picture.m_colour.pixel(0, 0))) << bits;
        EXPECT_EQ(qRgb(255, 255, 255), picture.m_mask.pixel(0, 0)) << bits;
        EXPECT_EQ(qRgba(250, 120, 0, 255), picture.m_colour.pixel(16, 10)) << bits;
        EXPECT_EQ(qRgb(0, 0, 0), picture.m_mask.pixel(16, 10)) << bits;
        EXPECT_EQ(100, qAlpha(picture.m_colour.pixel(16, 16))) << bits;
        EXPECT_EQ(qRgb(255, 255, 255), picture.m_mask.pixel(16, 16)) << bits;
    }
}

TEST(IconFile, AnOversizedPngIsNeverDecoded)
{
    // A PNG whose header claims 469762080 x 32 pixels: known from its header
    // alone, never chosen, never decoded.
    QByteArray png = icons::PngData(solid(32, qRgb(1, 2, 3)));
    png[16] = 0x1C;
    const auto icon = readBytes(icons::IcoFile({{solid(32, 0), QImage(), 0, png}}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(469762080, icon->m_images[0].m_width);
    EXPECT_EQ(-1, ChooseIconImage(*icon));
}

TEST(IconFile, ExtensionInAnyLetterCase)
{
    EXPECT_TRUE(CIconFolderScan::IsIconFileName(QStringLiteral("a.ico")));
    EXPECT_TRUE(CIconFolderScan::IsIconFileName(QStringLiteral("a.ICO")));
    EXPECT_TRUE(CIconFolderScan::IsIconFileName(QStringLiteral("a.Ico")));
    EXPECT_TRUE(CIconFolderScan::IsIconFileName(QStringLiteral("dir\\a.iCo")));
    EXPECT_FALSE(CIconFolderScan::IsIconFileName(QStringLiteral("a.icon")));
    EXPECT_FALSE(CIconFolderScan::IsIconFileName(QStringLiteral("a.cur")));
    EXPECT_FALSE(CIconFolderScan::IsIconFileName(QStringLiteral("ico")));
}

TEST(IconFile, TheColourImageIgnoresTheFilesImageSize)
{
    // Writers put the size of colour and mask rows in the header; the
    // colour part alone must still make a bitmap.
    QByteArray bytes = icons::IcoFile({entry(32, 4)});
    const quint32 dataSize = ReadLe32(bytes, 6 + 8);
    WriteLe32(bytes, 22 + 20, dataSize - 40 - 64);
    const auto icon = readBytes(bytes);
    ASSERT_TRUE(icon);
    CIconPicture picture;
    ASSERT_TRUE(DecodeIconImage(icon->m_images[0], &picture));
    EXPECT_EQ(QSize(32, 32), picture.m_colour.size());
    EXPECT_EQ(qRgb(200, 30, 30), picture.m_colour.pixel(3, 3) | 0xFF000000u);
}
