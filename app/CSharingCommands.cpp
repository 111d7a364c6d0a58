#include "app/CSharingCommands.h"

#include "app/CImportProgress.h"

#include "dialogs/CDateRangeDlg.h"
#include "dialogs/CDeleteRangeDlg.h"
#include "dialogs/CExportSelectionDlg.h"
#include "dialogs/CReminderPackTitleDlg.h"
#include "graphics/CMessageBox.h"
#include "model/CRegularFile.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CKmPaths.h"
#include "storage/CPrintSelection.h"
#include "storage/CRangeDelete.h"
#include "storage/CReminderExchange.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/CCommandIds.h"
#include "app/COrvantis2App.h"
#include "app/CCommandHost.h"
#include "app/CCommandTable.h"
#include "app/CCommandScope.h"
#include "l10n/KmTranslate.h"
#include "session/CReminderSession.h"
#include "media/CIconFile.h"
#include "media/CIconLibrary.h"

//: The file kinds of the export dialog, ";;" between them: keep the patterns in brackets.
const QString CSharingCommands::kExportFilter =
    QStringLiteral(QT_TRANSLATE_NOOP("CSharingCommands", "Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics);;All files (*)"));
//: The file kinds of the import dialog, ";;" between them: keep the patterns in brackets.
const QString CSharingCommands::kImportFilter =
    QStringLiteral(QT_TRANSLATE_NOOP("CSharingCommands", "Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics)"));
const QString CSharingCommands::kNoRemindersToPrintMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CSharingCommands", "There are no reminders to print in this date range."));
const QString CSharingCommands::kPrintErrorMessage = QStringLiteral(QT_TRANSLATE_NOOP("CSharingCommands", "Sorry, an error occured."));
const QString CSharingCommands::kIconImportedMessage = QStringLiteral(QT_TRANSLATE_NOOP("CSharingCommands", "Icon succesfully imported."));

namespace {

// How long the mail program may take to hand the message to the mail
// client before it is left to finish on its own.
constexpr int kMailWaitMs = 30000;

const QString kPrintFailedMessage = QStringLiteral(QT_TRANSLATE_NOOP("CSharingCommands", "Sorry, the reminders could not be printed."));

} // namespace

// Outside changes wait while a command holds positions in the list, by
// every path out of it.
class CSharingCommands::Hold
{
public:
    explicit Hold(Host &host) : m_host(host) { m_host.HoldList(); }
    ~Hold() { m_host.ReleaseList(); }
    Hold(const Hold &) = delete;
    Hold &operator=(const Hold &) = delete;

private:
    Host &m_host;
};

CSharingCommands::CSharingCommands(std::unique_ptr<Host> host, QObject *parent)
    : QObject(parent), m_host(std::move(host))
{
    setObjectName(QStringLiteral("sharingCommands"));
}

CSharingCommands::~CSharingCommands() = default;

// --- print -------------------------------------------------------------------

void CSharingCommands::OnPrint()
{
    Hold hold(*m_host);
    if (!PreparePrint())
        return;
    if (m_view.OnFilePrint(m_host->Window()) == COrvantis2View::Failed)
        CMessageBox::Show(KmTranslate("CSharingCommands", kPrintFailedMessage), CMessageSink::Ok, CMessageSink::Error);
}

void CSharingCommands::OnPrintPreview()
{
    Hold hold(*m_host);
    if (PreparePrint())
        m_view.OnFilePrintPreview(m_host->Window());
}

bool CSharingCommands::PreparePrint()
{
    CReminderList &list = m_host->Reminders();
    CDateRangeDlg dlg(m_host->Window());
    const COleDateTime today = CReminderList::DateOnly(m_host->Now());
    dlg.m_From = today;
    dlg.m_To = today;
    if (dlg.exec() != QDialog::Accepted)
        return false;

    std::unique_ptr<CReminderArray> array;
    try {
        array = CPrintSelection::ForDays(list, dlg.m_From, dlg.m_To);
    } catch (const std::exception &e) {
        Trace(QStringLiteral("MakePrintArray: %1\n").arg(QString::fromLocal8Bit(e.what())));
    }
    if (!array) {
        CMessageBox::Show(KmTranslate("CSharingCommands", kPrintErrorMessage), CMessageSink::Ok, CMessageSink::Error);
        return false;
    }
    if (array->empty()) {
        CMessageBox::Show(KmTranslate("CSharingCommands", kNoRemindersToPrintMessage), CMessageSink::Ok, CMessageSink::Information);
        return false;
    }

    // Icon numbers found earlier may have moved since icons were imported:
    // each entry prints the icon its name stands for now.
    const CIconSource icons = m_host->Icons();
    for (CReminder &entry : *array) {
        const int number = icons.Lookup(entry.m_IconName);
        if (number >= 0)
            entry.m_IconNumber = static_cast<quint16>(number);
    }
    m_view.m_printReminderArray = std::move(*array);
    m_view.SetIconSource(icons);
    return true;
}

