#pragma once

#include "session/CClock.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;
class CSoundPlayer;
class CIconLibrary;
class CProgramSettings;
class CSettingsStore;
class CReminderSession;
class CReminderStore;
class CSingleInstance;
struct CIconSource;

// The application object: lives for the whole process and owns what the
// windows share: the reminder session (the list, its file and the due
// checks), the icon library, the settings, the sound player and the clock.
// It is handed to whoever needs it; there is no global way to it.
class COrvantis2App
{
public:
    COrvantis2App();
    ~COrvantis2App();
    COrvantis2App(const COrvantis2App &) = delete;
    COrvantis2App &operator=(const COrvantis2App &) = delete;

    // Start-up: the single-copy test, the settings, the display state, the
    // shell registration and the main window, made by makeWindow (shown,
    // and registered through SetMainWindow). False ends the program with
    // ExitCode() (0 for a registration-only start or a hand-over to the
    // copy already running).
    using WindowFactory = std::function<std::unique_ptr<QWidget>(COrvantis2App &app)>;
    bool InitInstance(const QStringList &arguments, const WindowFactory &makeWindow);
    int ExitCode() const { return m_ExitCode; }

    // The shell's open command, "[open("PATH")]"; true when handled.
    bool OnDDECommand(const QString &command);
    // The path of an open command; false with the message to show.
    static bool ParseDDECommand(const QString &command, QString &path, QString &error);
    static QString MakeOpenCommand(const QString &path);

    // The reminders, their file and the due checks; made on first use
    // (the main window receives it), over the store, settings and clock
    // set by then.
    CReminderSession &Session();
    CIconLibrary &IconLibrary();
    bool HaveIconLibrary() const { return m_IconLibrary != nullptr; }
    // Loads the built-in and imported icons (the main window's start-up).
    void PrepareIconLibrary();
    // The icons as the dialogs reach them.
    CIconSource IconSource();
    CSettingsStore &Settings() { return *m_Settings; }
    // The user's options, typed, over the same settings.
    CProgramSettings &Options() { return *m_Options; }
    CSoundPlayer &SoundPlayer();
    const CClock &Clock() const { return *m_Clock; }
    COleDateTime Now() const { return m_Clock->Now(); }
    QWidget *MainWindow() const { return m_MainWindow; }

    // The folder that holds the reminder file, icons/, sounds/ and the cache.
    QString DataFolder() const;
    QString SoundFolder() const;
    QString IconFolder() const;
    // The help manual: beside the program, else a copy of the one the
    // program carries, written into the data folder.
    QString HelpFile() const;
    // The help page in the locale's language among pages ("KM_de.html"),
    // else the English "KM.html".
    static QString HelpPageName(const QLocale &locale, const QStringList &pages);

    // For tests and special starts; the objects are not owned. The
    // settings are replaced only before the session is made.
    void SetClock(const CClock *clock);
    void SetSoundPlayer(CSoundPlayer *player);
    void SetDataFolder(const QString &folder);
    void SetSettings(std::unique_ptr<CSettingsStore> settings);
    // The main window, and how it opens a file handed to the program.
    void SetMainWindow(QWidget *window, std::function<void(const QString &)> openFile)
    {
        m_MainWindow = window;
        m_OpenFile = std::move(openFile);
    }

    // Per-user settings: section and key as the program names them
    // ("Options"/"NewReminderTime"), text values.
    QString GetProfileString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    void WriteProfileString(const QString &section, const QString &key, const QString &value);

    // The text size of the desktop's font, as the window's text is scaled.
    double TextSizeFactor() const { return m_TextSizeFactor; }
    // The hidden-icon gesture has been made (until the next one): the
    // editor offers the hidden icon.
    bool HiddenIconUnlocked() const { return m_HiddenIconUnlocked; }
    void SetHiddenIconUnlocked(bool on) { m_HiddenIconUnlocked = on; }
    // The program's folder (with a final slash) and its file's time, as
    // read at start-up.
    QString ProgramFolder() const { return m_ProgramFolder; }
    qint64 ProgramFileTime() const { return m_ProgramFileTime; }

    // The reminder under the calendar's last right click, by id (0: none);
    // a command on it finds it by that id, wherever the list has moved it.
    quint64 ContextReminder() const { return m_ContextReminder; }
    void SetContextReminder(quint64 id) { m_ContextReminder = id; }

    // Interface clicks; the flag lives with the sound player so that the
    // calendar and the picture buttons see it too.
    bool InterfaceSounds() const;
    void SetInterfaceSounds(bool on);

private:
    void ReadProgramFile();
    QString FileArgument(const QStringList &arguments, bool &registerOnly) const;

    std::unique_ptr<CIconLibrary> m_IconLibrary;
    std::unique_ptr<CSettingsStore> m_Settings;
    std::unique_ptr<CProgramSettings> m_Options;
    std::unique_ptr<CReminderStore> m_Store;
    // After the store and settings, which it works on.
    std::unique_ptr<CReminderSession> m_Session;
    std::unique_ptr<CSoundPlayer> m_OwnSoundPlayer;
    std::unique_ptr<CSingleInstance> m_SingleInstance;
    std::unique_ptr<QWidget> m_OwnMainWindow;
    CSoundPlayer *m_SoundPlayer = nullptr;
    CSystemClock m_SystemClock;
    const CClock *m_Clock = &m_SystemClock;
    QWidget *m_MainWindow = nullptr;
    std::function<void(const QString &)> m_OpenFile;
    int m_ExitCode = 0;
    quint64 m_ContextReminder = 0;
    qint64 m_ProgramFileTime = 0;
    QString m_ProgramFolder;
    double m_TextSizeFactor = 10.0;
    bool m_HiddenIconUnlocked = false;
};
