#pragma once
// The picture buttons of the main window (six frames each) and the small
// pictures of the reminder editor and the options dialog.
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

namespace art {

class ButtonArt
{
public:
    enum class Glyph { Plus, List, Today };

    // Frames in resource order: idle, lit under the mouse, pressed, and three
    // steps of the glow fading back to idle. The part of the window background
    // under the button shows around it, so each frame is cut from background
    // (at the background's scale).
    static QList<QImage> frames(const QImage &background, const QRect &where, Glyph glyph, const QString &text);

    // Drawn at scale (1 or 2) times the pixels, like the window's pictures.
    static QImage addIcon(bool pressed, int scale); // 553, 554
    static QImage play(int scale);                  // 556
    static QImage recurrence(int scale);            // 551
    static QImage message(int scale);               // 552
};

} // namespace art
