// The sharing commands with their real dialogs: each modal dialog is
// answered by the test the moment it opens, as a person would.
#include "app/CSharingCommands.h"
#include "dialogs/CDeleteRangeDlg.h"
#include "dialogs/CExportSelectionDlg.h"
#include "dialogs/CReminderPackTitleDlg.h"
#include "dialogs/CSpinEdit.h"
#include "model/CReminderList.h"
#include "storage/CRangeDelete.h"
#include "storage/CReminderExchange.h"
#include "support/CRecordingMessageSink.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

class FakeHost : public CSharingCommands::Host
{
public:
    FakeHost(CReminderList &list, const QString &folder) : m_list(list), m_folder(folder) {}
    CReminderList &Reminders() override { return m_list; }
    QWidget *Window() override { return nullptr; }
    QString DataFolder() override { return m_folder; }
    QString IconFolder() override { return m_folder + QStringLiteral("/icons"); }
    COleDateTime Now() override { return COleDateTime(2026, 12, 8, 10, 0, 0); }
    void HoldList() override { ++m_holds; }
    void ReleaseList() override { ++m_releases; }
    void NotifyListChanged() override { ++m_changes; }
    void ShowAndRaise() override {}
    CIconSource Icons() override { return CIconSource(); }
    void IconFilesArrived() override { ++m_iconArrivals; }

    CReminderList &m_list;
    QString m_folder;
    int m_holds = 0, m_releases = 0, m_changes = 0, m_iconArrivals = 0;
};

// Runs answer on the next modal dialog of type T once it is showing. With
// again, the answer is repeated while that dialog stays up: the file
// dialogs fill their views from a thread and may take a first answer as
// the choice of a folder.
template <typename T>
void WhenShown(std::function<void(T *)> answer, bool again = false)
{
    auto *poll = new QTimer;
    poll->setInterval(again ? 100 : 10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer, again] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (!again || !poll->property("answered").toBool()) {
            poll->setProperty("answered", true);
            // Done with this dialog once it ends, whoever ended it.
            QObject::connect(dialog, &QDialog::finished, poll, [poll] {
                poll->stop();
                poll->deleteLater();
            });
        }
        if (!again)
            poll->stop();
        answer(dialog);
    });
    poll->start();
}

// Types a whole path into a file dialog's name field and presses its
// button; selectFile() leaves the field alone while it has the focus.
void TypeFileName(QFileDialog *files, const QString &path)
{
    auto *edit = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(path);
    static_cast<QDialog *>(files)->accept();
}

void SetRange(QDialog *dlg, int fromMonth, int fromDay, int fromYear, int toMonth, int toDay, int toYear)
{
    dlg->findChild<QComboBox *>(QStringLiteral("fromMonth"))->setCurrentIndex(fromMonth - 1);
    dlg->findChild<CSpinEdit *>(QStringLiteral("fromDay"))->setValue(fromDay);
    dlg->findChild<CSpinEdit *>(QStringLiteral("fromYear"))->setValue(fromYear);
    dlg->findChild<QComboBox *>(QStringLiteral("toMonth"))->setCurrentIndex(toMonth - 1);
    dlg->findChild<CSpinEdit *>(QStringLiteral("toDay"))->setValue(toDay);
    dlg->findChild<CSpinEdit *>(QStringLiteral("toYear"))->setValue(toYear);
}

class SharingCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        auto host = std::make_unique<FakeHost>(m_list, m_dir.path());
        m_host = host.get();
        m_commands = std::make_unique<CSharingCommands>(std::move(host));
    }
    void Add(const COleDateTime &when, const QString &message, int recurrence = RecurOneTime)
    {
        m_list.AddReminder(when, COleDateTimeSpan(0.0), QStringLiteral("Gift"), message, recurrence, false, QString(),
                           false, CReminder::kDefaultDate);
        m_list.RebuildIndexes();
    }
    QStringList Messages() const
    {
        QStringList texts;
        for (const CReminder &r : m_list.Reminders())
            texts << r.m_Message;
        texts.sort();
        return texts;
    }
    // The reminders a written pack or CSV file brings into an empty list.
    QStringList ImportedFrom(const QString &path)
    {
        QTemporaryDir other;
        CReminderList list;
        CRecordingMessageSink quiet;
        EXPECT_TRUE(CReminderExchange::ImportFile(list, path, other.path()).m_Ok);
        QStringList texts;
        for (const CReminder &r : list.Reminders())
            texts << r.m_Message;
        texts.sort();
        return texts;
    }
    void ChooseRows(CExportSelectionDlg *dlg, const QStringList &messages)
    {
        QTreeWidget *left = dlg->LeftList();
        for (int i = 0; i < left->topLevelItemCount(); ++i)
            left->topLevelItem(i)->setSelected(messages.contains(left->topLevelItem(i)->text(0)));
        dlg->OnAdd();
    }

    QTemporaryDir m_dir;
    CReminderList m_list;
    FakeHost *m_host = nullptr;
    std::unique_ptr<CSharingCommands> m_commands;
    CRecordingMessageSink m_messages;
};

} // namespace

