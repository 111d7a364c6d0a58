#include "app/CEditorCommands.h"

#include "app/CCommandIds.h"
#include "app/CMainCommands.h"
#include "app/COrvantis2App.h"
#include "app/COrvantis2Dlg.h"
#include "app/CShellRegistration.h"
#include "app/CSyncAccountPanel.h"
#include "session/CTimerPause.h"
#include "dialogs/CDayListRows.h"
#include "dialogs/CEditRemindersDlg.h"
#include "dialogs/CLibraryEditorIcons.h"
#include "dialogs/CNewEventDlg.h"
#include "dialogs/COptionsDlg.h"
#include "media/CIconNameMap.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <memory>

#include "media/CIconLibrary.h"

namespace {

// The editor's view of the icon library, for the length of one command.
std::unique_ptr<CLibraryEditorIcons> editorIcons(COrvantis2App &app)
{
    if (app.HaveIconLibrary()) {
        CIconLibrary &library = app.IconLibrary();
        // The editor imports from the data folder's icons/, never from
        // wherever the program happened to be started.
        if (library.IconsFolder().isEmpty())
            library.SetIconsFolder(app.IconFolder());
        return std::make_unique<CLibraryEditorIcons>(&library);
    }
    return std::make_unique<CLibraryEditorIcons>(nullptr);
}

} // namespace

void InstallEditorCommands(COrvantis2Dlg &dlg)
{
    CCommandTable &table = dlg.Commands();
    COrvantis2Dlg *d = &dlg;
    table.Register(KmCommand::NewReminder, [d] { CEditorCommands::NewReminder(*d); });
    // A right click selects its day first, so "New..." of a context menu
    // is for the selected day: the occurrence clicked, not a series' start.
    table.Register(KmCommand::NewContext, [d] { CEditorCommands::NewReminder(*d); });
    table.Register(KmCommand::DayList, [d] { CEditorCommands::DayList(*d); });
    table.Register(KmCommand::EditContext, [d] { CEditorCommands::EditContextReminder(*d); });
    table.Register(KmCommand::Properties, [d] { CEditorCommands::EditContextReminder(*d); });
    table.Register(KmCommand::Options, [d] { CEditorCommands::Options(*d); });
}

CEditorContext CEditorCommands::MakeContext(COrvantis2Dlg &dlg, CEditorIcons &icons)
{
    COrvantis2App &app = dlg.App();
    CEditorContext c;
    c.m_Icons = &icons;
    c.m_Sound = &app.SoundPlayer();
    c.m_DataFolder = app.DataFolder();
    c.m_HiddenIconUnlocked = app.m_HiddenIconUnlocked != 0;
    c.m_Reminders = &dlg.Reminders();
    c.m_SelectedDay = dlg.SelectedDate();
    COrvantis2Dlg *d = &dlg;
    c.m_NewReminder = [d] { d->OnCommand(KmCommand::NewReminder); };
    c.m_ListChanged = [d] { d->NotifyListChanged(); };
    c.m_UpcomingDays = &app.m_UpcomingDays;
    c.m_DefaultSound = &app.m_DefaultSound;
    c.m_DesktopNotifications = &app.m_DesktopNotifications;
    COrvantis2App *a = &app;
    c.m_WriteProfileString = [a](const QString &section, const QString &key, const QString &value) {
        a->WriteProfileString(section, key, value);
    };
    c.m_AutostartEnabled = [] { return IsAutostartOn(CShellRegistration::UserFolders().m_ConfigHome); };
    c.m_SetAutostart = [](bool on) {
        return SetAutostart(CShellRegistration::UserFolders().m_ConfigHome, QCoreApplication::applicationFilePath(), on);
    };
    return c;
}

