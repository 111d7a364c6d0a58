#include "notify/CDesktopNotification.h"

#include "model/CTrace.h"
#include "notify/CNotificationImage.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

constexpr char kAppName[] = "Kestrelmark";
constexpr uchar kCriticalUrgency = 2;

} // namespace

CDesktopNotification::CDesktopNotification(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    CNotificationImage::Register();
    if (!m_bus.isConnected())
        return;
    const QString service = QString::fromLatin1(kService);
    const QString path = QString::fromLatin1(kPath);
    const QString iface = QString::fromLatin1(kInterface);
    m_bus.connect(service, path, iface, QStringLiteral("ActionInvoked"), this, SLOT(OnActionInvoked(uint, QString)));
    m_bus.connect(service, path, iface, QStringLiteral("NotificationClosed"), this, SLOT(OnClosed(uint, uint)));
}

CDesktopNotification::~CDesktopNotification()
{
    if (m_bus.isConnected()) {
        const QString service = QString::fromLatin1(kService);
        const QString path = QString::fromLatin1(kPath);
        const QString iface = QString::fromLatin1(kInterface);
        m_bus.disconnect(service, path, iface, QStringLiteral("ActionInvoked"), this,
                         SLOT(OnActionInvoked(uint, QString)));
        m_bus.disconnect(service, path, iface, QStringLiteral("NotificationClosed"), this, SLOT(OnClosed(uint, uint)));
    }
}

QVariantMap CDesktopNotification::Hints(const QImage &image)
{
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kCriticalUrgency));
    // The alert plays the reminder's own sound.
    hints.insert(QStringLiteral("suppress-sound"), true);
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("kestrelmark"));
    if (!image.isNull())
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(CNotificationImage::FromImage(image)));
    return hints;
}

void CDesktopNotification::Show(const QString &summary, const QString &body, const QImage &image)
{
    if (!m_bus.isConnected()) {
        emit failed(QStringLiteral("no session bus"));
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kInterface), QStringLiteral("Notify"));
    const QStringList actions { QString::fromLatin1(kOkAction), QStringLiteral("OK"),
                                QString::fromLatin1(kSnoozeAction), QStringLiteral("Snooze") };
    call << QString::fromLatin1(kAppName) << uint(0) << QString() << summary << body << actions << Hints(image)
         << int(0); // never expires
    m_pending = true;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &CDesktopNotification::OnNotifyReply);
}

void CDesktopNotification::OnNotifyReply(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    m_pending = false;
    const QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
        Trace(QStringLiteral("Notification not shown: ") + reply.error().message() + QLatin1Char('\n'));
        emit failed(reply.error().message());
        return;
    }
    m_id = reply.value();
    if (m_closeWanted)
        SendClose();
}

void CDesktopNotification::Close()
{
    m_closeWanted = true;
    if (m_id != 0)
        SendClose();
}

void CDesktopNotification::SendClose()
{
    if (m_closed)
        return;
    m_closed = true;
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kInterface), QStringLiteral("CloseNotification"));
    call << m_id;
    // Nobody waits for the answer: the notification is gone either way.
    m_bus.asyncCall(call);
}

void CDesktopNotification::OnActionInvoked(uint id, const QString &action)
{
    if (id == 0 || id != m_id || m_closed)
        return;
    if (action == QLatin1String(kOkAction) || action == QLatin1String(kSnoozeAction))
        emit actionInvoked(action);
}

void CDesktopNotification::OnClosed(uint id, uint)
{
    // Dismissed on the desktop: the alert stays and is the way to answer.
    if (id != 0 && id == m_id)
        m_closed = true;
}
