#pragma once

#include "model/COleDateTime.h"

#include <QString>

// What the alert for one due reminder shows.
struct CAlertRequest
{
    QString m_Message;
    int m_IconNumber = 0;
    QString m_SoundFileName;
    int m_ReminderIndex = -1;
};

// How the user answered an alert: OK, or snooze for some minutes.
struct CAlertAnswer
{
    int m_SnoozeMinutes = 0; // 0: OK
    // When the user answered; an invalid time stands for the pass's time.
    COleDateTime m_AnsweredAt { 0.0, COleDateTime::invalid };
    // Nobody answered: the program ended (a signal, the log-off) while the
    // alert was open.
    bool m_Unanswered = false;
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
    // Runs the alert and returns the user's answer once it is closed.
    virtual CAlertAnswer RunAlert(const CAlertRequest &alert) = 0;
};
