#pragma once

#include "graphics/CProgressSink.h"

#include <memory>

// The please-wait window of the main window's start-up on a palette
// display: while an object of this class lives, every picture LoadDIB makes
// advances it by a step. On a true-colour display it shows nothing.
class CConversionProgress
{
public:
    static constexpr int kPictures = 27;

    CConversionProgress();
    ~CConversionProgress();
    CConversionProgress(const CConversionProgress &) = delete;
    CConversionProgress &operator=(const CConversionProgress &) = delete;

    bool IsShown() const { return m_window != nullptr; }

private:
    std::unique_ptr<CProgressSink> m_window;
};
