#pragma once

#include <QRect>

class QFont;

// Layout measures of the program's windows. Dialog units are those of the
// 8-point system font the windows were designed with: 1 unit is 1.5 pixels
// across and 1.625 pixels down at 96 dpi. Qt's logical pixels already
// follow the screen's device pixel ratio, so nothing more is scaled here.
class CDialogUnits
{
public:
    static int X(int units) { return (units * 3 + 1) / 2; }
    static int Y(int units) { return (units * 13 + 4) / 8; }
    static QRect Rect(int left, int top, int width, int height)
    {
        return QRect(X(left), Y(top), X(width), Y(height));
    }

    // 10 + 0.625 x (20 - the height in pixels of the application font):
    // the point-size factor texts are drawn with, so that they keep their
    // proportion to the dialogs whatever font the desktop uses.
    static double TextSizeFactor();
    static double TextSizeFactor(int fontHeightPixels) { return 10.0 + 0.625 * (20 - fontHeightPixels); }
    // A font of pointSize x factor / 10 points.
    static QFont ScaledFont(const QString &face, double size, bool bold = false);
};
