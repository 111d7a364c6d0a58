#pragma once

#include "model/COleDateTime.h"

#include <QString>
#include <QtGlobal>

// What the alert for one due reminder shows, and which reminder it is for.
struct CAlertRequest
{
    quint64 m_ReminderId = 0;
    QString m_Message;
    // The reminder's own message, for short mentions (the tray's tip).
    QString m_ReminderMessage;
    int m_IconNumber = 0;
    QString m_IconName;
    QString m_SoundFileName;
    // The window is brought forward before the alert.
    bool m_RaiseWindow = false;
};

// How the user answered an alert: OK, or snooze for some minutes.
struct CAlertAnswer
{
    int m_SnoozeMinutes = 0; // 0: OK
    // When the user answered; an invalid time stands for the pass's time.
    COleDateTime m_AnsweredAt { 0.0, COleDateTime::invalid };
};

// Shows the alerts of due reminders. Present returns at once; the answer
// comes back later, through the due check's (or the session's) Answer with
// the request's reminder id, whatever moved in the list meanwhile. The
// desktop program opens an alert window and a notification; the
// command-line tool records the alerts and answers at once.
class CAlertPresenter
{
public:
    virtual ~CAlertPresenter() = default;
    virtual void Present(const CAlertRequest &request) = 0;
};
