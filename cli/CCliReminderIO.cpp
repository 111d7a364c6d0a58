#include "cli/CCliReminderIO.h"

#include "cli/CCliCommand.h"
#include "cli/CJsonStream.h"
#include "model/CArchiveException.h"
#include "model/CFileException.h"
#include "model/CHugePages.h"
#include "model/CMemoryException.h"
#include "model/CReminderList.h"
#include "storage/CReminderFileLock.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>
#include <cstdio>

int CCliReminderIO::Read(const QString &path, std::vector<CReminder> &out, CReminderFileFormat::Format *format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CCliCommand::InputError(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    try {
        // Whole into memory and parsed from there, unless it is too large
        // for that (then as it comes).
        const qint64 size = file.size();
        QByteArray bytes;
        if (size > 0 && size <= kMaxInMemoryBytes) {
            // The file, its records and their texts: about four times its size.
            CHugePages::ReadyHeap(static_cast<size_t>(size) * 4);
            bytes = QByteArray(size, Qt::Uninitialized);
            CHugePages::Prefer(bytes.data(), static_cast<size_t>(size));
            qint64 got = 0;
            for (qint64 n; got < size && (n = file.read(bytes.data() + got, size - got)) > 0;)
                got += n;
            if (file.error() != QFileDevice::NoError)
                return CCliCommand::InputError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
            bytes.truncate(got);
        }
        const CReminderFileFormat::Format f = bytes.isEmpty() ? CReminderFileFormat::Read(file, out)
                                                              : CReminderFileFormat::Read(bytes, out);
        if (format)
            *format = f;
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

namespace {

// The last date written as text: most reminders share their last-shown
// date (never shown), and long listings repeat it on every entry.
struct IsoMemo
{
    double m_Value = 0;
    double m_TextDay = -1; // the whole day count whose date the text shows
    bool m_Known = false;
    char m_Iso[20] = "0000-00-00T00:00:00";
};

void writeDate(CJsonStream &json, CJsonStream::Key key, const COleDateTime &dt, IsoMemo &memo)
{
    json.BeginObject(key);
    json.Value("days", dt.GetValue());
    const double value = dt.GetValue();
    const auto put = [&memo](int at, int digits, int number) {
        for (int i = at + digits - 1; i >= at; --i, number /= 10)
            memo.m_Iso[i] = static_cast<char>('0' + number % 10);
    };
    if (memo.m_Known && memo.m_Value != value && value >= 0 && std::trunc(value) == memo.m_TextDay
        && COleDateTime::IsSupportedValue(value)) {
        // Another time on the same day: the date's text stands (the time
        // is rounded to the second as the date's parts are).
        const long long seconds = std::llround((value - std::trunc(value)) * 86400.0);
        if (seconds < 86400) {
            put(11, 2, static_cast<int>(seconds / 3600));
            put(14, 2, static_cast<int>(seconds / 60 % 60));
            put(17, 2, static_cast<int>(seconds % 60));
            memo.m_Value = value;
        }
    }
    if (!memo.m_Known || memo.m_Value != value) {
        memo.m_Known = false;
        COleDateTime::Parts p;
        if (dt.GetParts(p)) { // years 100 to 9999 only
            put(0, 4, p.year);
            put(5, 2, p.month);
            put(8, 2, p.day);
            put(11, 2, p.hour);
            put(14, 2, p.minute);
            put(17, 2, p.second);
            memo.m_Known = true;
            memo.m_Value = value;
            // A time rounded up to midnight shows the next day's date.
            const bool carried = p.hour == 0 && p.minute == 0 && p.second == 0 && value - std::trunc(value) > 0.5;
            memo.m_TextDay = value >= 0 ? std::trunc(value) + (carried ? 1 : 0) : -1;
        }
    }
    if (memo.m_Known && dt.GetStatus() == COleDateTime::valid)
        json.Value("iso", memo.m_Iso);
    json.Value("status", static_cast<int>(dt.GetStatus()));
    json.EndObject();
}

void writeSpan(CJsonStream &json, CJsonStream::Key key, const COleDateTimeSpan &span)
{
    json.BeginObject(key);
    json.Value("days", span.GetValue());
    json.Value("status", static_cast<int>(span.GetStatus()));
    json.EndObject();
}

} // namespace

void CCliReminderIO::WriteReminder(CJsonStream &json, const CReminder &r, const COleDateTime &dateTime)
{
    // Keys in the order a JSON document sorts them, so both forms read alike.
    json.BeginObject();
    writeSpan(json, "advanceNotice", r.m_AdvanceNotice);
    static IsoMemo occurrenceMemo, lastShownMemo;
    writeDate(json, "dateTime", dateTime, occurrenceMemo);
    json.Value("iconName", r.m_IconName);
    json.Value("iconNumber", static_cast<int>(r.m_IconNumber));
    writeDate(json, "lastShown", r.m_LastShown, lastShownMemo);
    json.Value("message", r.m_Message);
    json.Value("private", r.m_Private);
    json.Value("recurrence", static_cast<int>(r.m_Recurrence));
    json.Value("reservedFlag", r.m_ReservedFlag);
    json.Value("reservedFlag2", r.m_ReservedFlag2);
    writeSpan(json, "reservedSpan", r.m_ReservedSpan);
    writeSpan(json, "reshowInterval", r.m_ReshowInterval);
    json.Value("shown", r.m_Shown);
    json.Value("soundFileName", r.m_SoundFileName);
    json.EndObject();
}
