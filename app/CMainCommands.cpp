#include "app/CMainCommands.h"

#include "app/CCommandIds.h"
#include "app/COrvantis2App.h"
#include "app/CCommandHost.h"
#include "app/CCommandTable.h"
#include "calendar/CMenuKeys.h"
#include "session/CReminderSession.h"
#include "session/CListHold.h"
#include "dialogs/CAboutBoxDlg.h"
#include "graphics/CMessageBox.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CKmPaths.h"
#include "storage/CWeeklyBackup.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QPointer>
#include <QProcess>
#include <QShortcut>
#include <QStandardPaths>
#include <QUrl>

#include "app/CEditorCommands.h"
#include "app/CSharingCommands.h"

namespace {

// xdg-open's exit status says whether a program took the file; Qt's own
// opening only says whether xdg-open started.
void DesktopOpen(const QUrl &url, std::function<void(bool)> done)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        done(QDesktopServices::openUrl(url));
        return;
    }
    auto *process = new QProcess(qApp);
    QObject::connect(process, &QProcess::finished, process, [process, done](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        done(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, done](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        done(false);
    });
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(opener, { url.toString() });
}

CMainCommands::UrlOpener s_opener = &DesktopOpen;

} // namespace

void CMainCommands::SetUrlOpener(UrlOpener opener) { s_opener = opener ? opener : &DesktopOpen; }

void CMainCommands::OpenUrl(const QUrl &url, std::function<void(bool)> done) { s_opener(url, std::move(done)); }

QString CMainCommands::ManualMessage(const QString &path, bool exists)
{
    if (!exists)
        //: %1 is the path of the help page.
        return QCoreApplication::translate("CMainCommands", "Sorry, the manual is missing. It belongs at %1.")
            .arg(QDir::toNativeSeparators(path));
    //: %1 is the path of the help page.
    return QCoreApplication::translate("CMainCommands",
                                       "Sorry, no program could show the manual. You can open it in a web browser; it is at %1.")
        .arg(QDir::toNativeSeparators(path));
}

void CMainCommands::Install(const CCommandScope &s)
{
    CCommandTable &table = s.m_Host.Commands();
    table.Register(KmCommand::About, [s] { About(s); });
    table.Register(KmCommand::Help, [s] { Help(s); });
    table.Register(KmCommand::ToggleSounds, [s] { ToggleSounds(s); });
    table.Register(KmCommand::GoToToday, [s] { s.m_Host.GoToToday(); });
    table.Register(KmCommand::DeleteContext, [s] { DeleteContextReminder(s); });
    table.Register(KmCommand::Recover, [s] { Recover(s); });
    InstallEditorCommands(s);
    InstallSharingCommands(s);
    InstallShortcuts(s.m_Host);
}

void CMainCommands::InstallShortcuts(CCommandHost &host)
{
    QWidget *window = host.DialogParent();
    if (!window)
        return;
    CCommandTable *table = &host.Commands();
    for (const CMenuKeys::Key &key : CMenuKeys::Table()) {
        auto *shortcut = new QShortcut(key.m_Keys, window);
        const int id = key.m_Command;
        QObject::connect(shortcut, &QShortcut::activated, window, [table, id] { table->Run(id); });
    }
}

void CMainCommands::About(const CCommandScope &s)
{
    CAboutBoxDlg about(s.m_Host.DialogParent());
    about.exec();
}

void CMainCommands::Help(const CCommandScope &s)
{
    const QString path = s.m_App.HelpFile();
    Trace(path + QLatin1Char('\n'));
    if (!QFileInfo::exists(path)) {
        CMessageBox::Show(ManualMessage(path, false));
        return;
    }
    // The answer may come after the command has ended; the window may be
    // gone by then.
    QPointer<QWidget> window(s.m_Host.DialogParent());
    OpenUrl(QUrl::fromLocalFile(path), [window, path](bool shown) {
        if (!shown && window)
            CMessageBox::Show(ManualMessage(path, true));
    });
}

void CMainCommands::ToggleSounds(const CCommandScope &s)
{
    COrvantis2App &app = s.m_App;
    app.SetInterfaceSounds(!app.InterfaceSounds());
    CMessageBox::Show(app.InterfaceSounds() ? QCoreApplication::translate("CMainCommands", "Sound on.")
                                              : QCoreApplication::translate("CMainCommands", "Sound is now off."),
                      CMessageSink::Ok, CMessageSink::Information);
    s.m_Session.Reminders().Sort();
    s.m_Session.AnnounceListChanged();
}

int CMainCommands::FindContextReminder(const CCommandScope &s)
{
    const quint64 id = s.m_App.ContextReminder();
    if (id == 0) {
        Trace("No valid reminder for property menu command!\n");
        return -1;
    }
    const int index = s.m_Session.Reminders().IndexOf(id);
    if (index < 0)
        Trace("The context reminder was deleted meanwhile: nothing to do.\n");
    return index;
}

void CMainCommands::DeleteContextReminder(const CCommandScope &s)
{
    const int index = FindContextReminder(s);
    if (index < 0)
        return;
    CReminderList &list = s.m_Session.Reminders();
    //: %1 is the reminder's message.
    const QString question = QCoreApplication::translate("CMainCommands",
                                                         "Reminder message:\n[%1]\nAre you sure you want to delete this reminder?")
                                 .arg(list[index].m_Message);
    // Known by its id while the question is open: the list may move meanwhile.
    const quint64 id = list[index].Id();
    if (CMessageBox::Show(question, CMessageSink::YesNo, CMessageSink::Question) != CMessageSink::IdYes)
        return;
    const int at = list.IndexOf(id);
    if (at < 0) {
        Trace("The reminder to delete was deleted elsewhere meanwhile.\n");
        return;
    }
    list.Delete(at);
    list.RebuildIndexes();
    s.m_App.SetContextReminder(0);
    s.m_Session.NotifyListChanged();
}

void CMainCommands::Recover(const CCommandScope &s)
{
    CListHold hold(s.m_Session);
    CWeeklyBackup &backup = s.m_Session.Backup();
    // Without a backup there is nothing to ask: the recovery says so.
    if (backup.HasBackup()) {
        for (const QString &question : backup.RecoveryQuestions()) {
            if (CMessageBox::Show(question, CMessageSink::YesNo, CMessageSink::Question) != CMessageSink::IdYes) {
                s.m_Session.AnnounceListChanged();
                return;
            }
        }
    }
    CUserMessage told;
    const bool recovered = s.m_Session.Recover(&told);
    CMessageBox::Tell(told);
    if (!recovered)
        s.m_Session.AnnounceListChanged();
}

