#pragma once

#include <QRect>
#include <functional>
#include <vector>

// Where things go on a printed page of the reminder list, in twips (1/1440
// inch) from the top-left corner of the printable area, y downwards, and
// how the entries are split into pages. Plain arithmetic: the view measures
// the entries and draws, this decides.
class CPrintLayout
{
public:
    static constexpr int kTwipsPerInch = 1440;

    static constexpr int kTitleLeft = 1000;
    static constexpr int kTitleTop = 552;         // 500 plus the picture's height in pixels
    static constexpr int kTitleTwipsPerPixel = 16;
    static constexpr int kPrintedAtLeft = 1000;
    static constexpr int kPrintedAtTop = 1600;
    static constexpr int kPageNumberLeft = 1000;
    static constexpr int kPageNumberTop = 14500;
    static constexpr int kFirstEntryTop = 2500;
    static constexpr int kEntryAreaBottom = 14500;
    static constexpr int kIconLeft = 1000;
    static constexpr int kIconSize = 550;
    static constexpr int kTextLeft = 1900;
    static constexpr int kTextRight = 10000;
    static constexpr int kLeastEntryHeight = 550;
    static constexpr int kGapAfterEntry = 250;
    static constexpr int kFontHeight = 225;       // 11.25 points
    static constexpr int kIconPixels = 32;

    // One entry placed on a page.
    struct Block
    {
        int m_entry = 0;
        int m_top = 0;
        int m_height = 0;      // the block: measured text height, at least 550
        bool m_cut = false;    // taller than the whole entry area: cut at its bottom
    };

    struct Page
    {
        int m_first = 0;       // index of the first entry
        std::vector<Block> m_blocks;
        int DrawnCount() const { return static_cast<int>(m_blocks.size()); }
    };

    // The measured height of entry i's texts in twips.
    using Measure = std::function<int(int entry)>;

    static int BlockHeight(int measuredHeight);

    // The page that starts at entry first of count: blocks from y 2500 while
    // y is above the area's bottom, each 250 below the one before; an entry
    // that does not fit goes to the next page. An entry too tall for any
    // page is placed alone, cut at the bottom, so every page takes at least
    // one entry and printing always ends.
    static Page LayoutPage(int first, int count, const Measure &measure);

    // The first entry of each page, page 1 first: pages go on while their
    // start is below count.
    static std::vector<int> PageStarts(int count, const Measure &measure);

    // Twips to the device's units at its resolution, rounding to nearest.
    static int ToDevice(int twips, int dotsPerInch);
    static QRect ToDevice(const QRect &twips, int dpiX, int dpiY);
    // Device units back to twips (for measured texts), rounding up so that
    // a text is never thought shorter than it prints.
    static int FromDevice(int units, int dotsPerInch);
};
