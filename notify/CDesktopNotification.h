#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusPendingCallWatcher;

// One notification on the desktop's notification server (the freedesktop
// Notifications interface on the session bus), with the actions OK and
// Snooze and a default action (a click on the notification). The body is
// escaped for servers that read it as markup. It stays until answered: critical urgency, no expiry, and no
// sound of the server's own, since the alert plays the reminder's sound.
// Every call is asynchronous, so a missing or slow server never holds up
// the alert; a failure is reported once through failed().
class CDesktopNotification : public QObject
{
    Q_OBJECT

public:
    static constexpr char kService[] = "org.freedesktop.Notifications";
    static constexpr char kPath[] = "/org/freedesktop/Notifications";
    static constexpr char kInterface[] = "org.freedesktop.Notifications";
    static constexpr char kOkAction[] = "ok";
    static constexpr char kSnoozeAction[] = "snooze";
    static constexpr char kDefaultAction[] = "default";

    explicit CDesktopNotification(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~CDesktopNotification() override;

    // Sends the notification; image may be null.
    void Show(const QString &summary, const QString &body, const QImage &image);
    // Takes it off the desktop: now when the server has given its number,
    // else as soon as it does.
    void Close();

    // The hints sent with every notification.
    static QVariantMap Hints(const QImage &image);
    // The body as sent to a server with these capabilities: escaped where
    // it reads markup, so that "&" and "<" show as typed.
    static QString BodyText(const QString &body, const QStringList &capabilities);

signals:
    // The user chose kOkAction, kSnoozeAction or kDefaultAction.
    void actionInvoked(const QString &action);
    void failed(const QString &reason);

private Q_SLOTS:
    // The server's signals; QtDBus connects them by signature.
    void OnActionInvoked(uint id, const QString &action);
    void OnClosed(uint id, uint reason);

private:
    void SendNotify(const QString &summary, const QString &body, const QImage &image);
    void OnNotifyReply(QDBusPendingCallWatcher *watcher);
    void SendClose();

    QDBusConnection m_bus;
    uint m_id = 0;
    bool m_pending = false;
    bool m_closeWanted = false;
    bool m_closed = false;
};
