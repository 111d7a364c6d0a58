// The bitmap resources: every number the program loads exists with its size
// and depth, the icon masks agree with their pictures, and the main window's
// pictures leave room for what the program draws on them.
//
// Icon convention: a colour picture is exactly black (0, 0, 0) wherever its
// mask is white (transparent) and never exactly black where the mask is black
// (opaque), so a masked copy leaves clean edges and an exclusive-or of the mask
// over the picture leaves the icon on white.
#include "IconTableOracle.h"
#include "ResourceFiles.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

#include <map>

namespace {

struct Expected
{
    int width;   // 0: the pictures' size is free, only small
    int height;
    int bits;
};

std::map<int, Expected> expectedBitmaps()
{
    std::map<int, Expected> m;
    for (const IconResources &icon : builtInIcons) {
        m[icon.colour32] = {32, 32, 24};
        m[icon.colour16] = {16, 16, 24};
        m[icon.mask32] = {32, 32, 1};
        m[icon.mask16] = {16, 16, 1};
    }
    m[179] = {614, 408, 24};
    for (int id : {232, 233, 234, 236})
        m[id] = {372, 295, 24};
    m[197] = m[198] = {195, 292, 24};
    m[150] = {296, 52, 24};
    for (int id : {477, 482, 481, 480, 479, 478})
        m[id] = {90, 35, 24};
    for (int id : {392, 476, 489, 475, 394, 393})
        m[id] = {91, 35, 24};
    for (int id : {483, 488, 487, 486, 485, 484})
        m[id] = {84, 35, 24};
    m[538] = {440, 255, 24};
    for (int id : {551, 552, 553, 554, 556})
        m[id] = {0, 0, 24};
    m[493] = {0, 0, 8};
    return m;
}

const QList<int> cellPictures = {233, 234, 236, 232};

bool isBlack(QRgb c)
{
    return (c & 0xffffff) == 0;
}

} // namespace

TEST(BitmapResources, EveryNamedPictureExistsWithItsSizeAndDepth)
{
    const auto expected = expectedBitmaps();
    EXPECT_EQ(expected.size(), 285u); // the 252 icon bitmaps and the 33 pictures of the windows
    for (const auto &[id, want] : expected) {
        SCOPED_TRACE(id);
        const BmpFile bmp = readBitmap(id);
        ASSERT_TRUE(bmp.error.isEmpty()) << qPrintable(bmp.error);
        EXPECT_EQ(bmp.bitCount, want.bits);
        EXPECT_EQ(bmp.planes, 1);
        EXPECT_EQ(bmp.compression, 0u);
        if (want.width) {
            EXPECT_EQ(bmp.width, want.width);
            EXPECT_EQ(bmp.height, want.height);
        } else {
            EXPECT_LE(bmp.width * bmp.height, 64 * 64);
        }
    }
}

TEST(BitmapResources, FolderHoldsNothingElse)
{
    const auto expected = expectedBitmaps();
    const QStringList files = QDir(resourcePath(QStringLiteral("bitmaps"))).entryList(QDir::Files);
    for (QString name : files) {
        bool ok = false;
        const bool sharp = name.endsWith(QStringLiteral("@2x.bmp"));
        if (sharp)
            name.remove(QStringLiteral("@2x"));
        const int id = name.chopped(4).toInt(&ok);
        EXPECT_TRUE(name.endsWith(QStringLiteral(".bmp")) && ok && expected.count(id)) << qPrintable(name);
    }
    // Every picture has its 2x twin but the palette's.
    EXPECT_EQ(size_t(files.size()), 2 * expected.size() - 1);
}

// The 2x twins: the same kind of file at twice the width and height (the
// palette display's picture has none); the icons' masks keep the icon
// convention at 2x too.
TEST(BitmapResources, EveryPictureHasItsTwinAtTwiceThePixels)
{
    for (const auto &[id, want] : expectedBitmaps()) {
        SCOPED_TRACE(id);
        const BmpFile one = readBitmap(id), two = readBitmap(id, QStringLiteral("@2x"));
        if (id == 493) {
            EXPECT_FALSE(two.error.isEmpty());
            continue;
        }
        ASSERT_TRUE(two.error.isEmpty()) << qPrintable(two.error);
        EXPECT_EQ(two.bitCount, one.bitCount);
        EXPECT_EQ(two.width, 2 * one.width);
        EXPECT_EQ(two.height, 2 * one.height);
    }
    for (const IconResources &icon : builtInIcons) {
        const BmpFile colour = readBitmap(icon.colour32, QStringLiteral("@2x"));
        const BmpFile mask = readBitmap(icon.mask32, QStringLiteral("@2x"));
        int leaks = 0;
        for (int y = 0; y < colour.height; ++y)
            for (int x = 0; x < colour.width; ++x)
                leaks += (mask.index(x, y) == 0) == isBlack(colour.rgb(x, y));
        EXPECT_EQ(leaks, 0) << "icon " << icon.number;
    }
}