TEST_F(SharingCommands, DeleteRangeAsksFirstAndNoKeepsEverything)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("May day"));
    Add(COleDateTime(2026, 5, 31, 23, 30, 0), QStringLiteral("Last of May, late"));
    Add(COleDateTime(2026, 6, 1, 0, 0, 0), QStringLiteral("June"));
    Add(COleDateTime(2026, 5, 10, 8, 0, 0), QStringLiteral("Weekly"), RecurWeekly);

    // The dialog opens on the default range (half a year back to a month back).
    COleDateTime shownFrom, shownTo;
    WhenShown<CDeleteRangeDlg>([&](CDeleteRangeDlg *dlg) {
        shownFrom = COleDateTime(dlg->findChild<CSpinEdit *>(QStringLiteral("fromYear"))->valueText().toInt(),
                                 dlg->findChild<QComboBox *>(QStringLiteral("fromMonth"))->currentIndex() + 1,
                                 dlg->findChild<CSpinEdit *>(QStringLiteral("fromDay"))->valueText().toInt(), 0, 0, 0);
        shownTo = COleDateTime(dlg->findChild<CSpinEdit *>(QStringLiteral("toYear"))->valueText().toInt(),
                               dlg->findChild<QComboBox *>(QStringLiteral("toMonth"))->currentIndex() + 1,
                               dlg->findChild<CSpinEdit *>(QStringLiteral("toDay"))->valueText().toInt(), 0, 0, 0);
        SetRange(dlg, 5, 1, 2026, 5, 31, 2026);
        dlg->findChild<QPushButton *>(QStringLiteral("ok"))->click();
    });
    m_messages.m_answers = { CMessageSink::IdNo };
    m_commands->OnDeleteRange();

    EXPECT_EQ(shownFrom, CReminderList::DateOnly(CRangeDelete::DefaultFrom(m_host->Now())));
    EXPECT_EQ(shownTo, CReminderList::DateOnly(CRangeDelete::DefaultTo(m_host->Now())));
    ASSERT_EQ(m_messages.m_messages.size(), 1);
    EXPECT_EQ(m_messages.m_messages[0],
              CRangeDelete::ConfirmationText(COleDateTime(2026, 5, 1, 0, 0, 0), COleDateTime(2026, 5, 31, 0, 0, 0)));
    EXPECT_EQ(m_list.Reminders().size(), 4u);
    EXPECT_EQ(m_host->m_changes, 0);
    // The list is held for the whole command and released once.
    EXPECT_EQ(m_host->m_holds, 1);
    EXPECT_EQ(m_host->m_releases, 1);
}

TEST_F(SharingCommands, DeleteRangeYesDeletesThroughTheToDayAndCounts)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("May day"));
    Add(COleDateTime(2026, 5, 31, 23, 30, 0), QStringLiteral("Last of May, late"));
    Add(COleDateTime(2026, 6, 1, 0, 0, 0), QStringLiteral("June"));
    Add(COleDateTime(2026, 5, 10, 8, 0, 0), QStringLiteral("Weekly"), RecurWeekly);

    WhenShown<CDeleteRangeDlg>([](CDeleteRangeDlg *dlg) {
        SetRange(dlg, 5, 1, 2026, 5, 31, 2026);
        dlg->findChild<QPushButton *>(QStringLiteral("ok"))->click();
    });
    m_messages.m_answers = { CMessageSink::IdYes, CMessageSink::IdOk };
    m_commands->OnDeleteRange();

    ASSERT_EQ(m_messages.m_messages.size(), 2);
    EXPECT_EQ(m_messages.m_messages[1], CRangeDelete::CountText(2));
    EXPECT_EQ(Messages(), QStringList({ QStringLiteral("June"), QStringLiteral("Weekly") }));
    EXPECT_EQ(m_host->m_changes, 1);
}

