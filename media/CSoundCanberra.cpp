#include "media/CSoundCanberra.h"

#include "model/CTrace.h"

#include <QFile>
#include <QTemporaryDir>

#ifdef KM_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace {
// One id for every sound: a new play cuts off the one before it.
constexpr uint32_t kPlayId = 1;
} // namespace

CSoundCanberra::CSoundCanberra()
{
#ifdef KM_HAVE_CANBERRA
    if (ca_context_create(&m_context) != CA_SUCCESS) {
        Trace("CSoundCanberra: no sound context.\n");
        m_context = nullptr;
        return;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Kestrelmark",
                            CA_PROP_APPLICATION_ID, "kestrelmark", nullptr);
#endif
}

CSoundCanberra::~CSoundCanberra()
{
#ifdef KM_HAVE_CANBERRA
    if (m_context)
        ca_context_destroy(m_context);
#endif
}

void CSoundCanberra::PlayFile(const QString &path)
{
    Trace(QStringLiteral("soundFile = ") + path + QLatin1Char('\n'));
#ifdef KM_HAVE_CANBERRA
    if (!m_context || path.isEmpty())
        return;
    ca_context_cancel(m_context, kPlayId);
    const QByteArray file = QFile::encodeName(path);
    const int rc = ca_context_play(m_context, kPlayId, CA_PROP_MEDIA_FILENAME, file.constData(),
                                   CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr);
    if (rc != CA_SUCCESS) {
        Trace(QStringLiteral("CSoundCanberra::PlayFile: %1\n").arg(QString::fromUtf8(ca_strerror(rc))));
        // What the desktop plays when a file cannot be played.
        ca_context_play(m_context, kPlayId, CA_PROP_EVENT_ID, "bell", nullptr);
    }
#endif
}

void CSoundCanberra::PlayAlias(const QString &alias)
{
#ifdef KM_HAVE_CANBERRA
    if (!m_context)
        return;
    ca_context_cancel(m_context, kPlayId);
    const QByteArray event = EventForAlias(alias).toUtf8();
    const int rc = ca_context_play(m_context, kPlayId, CA_PROP_EVENT_ID, event.constData(), nullptr);
    if (rc != CA_SUCCESS)
        Trace(QStringLiteral("CSoundCanberra::PlayAlias: %1\n").arg(QString::fromUtf8(ca_strerror(rc))));
#else
    Q_UNUSED(alias);
#endif
}

QString CSoundCanberra::ResourceFile(const QString &name)
{
    const auto it = m_extracted.constFind(name);
    if (it != m_extracted.constEnd())
        return it.value();
    QFile resource(QStringLiteral(":/sounds/") + name + QStringLiteral(".wav"));
    QString path;
    if (resource.open(QIODevice::ReadOnly)) {
        if (!m_tempDir)
            m_tempDir = std::make_unique<QTemporaryDir>();
        if (m_tempDir->isValid()) {
            QFile out(m_tempDir->filePath(name + QStringLiteral(".wav")));
            if (out.open(QIODevice::WriteOnly) && out.write(resource.readAll()) >= 0 && out.flush())
                path = out.fileName();
        }
    }
    m_extracted.insert(name, path);
    return path;
}

void CSoundCanberra::PlayResource(const QString &name)
{
    const QString path = ResourceFile(name);
    if (path.isEmpty()) {
        Trace(QStringLiteral("CSoundCanberra: no sound resource ") + name + QLatin1Char('\n'));
        return;
    }
#ifdef KM_HAVE_CANBERRA
    if (!m_context)
        return;
    ca_context_cancel(m_context, kPlayId);
    const QByteArray file = QFile::encodeName(path);
    ca_context_play(m_context, kPlayId, CA_PROP_MEDIA_FILENAME, file.constData(), nullptr);
#endif
}

void CSoundCanberra::Stop()
{
#ifdef KM_HAVE_CANBERRA
    if (m_context)
        ca_context_cancel(m_context, kPlayId);
#endif
}
