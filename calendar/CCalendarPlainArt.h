#pragma once

#include "calendar/CCalendarArt.h"

// Plain drawing for the calendar where the artwork and the icon library
// are not available (tests, a build without pictures): flat cells with a
// frame, icons as coloured discs, no shadows. Names resolve through the
// program's icon name map.
class CCalendarPlainArt : public CCalendarArt
{
public:
    int Generation() const override { return 1; }
    int Lookup(const QString &name) const override;
    bool DrawBackground(QPainter &painter, int state, const QRect &rect) override;
    void DrawIcon(QPainter &painter, int number, int sizeClass, const QPoint &at) override;
    bool DrawShadow(QImage &, int, int, const QPoint &, double) override { return false; }
    bool ShadowsOn() const override { return false; }
};