TEST_F(SharingCommands, DeleteRangeCancelledAsksNothing)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("May day"));
    WhenShown<CDeleteRangeDlg>([](CDeleteRangeDlg *dlg) { dlg->reject(); });
    m_commands->OnDeleteRange();
    EXPECT_TRUE(m_messages.m_messages.isEmpty());
    EXPECT_EQ(m_list.Reminders().size(), 1u);
}

TEST_F(SharingCommands, PrintOfAnEmptyRangeSaysSoAndOpensNoPrintDialog)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("May day"));
    WhenShown<QDialog>([](QDialog *dlg) {
        SetRange(dlg, 7, 1, 2026, 7, 31, 2026);
        dlg->findChild<QPushButton *>(QStringLiteral("ok"))->click();
    });
    m_commands->OnPrint();
    EXPECT_EQ(m_messages.m_messages, QStringList { CSharingCommands::kNoRemindersToPrintMessage });
}

TEST_F(SharingCommands, PrintWritesThePdfTheDialogWasPresetTo)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("May day"));
    Add(COleDateTime(2026, 5, 2, 9, 0, 0), QStringLiteral("Second of May"), RecurAnnual);
    const QString pdf = m_dir.filePath(QStringLiteral("out.pdf"));
    m_commands->PrintView().SetDefaultPdfPath(pdf);

    bool sawPrintDialog = false;
    WhenShown<QDialog>([&](QDialog *range) {
        SetRange(range, 5, 1, 2026, 5, 2, 2026);
        WhenShown<QPrintDialog>([&](QPrintDialog *print) {
            sawPrintDialog = true;
            print->accept();
        });
        range->findChild<QPushButton *>(QStringLiteral("ok"))->click();
    });
    m_commands->OnPrint();

    EXPECT_TRUE(sawPrintDialog);
    EXPECT_TRUE(m_messages.m_messages.isEmpty()) << m_messages.m_messages.join('|').toStdString();
    EXPECT_EQ(m_commands->PrintView().m_printReminderArray.size(), 2u);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no PDF was written";
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
}

TEST_F(SharingCommands, PrintPreviewShowsTheSamePagesAsThePrintedFile)
{
    // Forty entries over two days: more than one page.
    for (int i = 0; i < 40; ++i)
        Add(COleDateTime(2026, 5, 1 + i % 2, 8 + i % 12, i, 0), QStringLiteral("Entry %1").arg(i));
    m_commands->PrintView().SetDefaultPdfPath(m_dir.filePath(QStringLiteral("preview.pdf")));

    int previewPages = -1;
    bool sawRange = false;
    WhenShown<QDialog>([&](QDialog *range) {
        sawRange = true;
        SetRange(range, 5, 1, 2026, 5, 2, 2026);
        WhenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog *preview) {
            auto *pages = preview->findChild<QPrintPreviewWidget *>();
            if (pages)
                previewPages = pages->pageCount();
            preview->reject();
        });
        range->findChild<QPushButton *>(QStringLiteral("ok"))->click();
    });
    m_commands->OnPrintPreview();

    ASSERT_TRUE(sawRange) << "the range dialog did not come first";
    EXPECT_TRUE(m_messages.m_messages.isEmpty()) << m_messages.m_messages.join('|').toStdString();
    ASSERT_EQ(m_commands->PrintView().m_printReminderArray.size(), 40u);
    QPdfWriter writer(m_dir.filePath(QStringLiteral("printed.pdf")));
    const int printed = m_commands->PrintView().PrintDocument(writer);
    EXPECT_GE(printed, 2);
    EXPECT_EQ(previewPages, printed);
    EXPECT_EQ(m_host->m_holds, m_host->m_releases);
}

TEST_F(SharingCommands, PrintPreviewOfAnEmptyRangeSaysSoAndShowsNoPreview)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("May day"));
    bool sawPreview = false;
    WhenShown<QDialog>([&](QDialog *dlg) {
        SetRange(dlg, 7, 1, 2026, 7, 31, 2026);
        WhenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog *preview) {
            sawPreview = true;
            preview->reject();
        });
        dlg->findChild<QPushButton *>(QStringLiteral("ok"))->click();
    });
    m_commands->OnPrintPreview();
    EXPECT_FALSE(sawPreview);
    EXPECT_EQ(m_messages.m_messages, QStringList { CSharingCommands::kNoRemindersToPrintMessage });
}

