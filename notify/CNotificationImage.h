#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QImage>
#include <QMetaType>

// The "image-data" hint of a notification: raw RGBA rows as the D-Bus
// structure (iiibiiay).
struct CNotificationImage
{
    int m_Width = 0;
    int m_Height = 0;
    int m_RowStride = 0;
    bool m_HasAlpha = true;
    int m_BitsPerSample = 8;
    int m_Channels = 4;
    QByteArray m_Data;

    static CNotificationImage FromImage(const QImage &image);
    static void Register();
};
Q_DECLARE_METATYPE(CNotificationImage)

QDBusArgument &operator<<(QDBusArgument &arg, const CNotificationImage &image);
const QDBusArgument &operator>>(const QDBusArgument &arg, CNotificationImage &image);
