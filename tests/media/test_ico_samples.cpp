// The icon reader over icon files written by other programs.
#include "media/CIconFile.h"
#include "media/CIconLibrary.h"
#include "model/CIconNameMap.h"
#include "tests/media/IconFixtures.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString samples(const QString &relative) { return QStringLiteral(KM_TESTDATA_DIR "/ico/") + relative; }

QStringList allSamples()
{
    QStringList files;
    QDirIterator it(samples(QString()), {QStringLiteral("*.ico"), QStringLiteral("*.cur")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

} // namespace

TEST(IcoSamples, NoneCrashesAndThe32x32OnesDecode)
{
    int read = 0;
    int decoded = 0;
    for (const QString &path : allSamples()) {
        const auto icon = ReadIconFromICOFile(path);
        if (!icon)
            continue;
        ++read;
        const int chosen = ChooseIconImage(*icon);
        if (chosen < 0)
            continue;
        CIconPicture picture;
        ASSERT_TRUE(DecodeIconImage(icon->m_images[size_t(chosen)], &picture)) << qPrintable(path);
        EXPECT_EQ(QSize(32, 32), picture.m_colour.size());
        EXPECT_EQ(QSize(32, 32), picture.m_mask.size());
        ++decoded;
    }
    EXPECT_EQ(31, read);
    EXPECT_EQ(14, decoded);
}

TEST(IcoSamples, DamagedFilesAreRefused)
{
    const char *refused[] = {
        "dotnet-runtime-assets/invalid.ico",
        "dotnet-runtime-assets/overflowicon.ico",
        "image-rs/bad/Bad_smile-incorrect-image-length.ico",
        "image-rs/images/bmp-32bpp-biWidth=biHeight=0.ico",
        "image-rs/images/bmp-biHeight=1.ico",
        "image-rs/regression/crash-981fee302fe0fc543ee48292cc3d6ace7e97e633.ico",
        "image-rs/regression/oom-ff076e7064c13ec1f8e2c5bbbfb7a77a08db2361.ico",
        "pillow/decompression_bomb.ico",
        "pillow/deerstalker.cur",
        "pillow/no_cursors.cur",
    };
    for (const char *name : refused)
        EXPECT_FALSE(ReadIconFromICOFile(samples(QString::fromLatin1(name)))) << name;
}

TEST(IcoSamples, ChosenImagesLookLikeTheirReferences)
{
    // Reference pictures of the image a reader should show, for the files
    // whose best image is 32 x 32: bitmaps of 4, 24 and 32 bits with masks
    // and alpha, and PNG images in colour, grey and with alpha.
    const char *names[] = {"smile.ico", "bmp-24bpp-mask.ico", "bmp-32bpp-alpha.ico",
                           "png-32bpp-alpha.ico", "png_l8.ico", "png_rgb8.ico"};
    for (const char *name : names) {
        const QString file = QStringLiteral("image-rs/images/") + QLatin1String(name);
        const auto icon = ReadIconFromICOFile(samples(file));
        ASSERT_TRUE(icon) << name;
        CIconPicture picture;
        ASSERT_TRUE(DecodeIconImage(icon->m_images[size_t(ChooseIconImage(*icon))], &picture)) << name;
        const QImage reference =
            QImage(samples(QStringLiteral("image-rs/reference-png/") + QLatin1String(name) + QStringLiteral(".png")))
                .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(reference.size(), picture.m_colour.size()) << name;
        int differing = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb want = reference.pixel(x, y);
                const QRgb got = picture.m_colour.pixel(x, y);
                const bool wantOpaque = qAlpha(want) >= 128;
                // The mask follows the transparency.
                EXPECT_EQ(wantOpaque, qGray(picture.m_mask.pixel(x, y)) < 128) << name << " " << x << "," << y;
                if (wantOpaque && (std::abs(qRed(want) - qRed(got)) > 2 || std::abs(qGreen(want) - qGreen(got)) > 2
                                   || std::abs(qBlue(want) - qBlue(got)) > 2))
                    ++differing;
            }
        EXPECT_EQ(0, differing) << name;
    }
}

TEST(IcoSamples, ImportingTheWholeFolderTakesTheUsableOnes)
{
    fake::CDisplayStateGuard guard;
    fake::CResourceFolder resources;
    icons::PutBuiltins(resources);
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/icons");
    for (const QString &path : allSamples()) {
        const QString relative = QDir(samples(QString())).relativeFilePath(path);
        QDir().mkpath(QFileInfo(folder + QLatin1Char('/') + relative).absolutePath());
        ASSERT_TRUE(QFile::copy(path, folder + QLatin1Char('/') + relative));
    }
    CIconNameMap::Instance().RemoveAll();
    CIconLibrary library(folder);
    library.Load();
    EXPECT_EQ(63 + 14, library.GetCount());
    EXPECT_EQ(2, library.GetGeneration());
    const int smile = library.Lookup(QStringLiteral("image-rs\\images\\smile.ico"));
    EXPECT_GE(smile, 63);
    EXPECT_EQ(0, library.Lookup(QStringLiteral("pillow\\hopper.ico"))); // 16 x 16 only
    EXPECT_EQ(CIconNameMap::kFailed, CIconNameMap::Instance().Find(QStringLiteral("pillow\\hopper.ico")));
    // Cursor files are not icon files and are not even tried.
    EXPECT_EQ(CIconNameMap::kNotFound, CIconNameMap::Instance().Find(QStringLiteral("pillow\\deerstalker.cur")));
    CIconNameMap::Instance().RemoveAll();
}
