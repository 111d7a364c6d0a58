#include "cli/CCliReminderIO.h"

#include "cli/CCliCommand.h"
#include "l10n/CNotes.h"
#include "model/CArchiveException.h"
#include "model/CFileException.h"
#include "model/CMemoryException.h"
#include "model/CReminderList.h"
#include "storage/CRecordDayList.h"
#include "storage/CReminderFileLock.h"
#include "storage/CReminderStore.h"
#include "storage/CReminderTombstones.h"

#include <QFile>
#include <QSaveFile>

namespace {

int cannotRead(const QString &path, const QString &reason)
{
    return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot read %1: %2")).arg(path, reason));
}

} // namespace

int CCliReminderIO::Read(const QString &path, std::vector<CReminder> &out, CReminderFileFormat::Format *format)
{
    // The program's own way and limits: what it cannot read, no command
    // takes for a list (and so writes over).
    CReminderStore::ReadOutcome outcome;
    CReminderStore::ReadPath(path, outcome);
    if (outcome.m_Result == CReminderStore::NotFound)
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot open %1: %2")).arg(path, outcome.m_Error));
    if (outcome.m_Result == CReminderStore::Loaded)
        CReminderStore::Parse(outcome);
    switch (outcome.m_Result) {
    case CReminderStore::Loaded:
    case CReminderStore::LoadedLegacy:
        break;
    case CReminderStore::Corrupt:
        return CCliCommand::InputError(
            CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is not a readable reminder file (%2)")).arg(path, outcome.m_Error));
    default:
        return cannotRead(path, outcome.m_Error);
    }
    if (format)
        *format = outcome.m_Result == CReminderStore::LoadedLegacy ? CReminderFileFormat::Legacy
                                                                   : CReminderFileFormat::Current;
    out = std::move(outcome.m_Records);
    return CCliCommand::kOk;
}

int CCliReminderIO::ReadDayList(const QString &path, CRecordDayList &list, const COleDateTime &first,
                                const COleDateTime &end)
{
    QFile file;
    QString error;
    if (CReminderStore::OpenFile(file, path, error) != CReminderStore::Loaded)
        return cannotRead(path, error);
    try {
        // Through one buffer: the file's bytes are not held.
        list.Read(file, first, end);
    } catch (const CArchiveException &e) {
        return CCliCommand::InputError(
            CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is not a readable reminder file (%2)")).arg(path, QString::fromLocal8Bit(e.what())));
    } catch (const CFileException &e) {
        return cannotRead(path, QString::fromLocal8Bit(e.what()));
    } catch (const CMemoryException &) {
        return cannotRead(path, QStringLiteral("not enough memory"));
    } catch (const std::bad_alloc &) {
        return cannotRead(path, QStringLiteral("not enough memory"));
    }
    return CCliCommand::kOk;
}

int CCliReminderIO::ReadList(const QString &path, CReminderList &list)
{
    std::vector<CReminder> reminders;
    if (const int rc = Read(path, reminders))
        return rc;
    list.Assign(std::move(reminders));
    return CCliCommand::kOk;
}

int CCliReminderIO::Write(const QString &path, const std::vector<CReminder> &reminders)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write %1: %2")).arg(path, file.errorString()));
    try {
        CReminderFileFormat::Write(file, reminders);
    } catch (const std::exception &e) {
        file.cancelWriting();
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write %1 (%2)")).arg(path, QString::fromLocal8Bit(e.what())));
    }
    if (!file.commit())
        return CCliCommand::InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write %1: %2")).arg(path, file.errorString()));
    return CCliCommand::kOk;
}

int CCliReminderIO::Write(const QString &path, const std::vector<CReminder> &before,
                          const std::vector<CReminder> &reminders)
{
    QString error;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!CReminderTombstones::Update(
            path, [&](CReminderTombstones &t) { t.AddGone(before, reminders, now); }, error))
        return CCliCommand::InputError(
            CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write %1: %2; nothing written")).arg(CReminderTombstones::PathFor(path), error));
    return Write(path, reminders);
}

int CCliReminderIO::Lock(const QString &path, CReminderFileLock &lock)
{
    if (lock.Acquire(kLockTimeoutMs))
        return CCliCommand::kOk;
    return CCliCommand::InputError(
        CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is busy: %2; gave up after %3 seconds, nothing written"))
            .arg(path, lock.Error())
            .arg(kLockTimeoutMs / 1000));
}

QJsonObject CCliReminderIO::DateJson(const COleDateTime &dt)
{
    QJsonObject o { { QStringLiteral("status"), static_cast<int>(dt.GetStatus()) },
                    { QStringLiteral("days"), dt.GetValue() } };
    COleDateTime::Parts p;
    if (dt.GetParts(p))
        o.insert(QStringLiteral("iso"), QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", p.year, p.month, p.day,
                                                          p.hour, p.minute, p.second));
    return o;
}

QJsonObject CCliReminderIO::SpanJson(const COleDateTimeSpan &span)
{
    return QJsonObject { { QStringLiteral("status"), static_cast<int>(span.GetStatus()) },
                         { QStringLiteral("days"), span.GetValue() } };
}

QJsonObject CCliReminderIO::ReminderJson(const CReminder &r)
{
    return QJsonObject {
        { QStringLiteral("id"), QString::number(r.Id()) },
        { QStringLiteral("dateTime"), DateJson(r.m_DateTime) },
        { QStringLiteral("advanceNotice"), SpanJson(r.m_AdvanceNotice) },
        { QStringLiteral("iconNumber"), r.m_IconNumber },
        { QStringLiteral("message"), r.m_Message },
        { QStringLiteral("recurrence"), r.m_Recurrence },
        { QStringLiteral("private"), r.m_Private },
        { QStringLiteral("shown"), r.m_Shown },
        { QStringLiteral("lastShown"), DateJson(r.m_LastShown) },
        { QStringLiteral("reshowInterval"), SpanJson(r.m_ReshowInterval) },
        { QStringLiteral("reservedFlag"), r.m_ReservedFlag },
        { QStringLiteral("reservedSpan"), SpanJson(r.m_ReservedSpan) },
        { QStringLiteral("soundFileName"), r.m_SoundFileName },
        { QStringLiteral("iconName"), r.m_IconName },
        { QStringLiteral("reservedFlag2"), r.m_ReservedFlag2 },
    };
}

QJsonArray CCliReminderIO::RemindersJson(const std::vector<CReminder> &reminders)
{
    QJsonArray array;
    for (const CReminder &r : reminders)
        array.append(ReminderJson(r));
    return array;
}
