#pragma once

#include "app/CClock.h"
#include "model/CReminderList.h"

#include <QString>
#include <memory>

class COrvantis2Dlg;
class CSoundPlayer;
class CIconLibrary;

// The application object: lives for the whole process and owns what the
// windows share: the reminder list, the icon library, the settings, the
// sound player and the clock. Reach it through theApp().
class COrvantis2App
{
public:
    COrvantis2App();
    ~COrvantis2App();
    COrvantis2App(const COrvantis2App &) = delete;
    COrvantis2App &operator=(const COrvantis2App &) = delete;

    // Start-up after the single-copy test: settings, display state, the
    // main window. False ends the program.
    bool InitInstance();
    // The shell's open command, "[open("PATH")]"; true when handled.
    bool OnDDECommand(const QString &command);

    CReminderList &Reminders() { return m_Reminders; }
    CIconLibrary &IconLibrary();
    // Per-user settings: section and key as the program names them
    // ("Options"/"UpcomingReminderDays"), text values.
    QString GetProfileString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    void WriteProfileString(const QString &section, const QString &key, const QString &value);
    CSoundPlayer &SoundPlayer();
    const CClock &Clock() const;
    COleDateTime Now() const;
    COrvantis2Dlg *MainWindow() const { return m_MainWindow; }

    // The folder that holds the reminder file, icons/, sounds/ and the cache.
    QString DataFolder() const;
    QString SoundFolder() const;
    QString IconFolder() const;
    // The help manual beside the program (or in its resources).
    QString HelpFile() const;

    // For tests and special starts; the objects are not owned.
    void SetClock(const CClock *clock);
    void SetSoundPlayer(CSoundPlayer *player);
    void SetDataFolder(const QString &folder);
    void SetMainWindow(COrvantis2Dlg *dlg) { m_MainWindow = dlg; }

    // Reads the Options section of the settings into the members below.
    void ReadSettings();
    // Interface clicks; the flag lives with the sound player so that the
    // calendar and the picture buttons see it too.
    bool InterfaceSounds() const;
    void SetInterfaceSounds(bool on);

    // Shared values, read by the windows.
    int m_UpcomingDays = 30;
    qint64 m_ProgramFileTime = 0;
    QString m_ProgramFolder;
    double m_TextSizeFactor = 10.0;
    int m_ContextReminderIndex = -1;
    int m_HiddenIconUnlocked = 0;
    QString m_DefaultSound;
    int m_ScreenDepth = 24;
    bool m_ShadowsOn = true;

private:
    void ComputeTextSizeFactor();

    CReminderList m_Reminders;
    std::unique_ptr<CIconLibrary> m_IconLibrary;
    std::unique_ptr<CSoundPlayer> m_OwnSoundPlayer;
    CSoundPlayer *m_SoundPlayer = nullptr;
    CSystemClock m_SystemClock;
    const CClock *m_Clock = &m_SystemClock;
    QString m_DataFolder;
    COrvantis2Dlg *m_MainWindow = nullptr;
};

// The one application object; only valid while it exists.
COrvantis2App &theApp();
// Whether one exists (tests of widgets that run without it).
bool HaveApp();