TEST(BitmapResources, SameSizedPicturesOfOneControlShareIt)
{
    for (const QList<int> &group : {QList<int>{553, 554}, QList<int>{551, 552}}) {
        const BmpFile a = readBitmap(group[0]), b = readBitmap(group[1]);
        EXPECT_EQ(a.width, b.width) << group[0];
        EXPECT_EQ(a.height, b.height) << group[0];
    }
}

TEST(BuiltInIcons, MasksAreBlackAndWhiteAndMatchTheOpaqueArea)
{
    for (const IconResources &icon : builtInIcons) {
        for (const auto &[colourId, maskId] : {std::pair{icon.colour32, icon.mask32}, std::pair{icon.colour16, icon.mask16}}) {
            SCOPED_TRACE(QStringLiteral("icon %1, bitmaps %2 and %3").arg(icon.number).arg(colourId).arg(maskId).toStdString());
            const BmpFile colour = readBitmap(colourId);
            const BmpFile mask = readBitmap(maskId);
            ASSERT_TRUE(colour.error.isEmpty() && mask.error.isEmpty());
            ASSERT_EQ(mask.table, (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
            int opaque = 0, leaks = 0, holes = 0;
            for (int y = 0; y < colour.height; ++y) {
                for (int x = 0; x < colour.width; ++x) {
                    const bool maskOpaque = mask.index(x, y) == 0;
                    const bool drawn = !isBlack(colour.rgb(x, y));
                    opaque += maskOpaque;
                    leaks += !maskOpaque && drawn;
                    holes += maskOpaque && !drawn;
                }
            }
            EXPECT_EQ(leaks, 0) << "colour outside the mask";
            EXPECT_EQ(holes, 0) << "pure black inside the mask";
            const int area = colour.width * colour.height;
            EXPECT_GT(opaque, area / 8) << "the icon should fill a fair part of its square";
            EXPECT_LT(opaque, area) << "an icon with no transparent pixel cannot sit on the cell";
        }
    }
}

TEST(BuiltInIcons, SmallIconCoversAboutTheSameShareAsTheLargeOne)
{
    for (const IconResources &icon : builtInIcons) {
        auto share = [](int maskId) {
            const BmpFile m = readBitmap(maskId);
            int opaque = 0;
            for (int y = 0; y < m.height; ++y)
                for (int x = 0; x < m.width; ++x)
                    opaque += m.index(x, y) == 0;
            return double(opaque) / (m.width * m.height);
        };
        const double large = share(icon.mask32), small = share(icon.mask16);
        EXPECT_GT(small, large * 0.6) << icon.number;
        EXPECT_LT(small, large * 1.6) << icon.number;
    }
}

TEST(BuiltInIcons, EveryIconHasAPictureOfItsOwn)
{
    QSet<QByteArray> seen;
    for (const IconResources &icon : builtInIcons) {
        for (int id : {icon.colour32, icon.colour16}) {
            const QByteArray bytes = readResourceFile(QStringLiteral("bitmaps/%1.bmp").arg(id));
            EXPECT_FALSE(seen.contains(bytes)) << "bitmap " << id << " repeats another icon";
            seen.insert(bytes);
        }
    }
}

TEST(CalendarCells, DayNumberCornerIsReadableInBlackAndDarkGreen)
{
    // The number is drawn right-aligned 5 pixels from the right edge of the
    // cell (its white copy one pixel further right and lower), from the top
    // of the cell: its digits cover rows 2 to 12, up to 14 pixels wide.
    for (int id : {233, 234, 236}) {
        const BmpFile cells = readBitmap(id);
        ASSERT_TRUE(cells.error.isEmpty()) << id;
        double worst = 100;
        for (int row = 0; row < 6; ++row)
            for (int col = 0; col < 7; ++col)
                for (int y = 2; y < 13; ++y)
                    for (int x = 53 - 5 - 14; x < 53 - 3; ++x) {
                        const QRgb c = cells.rgb(col * 53 + x, row * 49 + y);
                        worst = std::min({worst, contrast(c, qRgb(0, 0, 0)), contrast(c, qRgb(0, 90, 0))});
                    }
        EXPECT_GE(worst, 4.5) << "bitmap " << id;
    }
}

TEST(CalendarCells, TheFourStatesDifferInEveryCell)
{
    QList<BmpFile> pictures;
    for (int id : cellPictures)
        pictures.append(readBitmap(id));
    for (int k = 0; k < 42; ++k) {
        const int x = (k % 7) * 53 + 26, y = (k / 7) * 49 + 30;
        QSet<QRgb> middles;
        for (const BmpFile &p : pictures)
            middles.insert(p.rgb(x, y));
        EXPECT_EQ(middles.size(), 4) << "cell " << k;
    }
}

TEST(UpcomingList, WhiteTextWithItsShadowIsReadableOnBothPictures)
{
    for (int id : {197, 198}) {
        const BmpFile list = readBitmap(id);
        double worst = 100;
        for (int y = 0; y < list.height; ++y)
            for (int x = 0; x < list.width; ++x)
                worst = std::min(worst, contrast(list.rgb(x, y), qRgb(255, 255, 255)));
        EXPECT_GE(worst, 4.5) << "bitmap " << id;
    }
}

TEST(UpcomingList, SelectedLineLooksTheSameAtEveryHeight)
{
    // Each line copies its own strip of the picture, so the picture may change
    // across but not down.
    const BmpFile selected = readBitmap(198);
    for (int y = 1; y < selected.height; ++y)
        for (int x = 0; x < selected.width; ++x)
            ASSERT_EQ(selected.rgb(x, y), selected.rgb(x, 0)) << x << "," << y;
}

TEST(PictureButtons, FramesDifferAndTheirMarginsAreTheWindowBackground)
{
    const BmpFile window = readBitmap(179);
    struct Button { int left, top; QList<int> frames; };
    const QList<Button> buttons = {
        {323, 7, {477, 482, 481, 480, 479, 478}},
        {413, 7, {392, 476, 489, 475, 394, 393}},
        {517, 7, {483, 488, 487, 486, 485, 484}},
    };
    for (const Button &b : buttons) {
        QSet<QByteArray> distinct;
        for (int id : b.frames) {
            const BmpFile frame = readBitmap(id);
            distinct.insert(frame.data);
            // The lowest rows are left to the window (the today display
            // overlaps the go-to-today button there).
            for (int y = 30; y < frame.height; ++y)
                for (int x = 0; x < frame.width; ++x)
                    ASSERT_EQ(frame.rgb(x, y), window.rgb(b.left + x, b.top + y)) << id << " at " << x << "," << y;
        }
        EXPECT_EQ(distinct.size(), 6) << b.frames[0];
    }
}

TEST(Palette, TableIsTheProgramsOwn236Colours)
{
    const BmpFile pal = readBitmap(493);
    ASSERT_TRUE(pal.error.isEmpty()) << qPrintable(pal.error);
    EXPECT_EQ(pal.bitCount, 8);
    EXPECT_EQ(pal.coloursUsed, 236u);
    ASSERT_EQ(pal.table.size(), 236);
    EXPECT_EQ(QSet<QRgb>(pal.table.begin(), pal.table.end()).size(), 236) << "colours repeat";
    for (QRgb c : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 90, 0), qRgb(10, 240, 20), qRgb(5, 120, 5),
                   qRgb(255, 255, 210), qRgb(255, 0, 0), qRgb(0, 0, 255)})
        EXPECT_TRUE(pal.table.contains(c)) << std::hex << c;
    for (int y = 0; y < pal.height; ++y)
        for (int x = 0; x < pal.width; ++x)
            EXPECT_LT(pal.index(x, y), 236);
}

