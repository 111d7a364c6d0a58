#include "graphics/CConversionProgress.h"

#include "graphics/CDisplayState.h"

#include <QCoreApplication>

const char *const CConversionProgress::kText = QT_TRANSLATE_NOOP("CConversionProgress",
    "Sorry, there will be a slight delay while converting graphics to 256 colors.  For best results, please "
    "change your Display Properties to 24- or 16-bit color (16.7 million or 65536 colors).");

CConversionProgress::CConversionProgress()
{
    CDisplayState &display = CDisplayState::Instance();
    if (!display.ActivePalette() || display.Conversion())
        return;
    m_armed = true;
    display.SetConversion(this);
}

CConversionProgress::~CConversionProgress()
{
    CDisplayState &display = CDisplayState::Instance();
    if (m_armed && display.Conversion() == this)
        display.SetConversion(nullptr);
}

void CConversionProgress::ConversionStarting()
{
    if (m_window)
        return;
    m_window = CProgressSink::Create();
    if (!m_window)
        return;
    m_window->SetText(QCoreApplication::translate("CConversionProgress", kText));
    m_window->SetMaxGraphics(kPictures);
    // The pictures that came from the cache count too.
    for (int i = 0; i < m_pictures; ++i)
        m_window->StepGraphics();
    CDisplayState::PumpMessages();
}

void CConversionProgress::PictureMade()
{
    ++m_pictures;
    if (!m_window)
        return;
    m_window->StepGraphics();
    CDisplayState::PumpMessages();
}
