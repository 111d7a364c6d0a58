#pragma once

#include "notify/CNotificationImage.h"

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <vector>

// A notification server on its own connection to the session bus: keeps
// what it is sent, and lets the test act as the user on the desktop.
class CFakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Sent
    {
        uint m_Id = 0;
        QString m_App;
        uint m_Replaces = 0;
        QString m_Icon;
        QString m_Summary;
        QString m_Body;
        QStringList m_Actions;
        QVariantMap m_Hints;
        int m_Timeout = -1;
        QImage Image() const;
    };

    CFakeNotificationServer();
    ~CFakeNotificationServer() override;
    bool Start();

    // The user clicks an action's button on notification id.
    void Invoke(uint id, const QString &action);

    // What GetCapabilities answers.
    QStringList m_Capabilities { QStringLiteral("actions"), QStringLiteral("body") };
    std::vector<Sent> m_Sent;
    QList<uint> m_Closed;

public Q_SLOTS:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int timeout);
    void CloseNotification(uint id);
    QStringList GetCapabilities();
    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion);

private:
    void Emit(const QString &name, const QVariantList &args);

    QDBusConnection m_bus;
    uint m_nextId = 1;
};
