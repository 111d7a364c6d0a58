#include "CalendarWndFixture.h"
#include "calendar/CCalendarLibraryArt.h"
#include <cstdlib>
#include "calendar/CCalendarPainter.h"
#include "graphics/CDisplayState.h"
#include "media/CIconLibrary.h"
#include "model/CIconTable.h"

using namespace calendartest;

namespace {


QImage render(CCalendarPainter &painter, const CCalendarMonth &month, const QRegion &clip = QRegion(0, 0, 372, 295))
{
    QImage image(372, 295, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter p(&image);
    painter.PaintAll(p, month, clip);
    return image;
}

// Whether a pixel of area is within tolerance of colour in every channel
// (text edges are smoothed).
bool holds(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 0)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance
                && std::abs(c.blue() - colour.blue()) <= tolerance)
                return true;
        }
    return false;
}

class CalendarPaint : public ::testing::Test
{
protected:
    void fill(const std::vector<CReminder> &reminders, const COleDateTime &selected = COleDateTime())
    {
        AddAll(list, reminders);
        month.Layout(QRect(0, 0, 372, 295));
        month.FillMonth(2, 2026, list, art, COleDateTime(2026, 2, 14, 12, 0, 0), selected);
    }
    const CCalendarCell &cell(int day) const { return month.cells[month.FindCell(COleDateTime(2026, 2, day, 0, 0, 0))]; }

    CReminderList list;
    FakeArt art;
    CCalendarMonth month;
    CCalendarPainter painter { &art };
};

} // namespace

TEST_F(CalendarPaint, EachCellTakesThePictureOfItsState)
{
    fill({}, COleDateTime(2026, 2, 20, 0, 0, 0));
    month.cells[19].highlight = 1; // hovering the selected day
    month.cells[3].highlight = 1;
    month.cells[30].highlight = 1; // hovering outside the month
    const QImage image = render(painter, month);
    const auto at = [&](int k) { return image.pixelColor(month.cells[k].rect.left() + 5, month.cells[k].rect.bottom() - 3); };
    EXPECT_EQ(at(19), FakeArt::Background(2));
    EXPECT_EQ(at(3), FakeArt::Background(1));
    EXPECT_EQ(at(4), FakeArt::Background(0));
    EXPECT_EQ(at(30), FakeArt::Background(3));
    EXPECT_FALSE(holds(image, image.rect(), Qt::magenta)) << "every pixel is painted, the margin too";
}

TEST_F(CalendarPaint, OnlyCellsInTheClipArePainted)
{
    fill({});
    art.backgrounds.clear();
    render(painter, month, QRegion(month.cells[9].rect));
    ASSERT_EQ(art.backgrounds.size(), 1u) << "no margin either";
    art.backgrounds.clear();
    render(painter, month, QRegion(month.cells[9].rect.adjusted(40, 40, 1, 1)));
    EXPECT_EQ(art.backgrounds.size(), 4u) << "a corner touches four cells";
}

TEST_F(CalendarPaint, OneIconIsLargeWithALargeShadowAndManyAreSmall)
{
    std::vector<CReminder> rs { MakeReminder(COleDateTime(2026, 2, 10, 9, 0, 0), "one") };
    for (int i = 0; i < 3; ++i)
        rs.push_back(MakeReminder(COleDateTime(2026, 2, 11, 9 + i, 0, 0), "three"));
    fill(rs);
    render(painter, month);
    ASSERT_EQ(art.icons.size(), 4u);
    EXPECT_EQ(art.icons[0].sizeClass, 0);
    EXPECT_EQ(art.icons[0].at, cell(10).iconRects[0].topLeft() - cell(10).rect.topLeft());
    EXPECT_EQ(art.shadows[0].sizeClass, 0);
    EXPECT_EQ(art.shadows[0].at, QPoint(8, 11)) << "the shadow is placed in the cell's own buffer";
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(art.icons[i].sizeClass, 1);
}

