#include "app/CAppAccessibility.h"
#include "app/CContextMenuKey.h"
#include "app/CMainCommands.h"
#include "app/COrvantis2App.h"
#include "app/COrvantis2Dlg.h"
#include "app/CQtMessageSink.h"
#include "app/CProgramIcon.h"
#include "app/CSignalSaver.h"
#include "app/CSyncPassword.h"
#include "session/CReminderSession.h"
#include "media/CSoundCanberra.h"
#include "graphics/CMessageBox.h"
#include "storage/CKmPaths.h"
#include "l10n/CTranslations.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(km_artwork);
    QApplication qapp(argc, argv);
    CKmPaths::SetApplicationIdentity();
    // The program's texts and Qt's own (the print and file dialogs) in the
    // user's language.
    const CTranslations translations(CTranslations::Scope::WithQt);
    // The window hides to the tray; an alert closing must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setDesktopFileName(QStringLiteral("kestrelmark"));
    // Every window's title bar: the alert, the message boxes, the dialogs.
    QApplication::setWindowIcon(CProgramIcon::Icon());
    CAppAccessibility::Install();
    CContextMenuKey::Install();

    CQtMessageSink sink;
    CMessageBox::SetSink(&sink);

    COrvantis2App app;
    CSoundCanberra sound;
    app.SetSoundPlayer(&sound);
    COrvantis2Dlg *dlg = nullptr;
    const auto makeWindow = [&dlg](COrvantis2App &a) {
        auto window = std::make_unique<COrvantis2Dlg>(a, a.Session());
        dlg = window.get();
        CMainCommands::Install({ a, a.Session(), *dlg });
        dlg->Initialize();
        // The file is read, the backup checked and the checks started with
        // the window there to tell and present what they find.
        a.Session().Start({ &CSyncPassword::read, &CSyncPassword::write });
        dlg->ShowAndRaise();
        return std::unique_ptr<QWidget>(std::move(window));
    };
    if (!app.InitInstance(QApplication::arguments(), makeWindow)) {
        CMessageBox::SetSink(nullptr);
        return app.ExitCode();
    }
    // Ends the loops at once, open dialogs included (quit() would first
    // ask every window to close, which the main window answers with its
    // close warning).
    QObject::connect(dlg, &COrvantis2Dlg::closeProgramRequested, &qapp, [] { QCoreApplication::exit(0); });

    // The session ends: the reminder file is written before the program goes.
    // Nobody is there to answer a box at that moment: failures go to the log.
    QObject::connect(&qapp, &QGuiApplication::commitDataRequest, &qapp, [dlg](QSessionManager &) {
        dlg->SetEnding(true);
        dlg->SaveReminders();
    });
    // The save itself runs once, at aboutToQuit.
    CSignalSaver signalSaver([dlg] {
        dlg->SetEnding(true);
        QCoreApplication::exit(0);
    });
    QObject::connect(&qapp, &QCoreApplication::aboutToQuit, dlg, [dlg] { dlg->SaveReminders(); });

    const int rc = qapp.exec();
    app.SetSoundPlayer(nullptr);
    CMessageBox::SetSink(nullptr);
    return rc;
}