TEST(Palette, RendersTheMainWindowPicturesClosely)
{
    const BmpFile pal = readBitmap(493);
    for (int id : {179, 233, 234, 236, 232, 197, 198, 150}) {
        const BmpFile picture = readBitmap(id);
        double sum = 0;
        int n = 0;
        for (int y = 0; y < picture.height; y += 3)
            for (int x = 0; x < picture.width; x += 3) {
                const QRgb c = picture.rgb(x, y);
                int best = INT_MAX;
                for (QRgb p : pal.table) {
                    const int dr = qRed(p) - qRed(c), dg = qGreen(p) - qGreen(c), db = qBlue(p) - qBlue(c);
                    best = std::min(best, dr * dr + dg * dg + db * db);
                }
                sum += best;
                ++n;
            }
        EXPECT_LT(std::sqrt(sum / n), 10.5) << "bitmap " << id;
    }
}

TEST(CompiledResources, PicturesSoundsAndIconsAreInThePrograms)
{
    for (const QString &path : {QStringLiteral(":/bitmaps/150.bmp"), QStringLiteral(":/bitmaps/511.bmp"),
                                QStringLiteral(":/bitmaps/493.bmp"), QStringLiteral(":/sounds/IDR_WAVE_CLICK.wav"),
                                QStringLiteral(":/sounds/IDR_WAVE_CLICK2.wav"), QStringLiteral(":/icons/kestrelmark-32.png")})
        EXPECT_TRUE(QFile::exists(path)) << qPrintable(path);
    QFile compiled(QStringLiteral(":/bitmaps/179.bmp"));
    ASSERT_TRUE(compiled.open(QIODevice::ReadOnly));
    EXPECT_EQ(compiled.readAll(), readResourceFile(QStringLiteral("bitmaps/179.bmp")));
}