void CEditorCommands::NewReminder(COrvantis2Dlg &dlg)
{
    CTimerPause pause(dlg.Session());
    const auto icons = editorIcons(dlg.App());
    const CEditorContext context = MakeContext(dlg, *icons);
    CNewEventDlg editor(context, dlg.Window());
    editor.m_Date = CReminderList::DateOnly(dlg.SelectedDate());
    editor.m_Type = RecurOneTime;
    editor.m_AdvanceNotice = COleDateTimeSpan(1.0);
    const int generation = context.m_Icons->Generation();
    if (editor.exec() == QDialog::Accepted) {
        Trace("Adding...");
        CReminderList &list = dlg.Reminders();
        list.AddReminder(editor.m_Date, editor.m_AdvanceNotice, editor.m_IconName, editor.m_Message, editor.m_Type,
                         editor.m_Private, editor.m_SoundFileName, false, CReminder::kDefaultDate);
        list.RebuildIndexes();
        dlg.NotifyListChanged();
    } else if (context.m_Icons->Generation() != generation) {
        dlg.RefreshAll();
    }
}

void CEditorCommands::DayList(COrvantis2Dlg &dlg)
{
    CTimerPause pause(dlg.Session());
    const auto icons = editorIcons(dlg.App());
    CEditRemindersDlg dayList(MakeContext(dlg, *icons), dlg.Window());
    dayList.m_ColumnTitle = CDayListRows::ColumnTitle(dlg.SelectedDate());
    dayList.exec();
    // An edit in the day list may have moved a reminder's date or time.
    if (!dlg.Reminders().IsSorted()) {
        dlg.Reminders().Sort();
        dlg.App().m_ContextReminderIndex = -1;
    }
    dlg.RefreshAll();
}

void CEditorCommands::EditContextReminder(COrvantis2Dlg &dlg)
{
    COrvantis2App &app = dlg.App();
    CReminderList &list = dlg.Reminders();
    const int index = app.m_ContextReminderIndex;
    if (index < 0 || index >= list.GetSize()) {
        Trace("No valid reminder for property menu command!\n");
        return;
    }
    CTimerPause pause(dlg.Session());
    const auto icons = editorIcons(dlg.App());
    const CEditorContext context = MakeContext(dlg, *icons);
    CNewEventDlg editor(context, dlg.Window());
    editor.LoadReminder(list[index]);
    const int generation = context.m_Icons->Generation();
    if (editor.exec() == QDialog::Accepted) {
        // The list may have changed under a nested command; the index must
        // still name a reminder.
        if (index >= list.GetSize())
            return;
        editor.StoreReminder(list[index], context.m_Icons->Generation());
        // The date or time may have moved: the day queries need the list in
        // order. Sorting moves indexes, so the context index goes.
        list.Sort();
        app.m_ContextReminderIndex = -1;
        dlg.NotifyListChanged();
        return;
    }
    Trace(QStringLiteral("Mapcount %1, old map count %2\n").arg(context.m_Icons->Generation()).arg(generation));
    if (context.m_Icons->Generation() > generation) {
        Trace("Imported icons.  Redrawing!\n");
        dlg.RefreshAll();
    }
}

void CEditorCommands::Options(COrvantis2Dlg &dlg)
{
    CTimerPause pause(dlg.Session());
    COrvantis2App &app = dlg.App();
    const int days = app.m_UpcomingDays;
    const auto icons = editorIcons(app);
    COptionsDlg options(MakeContext(dlg, *icons), dlg.Window());
    options.AddSyncAccount(CSyncAccountPanel::Create(dlg.Session()));
    options.exec();
    if (app.m_UpcomingDays != days)
        dlg.RebuildUpcomingList();
}

QString CEditorCommands::AutostartFile(const QString &configHome)
{
    return configHome + QStringLiteral("/autostart/") + CShellRegistration::kDesktopFile;
}

bool CEditorCommands::IsAutostartOn(const QString &configHome)
{
    QFile file(AutostartFile(configHome));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.readAll();
    return !text.contains("\nHidden=true") && !text.contains("X-GNOME-Autostart-enabled=false");
}

bool CEditorCommands::SetAutostart(const QString &configHome, const QString &programPath, bool on)
{
    QString entry = CShellRegistration::AutostartEntry(programPath);
    if (!on) {
        entry.replace(QStringLiteral("X-GNOME-Autostart-enabled=true"), QStringLiteral("X-GNOME-Autostart-enabled=false"));
        entry += QStringLiteral("Hidden=true\n");
    }
    const QString path = AutostartFile(configHome);
    if (!QDir().mkpath(configHome + QStringLiteral("/autostart")))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(entry.toUtf8());
    return file.commit();
}
