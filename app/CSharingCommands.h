#pragma once

#include "dialogs/CIconSource.h"
#include "model/COleDateTime.h"
#include "print/COrvantis2View.h"
#include "storage/CReminderPack.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

struct CCommandScope;
class CReminderList;
class QWidget;

// The commands that move reminders in and out of the program and onto
// paper: "Print reminders..." (32), "Delete range of reminders..." (48),
// "Export reminders..." (160), "Import reminders..." (176), and files
// dropped on the main window. Each brings its dialogs, confirmations and
// messages around the storage operations that do the work.
class CSharingCommands : public QObject
{
    Q_OBJECT

public:
    // What the commands need of the main window and the application.
    class Host
    {
    public:
        virtual ~Host() = default;
        virtual CReminderList &Reminders() = 0;
        virtual QWidget *Window() = 0;
        virtual QString DataFolder() = 0;
        virtual QString IconFolder() = 0;
        virtual COleDateTime Now() = 0;
        // Around a command that holds positions in the list (CListHold).
        virtual void HoldList() = 0;
        virtual void ReleaseList() = 0;
        // The list changed: redraw and save soon.
        virtual void NotifyListChanged() = 0;
        virtual void ShowAndRaise() = 0;
        virtual CIconSource Icons() = 0;
        // New icon files are in the icons folder: take them into the library.
        virtual void IconFilesArrived() = 0;
    };

    explicit CSharingCommands(std::unique_ptr<Host> host, QObject *parent = nullptr);
    ~CSharingCommands() override;

    // The range dialog, then the print dialog (OnPrint) or the preview
    // window, which can print from there (OnPrintPreview).
    void OnPrint();
    void OnPrintPreview();
    void OnDeleteRange();
    void OnExport();
    void OnImport();
    void HandleDroppedFiles(const QStringList &paths);

    // A pack opened with the program or handed over by a second start.
    void OpenPack(const QString &path);
    // An import from a chosen, dropped or opened file, with the list's
    // follow-up (indexes, icons, redraw and save) whatever its result.
    // A file that arrives while another import runs is imported after it
    // (and this returns false at once).
    bool ImportPath(const QString &path);
    bool IsImporting() const { return m_importing; }

    // Mail: the pack written into a new temporary folder as title + ".rpk"
    // and handed to the desktop's mail program. False when nothing was sent.
    bool MailSelection(const CReminderPack::Selection &selection, const QString &title);
    // The mail program; by default "xdg-email" from the PATH. Tests put
    // their own.
    void SetMailProgram(const QString &program) { m_mailProgram = program; }
    QString MailProgram() const;
    // The folder of the last mailed pack (left for the mail program to read).
    QString LastMailFolder() const { return m_lastMailFolder; }

    // The one print view.
    COrvantis2View &PrintView() { return m_view; }

    // Copies a dropped icon file into the icons folder, keeping any file of
    // that name already there; returns the message for the user.
    static QString CopyIconFile(const QString &iconFolder, const QString &path, bool *copied = nullptr);

    static const QString kExportFilter;
    static const QString kImportFilter;
    static const QString kNoRemindersToPrintMessage;
    static const QString kPrintErrorMessage;
    static const QString kIconImportedMessage;

private:
    class Hold;
    // The range dialog and the entries of the chosen days into the print
    // view; false (after saying why) when there is nothing to print.
    bool PreparePrint();
    QString AskSavePath();
    QString AskOpenPath();
    bool AskTitle(QString &title);

    bool ImportOne(const QString &path);

    std::unique_ptr<Host> m_host;
    COrvantis2View m_view;
    bool m_importing = false;
    QStringList m_queuedImports;
    QString m_mailProgram;
    QString m_lastMailFolder;
};

// Registers the commands above in the host's command table, with the
// files opened with the program and dropped on its window.
void InstallSharingCommands(const CCommandScope &s);
