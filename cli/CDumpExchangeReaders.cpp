// The dump command's readers for reminder packs, Outlook calendar files and iCalendar files.
#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "ical/CIcsFile.h"
#include "l10n/CNotes.h"
#include "model/CRegularFile.h"
#include "model/CReminderList.h"
#include "storage/CCalendarCsv.h"
#include "storage/CReminderPack.h"

#include <QFile>
#include <QJsonArray>

namespace {

int dumpPack(const QString &path, QJsonObject &out)
{
    const CReminderPack::ImportReport report = CReminderPack::Inspect(path);
    switch (report.m_Status) {
    case CReminderPack::ImportReport::CannotOpen:
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot open %1: %2")).arg(path, report.m_Error));
    case CReminderPack::ImportReport::NotAPack:
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is not a reminder pack")).arg(path));
    case CReminderPack::ImportReport::Damaged:
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is a damaged reminder pack (%2)")).arg(path, report.m_Error));
    case CReminderPack::ImportReport::Imported:
        break;
    }
    QJsonArray files;
    for (const CReminderPack::DataFile &f : report.m_Files) {
        QJsonObject o { { QStringLiteral("name"), f.m_Name },
                        { QStringLiteral("size"), f.m_Received },
                        { QStringLiteral("sha256"), f.m_Sha256 } };
        if (f.m_Received != f.m_TotalSize)
            o.insert(QStringLiteral("announcedSize"), static_cast<qint64>(f.m_TotalSize));
        files.append(o);
    }
    out.insert(QStringLiteral("format"), QStringLiteral("rpk"));
    out.insert(QStringLiteral("reminders"), CCliReminderIO::RemindersJson(report.m_Added));
    out.insert(QStringLiteral("datafiles"), files);
    return CCliCommand::kOk;
}

int dumpCsv(const QString &path, QJsonObject &out)
{
    QFile file;
    QString error;
    if (CRegularFile::OpenForReading(file, path, error) != CRegularFile::Opened)
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot open %1: %2")).arg(path, error));
    CReminderList list;
    const CCalendarCsv::ImportReport report = CCalendarCsv::ImportDevice(list, file);
    if (report.m_Result == CCalendarCsv::Empty)
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is empty")).arg(path));
    if (report.m_Result == CCalendarCsv::NotCalendar)
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 has none of the calendar columns")).arg(path));
    out.insert(QStringLiteral("format"), QStringLiteral("csv"));
    out.insert(QStringLiteral("records"), report.m_Records);
    out.insert(QStringLiteral("reminders"), CCliReminderIO::RemindersJson(list.Reminders()));
    return CCliCommand::kOk;
}

int dumpIcs(const QString &path, QJsonObject &out)
{
    CReminderList list;
    const CIcsFile::ImportReport report = CIcsFile::Import(list, path);
    if (report.m_Result == CIcsFile::CannotOpen)
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot open %1: %2")).arg(path, report.m_Error));
    if (report.m_Result == CIcsFile::Refused)
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 cannot be read: %2")).arg(path, report.m_Error));
    out.insert(QStringLiteral("format"), QStringLiteral("ics"));
    out.insert(QStringLiteral("simplified"), report.m_Simplified);
    out.insert(QStringLiteral("leftOut"), report.m_LeftOut);
    out.insert(QStringLiteral("notes"), QJsonArray::fromStringList(report.m_Notes));
    out.insert(QStringLiteral("reminders"), CCliReminderIO::RemindersJson(list.Reminders()));
    return CCliCommand::kOk;
}

struct Readers
{
    Readers()
    {
        CCliCommand::RegisterDumpReader(QStringLiteral(".rpk"), dumpPack);
        CCliCommand::RegisterDumpReader(QStringLiteral(".csv"), dumpCsv);
        CCliCommand::RegisterDumpReader(QStringLiteral(".ics"), dumpIcs);
    }
} s_readers;

} // namespace
