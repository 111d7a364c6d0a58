#include "graphics/CPaletteMessages.h"

#include "graphics/CDisplayState.h"
#include "model/CTrace.h"

bool CPaletteMessages::OnQueryNewPalette()
{
    Trace("OnQueryNewPalette()\n");
    OnDoRealize();
    return true;
}

void CPaletteMessages::OnPaletteChanged(bool byUs)
{
    if (byUs) {
        Trace("OnPaletteChanged: We changed it, ignoring message.\n");
        return;
    }
    Trace("OnPaletteChanged.\n");
    // Whatever changed the system colours took them from us.
    m_realized = false;
    OnDoRealize();
}

int CPaletteMessages::OnDoRealize()
{
    const CPalette &palette = CDisplayState::Instance().ProgramPalette();
    if (palette.IsNull()) {
        Trace("SelectPalette failed in OnPaletteChanged!\n");
        return 0;
    }
    // Only a palette display has colours to change.
    const int changed = m_realized || !CDisplayState::Instance().ActivePalette() ? 0 : palette.GetEntryCount();
    m_realized = true;
    if (changed > 0) {
        Trace(QStringLiteral("OnDoRealize: %1 colors changed.\n").arg(changed));
        if (m_repaint)
            m_repaint();
    } else {
        Trace("OnDoRealize: No change in palette.\n");
    }
    return changed;
}
