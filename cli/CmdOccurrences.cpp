#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "cli/CJsonStream.h"
#include "cli/COccurrenceWriter.h"
#include "l10n/CNotes.h"
#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "storage/CPrintSelection.h"
#include "storage/CRecordDayList.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

using Occurrence = CPrintSelection::Occurrence;

class CmdOccurrences : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("occurrences"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "list every occurrence in a range of days"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli",
            "Usage: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]\n"
            "Lists every occurrence on the days from --from through --to, in date order: one entry\n"
            "per occurrence on a line of its own, dated on its day at the reminder's own time\n"
            "(dateTime), with the reminder's own date (reminderDateTime), its index (as day gives\n"
            "it), message, recurrence, advance notice in minutes (noticeMinutes) and icon name.\n"
            "--full gives every field of the reminder instead, indented, as dump does. --per-day-limit N keeps at most N a day, as the calendar collects them\n"
            "(the printout keeps 20).");
    }
    int Run(const QStringList &args) override
    {
        const QString limitOption = QStringLiteral("per-day-limit");
        RangeArgs range;
        const QString fullFlag = QStringLiteral("full");
        if (const int rc = ParseFileAndRange(args, { fullFlag }, range, { limitOption }))
            return rc;
        const ParsedArgs &a = range.args;
        int limit = 0;
        if (a.options.contains(limitOption)) {
            bool ok = false;
            limit = a.options.value(limitOption).toInt(&ok);
            if (!ok || limit < 1)
                return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--per-day-limit takes a whole number of 1 or more")));
        }
        const COleDateTime end = CReminderList::DateOnly(range.to) + COleDateTimeSpan(1.0);
        CJsonStream json(stdout);
        COccurrenceWriter writer(json);
        // The whole reminders only for --full: a day plan needs a few of
        // their fields, read from the records that can fall in the range.
        CReminderList list;
        CRecordDayList records;
        const bool full = a.Has(fullFlag);
        if (const int rc = full ? CCliReminderIO::ReadList(a.positional[0], list)
                                : CCliReminderIO::ReadDayList(a.positional[0], records, range.from, end))
            return rc;
        if (!full)
            json.SetOneLineFrom(2); // an entry a line

        json.BeginObject();
        json.Value("from", a.options.value(QStringLiteral("from")));
        json.BeginArray("occurrences");
        // Written a day at a time, as the days are gone through.
        if (full) {
            CPrintSelection::ForEachDay(list, range.from, end, limit, [&](const std::vector<Occurrence> &day) {
                for (const Occurrence &o : day)
                    writer.WriteFull(list[o.m_Index], o.m_When);
            });
        } else {
            CPrintSelection::ForEachDay(records, range.from, end, limit, [&](const std::vector<Occurrence> &day) {
                // A day visits the records in no useful order; asking for
                // the ones a few entries ahead early hides most of the
                // memory waits.
                constexpr size_t kAhead = 16;
                for (size_t i = 0; i < day.size(); ++i) {
                    if (i + kAhead < day.size())
                        __builtin_prefetch(&records[day[i + kAhead].m_Index]);
                    if (i + kAhead / 2 < day.size())
                        __builtin_prefetch(records[day[i + kAhead / 2].m_Index].m_Message);
                    writer.WriteCompact(records, day[i].m_Index, day[i].m_When);
                }
            });
        }
        json.EndArray();
        json.Value("to", a.options.value(QStringLiteral("to")));
        json.EndObject();
        if (!json.Flush())
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write the listing to the standard output")));
        return kOk;
    }
};

CmdOccurrences s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
