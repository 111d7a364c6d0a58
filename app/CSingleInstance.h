#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user and desktop. The first copy listens on a local
// socket named after the user and the display; a later start finds it
// there and hands it a command (the path of a file to open) instead of
// starting a second window. A socket left behind by a copy that crashed
// answers no one and is replaced. Only the same user may connect.
class CSingleInstance : public QObject
{
    Q_OBJECT

public:
    enum Role { First, Another, Failed };

    // name: a socket path; empty for the default one of this user and display.
    explicit CSingleInstance(const QString &name = QString(), QObject *parent = nullptr);
    ~CSingleInstance() override;

    // Becomes the running copy, or finds that another one runs.
    Role Claim();
    // Delivers command to the running copy and waits for its receipt.
    bool Send(const QString &command, int timeoutMs = 3000) const;

    QString Name() const { return m_name; }
    // "<runtime folder>/kestrelmark-<uid>-<display>".
    static QString DefaultName();
    // The display part of the name: X11 DISPLAY or WAYLAND_DISPLAY, with
    // anything but letters, digits, '.', '_' and '-' replaced.
    static QString DisplayKey();

signals:
    void commandReceived(const QString &command);

private:
    void OnNewConnection();
    bool IsAnswering() const;

    QString m_name;
    QLocalServer *m_server = nullptr;
};
