#pragma once
// The colours of the program's artwork, taken from the kestrel: slate blue-grey
// of its head and tail, the rufous of its back, the cream of its breast.
#include <QColor>

namespace art::theme {

// Window and panels
inline const QColor slateTop {62, 86, 106};
inline const QColor slateBottom {36, 52, 66};
inline const QColor slateDeep {24, 36, 47};
inline const QColor slateLight {112, 138, 158};
inline const QColor ink {35, 44, 56};          // outlines and dark text
inline const QColor rufous {192, 96, 47};
inline const QColor rufousDark {142, 63, 28};
inline const QColor rufousLight {232, 150, 92};
inline const QColor cream {251, 245, 230};
inline const QColor creamShade {236, 224, 196};
inline const QColor gold {240, 186, 96};

// Calendar cells
inline const QColor cellNormal {252, 248, 237};
inline const QColor cellNormalLow {243, 235, 214};
inline const QColor cellWeekend {249, 240, 232};
inline const QColor cellLine {205, 188, 152};
inline const QColor cellHover {255, 238, 196};
inline const QColor cellHoverLow {250, 220, 160};
inline const QColor cellSelected {219, 236, 249};
inline const QColor cellSelectedLow {196, 220, 240};
inline const QColor cellSelectedRim {70, 116, 156};
inline const QColor cellOutside {196, 205, 213};
inline const QColor cellOutsideLow {182, 192, 201};

// Colours other parts of the program draw over the artwork
inline const QColor todayNumber {0, 90, 0};
inline const QColor labelText {10, 240, 20};
inline const QColor labelShadow {5, 120, 5};
inline const QColor tipBackground {255, 255, 210};

// Dialog face under the small dialog pictures (the light desktop default)
inline const QColor dialogFace {239, 239, 239};

} // namespace art::theme
