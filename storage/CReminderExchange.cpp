#include "storage/CReminderExchange.h"

#include "l10n/KmTranslate.h"

#include "model/CArchive.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "ical/CIcsFile.h"
#include "storage/CCalendarCsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

const QString CReminderExchange::kPackImportedMessage = QStringLiteral(QT_TRANSLATE_NOOP("CReminderExchange","Reminder Pack successfully imported."));
const QString CReminderExchange::kTitleMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CReminderExchange","Sorry, the title cannot contain punctuation characters or be empty."));
const QString CReminderExchange::kMailUnsupportedMessage = QStringLiteral(QT_TRANSLATE_NOOP("CReminderExchange",
    "Sorry, this function is not supported.  Please save your reminder pack as a file and attach it to an "
    "email using your favorite mail package."));
const QString CReminderExchange::kMailFailedMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("CReminderExchange","Sorry, there was a problem sending this file.  Please save it to disk instead."));

QString CReminderExchange::OpenForWritingMessage(const QString &path)
{
    return QCoreApplication::translate("CReminderExchange", "Sorry, there was an error opening %1 for writing.").arg(QDir::toNativeSeparators(path));
}

QString CReminderExchange::CannotOpenMessage(const QString &path)
{
    return QCoreApplication::translate("CReminderExchange", "Sorry, the file %1 could not be opened.").arg(QDir::toNativeSeparators(path));
}

QString CReminderExchange::NotAPackMessage(const QString &path)
{
    return QCoreApplication::translate("CReminderExchange", "Sorry, the file %1 is not a reminder pack, so nothing was imported.").arg(QDir::toNativeSeparators(path));
}

QString CReminderExchange::DamagedPackMessage(const QString &path)
{
    return QCoreApplication::translate("CReminderExchange", "Sorry, the reminder pack %1 is damaged and could not be read to the end.  What came before the damage was "
                         "imported.").arg(QDir::toNativeSeparators(path));
}

QString CReminderExchange::UnsupportedFileMessage(const QString &path)
{
    return QCoreApplication::translate("CReminderExchange", "Sorry, the file %1 is unsupported.").arg(QDir::toNativeSeparators(path));
}

CReminderExchange::FileKind CReminderExchange::KindOf(const QString &path)
{
    const QString ext = path.right(4).toLower();
    if (ext == QLatin1String(".rpk"))
        return Pack;
    if (ext == QLatin1String(".csv"))
        return CalendarCsv;
    if (ext == QLatin1String(".ics"))
        return ICalendar;
    if (ext == QLatin1String(".ico"))
        return IconFile;
    return Other;
}

bool CReminderExchange::IsValidPackTitle(const QString &title)
{
    if (title.isEmpty())
        return false;
    for (QChar c : title)
        if (QStringLiteral(".:;'\\/\"").contains(c))
            return false;
    return true;
}

CReminderExchange::Outcome CReminderExchange::Failed(const CUserMessage &message)
{
    return { false, message };
}

CReminderExchange::Outcome CReminderExchange::ExportPackFile(const CReminderList &list, const QString &path,
                                                             const CReminderPack::Selection &selection,
                                                             const QString &dataFolder)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failed(CUserMessage::Error(OpenForWritingMessage(path)));
    try {
        CArchive ar(&file, CArchive::store);
        if (!CReminderPack::ExportPack(ar, list, selection, dataFolder)) {
            Trace("No reminders selected; nothing written.\n");
            file.cancelWriting();
            return Failed({});
        }
        ar.Close();
    } catch (const std::exception &e) {
        Trace(QStringLiteral("ExportPackFile: %1\n").arg(QString::fromLocal8Bit(e.what())));
        file.cancelWriting();
    }
    if (!file.commit())
        return Failed(CUserMessage::Error(OpenForWritingMessage(path)));
    return { true, {} };
}

CReminderExchange::Outcome CReminderExchange::ExportFile(const CReminderList &list, const QString &path,
                                                         const CReminderPack::Selection &selection,
                                                         const QString &dataFolder)
{
    Trace(QStringLiteral("Exporting to ") + path + QStringLiteral("...\n"));
    switch (KindOf(path)) {
    case CalendarCsv:
        if (!CCalendarCsv::ExportCSV(list, path, selection))
            return Failed(CUserMessage::Error(OpenForWritingMessage(path)));
        return { true, {} };
    case ICalendar:
        if (!CIcsFile::Write(CReminderPack::SelectedCopies(list, selection), path))
            return Failed(CUserMessage::Error(OpenForWritingMessage(path)));
        return { true, {} };
    case Pack:
        return ExportPackFile(list, path, selection, dataFolder);
    default:
        return { true, {} };
    }
}

CReminderExchange::Outcome CReminderExchange::ImportFile(CReminderList &list, const QString &path,
                                                         const QString &dataFolder,
                                                         CReminderPack::ImportReport *reportOut,
                                                         const CReminderPack::Progress &progress)
{
    switch (KindOf(path)) {
    case CalendarCsv: {
        CCalendarCsv::ImportReport report;
        const CCalendarCsv::ImportResult result = CCalendarCsv::ImportCSV(list, path, &report, progress);
        list.RebuildIndexes();
        switch (result) {
        case CCalendarCsv::Imported:
            return { true, CUserMessage::Info(CCalendarCsv::Message(report)) };
        case CCalendarCsv::CannotOpen:
            return Failed(CUserMessage::Error(CannotOpenMessage(path)));
        case CCalendarCsv::Empty:
            return Failed(CUserMessage::Warning(QCoreApplication::translate("CReminderExchange", "Sorry, the file %1 is empty, so nothing was imported.")
                                                    .arg(QDir::toNativeSeparators(path))));
        case CCalendarCsv::NotCalendar:
            return Failed(CUserMessage::Warning(
                QCoreApplication::translate("CReminderExchange", "Sorry, the file %1 is not an Outlook calendar file, so nothing was imported.")
                    .arg(QDir::toNativeSeparators(path))));
        }
        return Failed({});
    }
    case ICalendar: {
        const CIcsFile::ImportReport report =
            CIcsFile::Import(list, path, QDateTime::currentDateTimeUtc(), progress);
        list.RebuildIndexes();
        const bool imported = report.m_Result == CIcsFile::Imported;
        const QString text = CIcsFile::Message(report, path);
        return { imported, imported ? CUserMessage::Info(text) : CUserMessage::Warning(text) };
    }
    case Pack:
        break;
    default:
        Trace("Expecting .RPK file!\n");
        return Failed({});
    }
    CReminderPack::ImportReport report = CReminderPack::ImportPack(list, path, dataFolder, progress);
    Outcome outcome;
    switch (report.m_Status) {
    case CReminderPack::ImportReport::Imported:
        outcome = { true, CUserMessage::Info(KmTranslate("CReminderExchange", kPackImportedMessage)) };
        break;
    case CReminderPack::ImportReport::CannotOpen:
        outcome = Failed(CUserMessage::Error(CannotOpenMessage(path)));
        break;
    case CReminderPack::ImportReport::NotAPack:
        outcome = Failed(CUserMessage::Error(NotAPackMessage(path)));
        break;
    case CReminderPack::ImportReport::Damaged:
        outcome = Failed(CUserMessage::Error(DamagedPackMessage(path)));
        break;
    }
    if (reportOut)
        *reportOut = std::move(report);
    return outcome;
}
