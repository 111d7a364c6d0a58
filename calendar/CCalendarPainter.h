#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRegion>

class CCalendarArt;
class CCalendarMonth;
class QPainter;

// Draws the month grid: each cell is composed in one shared back buffer
// the size of a cell (background picture of its state, icon shadows, the
// icons) and reaches the target in one block, then its day number is
// written on the target. Also composes the drag image over a saved grid.
class CCalendarPainter
{
public:
    static constexpr double kCellShadow = 0.5;
    static constexpr double kDragShadow = 0.45;

    explicit CCalendarPainter(CCalendarArt *art) : m_art(art) {}

    void SetArt(CCalendarArt *art) { m_art = art; }
    CCalendarArt *Art() const { return m_art; }
    // The program's text size factor; the day numbers are "Arial" at
    // 7.0 x factor tenths of a point.
    void SetTextSizeFactor(double factor);
    const QFont &DayFont() const { return dayFont; }

    // Every cell whose rectangle meets clip.
    void PaintAll(QPainter &target, const CCalendarMonth &month, const QRegion &clip);
    // One cell; the day font must already be the target's font.
    void PaintSingleCell(QPainter &target, const CCalendarMonth &month, int k);

    // Copies area from background into compose (both the grid's size).
    static void Restore(QImage &compose, const QImage &background, const QRect &area);
    // The dragged icon with its lifted shadow, image top-left at corner.
    void DrawDragImage(QImage &compose, const QPoint &corner, int icon);

private:
    void makeFont();

    CCalendarArt *m_art = nullptr;
    QImage m_backBuffer;
    QFont dayFont;
    bool m_fontMade = false;
    double m_textSizeFactor = 10.0;
};
