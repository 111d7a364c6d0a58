#pragma once

#include "model/COleDateTime.h"

#include <QString>
#include <functional>

class CEditorIcons;
class CProgramSettings;
class CReminderList;
class CSoundPlayer;
class QWidget;

// What the reminder editor, the day list and the options dialog need from
// the program around them. The main window fills it from the application
// object; tests fill it with doubles. Pointers are not owned.
struct CEditorContext
{
    CEditorIcons *m_Icons = nullptr;
    CSoundPlayer *m_Sound = nullptr;
    // The folder that holds icons/ and sounds/.
    QString m_DataFolder;
    // The hidden-icon gesture has been made: the editor offers icon 62.
    bool m_HiddenIconUnlocked = false;

    // A file-open dialog: caption, initial file, filter (Qt syntax),
    // default suffix; the chosen path or empty. Empty function: QFileDialog.
    std::function<QString(QWidget *parent, const QString &caption, const QString &initial,
                          const QString &filter, const QString &suffix)> m_ChooseFile;

    // The day list: the reminders, the day shown, and the main window's
    // commands it runs.
    CReminderList *m_Reminders = nullptr;
    COleDateTime m_SelectedDay;
    std::function<void()> m_NewReminder;   // the new-reminder command for m_SelectedDay
    std::function<void()> m_ListChanged;   // refresh the main window, save soon

    // The options: the program-wide values, read and kept in the settings.
    CProgramSettings *m_Options = nullptr;
    std::function<bool()> m_AutostartEnabled;
    std::function<bool(bool on)> m_SetAutostart; // false when it could not be changed

    QString ChooseFile(QWidget *parent, const QString &caption, const QString &initial,
                       const QString &filter, const QString &suffix) const;
    QString SoundsFolder() const { return m_DataFolder + QStringLiteral("/sounds"); }
    QString IconsFolder() const { return m_DataFolder + QStringLiteral("/icons"); }
};
