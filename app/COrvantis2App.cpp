#include "app/COrvantis2App.h"

#include "app/CShellRegistration.h"
#include "app/CSingleInstance.h"
#include "dialogs/CDialogUnits.h"
#include "dialogs/CIconSource.h"
#include "dialogs/CProgressWnd.h"
#include "graphics/CDisplayState.h"
#include "media/CIconLibrary.h"
#include "media/CSoundPlayer.h"
#include "model/CIconNameMap.h"
#include "graphics/CMessageBox.h"
#include "model/CTrace.h"
#include "session/CReminderSession.h"
#include "storage/CKmPaths.h"
#include "storage/CProgramSettings.h"
#include "storage/CReminderExchange.h"
#include "storage/CReminderStore.h"
#include "storage/CSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <memory>

namespace {
const char *const kAnotherCopyMessage =
    QT_TRANSLATE_NOOP("COrvantis2App", "Another copy of Kestrelmark is running.  Please close it and try again.");
// The running copy takes a file between the steps of whatever it is doing;
// a long import answers several times a second, a modal box at once.
constexpr int kHandOverWaitMs = 60000;

QString handOverFailedMessage(const QString &file)
{
    //: %1 is the file the user asked a second start of the program to open.
    return QCoreApplication::translate("COrvantis2App",
                                       "Kestrelmark is running but did not take %1.  Please open the file from the running Kestrelmark.")
        .arg(QDir::toNativeSeparators(file));
}
} // namespace

COrvantis2App::COrvantis2App()
{
    m_OwnSoundPlayer = std::make_unique<CSilentSoundPlayer>();
    m_SoundPlayer = m_OwnSoundPlayer.get();
    CSoundPlayer::SetCurrent(m_SoundPlayer);
    CSoundPlayer::SetInterfaceSounds(true);
    m_TextSizeFactor = CDialogUnits::TextSizeFactor();
    m_Settings = std::make_unique<CSettingsStore>();
    m_Options = std::make_unique<CProgramSettings>(*m_Settings);
    m_Store = std::make_unique<CReminderStore>();
    m_IconLibrary = std::make_unique<CIconLibrary>();
}

COrvantis2App::~COrvantis2App()
{
    // The window goes first: it saves through the session, which works
    // on the objects below.
    m_OwnMainWindow.reset();
    m_Session.reset();
    CSoundPlayer::SetCurrent(nullptr);
}

QString COrvantis2App::FileArgument(const QStringList &arguments, bool &registerOnly) const
{
    registerOnly = false;
    QString file;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--data-dir") || a == QLatin1String("--screen-depth")) {
            ++i; // the option's value
            continue;
        }
        if (a.startsWith(QLatin1String("--")))
            continue;
        if (a == QLatin1String("registeronly")) {
            registerOnly = true;
            continue;
        }
        if (file.isEmpty())
            file = QFileInfo(a).absoluteFilePath();
    }
    return file;
}

