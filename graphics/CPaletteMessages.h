#pragma once

#include <functional>

// The main window's answers to palette changes. Qt has no palette devices,
// so "realising" the program palette is a repaint of the windows that draw
// pictures: the desktop program connects that repaint here and calls
// OnPaletteChanged when the system's colours change under it (another
// program, a screen change) and OnQueryNewPalette when its window becomes
// active.
class CPaletteMessages
{
public:
    using Repaint = std::function<void()>;

    // Repaints the descendants that draw pictures and then the main window.
    void SetRepaintHook(Repaint repaint) { m_repaint = std::move(repaint); }

    // The window is about to be activated: realise. Answers true (realised).
    bool OnQueryNewPalette();
    // Another window (byUs false) or this one changed the palette.
    void OnPaletteChanged(bool byUs);
    // Realises the program palette when there is one; repaints when that
    // changed colours. Returns the number of colours changed.
    int OnDoRealize();

private:
    Repaint m_repaint;
    bool m_realized = false;
};
