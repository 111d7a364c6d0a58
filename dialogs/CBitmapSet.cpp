#include "dialogs/CBitmapSet.h"

void CBitmapSet::Load(int first, int second, QSize expected)
{
    m_bitmaps[0].SetResource(first, expected, QColor(225, 225, 235));
    m_bitmaps[1].SetResource(second, expected, QColor(245, 245, 250));
    m_count = 2;
}

void CBitmapSet::Load(int first, int second, int third, int fourth, QSize expected)
{
    const int numbers[kMax] = { first, second, third, fourth };
    for (int i = 0; i < kMax; ++i) {
        if (numbers[i] >= 0)
            m_bitmaps[static_cast<size_t>(i)].SetResource(numbers[i], expected);
    }
    m_count = 4;
}

void CBitmapSet::Release()
{
    for (CSkinBitmap &b : m_bitmaps)
        b.Release();
}
