#include "graphics/CConversionProgress.h"

#include "graphics/CDisplayState.h"
#include "model/CTrace.h"

CConversionProgress::CConversionProgress()
{
    CDisplayState &display = CDisplayState::Instance();
    if (!display.ActivePalette())
        return;
    m_window = CProgressSink::Create();
    if (!m_window)
        return;
    m_window->SetText(QStringLiteral(
        "Sorry, there will be a slight delay while converting graphics to 256 colors.  For best results, please "
        "change your Display Properties to 24- or 16-bit color (16.7 million or 65536 colors)."));
    m_window->SetMaxGraphics(kPictures);
    display.SetProgress(m_window.get());
    CDisplayState::PumpMessages();
}

CConversionProgress::~CConversionProgress()
{
    CDisplayState &display = CDisplayState::Instance();
    if (m_window && display.Progress() == m_window.get())
        display.SetProgress(nullptr);
}
