#pragma once

#include "notify/CDesktopNotification.h"

#include <QObject>

class CReminderAlertDlg;

// Puts an alert on the desktop's notification server as well, for the
// desktops where a window may not come to the front: the alert's first line
// as the summary, the rest as the body, the reminder's icon as the image.
// Either answers both: OK or Snooze on the notification answers the alert
// (Snooze with the alert's default delay), a click on the notification
// brings the alert forward, and the alert's answer takes the
// notification away. Without a server the alert works alone.
class CAlertNotifier : public QObject
{
    Q_OBJECT

public:
    explicit CAlertNotifier(CReminderAlertDlg &alert, const QDBusConnection &bus = QDBusConnection::sessionBus());

    // Sends the notification: when the reminder falls due, before the alert
    // is shown (it may wait behind another).
    void Send();

    // The alert's text split as the notification shows it.
    static QString Summary(const QString &alertText);
    static QString Body(const QString &alertText);

private:
    void OnAction(const QString &action);

    CReminderAlertDlg &m_alert;
    CDesktopNotification m_notification;
};
