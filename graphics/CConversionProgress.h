#pragma once

#include "graphics/CProgressSink.h"

#include <memory>

// The please-wait window of the main window's start-up on a palette
// display. While an object of this class lives, every picture LoadDIB makes
// counts as a step; the window itself comes up at the first picture that
// has to be converted (so a start that finds every picture in the bitmap
// cache shows none). On a true-colour display it does nothing.
class CConversionProgress
{
public:
    static constexpr int kPictures = 27;
    static const char *const kText;

    CConversionProgress();
    ~CConversionProgress();
    CConversionProgress(const CConversionProgress &) = delete;
    CConversionProgress &operator=(const CConversionProgress &) = delete;

    bool IsShown() const { return m_window != nullptr; }
    CProgressSink *Window() const { return m_window.get(); }
    // The pictures made so far.
    int Pictures() const { return m_pictures; }

    // A picture is about to be converted: the window comes up if it is not.
    void ConversionStarting();
    // A picture was made: one more step, and the window is drawn again.
    void PictureMade();

private:
    std::unique_ptr<CProgressSink> m_window;
    int m_pictures = 0;
    bool m_armed = false;
};