// --- delete range ----------------------------------------------------------------

void CSharingCommands::OnDeleteRange()
{
    Hold hold(*m_host);
    CReminderList &list = m_host->Reminders();
    CDeleteRangeDlg dlg(m_host->Window());
    const COleDateTime now = m_host->Now();
    dlg.m_OneTimeOnly = 1;
    dlg.m_From = CRangeDelete::DefaultFrom(now);
    dlg.m_To = CRangeDelete::DefaultTo(now);
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (CMessageBox::Show(CRangeDelete::ConfirmationText(dlg.m_From, dlg.m_To), CMessageSink::YesNo,
                          CMessageSink::Question)
        != CMessageSink::IdYes)
        return;
    const int deleted = CRangeDelete::DeleteRange(list, dlg.m_From, dlg.m_To, dlg.m_OneTimeOnly == 1);
    if (deleted > 0)
        CMessageBox::Show(CRangeDelete::CountText(deleted), CMessageSink::Ok, CMessageSink::Information);
    list.RebuildIndexes();
    m_host->NotifyListChanged();
}

// --- export ----------------------------------------------------------------------

QString CSharingCommands::AskSavePath()
{
    QFileDialog dialog(m_host->Window(), tr("Export reminder pack as"));
    dialog.setObjectName(QStringLiteral("exportFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(KmTranslate("CSharingCommands", kExportFilter).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QStringLiteral("rpk"));
    //: The file name offered for a new export.
    dialog.selectFile(tr("Untitled"));
    // A name typed without an extension takes the one of the chosen kind.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(filter.contains(QLatin1String("*.csv"))   ? QStringLiteral("csv")
                                    : filter.contains(QLatin1String("*.ics")) ? QStringLiteral("ics")
                                                                              : QStringLiteral("rpk"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool CSharingCommands::AskTitle(QString &title)
{
    CReminderPackTitleDlg dlg(m_host->Window());
    // The dialog itself refuses an empty title or one with punctuation,
    // tells the user, empties the field and stays open.
    if (dlg.exec() != QDialog::Accepted)
        return false;
    title = dlg.m_Title;
    return true;
}

void CSharingCommands::OnExport()
{
    Hold hold(*m_host);
    CReminderList &list = m_host->Reminders();
    CExportSelectionDlg dlg(list, m_host->Window());
    dlg.SetIconSource(m_host->Icons());
    if (dlg.exec() != QDialog::Accepted)
        return;
    const CReminderPack::Selection selection(dlg.m_Selected.begin(), dlg.m_Selected.end());

    if (dlg.m_MailTo == 1) {
        QString title;
        if (!AskTitle(title))
            return;
        MailSelection(selection, title);
        return;
    }
    const QString path = AskSavePath();
    if (path.isEmpty())
        return;
    CMessageBox::Tell(CReminderExchange::ExportFile(list, path, selection, m_host->DataFolder()).m_Message);
}

QString CSharingCommands::MailProgram() const
{
    if (!m_mailProgram.isEmpty())
        return m_mailProgram;
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}

bool CSharingCommands::MailSelection(const CReminderPack::Selection &selection, const QString &title)
{
    // The pack goes into a folder of its own so that it can carry the
    // title as its name; the folder stays for the mail client to read.
    QTemporaryDir folder(QDir(QDir::tempPath()).filePath(QStringLiteral("rpk-XXXXXX")));
    if (!folder.isValid()) {
        CMessageBox::Show(CReminderExchange::OpenForWritingMessage(QDir::tempPath()), CMessageSink::Ok,
                          CMessageSink::Error);
        return false;
    }
    folder.setAutoRemove(false);
    m_lastMailFolder = folder.path();
    const QString attachment = title + QStringLiteral(".rpk");
    const QString path = QDir(folder.path()).filePath(attachment);
    Trace(path + QLatin1Char('\n'));
    Trace(attachment + QLatin1Char('\n'));
    const CReminderExchange::Outcome written =
        CReminderExchange::ExportPackFile(m_host->Reminders(), path, selection, m_host->DataFolder());
    CMessageBox::Tell(written.m_Message);
    if (!written.m_Ok)
        return false;

    const QString program = MailProgram();
    if (program.isEmpty()) {
        Trace("Load library failed.\n");
        CMessageBox::Show(KmTranslate("CReminderExchange", CReminderExchange::kMailUnsupportedMessage), CMessageSink::Ok, CMessageSink::Warning);
        return false;
    }
    auto *mail = new QProcess(this);
    mail->setProcessChannelMode(QProcess::ForwardedChannels);
    mail->start(program, { QStringLiteral("--subject"), title, QStringLiteral("--attach"), path });
    if (!mail->waitForStarted()) {
        Trace("Load library failed.\n");
        delete mail;
        CMessageBox::Show(KmTranslate("CReminderExchange", CReminderExchange::kMailUnsupportedMessage), CMessageSink::Ok, CMessageSink::Warning);
        return false;
    }
    if (!mail->waitForFinished(kMailWaitMs)) {
        // Still busy with the mail client: let it finish on its own.
        connect(mail, &QProcess::finished, mail, &QObject::deleteLater);
        return true;
    }
    const bool sent = mail->exitStatus() == QProcess::NormalExit && mail->exitCode() == 0;
    delete mail;
    if (!sent) {
        CMessageBox::Show(KmTranslate("CReminderExchange", CReminderExchange::kMailFailedMessage), CMessageSink::Ok, CMessageSink::Warning);
        return false;
    }
    return true;
}

// --- import ----------------------------------------------------------------------

QString CSharingCommands::AskOpenPath()
{
    QFileDialog dialog(m_host->Window(), tr("Import reminders"));
    dialog.setObjectName(QStringLiteral("importFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(KmTranslate("CSharingCommands", kImportFilter).split(QStringLiteral(";;")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void CSharingCommands::OnImport()
{
    Hold hold(*m_host);
    const QString path = AskOpenPath();
    if (!path.isEmpty())
        ImportPath(path);
}

void CSharingCommands::OpenPack(const QString &path)
{
    m_host->ShowAndRaise();
    Hold hold(*m_host);
    ImportPath(path);
}

bool CSharingCommands::ImportPath(const QString &path)
{
    // A long import lets events through, among them a file handed over by
    // a second start: that one waits its turn.
    if (m_importing) {
        m_queuedImports << path;
        return false;
    }
    m_importing = true;
    const bool imported = ImportOne(path);
    while (!m_queuedImports.isEmpty())
        ImportOne(m_queuedImports.takeFirst());
    m_importing = false;
    return imported;
}

bool CSharingCommands::ImportOne(const QString &path)
{
    CReminderList &list = m_host->Reminders();
    CReminderPack::ImportReport report;
    CReminderExchange::Outcome outcome;
    {
        CImportProgress progress(m_host->Window(), path);
        outcome = CReminderExchange::ImportFile(list, path, m_host->DataFolder(), &report,
                                                [&progress](qint64 done, qint64 total) { progress.Report(done, total); });
        CMessageBox::Tell(outcome.m_Message);
    }
    const bool imported = outcome.m_Ok;
    if (report.IconsArrived())
        m_host->IconFilesArrived();
    list.RebuildIndexes();
    m_host->NotifyListChanged();
    return imported;
}

// --- dropped files -------------------------------------------------------------------

namespace {

QByteArray fileHash(const QString &path)
{
    QFile file;
    QString error;
    if (CRegularFile::OpenForReading(file, path, error) != CRegularFile::Opened)
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

bool readableIcon(const QString &path)
{
    const std::unique_ptr<CIconResource> icon = ReadIconFromICOFile(path);
    if (!icon)
        return false;
    const int chosen = ChooseIconImage(*icon);
    CIconPicture picture;
    return chosen >= 0 && DecodeIconImage(icon->m_images[static_cast<size_t>(chosen)], &picture);
}

} // namespace

QString CSharingCommands::CopyIconFile(const QString &iconFolder, const QString &path, bool *copied)
{
    if (copied)
        *copied = false;
    const QString name = CKmPaths::FileNameOf(path);
    if (!readableIcon(path))
        return tr("Sorry, the file %1 is not an icon file that can be read, so it was not imported.")
            .arg(QDir::toNativeSeparators(path));
    const QString target = QDir(iconFolder).filePath(name);
    if (QFileInfo::exists(target)) {
        // The same icon dropped twice is already in place.
        const QByteArray old = fileHash(target);
        if (!old.isEmpty() && old == fileHash(path))
            return KmTranslate("CSharingCommands", kIconImportedMessage);
        return tr("Sorry, an icon named %1 is already in the icons folder, so the dropped one was not imported.").arg(name);
    }
    if (!QDir().mkpath(iconFolder) || !QFile::copy(path, target))
        return tr("Sorry, the icon file %1 could not be copied into the icons folder.").arg(QDir::toNativeSeparators(path));
    if (copied)
        *copied = true;
    return KmTranslate("CSharingCommands", kIconImportedMessage);
}

void CSharingCommands::HandleDroppedFiles(const QStringList &paths)
{
    Trace("OnDropFiles\n");
    // Outside changes wait until every dropped file is in.
    Hold hold(*m_host);
    for (const QString &path : paths) {
        Trace(path.right(4).toLower() + QLatin1Char('\n'));
        switch (CReminderExchange::KindOf(path)) {
        case CReminderExchange::Pack:
        case CReminderExchange::CalendarCsv:
        case CReminderExchange::ICalendar:
            Trace("Dropped Reminder Pack.\n");
            ImportPath(path);
            break;
        case CReminderExchange::IconFile: {
            Trace("Dropped icon file.\n");
            bool copied = false;
            const QString message = CopyIconFile(m_host->IconFolder(), path, &copied);
            if (copied)
                m_host->IconFilesArrived();
            CMessageBox::Show(message, CMessageSink::Ok,
                              message == KmTranslate("CSharingCommands", kIconImportedMessage) ? CMessageSink::Information : CMessageSink::Warning);
            break;
        }
        default:
            Trace("Dropped unsupported file!!!\n");
            m_host->ShowAndRaise();
            CMessageBox::Show(CReminderExchange::UnsupportedFileMessage(path), CMessageSink::Ok, CMessageSink::Warning);
            break;
        }
    }
}

// --- the main window -------------------------------------------------------------------

namespace {

class MainWindowHost : public CSharingCommands::Host
{
public:
    explicit MainWindowHost(const CCommandScope &s) : m_app(s.m_App), m_session(s.m_Session), m_window(s.m_Host) {}

    CReminderList &Reminders() override { return m_session.Reminders(); }
    QWidget *Window() override { return m_window.DialogParent(); }
    QString DataFolder() override { return m_app.DataFolder(); }
    QString IconFolder() override { return m_app.IconFolder(); }
    COleDateTime Now() override { return m_session.Now(); }
    void HoldList() override { m_session.HoldList(); }
    void ReleaseList() override { m_session.ReleaseList(); }
    void NotifyListChanged() override { m_session.NotifyListChanged(); }
    void ShowAndRaise() override { m_window.ShowAndRaise(); }

    CIconSource Icons() override
    {
        CIconSource icons;
        CIconLibrary *library = &m_app.IconLibrary();
        library->Load();
        icons.m_lookup = [library](const QString &name) { return library->Lookup(name); };
        icons.m_small = [library](int number) { return library->SmallImage(number); };
        icons.m_large = [library](int number) { return library->LargeImage(number); };
        return icons;
    }

    void IconFilesArrived() override
    {
        CIconLibrary &library = m_app.IconLibrary();
        if (library.IconsFolder().isEmpty())
            library.SetIconsFolder(m_app.IconFolder());
        library.ImportIcons();
        m_window.RefreshAll();
    }

private:
    COrvantis2App &m_app;
    CReminderSession &m_session;
    CCommandHost &m_window;
};

} // namespace

void InstallSharingCommands(const CCommandScope &s)
{
    // The table owns the commands: they live as long as their entries.
    const auto commands = std::make_shared<CSharingCommands>(std::make_unique<MainWindowHost>(s));
    CCommandTable &table = s.m_Host.Commands();
    table.Register(KmCommand::Print, [commands] { commands->OnPrint(); });
    table.Register(KmCommand::PrintPreview, [commands] { commands->OnPrintPreview(); });
    table.Register(KmCommand::DeleteRange, [commands] { commands->OnDeleteRange(); });
    table.Register(KmCommand::Export, [commands] { commands->OnExport(); });
    table.Register(KmCommand::Import, [commands] { commands->OnImport(); });
    // Packs opened with the program or handed over by a second start.
    table.RegisterFiles(CCommandTable::Files::Opened, [commands](const QStringList &paths) {
        for (const QString &path : paths)
            commands->OpenPack(path);
    });
    table.RegisterFiles(CCommandTable::Files::Dropped,
                        [commands](const QStringList &paths) { commands->HandleDroppedFiles(paths); });
}
