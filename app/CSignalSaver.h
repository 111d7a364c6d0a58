#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM and SIGHUP (the session manager ending the program at log-off)
// are turned into a call on the user-interface thread, so the reminder
// file is saved before the program ends.
class CSignalSaver : public QObject
{
    Q_OBJECT

public:
    explicit CSignalSaver(std::function<void()> onSignal, QObject *parent = nullptr);
    ~CSignalSaver() override;

    bool IsInstalled() const { return m_notifier != nullptr; }

private:
    static void Handler(int signal);
    void OnReadable();

    std::function<void()> m_onSignal;
    QSocketNotifier *m_notifier = nullptr;
};
