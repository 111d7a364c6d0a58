#include "print/CPrintLayout.h"

#include <algorithm>

int CPrintLayout::BlockHeight(int measuredHeight) { return std::max(measuredHeight, kLeastEntryHeight); }

CPrintLayout::Page CPrintLayout::LayoutPage(int first, int count, const Measure &measure)
{
    Page page;
    page.m_first = first;
    int y = kFirstEntryTop;
    for (int i = first; i < count && y < kEntryAreaBottom; ++i) {
        const int h = BlockHeight(measure(i));
        if (y + h > kEntryAreaBottom) {
            if (!page.m_blocks.empty())
                break;
            // Alone on its page and still too tall: what fits is printed.
            page.m_blocks.push_back({ i, y, kEntryAreaBottom - y, true });
            break;
        }
        page.m_blocks.push_back({ i, y, h, false });
        y += h + kGapAfterEntry;
    }
    return page;
}

std::vector<int> CPrintLayout::PageStarts(int count, const Measure &measure)
{
    std::vector<int> starts;
    int start = 0;
    while (start < count) {
        starts.push_back(start);
        const Page page = LayoutPage(start, count, measure);
        start += std::max(1, page.DrawnCount());
    }
    return starts;
}

int CPrintLayout::ToDevice(int twips, int dotsPerInch)
{
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}

QRect CPrintLayout::ToDevice(const QRect &twips, int dpiX, int dpiY)
{
    const int left = ToDevice(twips.left(), dpiX);
    const int top = ToDevice(twips.top(), dpiY);
    const int right = ToDevice(twips.left() + twips.width(), dpiX);
    const int bottom = ToDevice(twips.top() + twips.height(), dpiY);
    return QRect(left, top, right - left, bottom - top);
}

int CPrintLayout::FromDevice(int units, int dotsPerInch)
{
    if (dotsPerInch <= 0)
        return units;
    const long long scaled = static_cast<long long>(units) * kTwipsPerInch;
    return static_cast<int>((scaled + dotsPerInch - 1) / dotsPerInch);
}
