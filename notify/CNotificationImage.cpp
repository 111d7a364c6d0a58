#include "notify/CNotificationImage.h"

#include <QDBusMetaType>

CNotificationImage CNotificationImage::FromImage(const QImage &image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    CNotificationImage out;
    out.m_Width = rgba.width();
    out.m_Height = rgba.height();
    out.m_RowStride = static_cast<int>(rgba.bytesPerLine());
    out.m_Data = QByteArray(reinterpret_cast<const char *>(rgba.constBits()), static_cast<qsizetype>(rgba.sizeInBytes()));
    return out;
}

void CNotificationImage::Register() { qDBusRegisterMetaType<CNotificationImage>(); }

QDBusArgument &operator<<(QDBusArgument &arg, const CNotificationImage &image)
{
    arg.beginStructure();
    arg << image.m_Width << image.m_Height << image.m_RowStride << image.m_HasAlpha << image.m_BitsPerSample
        << image.m_Channels << image.m_Data;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, CNotificationImage &image)
{
    arg.beginStructure();
    arg >> image.m_Width >> image.m_Height >> image.m_RowStride >> image.m_HasAlpha >> image.m_BitsPerSample
        >> image.m_Channels >> image.m_Data;
    arg.endStructure();
    return arg;
}
