#include "calendar/CCalendarLibraryArt.h"

#include "graphics/CDisplayState.h"
#include "media/CIconLibrary.h"

#include <QPainter>

CCalendarLibraryArt::CCalendarLibraryArt(CIconLibrary &library)
    : m_library(library)
{
    for (int state = 0; state < 4; ++state)
        m_backgrounds[state].SetResourceId(kBackgrounds[state]);
}

int CCalendarLibraryArt::Generation() const
{
    return m_library.GetGeneration();
}

int CCalendarLibraryArt::Lookup(const QString &name) const
{
    // The names are registered as the library loads.
    if (!m_library.IsLoaded())
        m_library.Load();
    return m_library.Lookup(name);
}

bool CCalendarLibraryArt::DrawBackground(QPainter &painter, int state, const QRect &rect)
{
    if (state < 0 || state > 3)
        state = 0;
    return m_backgrounds[state].Draw(painter, rect.topLeft(), CDisplayState::Instance().ActivePalette(), rect) != 0;
}

void CCalendarLibraryArt::DrawIcon(QPainter &painter, int number, int sizeClass, const QPoint &at)
{
    m_library.Draw(painter, number, at, sizeClass);
}

bool CCalendarLibraryArt::DrawShadow(QImage &target, int number, int sizeClass, const QPoint &at, double amount)
{
    return m_library.DrawShadow(target, number, sizeClass, at, amount);
}

bool CCalendarLibraryArt::ShadowsOn() const
{
    return CDisplayState::Instance().ShadowsOn();
}

void CCalendarLibraryArt::Release()
{
    for (CCachedBitmap &background : m_backgrounds)
        background.Unload();
}

void CCalendarLibraryArt::Preload()
{
    for (CCachedBitmap &background : m_backgrounds)
        if (!background.IsLoaded())
            background.LoadBitmap(background.ResourceId(), CDisplayState::Instance().ActivePalette());
}
