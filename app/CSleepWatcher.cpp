#include "app/CSleepWatcher.h"

#include "model/CTrace.h"

#include <QDBusConnection>
#include <QDBusError>

CSleepWatcher::CSleepWatcher(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        Trace("CSleepWatcher: no system bus; resumes are found by the clock check.\n");
        return;
    }
    // A bus signal is matched by name, so the slot is named by its signature.
    m_listening = bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                              QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                              this, SLOT(onPrepareForSleep(bool)));
    if (!m_listening)
        Trace(QStringLiteral("CSleepWatcher: ") + bus.lastError().message() + QLatin1Char('\n'));
}

void CSleepWatcher::onPrepareForSleep(bool start)
{
    Trace(start ? "Going to sleep.\n" : "Woken up.\n");
    if (start)
        emit sleeping();
    else
        emit resumed();
}