TEST_F(SharingCommands, ExportSavesOnlyTheChosenRemindersToThePathGiven)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("One"));
    Add(COleDateTime(2026, 5, 2, 9, 0, 0), QStringLiteral("Two"));
    Add(COleDateTime(2026, 5, 3, 9, 0, 0), QStringLiteral("Three"));
    const QString path = m_dir.filePath(QStringLiteral("chosen.rpk"));

    QString fileDialogTitle;
    WhenShown<CExportSelectionDlg>([&](CExportSelectionDlg *dlg) {
        ChooseRows(dlg, { QStringLiteral("One"), QStringLiteral("Three") });
        WhenShown<QFileDialog>([&](QFileDialog *files) {
            fileDialogTitle = files->windowTitle();
            TypeFileName(files, path);
        }, true);
        dlg->findChild<QPushButton *>(QStringLiteral("saveButton"))->click();
    });
    m_commands->OnExport();

    EXPECT_EQ(fileDialogTitle, QStringLiteral("Export reminder pack as"));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(ImportedFrom(path), QStringList({ QStringLiteral("One"), QStringLiteral("Three") }));
    // Exporting leaves the list as it was.
    EXPECT_EQ(m_list.Reminders().size(), 3u);
}

TEST_F(SharingCommands, ExportCancelledAtTheFileDialogWritesNothing)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("One"));
    WhenShown<CExportSelectionDlg>([&](CExportSelectionDlg *dlg) {
        ChooseRows(dlg, { QStringLiteral("One") });
        WhenShown<QFileDialog>([](QFileDialog *files) { files->reject(); }, true);
        dlg->findChild<QPushButton *>(QStringLiteral("saveButton"))->click();
    });
    m_commands->OnExport();
    EXPECT_TRUE(QDir(m_dir.path()).entryList({ QStringLiteral("*.rpk") }).isEmpty());
    EXPECT_TRUE(m_messages.m_messages.isEmpty());
}

namespace {
// A stand-in mail program that records its arguments and keeps a copy of
// the attachment; exits with the code given.
QString WriteFakeMailer(const QString &folder, int exitCode)
{
    const QString script = folder + QStringLiteral("/fake-xdg-email");
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral("#!/bin/sh\n"
                              "printf '%s\\n' \"$@\" > '%1/args'\n"
                              "while [ $# -gt 0 ]; do [ \"$1\" = --attach ] && cp \"$2\" '%1/attachment.rpk'; shift; done\n"
                              "exit %2\n")
                   .arg(folder)
                   .arg(exitCode)
                   .toUtf8());
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return script;
}
} // namespace

TEST_F(SharingCommands, MailHandsAPackNamedAfterTheTitleToTheMailProgram)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("One"));
    Add(COleDateTime(2026, 5, 2, 9, 0, 0), QStringLiteral("Two"));
    m_commands->SetMailProgram(WriteFakeMailer(m_dir.path(), 0));

    WhenShown<CExportSelectionDlg>([&](CExportSelectionDlg *dlg) {
        ChooseRows(dlg, { QStringLiteral("Two") });
        WhenShown<CReminderPackTitleDlg>([](CReminderPackTitleDlg *title) {
            title->findChild<QLineEdit *>(QStringLiteral("IDC_EDIT_TITLE"))->setText(QStringLiteral("Family dates 2027"));
            title->findChild<QPushButton *>(QStringLiteral("ok"))->click();
        });
        dlg->findChild<QPushButton *>(QStringLiteral("mailButton"))->click();
    });
    m_commands->OnExport();

    EXPECT_TRUE(m_messages.m_messages.isEmpty()) << m_messages.m_messages.join('|').toStdString();
    QFile args(m_dir.filePath(QStringLiteral("args")));
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(args.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("--subject"));
    EXPECT_EQ(lines[1], QStringLiteral("Family dates 2027"));
    EXPECT_EQ(lines[2], QStringLiteral("--attach"));
    EXPECT_EQ(QFileInfo(lines[3]).fileName(), QStringLiteral("Family dates 2027.rpk"));
    EXPECT_EQ(ImportedFrom(m_dir.filePath(QStringLiteral("attachment.rpk"))), QStringList { QStringLiteral("Two") });
    QDir(m_commands->LastMailFolder()).removeRecursively();
}

TEST_F(SharingCommands, MailProgramMissingOrFailingIsReported)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("One"));
    const CReminderPack::Selection all = CReminderPack::SelectAll(m_list);

    m_commands->SetMailProgram(m_dir.filePath(QStringLiteral("no-such-mailer")));
    EXPECT_FALSE(m_commands->MailSelection(all, QStringLiteral("Title")));
    QDir(m_commands->LastMailFolder()).removeRecursively();

    m_commands->SetMailProgram(WriteFakeMailer(m_dir.path(), 3));
    EXPECT_FALSE(m_commands->MailSelection(all, QStringLiteral("Title")));
    QDir(m_commands->LastMailFolder()).removeRecursively();

    EXPECT_EQ(m_messages.m_messages,
              QStringList({ CReminderExchange::kMailUnsupportedMessage, CReminderExchange::kMailFailedMessage }));
}

