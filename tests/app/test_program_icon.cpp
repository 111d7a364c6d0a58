// The program icon: every desktop size, the sharp pictures on a scaled
// screen, never drawn larger than its largest picture.
#include "app/CProgramIcon.h"
#include "app/CProgramIconEngine.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

TEST(ProgramIcon, OffersTheDesktopSizesAndDrawsEachFromItsPicture)
{
    const QIcon icon = CProgramIcon::Icon();
    const QList<QSize> sizes = icon.availableSizes();
    QList<QSize> expected;
    for (int side : { 16, 22, 24, 32, 48, 64, 128, 256 })
        expected << QSize(side, side);
    EXPECT_EQ(sizes, expected);
    for (const QSize &size : expected) {
        const QImage drawn = icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        // Through a pixmap as the icon's own picture goes: the screen's form
        // may round semi-transparent colours.
        const QImage file = QPixmap::fromImage(QImage(QStringLiteral(":/icons/kestrelmark-%1.png").arg(size.width())))
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(drawn, file) << size.width();
    }
}

TEST(ProgramIcon, ScaledScreensGetTheSharpPicturesAndNothingIsBlownUp)
{
    const QIcon icon = CProgramIcon::Icon();
    const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(sharp.size(), QSize(32, 32));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.toImage().convertToFormat(QImage::Format_ARGB32),
              QImage(QStringLiteral(":/icons/kestrelmark-16@2x.png")).convertToFormat(QImage::Format_ARGB32));
    // Between two sizes: the larger picture made smaller.
    EXPECT_EQ(icon.pixmap(QSize(30, 30), 1.0).size(), QSize(30, 30));
    EXPECT_EQ(icon.actualSize(QSize(1000, 1000)), QSize(256, 256));
    EXPECT_EQ(icon.pixmap(QSize(1000, 1000), 1.0).size(), QSize(256, 256));
}

TEST(ProgramIcon, AnUnreadablePictureDrawsNothing)
{
    QIcon icon(new CProgramIconEngine({ { QStringLiteral(":/icons/missing-16.png"), 16, 1 } }));
    EXPECT_TRUE(icon.pixmap(QSize(16, 16), 1.0).isNull());
    EXPECT_TRUE(QIcon(new CProgramIconEngine({})).isNull());
}
