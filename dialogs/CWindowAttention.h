#pragma once

class QWidget;

// Bringing a window of the program in front of the user. On X11 the program
// raises and activates it itself. Wayland leaves the choice to the
// compositor: the program asks for attention instead (the desktop marks the
// window and its notification accompanies every alert), and says so in the
// trace rather than pretending the window came forward.
class CWindowAttention
{
public:
    // True where the windowing system lets a program raise and activate its
    // own windows.
    static bool CanRaise();
    static void BringForward(QWidget *window);
};
