#pragma once

#include <QObject>

// Tells when the computer wakes from sleep, from the login manager's
// PrepareForSleep signal on the system bus. Without a system bus
// or a login manager it stays silent: the clock-jump check of the timer
// notices a resume as well, only later.
class CSleepWatcher : public QObject
{
    Q_OBJECT
public:
    explicit CSleepWatcher(QObject *parent = nullptr);

signals:
    void resumed();

private slots:
    void onPrepareForSleep(bool start);
};
