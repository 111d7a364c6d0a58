#include "cli/CCliReminderIO.h"

#include "cli/CCliCommand.h"
#include "model/CArchiveException.h"
#include "model/CFileException.h"
#include "model/CMemoryException.h"
#include "model/CReminderList.h"
#include "storage/CRecordDayList.h"
#include "storage/CReminderFileLock.h"
#include "storage/CReminderStore.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>
#include <cstdio>

namespace {

// Opens the file and runs read on it, turning a damaged or unreadable
// file into one line on stderr and the exit code.
template <class Read>
int readGuarded(const QString &path, Read read)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CCliCommand::InputError(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    try {
        if (!read(file))
            return CCliCommand::InputError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    } catch (const CArchiveException &e) {
        return CCliCommand::InputError(QStringLiteral("%1 is not a readable reminder file (%2)").arg(path, QString::fromLocal8Bit(e.what())));
    } catch (const CFileException &e) {
        return CCliCommand::InputError(QStringLiteral("cannot read %1 (%2)").arg(path, QString::fromLocal8Bit(e.what())));
    } catch (const CMemoryException &) {
        return CCliCommand::InputError(QStringLiteral("not enough memory to read %1").arg(path));
    } catch (const std::bad_alloc &) {
        return CCliCommand::InputError(QStringLiteral("not enough memory to read %1").arg(path));
    }
    return CCliCommand::kOk;
}

} // namespace

int CCliReminderIO::Read(const QString &path, std::vector<CReminder> &out, CReminderFileFormat::Format *format)
{
    return readGuarded(path, [&](QFile &file) {
        // Whole into memory and parsed from there, unless it is too large
        // for that (then as it comes).
        const qint64 size = file.size();
        QByteArray bytes;
        if (size > 0 && size <= CReminderStore::kMaxInMemoryBytes && !CReminderStore::ReadWhole(file, size, bytes))
            return false;
        const CReminderFileFormat::Format f = bytes.isEmpty() ? CReminderFileFormat::Read(file, out)
                                                              : CReminderFileFormat::Read(bytes, out);
        if (format)
            *format = f;
        return true;
    });
}

int CCliReminderIO::ReadDayList(const QString &path, CRecordDayList &list, const COleDateTime &first,
                                const COleDateTime &end)
{
    return readGuarded(path, [&](QFile &file) {
        // Through one buffer: the file's bytes are not held.
        list.Read(file, first, end);
        return true;
    });
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
        return CCliCommand::InputError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    try {
        CReminderFileFormat::Write(file, reminders);
    } catch (const std::exception &e) {
        file.cancelWriting();
        return CCliCommand::InputError(QStringLiteral("cannot write %1 (%2)").arg(path, QString::fromLocal8Bit(e.what())));
    }
    if (!file.commit())
        return CCliCommand::InputError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return CCliCommand::kOk;
}

int CCliReminderIO::Lock(const QString &path, CReminderFileLock &lock)
{
    if (lock.Acquire(kLockTimeoutMs))
        return CCliCommand::kOk;
    return CCliCommand::InputError(
        QStringLiteral("%1 is busy: %2; gave up after %3 seconds, nothing written")
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
