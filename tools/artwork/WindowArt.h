#pragma once
// The pictures of the main window and the about box: one design in slate,
// rufous and cream.
#include <QImage>
#include <QRect>

namespace art {

// Positions of the main window's controls in its 614 x 408 client area.
namespace layout {
inline const QRect client {0, 0, 614, 408};
inline const QRect calendar {230, 101, 372, 295};
inline const QRect upcoming {14, 102, 195, 292};
inline const QRect logo {13, 13, 296, 52};
inline const QRect monthSpin {330, 55, 16, 24};
inline const QRect monthDisplay {346, 58, 89, 21};
inline const QRect yearDisplay {440, 58, 43, 21};
inline const QRect yearSpin {487, 55, 16, 24};
inline const QRect todayDisplay {524, 35, 76, 29};
inline const QRect newButton {323, 7, 90, 35};
inline const QRect dayButton {413, 7, 91, 35};
inline const QRect todayButton {517, 7, 84, 35};
inline const int cellWidth = 53;
inline const int cellHeight = 49;
} // namespace layout

class WindowArt
{
public:
    enum class CellState { Normal, Hover, Selected, Outside };

    // Each picture in the window's pixels, drawn at scale (1 or 2) times as
    // many pixels (the device pixel ratio of the image).
    static QImage background(int scale);                 // 179
    static QImage cells(CellState state, int scale);     // 233, 234, 236, 232
    static QImage upcomingList(bool selected, int scale); // 198 selected, 197 otherwise
    static QImage logo(int scale);                       // 150
    static QImage about(int scale);                      // 538

private:
    static void paintWell(class QPainter &p, const QRect &inner, int radius);
};

} // namespace art
