#pragma once

#include "calendar/CCalendarArt.h"
#include "graphics/CCachedBitmap.h"

class CIconLibrary;

// The calendar's real pictures: the four cell-background pictures of the
// grid (bitmaps 233 normal, 234 under the mouse, 236 selected, 232 outside
// the month), the icons of the program's icon library and the library's
// soft shadows, on the display state's palette and shadows flag.
class CCalendarLibraryArt : public CCalendarArt
{
public:
    static constexpr int kBackgrounds[4] = { 233, 234, 236, 232 };

    explicit CCalendarLibraryArt(CIconLibrary &library);

    int Generation() const override;
    int Lookup(const QString &name) const override;
    bool DrawBackground(QPainter &painter, int state, const QRect &rect) override;
    void DrawIcon(QPainter &painter, int number, int sizeClass, const QPoint &at) override;
    bool DrawShadow(QImage &target, int number, int sizeClass, const QPoint &at, double amount) override;
    bool ShadowsOn() const override;

    // Gives up the background pictures (minimise, palette change); they
    // load again when next drawn.
    void Release();
    // Loads the background pictures now, so that the first paint does not.
    void Preload();

private:
    CIconLibrary &m_library;
    CCachedBitmap m_backgrounds[4];
};
