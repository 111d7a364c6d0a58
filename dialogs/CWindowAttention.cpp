#include "dialogs/CWindowAttention.h"

#include "model/CTrace.h"

#include <QApplication>
#include <QWidget>

bool CWindowAttention::CanRaise() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void CWindowAttention::BringForward(QWidget *window)
{
    window->raise();
    if (CanRaise()) {
        window->activateWindow();
        return;
    }
    Trace(QStringLiteral("%1: the compositor decides what comes forward; asking for attention.\n")
              .arg(window->windowTitle()));
    QApplication::alert(window);
}
