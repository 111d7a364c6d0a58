#include "CFakeNotificationServer.h"

#include "notify/CDesktopNotification.h"

#include <QDBusMessage>
#include <QDBusMetaType>

namespace {
const QString kConnection = QStringLiteral("fake-notification-server");
}

CFakeNotificationServer::CFakeNotificationServer()
    : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnection))
{
    CNotificationImage::Register();
}

CFakeNotificationServer::~CFakeNotificationServer()
{
    m_bus.unregisterService(QString::fromLatin1(CDesktopNotification::kService));
    m_bus.unregisterObject(QString::fromLatin1(CDesktopNotification::kPath));
    QDBusConnection::disconnectFromBus(kConnection);
}

bool CFakeNotificationServer::Start()
{
    return m_bus.isConnected()
        && m_bus.registerObject(QString::fromLatin1(CDesktopNotification::kPath), this, QDBusConnection::ExportAllSlots)
        && m_bus.registerService(QString::fromLatin1(CDesktopNotification::kService));
}

uint CFakeNotificationServer::Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                                     const QString &body, const QStringList &actions, const QVariantMap &hints,
                                     int timeout)
{
    Sent s;
    s.m_Id = m_nextId++;
    s.m_App = app;
    s.m_Replaces = replaces;
    s.m_Icon = icon;
    s.m_Summary = summary;
    s.m_Body = body;
    s.m_Actions = actions;
    s.m_Hints = hints;
    s.m_Timeout = timeout;
    m_Sent.push_back(s);
    return s.m_Id;
}

void CFakeNotificationServer::CloseNotification(uint id)
{
    m_Closed << id;
    Emit(QStringLiteral("NotificationClosed"), { id, uint(3) });
}

QStringList CFakeNotificationServer::GetCapabilities() { return m_Capabilities; }

QString CFakeNotificationServer::GetServerInformation(QString &vendor, QString &version, QString &specVersion)
{
    vendor = QStringLiteral("test");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("fake");
}

void CFakeNotificationServer::Invoke(uint id, const QString &action)
{
    Emit(QStringLiteral("ActionInvoked"), { id, action });
}

void CFakeNotificationServer::Emit(const QString &name, const QVariantList &args)
{
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(CDesktopNotification::kPath),
                                                     QString::fromLatin1(CDesktopNotification::kInterface), name);
    signal.setArguments(args);
    m_bus.send(signal);
}

QImage CFakeNotificationServer::Sent::Image() const
{
    const QVariant v = m_Hints.value(QStringLiteral("image-data"));
    if (!v.canConvert<QDBusArgument>())
        return QImage();
    const CNotificationImage d = qdbus_cast<CNotificationImage>(v.value<QDBusArgument>());
    if (d.m_Width <= 0 || d.m_Height <= 0 || d.m_Channels != 4 || d.m_BitsPerSample != 8
        || qint64(d.m_RowStride) * d.m_Height > d.m_Data.size())
        return QImage();
    return QImage(reinterpret_cast<const uchar *>(d.m_Data.constData()), d.m_Width, d.m_Height, d.m_RowStride,
                  QImage::Format_RGBA8888)
        .copy();
}
