#pragma once

#include "dialogs/CBitmapSet.h"

#if __has_include("calendar/CCalendarArt.h")
#include "calendar/CCalendarArt.h"

#include <QHash>
#include <QImage>

class CIconLibrary;

// The calendar's real pictures: the four cell backgrounds of the grid and
// the icons of the icon library with their soft shadows. Without a library
// the built-in icons are drawn from the program's bitmaps and their masks.
class CCalendarSkin : public CCalendarArt
{
public:
    static constexpr int kBackgrounds[4] = { 233, 234, 236, 232 };

    explicit CCalendarSkin(CIconLibrary *library = nullptr);

    int Generation() const override;
    int Lookup(const QString &name) const override;
    bool DrawBackground(QPainter &painter, int state, const QRect &rect) override;
    void DrawIcon(QPainter &painter, int number, int sizeClass, const QPoint &at) override;
    bool DrawShadow(QImage &target, int number, int sizeClass, const QPoint &at, double amount) override;
    bool ShadowsOn() const override;

    // The icon with transparency (32 x 32 for class 0, 16 x 16 for 1); null
    // when the program has no such icon.
    QImage IconImage(int number, int sizeClass);
    // The grey darkening map of an icon's shadow: 255 leaves a pixel alone.
    QImage ShadowMap(int number, int sizeClass);
    // Gives up the pictures; they load again when next drawn.
    void Release();
    // Loads the cell backgrounds now.
    void Preload();

    // An icon from a colour picture and its mask (white where transparent).
    static QImage Masked(const QImage &colour, const QImage &mask);

private:
    CIconLibrary *m_library = nullptr;
    CBitmapSet m_backgrounds;
    QHash<int, QImage> m_icons;
    QHash<int, QImage> m_shadows;
};
#endif
