#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "ical/CIcsFile.h"
#include "l10n/CNotes.h"
#include "storage/CReminderFileLock.h"
#include "model/CReminderList.h"
#include "storage/CCalendarCsv.h"
#include "storage/CKmPaths.h"
#include "storage/CReminderExchange.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

QJsonArray remindersJson(const std::vector<CReminder> &reminders) { return CCliReminderIO::RemindersJson(reminders); }

QJsonArray filesJson(const std::vector<CReminderPack::DataFile> &files)
{
    QJsonArray array;
    for (const CReminderPack::DataFile &f : files) {
        QJsonObject o { { QStringLiteral("name"), f.m_Name },
                        { QStringLiteral("size"), f.m_Received },
                        { QStringLiteral("written"), f.m_Written } };
        if (f.m_Received != f.m_TotalSize)
            o.insert(QStringLiteral("announcedSize"), static_cast<qint64>(f.m_TotalSize));
        if (f.m_Written)
            o.insert(QStringLiteral("path"), f.m_Path);
        else
            o.insert(QStringLiteral("refused"), f.m_Reason);
        array.append(o);
    }
    return array;
}

class CmdImport : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("import"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "import a reminder pack, Outlook CSV or iCalendar file into a reminder file"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli",
            "Usage: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]\n"
            "Adds the reminders FILE does not hold yet (FILE is created when missing) and puts a\n"
            "pack's icon and sound files into DIR/icons and DIR/sounds (by default the per-user\n"
            "data folder). Prints what was added, what was skipped as a duplicate, and which data\n"
            "files were written or refused. A damaged pack keeps what came before the damage and\n"
            "exits with 2. An iCalendar import says how many events it simplified or left out, and how.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("data-dir") }, {});
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 2)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "import takes a reminder file and a pack or CSV file")));
        const QString path = a.positional[0];
        const QString source = a.positional[1];
        const CReminderExchange::FileKind kind = CReminderExchange::KindOf(source);
        if (kind != CReminderExchange::Pack && kind != CReminderExchange::CalendarCsv
            && kind != CReminderExchange::ICalendar)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the file to import must end in .rpk, .csv or .ics")));
        CReminderFileLock lock(path);
        if (const int rc = CCliReminderIO::Lock(path, lock))
            return rc;
        CReminderList list;
        if (QFileInfo::exists(path))
            if (const int rc = CCliReminderIO::ReadList(path, list))
                return rc;
        if (a.options.contains(QStringLiteral("data-dir")))
            CKmPaths::SetDataFolder(a.options.value(QStringLiteral("data-dir")));

        QJsonObject out;
        int rc = kOk;
        bool changed = false;
        if (kind == CReminderExchange::ICalendar) {
            const CIcsFile::ImportReport report = CIcsFile::Import(list, source);
            if (report.m_Result == CIcsFile::CannotOpen)
                return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot open %1: %2")).arg(source, report.m_Error));
            if (report.m_Result == CIcsFile::Refused)
                return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 was not imported: %2")).arg(source, report.m_Error));
            out = QJsonObject { { QStringLiteral("reminders"), report.m_Read },
                                { QStringLiteral("added"), report.m_Added },
                                { QStringLiteral("skipped"), report.m_Duplicates },
                                { QStringLiteral("simplified"), report.m_Simplified },
                                { QStringLiteral("leftOut"), report.m_LeftOut },
                                { QStringLiteral("notes"), QJsonArray::fromStringList(report.m_Notes) } };
            changed = report.m_Added > 0;
        } else if (kind == CReminderExchange::CalendarCsv) {
            CCalendarCsv::ImportReport report;
            const CCalendarCsv::ImportResult result = CCalendarCsv::ImportCSV(list, source, &report);
            if (result == CCalendarCsv::CannotOpen)
                return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot open %1")).arg(source));
            if (result == CCalendarCsv::Empty)
                return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is empty")).arg(source));
            if (result == CCalendarCsv::NotCalendar)
                return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 has none of the calendar columns")).arg(source));
            Tell(CUserMessage::Info(CCalendarCsv::Message(report)));
            out = QJsonObject { { QStringLiteral("records"), report.m_Records },
                                { QStringLiteral("added"), report.m_Added },
                                { QStringLiteral("skipped"), report.m_Skipped },
                                { QStringLiteral("undated"), report.m_Undated },
                                { QStringLiteral("dateForm"), report.m_DateForm },
                                { QStringLiteral("ambiguousDates"), report.m_AmbiguousDates } };
            changed = report.m_Added > 0;
        } else {
            CReminderPack::ImportReport report;
            Tell(CReminderExchange::ImportFile(list, source, CKmPaths::DataFolder(), &report).m_Message);
            if (report.m_Status == CReminderPack::ImportReport::CannotOpen)
                return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot open %1")).arg(source));
            if (report.m_Status == CReminderPack::ImportReport::NotAPack)
                return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is not a reminder pack")).arg(source));
            out = QJsonObject { { QStringLiteral("added"), remindersJson(report.m_Added) },
                                { QStringLiteral("skipped"), remindersJson(report.m_Skipped) },
                                { QStringLiteral("datafiles"), filesJson(report.m_Files) } };
            if (report.m_Status == CReminderPack::ImportReport::Damaged) {
                out.insert(QStringLiteral("damaged"), report.m_Error);
                rc = kBadInput;
            }
            changed = !report.m_Added.empty();
        }
        if (changed || !QFileInfo::exists(path))
            if (const int wrc = CCliReminderIO::Write(path, list.Reminders()))
                return wrc;
        PrintJson(out);
        return rc;
    }
};

CmdImport s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