TEST_F(CalendarPaint, ShadowsAreCutAtTheCellEdgeAndNeverReachTheNeighbour)
{
    std::vector<CReminder> rs;
    for (int i = 0; i < 6; ++i)
        rs.push_back(MakeReminder(COleDateTime(2026, 2, 10, 9 + i, 0, 0), "six"));
    fill(rs);
    const QImage image = render(painter, month);
    const QRect own = cell(10).rect;
    const QRect right = cell(11).rect;
    const QRect below = cell(17).rect;
    // The third column's 25-pixel shadow would run to left + 61.
    EXPECT_EQ(image.pixelColor(right.left() + 3, own.top() + 20), FakeArt::Background(0));
    EXPECT_EQ(image.pixelColor(below.left() + 10, below.top() + 2), FakeArt::Background(0));
    // Inside the cell, right of the last icon, the shadow darkens.
    EXPECT_NE(image.pixelColor(own.right(), own.top() + 20), FakeArt::Background(0));
}

TEST_F(CalendarPaint, NoShadowsOnAPaletteDisplayAndNoIconWhileDragged)
{
    fill({ MakeReminder(COleDateTime(2026, 2, 10, 9, 0, 0), "one") });
    art.shadowsOn = false;
    month.cells[9].iconState[0] = -1;
    render(painter, month);
    EXPECT_TRUE(art.shadows.empty());
    EXPECT_TRUE(art.icons.empty());
    month.cells[9].iconState[0] = 1;
    const QImage image = render(painter, month);
    EXPECT_EQ(image.pixelColor(cell(10).iconRects[0].center()), FakeArt::Icon(0));
}

TEST_F(CalendarPaint, DayNumbersAreBlackOrTodaysDarkGreenOverAWhiteCopy)
{
    fill({});
    const QImage image = render(painter, month);
    const QRect today = cell(14).rect;
    const QRect corner(today.right() - 20, today.top(), 20, 16);
    EXPECT_TRUE(holds(image, corner, QColor(0, 90, 0), 25));
    EXPECT_TRUE(holds(image, corner, QColor(255, 255, 255), 25));
    EXPECT_FALSE(holds(image, corner, QColor(0, 0, 0), 25));
    const QRect other = cell(15).rect;
    const QRect otherCorner(other.right() - 20, other.top(), 20, 16);
    EXPECT_TRUE(holds(image, otherCorner, QColor(0, 0, 0), 25));
    EXPECT_FALSE(holds(image, otherCorner, QColor(0, 90, 0), 25));
    // Numbers are right-aligned four pixels from the cell's right edge.
    EXPECT_FALSE(holds(image, QRect(other.right() - 2, other.top(), 3, 16), QColor(0, 0, 0), 60));
    // Nothing is written in cells outside the month.
    const QRect outside = month.cells[40].rect;
    EXPECT_FALSE(holds(image, outside, QColor(0, 0, 0), 60));
    EXPECT_FALSE(holds(image, outside, QColor(255, 255, 255), 60));
}

TEST_F(CalendarPaint, AMissingPictureLeavesTheCellAsItWasWithoutFailing)
{
    fill({ MakeReminder(COleDateTime(2026, 2, 10, 9, 0, 0), "one") });
    art.failBackground = true;
    const QImage image = render(painter, month);
    EXPECT_EQ(image.pixelColor(cell(10).iconRects[0].center()), FakeArt::Icon(0));
}

TEST_F(CalendarPaint, DragImageCarriesItsShadowSevenPixelsLower)
{
    QImage compose(372, 295, QImage::Format_RGB32);
    compose.fill(Qt::white);
    painter.DrawDragImage(compose, QPoint(100, 80), 3);
    ASSERT_EQ(art.shadows.size(), 1u);
    EXPECT_EQ(art.shadows[0].at, QPoint(103, 83));
    EXPECT_EQ(art.icons[0].at, QPoint(100, 80));
    EXPECT_EQ(compose.pixelColor(110, 90), FakeArt::Icon(3));
}

