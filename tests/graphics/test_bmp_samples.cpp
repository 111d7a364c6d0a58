// The bitmap reader over bitmap files written by other programs: the good
// ones load and show what Qt's own reader shows, the bad ones are refused
// cleanly, none crashes or allocates by a size it merely claims.
#include "graphics/CKdib.h"
#include "support/CRecordingMessageSink.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString samples(const char *relative) { return QStringLiteral(KM_TESTDATA_DIR "/bmp/") + QLatin1String(relative); }

struct ReadResult
{
    int ok = 0;
    QStringList shown;
    QImage image;
};

ReadResult readFile(const QString &path)
{
    CRecordingMessageSink messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    CKdib k;
    ReadResult r;
    r.ok = k.Read(file);
    if (r.ok)
        r.image = k.ToImage();
    r.shown = messages.m_messages;
    return r;
}

// The largest difference of any channel between two images of one size.
int maxDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j);
            const QRgb q = y.pixel(i, j);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

} // namespace

TEST(BmpSamples, NoneCrashesAndEveryRefusalSaysWhy)
{
    QDirIterator it(QStringLiteral(KM_TESTDATA_DIR "/bmp"), {QStringLiteral("*.bmp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        ++files;
        const ReadResult r = readFile(path);
        if (r.ok) {
            EXPECT_TRUE(r.shown.isEmpty()) << qPrintable(path);
        } else {
            ASSERT_EQ(1, r.shown.size()) << qPrintable(path);
            EXPECT_TRUE(r.shown[0] == QStringLiteral("read error 1") || r.shown[0] == QStringLiteral("Invalid bitmap file"))
                << qPrintable(path) << " " << qPrintable(r.shown[0]);
        }
    }
    EXPECT_GT(files, 100);
}

TEST(BmpSamples, GoodFilesLookAsQtReadsThem)
{
    // bmpsuite's "good" folder: every file a reader should get right.
    QDirIterator it(samples("bmpsuite/g"), {QStringLiteral("*.bmp")}, QDir::Files);
    int compared = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        const ReadResult r = readFile(path);
        ASSERT_EQ(1, r.ok) << qPrintable(path);
        ASSERT_FALSE(r.image.isNull()) << qPrintable(path);
        QImageReader reader(path);
        const QImage reference = reader.read();
        if (reference.isNull())
            continue; // a form Qt does not read
        ASSERT_EQ(reference.size(), r.image.size()) << qPrintable(path);
        // Qt widens 5-bit channels by shifting (31 -> 248), this reader
        // scales them to the full range (31 -> 255).
        EXPECT_LE(maxDifference(reference, r.image), 7) << qPrintable(path);
        ++compared;
    }
    EXPECT_GE(compared, 20);
}

TEST(BmpSamples, ImageRsPicturesMatchTheirReferences)
{
    QDirIterator it(samples("image-rs/images"), {QStringLiteral("*.bmp")}, QDir::Files);
    int compared = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QFileInfo(path).fileName();
        const ReadResult r = readFile(path);
        if (name.startsWith(QStringLiteral("imagemagick_invalid")))
            continue; // run-length data that overruns: only must not crash
        ASSERT_EQ(1, r.ok) << qPrintable(path);
        const QImage reference(samples("image-rs/reference-png/") + name + QStringLiteral(".png"));
        ASSERT_FALSE(reference.isNull()) << qPrintable(name);
        ASSERT_EQ(reference.size(), r.image.size()) << qPrintable(name);
        EXPECT_LE(maxDifference(reference, r.image), 4) << qPrintable(name);
        ++compared;
    }
    EXPECT_EQ(12, compared);
}

TEST(BmpSamples, HostileFilesAreRefused)
{
    const char *refused[] = {
        "bmpsuite/b/badbitcount.bmp", "bmpsuite/b/badheadersize.bmp", "bmpsuite/b/badpalettesize.bmp",
        "bmpsuite/b/badplanes.bmp",   "bmpsuite/b/badwidth.bmp",      "bmpsuite/b/reallybig.bmp",
        "bmpsuite/b/rletopdown.bmp",  "bmpsuite/b/shortfile.bmp",     "image-rs/bad/Bad_badbitcount.bmp",
        "image-rs/bad/Bad_clrsUsed.bmp", "image-rs/bad/Bad_height.bmp", "image-rs/bad/Bad_reallybig.bmp",
        "image-rs/bad/Bad_shortfile.bmp", "image-rs/bad/Bad_width.bmp", "pillow/l2rgb_read.bmp",
    };
    for (const char *name : refused) {
        const ReadResult r = readFile(samples(name));
        EXPECT_EQ(0, r.ok) << name;
    }
}

TEST(BmpSamples, RealWorldPicturesLoad)
{
    const char *good[] = {
        "pillow/hopper.bmp", "pillow/hopper_rle8.bmp", "pillow/1.bmp",
        "dotnet-runtime-assets/almogaver24bits.bmp", "dotnet-runtime-assets/almogaver8bits.bmp",
        "dotnet-runtime-assets/almogaver1bit.bmp", "dotnet-runtime-assets/almogaver32bits.bmp",
        "dotnet-runtime-assets/almogaver-os2.bmp",
    };
    for (const char *name : good) {
        const ReadResult r = readFile(samples(name));
        ASSERT_EQ(1, r.ok) << name;
        const QImage reference(samples(name));
        if (!reference.isNull()) {
            ASSERT_EQ(reference.size(), r.image.size()) << name;
            EXPECT_LE(maxDifference(reference, r.image), 4) << name;
        }
    }
}

TEST(BmpSamples, FuzzerFindsStayFixed)
{
    // A run-length header claiming 64 million pixels in 147 bytes: the file
    // reads, but its picture is refused before anything is allocated.
    const ReadResult r = readFile(QStringLiteral(KM_TEST_DATA "/graphics/rle8-claims-64m-pixels.bmp"));
    EXPECT_TRUE(r.image.isNull());
}

TEST(BmpSamples, AlphaMaskAfterA52ByteHeaderIsBounded)
{
    // A 52-byte header holds the red, green and blue masks only; with
    // compression 6 the alpha mask must follow it. This file ends its
    // header block at byte 52, so there is no alpha mask to read.
    const ReadResult cut = readFile(QStringLiteral(KM_TEST_DATA "/graphics/v2-header-alpha-bitfields-no-alpha-mask.bmp"));
    EXPECT_EQ(0, cut.ok);
    EXPECT_FALSE(cut.shown.isEmpty());

    // The same picture with its alpha mask after the header reads, and the
    // mask is used.
    QFile file(QStringLiteral(KM_TEST_DATA "/graphics/v2-header-alpha-bitfields-no-alpha-mask.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    bytes.insert(66, QByteArray::fromHex("000000ff"));
    bytes[2] = char(bytes.size());
    bytes[10] = char(70);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("with-alpha.bmp"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    const ReadResult whole = readFile(path);
    ASSERT_EQ(1, whole.ok);
    ASSERT_EQ(QSize(1, 1), whole.image.size());
    const QRgb p = whole.image.pixel(0, 0);
    EXPECT_EQ(0x30, qRed(p));
    EXPECT_EQ(0x20, qGreen(p));
    EXPECT_EQ(0x10, qBlue(p));
    EXPECT_EQ(0x40, qAlpha(p));
}
