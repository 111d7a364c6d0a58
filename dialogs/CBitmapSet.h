#pragma once

#include "dialogs/CSkinBitmap.h"

#include <array>

// Up to four pictures used together (the list box's selected and plain
// backgrounds, the calendar's cell backgrounds).
class CBitmapSet
{
public:
    static constexpr int kMax = 4;

    // Two pictures; the count becomes 2.
    void Load(int first, int second, QSize expected = QSize());
    // Those of the four numbers that are not negative; the count becomes 4.
    void Load(int first, int second, int third, int fourth, QSize expected = QSize());
    // Every picture of the set; they load again on next use.
    void Release();

    int Count() const { return m_count; }
    CSkinBitmap &operator[](int index) { return m_bitmaps[static_cast<size_t>(index)]; }

private:
    std::array<CSkinBitmap, kMax> m_bitmaps;
    int m_count = 0;
};