TEST_F(SharingCommands, ImportThroughTheOpenDialogAddsAndRefreshes)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("Mine"));
    CReminderList other;
    other.AddReminder(COleDateTime(2027, 1, 31, 18, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Gift"),
                      QStringLiteral("From a friend"), RecurMonthly, false, QString(), false, CReminder::kDefaultDate);
    const QString pack = m_dir.filePath(QStringLiteral("friend.rpk"));
    ASSERT_TRUE(CReminderExchange::ExportPackFile(other, pack, CReminderPack::SelectAll(other), m_dir.path()).m_Ok);
    m_messages.m_messages.clear();

    WhenShown<QFileDialog>([&](QFileDialog *files) {
        TypeFileName(files, pack);
    }, true);
    m_commands->OnImport();

    EXPECT_EQ(Messages(), QStringList({ QStringLiteral("From a friend"), QStringLiteral("Mine") }));
    EXPECT_EQ(m_host->m_changes, 1);
    EXPECT_TRUE(m_list.IsSorted());
}

TEST_F(SharingCommands, ImportOfADamagedPackSaysSoAndKeepsTheList)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("Mine"));
    const QString pack = m_dir.filePath(QStringLiteral("broken.rpk"));
    QFile file(pack);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x03\x00\x00\x00garbage that is not a pack", 30));
    file.close();

    EXPECT_FALSE(m_commands->ImportPath(pack));
    ASSERT_FALSE(m_messages.m_messages.isEmpty());
    EXPECT_EQ(Messages(), QStringList { QStringLiteral("Mine") });
}

TEST_F(SharingCommands, ExportOffersICalendarAndWritesItByTheName)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("One"));
    Add(COleDateTime(2026, 5, 2, 9, 0, 0), QStringLiteral("Two"), RecurWeekly);
    const QString path = m_dir.filePath(QStringLiteral("calendar.ics"));
    QStringList filters;
    WhenShown<CExportSelectionDlg>([&](CExportSelectionDlg *dlg) {
        ChooseRows(dlg, { QStringLiteral("One"), QStringLiteral("Two") });
        WhenShown<QFileDialog>([&](QFileDialog *files) {
            filters = files->nameFilters();
            TypeFileName(files, path);
        }, true);
        dlg->findChild<QPushButton *>(QStringLiteral("saveButton"))->click();
    });
    m_commands->OnExport();

    EXPECT_TRUE(filters.contains(QStringLiteral("iCalendar (*.ics)"))) << filters.join(QLatin1Char('|')).toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("BEGIN:VCALENDAR"));
    EXPECT_EQ(ImportedFrom(path), QStringList({ QStringLiteral("One"), QStringLiteral("Two") }));
}

TEST_F(SharingCommands, DroppedICalendarFilesImportOrAreRefusedWithASorry)
{
    Add(COleDateTime(2026, 5, 1, 9, 0, 0), QStringLiteral("Mine"));
    const QString good = m_dir.filePath(QStringLiteral("Friends.ICS"));
    const QString bad = m_dir.filePath(QStringLiteral("broken.ics"));
    QFile g(good);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART:20260601T090000\r\nSUMMARY:Picnic\r\n"
            "RRULE:FREQ=YEARLY;INTERVAL=2\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    g.close();
    QFile b(bad);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n");
    b.close();
    m_messages.m_messages.clear();
    m_messages.m_icons.clear();

    m_commands->HandleDroppedFiles({ good, bad });

    EXPECT_EQ(Messages(), QStringList({ QStringLiteral("Mine"), QStringLiteral("Picnic") }));
    ASSERT_EQ(m_messages.m_messages.size(), 2);
    EXPECT_TRUE(m_messages.m_messages[0].startsWith(QStringLiteral("iCalendar file successfully imported.")));
    EXPECT_TRUE(m_messages.m_messages[0].contains(QStringLiteral("1 event simplified")));
    EXPECT_EQ(m_messages.m_icons[0], CMessageSink::Information);
    EXPECT_TRUE(m_messages.m_messages[1].startsWith(QStringLiteral("Sorry, the file ")));
    EXPECT_EQ(m_host->m_changes, 2);
}