bool COrvantis2App::InitInstance(const QStringList &arguments, const WindowFactory &makeWindow)
{
    Trace("InitInstance()\n");
    m_ContextReminder = 0;
    m_HiddenIconUnlocked = false;
    CSoundPlayer::SetInterfaceSounds(true);
    m_TextSizeFactor = CDialogUnits::TextSizeFactor();

    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--data-dir"))
            SetDataFolder(arguments.at(i + 1));
    }
    bool registerOnly = false;
    const QString file = FileArgument(arguments, registerOnly);
    const QString program = QCoreApplication::applicationFilePath();

    if (registerOnly) {
        // Registration alone never starts a window, whatever else runs.
        CShellRegistration::Register(CShellRegistration::UserFolders(), program);
        Trace("Found 'registeronly' parameter.  Exiting...\n");
        m_ExitCode = 0;
        return false;
    }

    m_SingleInstance = std::make_unique<CSingleInstance>();
    const CSingleInstance::Role role = m_SingleInstance->Claim();
    if (role == CSingleInstance::Another) {
        if (!file.isEmpty()) {
            if (m_SingleInstance->Send(MakeOpenCommand(file), kHandOverWaitMs)) {
                m_ExitCode = 0;
                return false;
            }
            CMessageBox::Show(handOverFailedMessage(file), CMessageSink::Ok, CMessageSink::Warning);
            m_ExitCode = 1;
            return false;
        }
        CMessageBox::Show(QCoreApplication::translate("COrvantis2App", kAnotherCopyMessage), CMessageSink::Ok, CMessageSink::Warning);
        m_ExitCode = 1;
        return false;
    }
    if (role == CSingleInstance::First) {
        QObject::connect(m_SingleInstance.get(), &CSingleInstance::commandReceived, m_SingleInstance.get(),
                         [this](const QString &command) { OnDDECommand(command); }, Qt::QueuedConnection);
    }

    m_ProgramFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    ReadProgramFile();
    Trace(QStringLiteral("Options: Upcoming %1 days.\n").arg(m_Options->UpcomingDays()));
    Trace(QStringLiteral("Options: Sound file: '") + m_Options->DefaultSound() + QStringLiteral("'\n"));

    CDisplayState::Instance().Settle(arguments);
    // Used only on a palette display: the pictures converted there.
    CDisplayState::Instance().SetCacheFolder(CKmPaths::BitmapCacheFolder());
    // The picture code and the icon import show their please-wait windows.
    CProgressWnd::InstallFactory();

    // Keep the desktop's idea of the program current (a moved build).
    const CShellRegistration::Folders folders = CShellRegistration::UserFolders();
    if (!CShellRegistration::IsRegistered(folders, program))
        CShellRegistration::Register(folders, program);

    m_OwnMainWindow = makeWindow(*this);
    if (!file.isEmpty()) {
        // Opened once the window stands, as the shell's open would be.
        QTimer::singleShot(0, m_MainWindow, [this, file] { OnDDECommand(MakeOpenCommand(file)); });
    }
    Trace("InitInstance() done.\n");
    return true;
}

void COrvantis2App::ReadProgramFile()
{
    const QFileInfo info(QCoreApplication::applicationFilePath());
    if (!info.exists()) {
        Trace(QStringLiteral("CFile::GetStatus(") + info.filePath() + QStringLiteral(") failed!\n"));
        m_ProgramFileTime = 0;
        return;
    }
    m_ProgramFileTime = info.lastModified().toSecsSinceEpoch();
}

QString COrvantis2App::MakeOpenCommand(const QString &path)
{
    return QStringLiteral("[open(\"") + path + QStringLiteral("\")]");
}

bool COrvantis2App::ParseDDECommand(const QString &command, QString &path, QString &error)
{
    if (!command.contains(QLatin1String("open"))) {
        error = QStringLiteral("Unsupported DDE message!\n");
        return false;
    }
    const qsizetype first = command.indexOf(QLatin1Char('"'));
    const qsizetype last = command.lastIndexOf(QLatin1Char('"'));
    if (first < 0 || last <= first) {
        error = QStringLiteral("Bad DDE message!\n");
        return false;
    }
    path = command.mid(first + 1, last - first - 1);
    return true;
}

bool COrvantis2App::OnDDECommand(const QString &command)
{
    QString path;
    QString error;
    if (!ParseDDECommand(command, path, error)) {
        CMessageBox::Show(error, CMessageSink::Ok, CMessageSink::Warning);
        return false;
    }
    if (m_MainWindow && m_OpenFile) {
        m_OpenFile(path);
    } else {
        CMessageBox::Tell(CReminderExchange::ImportFile(Session().Reminders(), path, DataFolder()).m_Message);
    }
    return true;
}

CReminderSession &COrvantis2App::Session()
{
    if (!m_Session) {
        m_Session = std::make_unique<CReminderSession>(*m_Store, *m_Settings);
        m_Session->SetClock(m_Clock);
    }
    return *m_Session;
}

CIconLibrary &COrvantis2App::IconLibrary()
{
    if (!m_IconLibrary)
        std::abort();
    return *m_IconLibrary;
}

