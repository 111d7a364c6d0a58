#include "app/CEditorCommands.h"

#include "app/CCommandIds.h"
#include "app/COrvantis2App.h"
#include "app/CCommandHost.h"
#include "app/CCommandTable.h"
#include "app/CMainCommands.h"
#include "app/CShellRegistration.h"
#include "app/CSyncAccountPanel.h"
#include "session/CReminderSession.h"
#include "dialogs/CDayListRows.h"
#include "dialogs/CEditRemindersDlg.h"
#include "dialogs/CLibraryEditorIcons.h"
#include "dialogs/CNewEventDlg.h"
#include "dialogs/CNewEventForm.h"
#include "dialogs/COptionsDlg.h"
#include "model/CIconNameMap.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CProgramSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTime>
#include <memory>

#include "media/CIconLibrary.h"

namespace {

// The time of day the last new reminder was given, "HH:mm".
const QString kNewTimeSection = QStringLiteral("Options");
const QString kNewTimeKey = QStringLiteral("NewReminderTime");
const QString kNewTimeFormat = QStringLiteral("HH:mm");

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

void InstallEditorCommands(const CCommandScope &s)
{
    CCommandTable &table = s.m_Host.Commands();
    table.Register(KmCommand::NewReminder, [s] { CEditorCommands::NewReminder(s); });
    // A right click selects its day first, so "New..." of a context menu
    // is for the selected day: the occurrence clicked, not a series' start.
    table.Register(KmCommand::NewContext, [s] { CEditorCommands::NewReminder(s); });
    table.Register(KmCommand::DayList, [s] { CEditorCommands::DayList(s); });
    table.Register(KmCommand::EditContext, [s] { CEditorCommands::EditContextReminder(s); });
    table.Register(KmCommand::Properties, [s] { CEditorCommands::EditContextReminder(s); });
    table.Register(KmCommand::Options, [s] { CEditorCommands::Options(s); });
}

CEditorContext CEditorCommands::MakeContext(const CCommandScope &s, CEditorIcons &icons)
{
    COrvantis2App &app = s.m_App;
    CEditorContext c;
    c.m_Icons = &icons;
    c.m_Sound = &app.SoundPlayer();
    c.m_DataFolder = app.DataFolder();
    c.m_HiddenIconUnlocked = app.HiddenIconUnlocked();
    c.m_Reminders = &s.m_Session.Reminders();
    c.m_SelectedDay = s.m_Host.SelectedDate();
    CCommandTable *table = &s.m_Host.Commands();
    c.m_NewReminder = [table] { table->Run(KmCommand::NewReminder); };
    CReminderSession *session = &s.m_Session;
    c.m_ListChanged = [session] { session->NotifyListChanged(); };
    c.m_Options = &app.Options();
    c.m_AutostartEnabled = [] { return IsAutostartOn(CShellRegistration::UserFolders().m_ConfigHome); };
    c.m_SetAutostart = [](bool on) {
        return SetAutostart(CShellRegistration::UserFolders().m_ConfigHome, QCoreApplication::applicationFilePath(), on);
    };
    return c;
}

void CEditorCommands::NewReminder(const CCommandScope &s)
{
    const auto icons = editorIcons(s.m_App);
    const CEditorContext context = MakeContext(s, *icons);
    CNewEventDlg editor(context, s.m_Host.DialogParent());
    const QTime last = QTime::fromString(s.m_App.GetProfileString(kNewTimeSection, kNewTimeKey), kNewTimeFormat);
    editor.m_Date = CNewEventForm::NewReminderTime(CReminderList::DateOnly(s.m_Host.SelectedDate()), s.m_App.Now(),
                                                   last.isValid() ? last.hour() * 60 + last.minute() : -1);
    editor.m_Type = RecurOneTime;
    editor.m_AdvanceNotice = COleDateTimeSpan(1.0);
    const int generation = context.m_Icons->Generation();
    if (editor.exec() == QDialog::Accepted) {
        Trace("Adding...");
        s.m_App.WriteProfileString(kNewTimeSection, kNewTimeKey,
                                   QTime(editor.m_Date.GetHour(), editor.m_Date.GetMinute()).toString(kNewTimeFormat));
        CReminderList &list = s.m_Session.Reminders();
        list.AddReminder(editor.m_Date, editor.m_AdvanceNotice, editor.m_IconName, editor.m_Message, editor.m_Type,
                         editor.m_Private, editor.m_SoundFileName, false, CReminder::kDefaultDate);
        list.RebuildIndexes();
        s.m_Session.NotifyListChanged();
    } else if (context.m_Icons->Generation() != generation) {
        s.m_Host.RefreshAll();
    }
}

void CEditorCommands::DayList(const CCommandScope &s)
{
    const auto icons = editorIcons(s.m_App);
    CEditRemindersDlg dayList(MakeContext(s, *icons), s.m_Host.DialogParent());
    dayList.m_ColumnTitle = CDayListRows::ColumnTitle(s.m_Host.SelectedDate());
    dayList.exec();
    // An edit in the day list may have moved a reminder's date or time.
    if (!s.m_Session.Reminders().IsSorted())
        s.m_Session.Reminders().Sort();
    s.m_Session.AnnounceListChanged();
}

void CEditorCommands::EditContextReminder(const CCommandScope &s)
{
    const int index = CMainCommands::FindContextReminder(s);
    if (index < 0)
        return;
    CReminderList &list = s.m_Session.Reminders();
    // Known by its id while the editor is open: outside changes, a sync or
    // a nested command may move it in the list meanwhile.
    const CReminder edited = list[index];
    const auto icons = editorIcons(s.m_App);
    const CEditorContext context = MakeContext(s, *icons);
    CNewEventDlg editor(context, s.m_Host.DialogParent());
    editor.LoadReminder(edited);
    const int generation = context.m_Icons->Generation();
    if (editor.exec() == QDialog::Accepted) {
        if (CReminder *r = list.Find(edited.Id())) {
            editor.StoreReminder(*r);
        } else {
            // Deleted elsewhere meanwhile: what the user just wrote is kept,
            // as a reminder of its own (the old id stays deleted).
            Trace("The reminder was deleted elsewhere while it was edited: the edit is kept as a new one.\n");
            CReminder copy = edited;
            copy.SetId(0);
            editor.StoreReminder(copy);
            list.InsertSorted(copy);
        }
        // The date or time may have moved: the day queries need the list in
        // order.
        list.Sort();
        s.m_Session.NotifyListChanged();
        return;
    }
    Trace(QStringLiteral("Mapcount %1, old map count %2\n").arg(context.m_Icons->Generation()).arg(generation));
    if (context.m_Icons->Generation() > generation) {
        Trace("Imported icons.  Redrawing!\n");
        s.m_Host.RefreshAll();
    }
}

void CEditorCommands::Options(const CCommandScope &s)
{
    COrvantis2App &app = s.m_App;
    const int days = app.Options().UpcomingDays();
    const auto icons = editorIcons(app);
    COptionsDlg options(MakeContext(s, *icons), s.m_Host.DialogParent());
    options.AddSyncAccount(CSyncAccountPanel::Create(s.m_Session));
    options.exec();
    if (app.Options().UpcomingDays() != days)
        s.m_Host.RebuildUpcomingList();
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
