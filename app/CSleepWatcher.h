#pragma once

#include <QObject>

// Tells when the computer goes to sleep and when it wakes, from the login
// manager's PrepareForSleep signal on the system bus. Without a system bus
// or a login manager it stays silent: the clock-jump check of the timer
// notices a resume as well, only later.
class CSleepWatcher : public QObject
{
    Q_OBJECT
public:
    explicit CSleepWatcher(QObject *parent = nullptr);
    bool IsListening() const { return m_listening; }

signals:
    void sleeping();
    void resumed();

private slots:
    void onPrepareForSleep(bool start);

private:
    bool m_listening = false;
};
