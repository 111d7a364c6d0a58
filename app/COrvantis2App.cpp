#include "app/COrvantis2App.h"

#include "app/COrvantis2Dlg.h"
#include "media/CSoundCanberra.h"
#include "model/CTrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <cstdlib>

#if __has_include("media/CIconLibrary.h")
#include "media/CIconLibrary.h"
#define KM_HAVE_ICON_LIBRARY 1
#else
// Until the icon library exists the application holds none.
class CIconLibrary {};
#endif

namespace {
COrvantis2App *s_app = nullptr;
}

COrvantis2App &theApp()
{
    if (!s_app)
        std::abort();
    return *s_app;
}

bool HaveApp() { return s_app != nullptr; }

COrvantis2App::COrvantis2App()
{
    s_app = this;
    m_OwnSoundPlayer = std::make_unique<CSilentSoundPlayer>();
    CSoundPlayer::SetInterfaceSounds(true);
    m_SoundPlayer = m_OwnSoundPlayer.get();
#ifdef KM_HAVE_ICON_LIBRARY
    m_IconLibrary = std::make_unique<CIconLibrary>();
#endif
}

COrvantis2App::~COrvantis2App()
{
    if (s_app == this)
        s_app = nullptr;
}

bool COrvantis2App::InitInstance()
{
    Trace("InitInstance()\n");
    ReadSettings();
    return true;
}

bool COrvantis2App::OnDDECommand(const QString &command)
{
    Q_UNUSED(command);
    return false;
}

CIconLibrary &COrvantis2App::IconLibrary()
{
    if (!m_IconLibrary)
        std::abort();
    return *m_IconLibrary;
}

CSoundPlayer &COrvantis2App::SoundPlayer() { return *m_SoundPlayer; }

const CClock &COrvantis2App::Clock() const { return *m_Clock; }

COleDateTime COrvantis2App::Now() const { return m_Clock->Now(); }

QString COrvantis2App::DataFolder() const
{
    if (!m_DataFolder.isEmpty())
        return m_DataFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kestrelmark");
}

QString COrvantis2App::SoundFolder() const { return QDir(DataFolder()).filePath(QStringLiteral("sounds")); }

QString COrvantis2App::IconFolder() const { return QDir(DataFolder()).filePath(QStringLiteral("icons")); }

QString COrvantis2App::HelpFile() const
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help/KM.html"));
}

void COrvantis2App::SetClock(const CClock *clock) { m_Clock = clock ? clock : &m_SystemClock; }

void COrvantis2App::SetSoundPlayer(CSoundPlayer *player)
{
    m_SoundPlayer = player ? player : m_OwnSoundPlayer.get();
    CSoundPlayer::SetCurrent(m_SoundPlayer);
}

void COrvantis2App::SetDataFolder(const QString &folder) { m_DataFolder = folder; }

QString COrvantis2App::GetProfileString(const QString &section, const QString &key, const QString &defaultValue) const
{
    QSettings settings(QStringLiteral("Quendrake Inc"), QStringLiteral("Kestrelmark"));
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void COrvantis2App::WriteProfileString(const QString &section, const QString &key, const QString &value)
{
    QSettings settings(QStringLiteral("Quendrake Inc"), QStringLiteral("Kestrelmark"));
    settings.setValue(section + QLatin1Char('/') + key, value);
}

void COrvantis2App::ReadSettings()
{
    bool ok = false;
    const int days = GetProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays"), QStringLiteral("30")).trimmed().toInt(&ok);
    m_UpcomingDays = ok ? days : 30;
    m_DefaultSound = GetProfileString(QStringLiteral("Options"), QStringLiteral("ReminderSoundFile"));
}

bool COrvantis2App::InterfaceSounds() const { return CSoundPlayer::InterfaceSounds(); }

void COrvantis2App::SetInterfaceSounds(bool on) { CSoundPlayer::SetInterfaceSounds(on); }

void COrvantis2App::ComputeTextSizeFactor() {}
