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
    // Whether the body is read as markup decides how it is sent: the
    // server is asked first.
    m_pending = true;
    QDBusMessage ask = QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                                      QString::fromLatin1(kInterface), QStringLiteral("GetCapabilities"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, summary, body, image] {
        watcher->deleteLater();
        const QDBusPendingReply<QStringList> reply = *watcher;
        // A server that cannot say is taken to read plain text.
        const QStringList capabilities = reply.isError() ? QStringList() : reply.value();
        SendNotify(summary, BodyText(body, capabilities), image);
    });
}

QString CDesktopNotification::BodyText(const QString &body, const QStringList &capabilities)
{
    return capabilities.contains(QStringLiteral("body-markup")) ? body.toHtmlEscaped() : body;
}

void CDesktopNotification::SendNotify(const QString &summary, const QString &body, const QImage &image)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kInterface), QStringLiteral("Notify"));
    // The default action is a click on the notification itself.
    const QStringList actions { QString::fromLatin1(kDefaultAction), tr("Show"),
                                QString::fromLatin1(kOkAction), tr("OK"),
                                //: The notification's button that puts the reminder off.
                                QString::fromLatin1(kSnoozeAction), tr("Snooze") };
    call << QString::fromLatin1(kAppName) << uint(0) << QString() << summary << body << actions << Hints(image)
         << int(0); // never expires
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
    if (action == QLatin1String(kOkAction) || action == QLatin1String(kSnoozeAction)
        || action == QLatin1String(kDefaultAction))
        emit actionInvoked(action);
}

void CDesktopNotification::OnClosed(uint id, uint)
{
    // Dismissed on the desktop: the alert stays and is the way to answer.
    if (id != 0 && id == m_id)
        m_closed = true;
}
