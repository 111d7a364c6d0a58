#include "graphics/CDisplayState.h"

#include "graphics/CProgressSink.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

CDisplayState &CDisplayState::Instance()
{
    static CDisplayState state;
    return state;
}

void CDisplayState::Settle(const QStringList &arguments)
{
    m_programPalette = CPalette::BuildProgramPalette();
    m_programFileTime = ReadProgramFileTime();
    const int forced = ScreenDepthOverride(arguments, qgetenv("KESTRELMARK_SCREEN_DEPTH"));
    m_screenDepth = forced > 0 ? forced : PrimaryScreenDepth();
}

namespace {
int parseDepth(const QString &text)
{
    bool ok = false;
    const int depth = text.trimmed().toInt(&ok);
    return ok && depth >= 1 && depth <= 64 ? depth : -1;
}
} // namespace

int CDisplayState::ScreenDepthOverride(const QStringList &arguments, const QByteArray &environment)
{
    static const QString option = QStringLiteral("--screen-depth");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == option && i + 1 < arguments.size())
            return parseDepth(arguments[i + 1]);
        if (a.startsWith(option + QLatin1Char('=')))
            return parseDepth(a.mid(option.size() + 1));
    }
    if (!environment.isEmpty())
        return parseDepth(QString::fromLatin1(environment));
    return -1;
}

int CDisplayState::PrimaryScreenDepth()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        if (QScreen *screen = QGuiApplication::primaryScreen())
            return screen->depth();
    return kDefaultDepth;
}

const CPalette *CDisplayState::ActivePalette() const
{
    if (m_screenDepth > kPaletteDepthLimit || m_programPalette.IsNull())
        return nullptr;
    return &m_programPalette;
}

void CDisplayState::SetCacheFolder(const QString &folder)
{
    m_cacheFolder = folder;
    if (!m_cacheFolder.isEmpty() && !m_cacheFolder.endsWith(QLatin1Char('/')))
        m_cacheFolder += QLatin1Char('/');
}

QString CDisplayState::CacheFileName(int n) const
{
    return m_cacheFolder + QStringLiteral("bitmap_%1.bmp").arg(n);
}

QDateTime CDisplayState::ReadProgramFileTime()
{
    if (!QCoreApplication::instance())
        return {};
    const QFileInfo info(QCoreApplication::applicationFilePath());
    return info.exists() ? info.lastModified() : QDateTime();
}

void CDisplayState::PumpMessages()
{
    static bool pumping = false;
    if (pumping || !CProgressSink::AnyShown() || !QCoreApplication::instance())
        return;
    pumping = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    pumping = false;
}
