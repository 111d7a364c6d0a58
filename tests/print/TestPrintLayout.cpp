// Page layout of the printed reminder list as numbers: block tops, page
// starts, the least height, the gap, an entry too tall for any page.
#include "print/CPrintLayout.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> tops(const CPrintLayout::Page &page)
{
    std::vector<int> out;
    for (const auto &b : page.m_blocks)
        out.push_back(b.m_top);
    return out;
}

CPrintLayout::Measure heights(std::vector<int> h)
{
    return [h](int i) { return h.at(static_cast<size_t>(i)); };
}

TEST(PrintLayout, ThirtyOneLineEntriesGiveFifteenAndFifteenAndNoThirdPage)
{
    const auto oneLine = [](int) { return 518; }; // two text lines of 11.25 points
    const auto starts = CPrintLayout::PageStarts(30, oneLine);
    EXPECT_EQ(starts, (std::vector<int> { 0, 15 }));

    const auto page1 = CPrintLayout::LayoutPage(0, 30, oneLine);
    ASSERT_EQ(page1.DrawnCount(), 15);
    std::vector<int> expected;
    for (int k = 0; k < 15; ++k)
        expected.push_back(2500 + 800 * k);
    EXPECT_EQ(tops(page1), expected);
    EXPECT_EQ(page1.m_blocks.back().m_top, 13700);
    EXPECT_EQ(page1.m_blocks.front().m_height, 550);

    const auto page2 = CPrintLayout::LayoutPage(15, 30, oneLine);
    EXPECT_EQ(page2.DrawnCount(), 15);
    EXPECT_EQ(page2.m_blocks.front().m_entry, 15);
    EXPECT_EQ(CPrintLayout::LayoutPage(30, 30, oneLine).DrawnCount(), 0);
}

TEST(PrintLayout, ThirtyOneEntriesSpillOneOntoAThirdPage)
{
    EXPECT_EQ(CPrintLayout::PageStarts(31, [](int) { return 400; }), (std::vector<int> { 0, 15, 30 }));
}

TEST(PrintLayout, TallMessagePushesTheNextBlockDown)
{
    const auto page = CPrintLayout::LayoutPage(0, 3, heights({ 550, 2000, 100 }));
    EXPECT_EQ(tops(page), (std::vector<int> { 2500, 3300, 5550 }));
    EXPECT_EQ(page.m_blocks[1].m_height, 2000);
    EXPECT_EQ(page.m_blocks[2].m_height, 550); // the least height
}

TEST(PrintLayout, BlockThatWouldCrossTheBottomGoesToTheNextPage)
{
    // 2500 + 11000 + 250 = 13750; a block of 800 would end at 14550.
    const auto page = CPrintLayout::LayoutPage(0, 2, heights({ 11000, 800 }));
    EXPECT_EQ(page.DrawnCount(), 1);
    // Ending exactly on the bottom still fits.
    const auto exact = CPrintLayout::LayoutPage(0, 2, heights({ 11000, 750 }));
    EXPECT_EQ(exact.DrawnCount(), 2);
    EXPECT_EQ(exact.m_blocks[1].m_top + exact.m_blocks[1].m_height, 14500);
}

TEST(PrintLayout, EntryTallerThanTheAreaIsCutAloneOnItsPageAndPrintingEnds)
{
    const auto measure = heights({ 550, 20000, 550, 30000 });
    EXPECT_EQ(CPrintLayout::PageStarts(4, measure), (std::vector<int> { 0, 1, 2, 3 }));
    const auto page2 = CPrintLayout::LayoutPage(1, 4, measure);
    ASSERT_EQ(page2.DrawnCount(), 1);
    EXPECT_TRUE(page2.m_blocks[0].m_cut);
    EXPECT_EQ(page2.m_blocks[0].m_top, 2500);
    EXPECT_EQ(page2.m_blocks[0].m_height, 12000);
    // The entry after it starts a page of its own and is not cut.
    const auto page3 = CPrintLayout::LayoutPage(2, 4, measure);
    EXPECT_EQ(page3.DrawnCount(), 1);
    EXPECT_FALSE(page3.m_blocks[0].m_cut);
    // Exactly the area's height fits without a cut.
    EXPECT_FALSE(CPrintLayout::LayoutPage(0, 1, heights({ 12000 })).m_blocks[0].m_cut);
}

TEST(PrintLayout, NoEntriesNoPages)
{
    EXPECT_TRUE(CPrintLayout::PageStarts(0, [](int) { return 0; }).empty());
}

TEST(PrintLayout, TwipsToDeviceUnits)
{
    EXPECT_EQ(CPrintLayout::ToDevice(1440, 1200), 1200);
    EXPECT_EQ(CPrintLayout::ToDevice(550, 1200), 458);   // 458.33
    EXPECT_EQ(CPrintLayout::ToDevice(225, 96), 15);
    EXPECT_EQ(CPrintLayout::ToDevice(14500, 600), 6042); // 6041.67
    EXPECT_EQ(CPrintLayout::ToDevice(-720, 300), -150);
    EXPECT_EQ(CPrintLayout::ToDevice(QRect(1000, 2500, 550, 550), 144, 144), QRect(100, 250, 55, 55));
    EXPECT_EQ(CPrintLayout::FromDevice(1200, 1200), 1440);
    EXPECT_EQ(CPrintLayout::FromDevice(1, 1200), 2);     // 1.2 rounds up
    // The title picture: 296 x 52 pixels at 16 twips each.
    EXPECT_EQ(296 * CPrintLayout::kTitleTwipsPerPixel, 4736);
    EXPECT_EQ(52 * CPrintLayout::kTitleTwipsPerPixel, 832);
}

} // namespace
