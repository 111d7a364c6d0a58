#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusPendingCallWatcher;

// One notification on the desktop's notification server (the freedesktop
// Notifications interface on the session bus), with the actions OK and
// Snooze. It stays until answered: critical urgency, no expiry, and no
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

    explicit CDesktopNotification(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~CDesktopNotification() override;

    // Sends the notification; image may be null.
    void Show(const QString &summary, const QString &body, const QImage &image);
    // Takes it off the desktop: now when the server has given its number,
    // else as soon as it does.
    void Close();

    // The hints sent with every notification.
    static QVariantMap Hints(const QImage &image);

signals:
    // The user chose kOkAction or kSnoozeAction on the notification.
    void actionInvoked(const QString &action);
    void failed(const QString &reason);

private Q_SLOTS:
    // The server's signals; QtDBus connects them by signature.
    void OnActionInvoked(uint id, const QString &action);
    void OnClosed(uint id, uint reason);

private:
    void OnNotifyReply(QDBusPendingCallWatcher *watcher);
    void SendClose();

    QDBusConnection m_bus;
    uint m_id = 0;
    bool m_pending = false;
    bool m_closeWanted = false;
    bool m_closed = false;
};
