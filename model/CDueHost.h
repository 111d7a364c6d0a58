#pragma once

#include <QString>

// What the alert for one due reminder shows.
struct CAlertRequest
{
    QString m_Message;
    int m_IconNumber = 0;
    QString m_SoundFileName;
    int m_ReminderIndex = -1;
};

// What a due-reminder pass needs of the window around it. The desktop
// program raises its window and runs the alert dialog; tests and the
// command-line tool record the alerts.
class CDueHost
{
public:
    virtual ~CDueHost() = default;
    virtual void ShowAndRaise() = 0;
    virtual void HideTip() = 0;
    // Runs the alert and returns when the user has closed it.
    virtual void RunAlert(const CAlertRequest &alert) = 0;
};
