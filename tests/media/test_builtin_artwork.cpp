// The icon library over the program's own artwork, and a contact sheet of
// every built-in icon (and a few imported ones) in both sizes with its shadow on a calendar cell,
// written to icon-sheet.png beside the test program for looking at.
#include "graphics/BitmapResource.h"
#include "graphics/CDIB.h"
#include "graphics/CDisplayState.h"
#include "graphics/DeviceBitmap.h"
#include "media/CIconLibrary.h"
#include "model/CIconNameMap.h"
#include "model/CIconTable.h"
#include "support/CFakeBitmaps.h"
#include "support/CRecordingMessageSink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool haveArtwork()
{
    BitmapResourceRoot(); // registers the compiled-in artwork
    return QFileInfo::exists(QStringLiteral(":/bitmaps/511.bmp"));
}

constexpr int kNormalCells = 233; // the grid's background, normal state

} // namespace

TEST(BuiltinArtwork, LoadGivesEveryIconItsTableNumber)
{
    if (!haveArtwork())
        GTEST_SKIP() << "no artwork compiled in";
    fake::CDisplayStateGuard guard;
    CDisplayState::Instance().SetScreenDepth(24);
    CRecordingMessageSink messages;
    QTemporaryDir home;
    CIconNameMap::Instance().RemoveAll();
    CIconLibrary library(home.path() + QStringLiteral("/icons"));
    library.Load();
    EXPECT_TRUE(messages.m_messages.isEmpty()) << qPrintable(messages.m_messages.join(QLatin1Char('\n')));
    ASSERT_EQ(63, library.GetCount());
    EXPECT_EQ(1, library.Lookup(QStringLiteral("Birthday")));
    EXPECT_EQ(62, library.Lookup(QStringLiteral("Skull")));
    EXPECT_EQ(13, library.Lookup(QStringLiteral("HANUKKAH")));
    for (int n = 0; n < 63; ++n) {
        EXPECT_EQ(CIconTable::Name(n), library.GetName(n));
        for (int set : {0, 1}) {
            const QImage image = library.Image(n, set);
            const QImage mask = library.MaskImage(n, set);
            ASSERT_EQ(QSize(32 >> set, 32 >> set), image.size()) << n;
            ASSERT_EQ(image.size(), mask.size()) << n;
            // Opaque exactly where the mask is black, and not empty.
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const bool black = qGray(mask.pixel(x, y)) < 128;
                    ASSERT_EQ(black, qAlpha(image.pixel(x, y)) == 255) << n << " " << set << " " << x << "," << y;
                    opaque += black;
                }
            EXPECT_GT(opaque, image.width() * image.height() / 8) << n << " " << set;
        }
    }
    CIconNameMap::Instance().RemoveAll();
}

TEST(BuiltinArtwork, PaletteDisplayLoadsThroughTheCache)
{
    if (!haveArtwork())
        GTEST_SKIP() << "no artwork compiled in";
    fake::CDisplayStateGuard guard;
    QTemporaryDir home;
    CDisplayState &d = CDisplayState::Instance();
    d.SetProgramPalette(CPalette::BuildProgramPalette());
    ASSERT_EQ(236, d.ProgramPalette().GetEntryCount());
    d.SetScreenDepth(8);
    d.SetCacheFolder(home.path() + QStringLiteral("/bitmapcache"));
    QPixmap background;
    ASSERT_EQ(1, LoadDIB(kNormalCells, &background, d.ActivePalette()));
    EXPECT_EQ(QSize(372, 295), background.size());
    EXPECT_EQ(110738, QFileInfo(d.CacheFileName(kNormalCells)).size());
}

TEST(BuiltinArtwork, IconSheetWithShadowsOnCalendarCells)
{
    if (!haveArtwork())
        GTEST_SKIP() << "no artwork compiled in";
    fake::CDisplayStateGuard guard;
    CDisplayState::Instance().SetScreenDepth(24);
    QTemporaryDir home;
    CIconNameMap::Instance().RemoveAll();
    // Imported icons of every kind after the built-in ones: 4-bit with a
    // mask, 24-bit, 32-bit alpha, PNG, grey PNG, and a large real icon.
    const QString folder = home.path() + QStringLiteral("/icons");
    QDir().mkpath(folder);
    const char *imports[] = {"image-rs/images/smile.ico", "image-rs/images/bmp-24bpp-mask.ico",
                             "image-rs/images/bmp-32bpp-alpha.ico", "image-rs/images/png-32bpp-alpha.ico",
                             "image-rs/images/png_l8.ico", "pillow/pillow.ico",
                             "dotnet-runtime-assets/pngwithheight_icon.ico"};
    int n = 0;
    for (const char *name : imports)
        ASSERT_TRUE(QFile::copy(QStringLiteral(KM_TESTDATA_DIR "/ico/") + QLatin1String(name),
                                folder + QStringLiteral("/%1.ico").arg(n++)));
    CIconLibrary library(folder);
    library.Load();
    const int count = library.GetCount();
    ASSERT_EQ(63 + 7, count);

    QPixmap grid;
    ASSERT_EQ(1, LoadDIB(kNormalCells, &grid, nullptr));
    const QImage cells = grid.toImage().convertToFormat(QImage::Format_RGB32);
    // One cell of the grid: 52 x 48 from just inside its top-left corner.
    const QImage cell = cells.copy(2, 2, 50, 46);

    const int columns = 8;
    const int rows = (count + columns - 1) / columns;
    const QSize tile(2 * cell.width() + 6, cell.height() + 4);
    QImage sheet(columns * tile.width(), rows * tile.height(), QImage::Format_RGB32);
    sheet.fill(qRgb(90, 90, 90));
    for (int n = 0; n < count; ++n) {
        const QPoint origin((n % columns) * tile.width() + 2, (n / columns) * tile.height() + 2);
        for (int sizeClass : {0, 1}) {
            const QPoint cellAt = origin + QPoint(sizeClass * (cell.width() + 2), 0);
            const QRect cellRect(cellAt, cell.size());
            {
                QPainter p(&sheet);
                p.drawImage(cellAt, cell);
            }
            const QPoint iconAt = cellAt + QPoint(sizeClass ? 10 : 6, sizeClass ? 12 : 4);
            ASSERT_TRUE(library.DrawShadow(sheet, n, sizeClass, iconAt, 0.5, cellRect)) << n;
            QPainter p(&sheet);
            library.Draw(p, n, iconAt, sizeClass);
        }
    }
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/icon-sheet.png");
    ASSERT_TRUE(sheet.save(path)) << qPrintable(path);

    // The shadow falls right of and below the icon: the cell is darker
    // there than the untouched background.
    const QPoint first(2 + 6 + 36, 2 + 4 + 20);
    EXPECT_LT(qGray(sheet.pixel(first)), qGray(cell.pixel(first - QPoint(2, 2))));
    CIconNameMap::Instance().RemoveAll();
}