// The real pictures: the cell backgrounds from the artwork and the icon
// library's icons with their shadows.
TEST(CalendarLibraryArt, DrawsTheArtworkAndCutsTheLibraryShadowsAtTheCell)
{
    CDisplayState::Instance().SetScreenDepth(24);
    CIconLibrary library;
    CCalendarLibraryArt art(library);
    EXPECT_EQ(art.Generation(), library.GetGeneration());
    EXPECT_GT(art.Lookup(CIconTable::Name(5)), 0);
    EXPECT_TRUE(art.ShadowsOn());

    QImage plain(372, 295, QImage::Format_RGB32);
    plain.fill(Qt::magenta);
    {
        QPainter p(&plain);
        ASSERT_TRUE(art.DrawBackground(p, 0, QRect(53, 49, 53, 49)));
    }
    EXPECT_NE(plain.pixelColor(60, 60), QColor(Qt::magenta));
    EXPECT_EQ(plain.pixelColor(10, 10), QColor(Qt::magenta)) << "only the cell's own rectangle is copied";

    QImage cell(53, 49, QImage::Format_RGB32);
    cell.fill(QColor(200, 200, 200));
    ASSERT_TRUE(art.DrawShadow(cell, 5, 1, QPoint(36, 28), 0.5));
    bool darkened = false;
    for (int y = 28; y < 49; ++y)
        for (int x = 36; x < 53; ++x)
            darkened = darkened || cell.pixelColor(x, y).green() < 200;
    EXPECT_TRUE(darkened);
    EXPECT_FALSE(art.DrawShadow(cell, library.GetCount(), 0, QPoint(0, 0), 0.5));
    art.Release();
    QPainter p(&plain);
    EXPECT_TRUE(art.DrawBackground(p, 3, QRect(0, 0, 53, 49))) << "released pictures load again";
}

// At 200 % the calendar composes its cells at twice the pixels and takes a
// day's icon from the 2x picture: every opaque pixel of the icon is the 2x
// file's own, which the 1x picture scaled up could not give.
TEST_F(CalendarWndTest, ADaysIconAt200PercentIsPaintedFromThe2xPicture)
{
    CDisplayState::Instance().SetScreenDepth(24);
    CIconLibrary library;
    CCalendarLibraryArt real(library);
    wnd->SetArt(&real);
    const int number = 5;
    const COleDateTime feb3(2026, 2, 3, 0, 0, 0);
    Fill({MakeReminder(COleDateTime(2026, 2, 3, 9, 0, 0), QStringLiteral("Sharp"), RecurOneTime, CIconTable::Name(number))});

    const CIconTableRow &row = CIconTable::Row(number);
    const QString folder = QStringLiteral(KM_SOURCE_DIR "/resources/bitmaps/");
    const QImage colour(folder + QStringLiteral("%1@2x.bmp").arg(row.m_res32));
    const QImage mask(folder + QStringLiteral("%1@2x.bmp").arg(row.m_mask32));
    const QImage small(folder + QStringLiteral("%1.bmp").arg(row.m_res32));
    ASSERT_EQ(colour.size(), QSize(64, 64));
    ASSERT_EQ(mask.size(), QSize(64, 64));

    QImage painted(wnd->size() * 2, QImage::Format_RGB32);
    painted.setDevicePixelRatio(2);
    {
        QPainter p(&painted);
        wnd->PaintAll(p, QRegion(wnd->rect()));
    }
    const QPoint corner = CellOf(feb3).iconRects[0].topLeft() * 2;
    int opaque = 0, unlikeTheSmallOne = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            if (qGray(mask.pixel(x, y)) >= 128)
                continue;
            ++opaque;
            ASSERT_EQ(QColor(painted.pixel(corner + QPoint(x, y))), QColor(colour.pixel(x, y))) << x << "," << y;
            unlikeTheSmallOne += colour.pixel(x, y) != small.pixel(x / 2, y / 2);
        }
    EXPECT_GT(opaque, 500);
    EXPECT_GT(unlikeTheSmallOne, 100) << "the 2x picture is not the 1x one doubled";
}