void COrvantis2App::PrepareIconLibrary()
{
    m_IconLibrary->SetIconsFolder(IconFolder());
    if (QWidget *w = m_MainWindow) {
        // The window takes no input while icon files are read in; the
        // keyboard goes back where it was (disabling the window drops it).
        auto focus = std::make_shared<QPointer<QWidget>>();
        m_IconLibrary->SetWindowEnabler([w] { return w->isEnabled(); }, [w, focus](bool on) {
            if (!on)
                *focus = w->focusWidget();
            w->setEnabled(on);
            if (on && *focus)
                (*focus)->setFocus();
        });
    }
    m_IconLibrary->Load();
}

CIconSource COrvantis2App::IconSource()
{
    CIconSource source;
    CIconLibrary *library = m_IconLibrary.get();
    source.m_lookup = [library](const QString &name) { return library->Lookup(name); };
    source.m_small = [library](int number) { return library->SmallImage(number); };
    source.m_large = [library](int number) { return library->SharpImage(number, 0); };
    return source;
}

CSoundPlayer &COrvantis2App::SoundPlayer() { return *m_SoundPlayer; }

QString COrvantis2App::DataFolder() const { return CKmPaths::DataFolder(); }

QString COrvantis2App::SoundFolder() const { return CKmPaths::SoundsFolder(); }

QString COrvantis2App::IconFolder() const { return CKmPaths::IconsFolder(); }

QString COrvantis2App::HelpPageName(const QLocale &locale, const QStringList &pages)
{
    // The language with its country first (pt_BR), then the language alone.
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString &name : { language, language.section(QLatin1Char('_'), 0, 0) }) {
            const QString page = QStringLiteral("KM_%1.html").arg(name);
            if (pages.contains(page))
                return page;
        }
    }
    return QStringLiteral("KM.html");
}

QString COrvantis2App::HelpFile() const
{
    const QDir besideFolder(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help")));
    const QString beside = besideFolder.filePath(HelpPageName(QLocale(), besideFolder.entryList(QDir::Files)));
    if (QFile::exists(beside))
        return beside;
    // The program carries the manual; a copy outside lets the browser read it.
    const QString folder = DataFolder() + QStringLiteral("/help");
    const QDir resources(QStringLiteral(":/help"));
    const QStringList files = resources.entryList(QDir::Files);
    if (files.isEmpty())
        return beside;
    QDir().mkpath(folder);
    for (const QString &name : files) {
        QFile in(resources.filePath(name));
        const QString target = folder + QLatin1Char('/') + name;
        QFile existing(target);
        if (in.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = in.readAll();
            if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
                continue;
            existing.close();
            QFile out(target);
            if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                out.write(bytes);
        }
    }
    return folder + QLatin1Char('/') + HelpPageName(QLocale(), files);
}

void COrvantis2App::SetClock(const CClock *clock)
{
    m_Clock = clock ? clock : &m_SystemClock;
    if (m_Session)
        m_Session->SetClock(m_Clock);
}

void COrvantis2App::SetSoundPlayer(CSoundPlayer *player)
{
    m_SoundPlayer = player ? player : m_OwnSoundPlayer.get();
    CSoundPlayer::SetCurrent(m_SoundPlayer);
}

void COrvantis2App::SetDataFolder(const QString &folder) { CKmPaths::SetDataFolder(folder); }

void COrvantis2App::SetSettings(std::unique_ptr<CSettingsStore> settings)
{
    // The session keeps the settings it was made with.
    if (settings && !m_Session) {
        m_Settings = std::move(settings);
        m_Options = std::make_unique<CProgramSettings>(*m_Settings);
    }
}

QString COrvantis2App::GetProfileString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return m_Settings->GetProfileString(section, key, defaultValue);
}

void COrvantis2App::WriteProfileString(const QString &section, const QString &key, const QString &value)
{
    m_Settings->WriteProfileString(section, key, value);
}

bool COrvantis2App::InterfaceSounds() const { return CSoundPlayer::InterfaceSounds(); }

void COrvantis2App::SetInterfaceSounds(bool on) { CSoundPlayer::SetInterfaceSounds(on); }
