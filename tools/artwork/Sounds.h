#pragma once
// The two interface clicks, synthesised: short, soft, 16-bit mono PCM.
#include <QByteArray>

namespace art {

QByteArray clickSound();        // IDR_WAVE_CLICK
QByteArray interfaceClick();    // IDR_WAVE_CLICK2, played on buttons and day clicks

} // namespace art
