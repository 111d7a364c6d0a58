#include "notify/CAlertNotifier.h"

#include "dialogs/CReminderAlertDlg.h"

CAlertNotifier::CAlertNotifier(CReminderAlertDlg &alert, const QDBusConnection &bus)
    : m_alert(alert), m_notification(bus)
{
    connect(&m_notification, &CDesktopNotification::actionInvoked, this, &CAlertNotifier::OnAction);
    connect(&m_alert, &QDialog::finished, &m_notification, &CDesktopNotification::Close);
}

QString CAlertNotifier::Summary(const QString &alertText) { return alertText.section(QLatin1Char('\n'), 0, 0); }

QString CAlertNotifier::Body(const QString &alertText) { return alertText.section(QLatin1Char('\n'), 1).trimmed(); }

void CAlertNotifier::Send()
{
    m_notification.Show(Summary(m_alert.m_Message), Body(m_alert.m_Message), m_alert.m_Icons.Large(m_alert.m_IconNumber));
}

void CAlertNotifier::OnAction(const QString &action)
{
    // The notification goes out as the reminder falls due, and its buttons
    // answer the alert whether or not its window has come yet.
    if (m_alert.IsAnswered())
        return;
    if (action == QLatin1String(CDesktopNotification::kDefaultAction)) {
        // A click on the notification brings the alert forward; one still
        // waiting behind another comes in its turn.
        if (!m_alert.isVisible())
            return;
        m_alert.showNormal();
        m_alert.raise();
        m_alert.activateWindow();
        return;
    }
    if (action == QLatin1String(CDesktopNotification::kSnoozeAction))
        m_alert.AnswerSnooze(m_alert.m_DefaultSnoozeMinutes);
    else
        m_alert.AnswerOk();
}
