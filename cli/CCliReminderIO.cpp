#include "cli/CCliReminderIO.h"

#include "cli/CCliCommand.h"
#include "cli/CJsonStream.h"
#include "model/CArchiveException.h"
#include "model/CFileException.h"
#include "model/CMemoryException.h"
#include "model/CReminderList.h"
#include "storage/CReminderFileLock.h"
#include "storage/CReminderStore.h"

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
        if (size > 0 && size <= CReminderStore::kMaxInMemoryBytes && !CReminderStore::ReadWhole(file, size, bytes))
            return CCliCommand::InputError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
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
// date (never shown), and long listings repeat it on every entry; the
// occurrences of a day change only its time.
struct IsoMemo
{
    double m_Value = 0;
    long long m_Day = COleDateTime::kNoDayNumber; // the whole day whose date the text shows
    bool m_Known = false;
    char m_Iso[20] = "0000-00-00T00:00:00";

    // True when the text now shows the date (years 100 to 9999 only).
    bool Show(const COleDateTime &dt)
    {
        const double value = dt.GetValue();
        if (m_Known && m_Value == value)
            return true;
        const auto put = [this](int at, int digits, int number) {
            for (int i = at + digits - 1; i >= at; --i, number /= 10)
                m_Iso[i] = static_cast<char>('0' + number % 10);
        };
        long long day = 0;
        int second = 0;
        m_Known = dt.GetDayAndSecond(day, second);
        if (!m_Known)
            return false;
        if (day != m_Day) {
            COleDateTime::Parts p;
            dt.GetParts(p);
            put(0, 4, p.year);
            put(5, 2, p.month);
            put(8, 2, p.day);
            m_Day = day;
        }
        put(11, 2, second / 3600);
        put(14, 2, second / 60 % 60);
        put(17, 2, second % 60);
        m_Value = value;
        return true;
    }
};

// Keys in the order a JSON document sorts them, so both forms read alike.
// The writer is a cursor with room for the whole entry, or the stream.
template <class Writer>
void writeEntry(Writer &w, const CReminder &r, const COleDateTime &dateTime)
{
    static IsoMemo occurrenceMemo, lastShownMemo;
    const auto span = [&w](CJsonStream::Key key, const COleDateTimeSpan &s) __attribute__((always_inline)) {
        w.BeginObject(key);
        w.Value("days", s.GetValue());
        w.Value("status", static_cast<int>(s.GetStatus()));
        w.EndObject();
    };
    const auto date = [&w](CJsonStream::Key key, const COleDateTime &dt, IsoMemo &memo) __attribute__((always_inline)) {
        w.BeginObject(key);
        w.Value("days", dt.GetValue());
        if (memo.Show(dt) && dt.GetStatus() == COleDateTime::valid)
            w.Value("iso", memo.m_Iso, sizeof memo.m_Iso - 1);
        w.Value("status", static_cast<int>(dt.GetStatus()));
        w.EndObject();
    };
    w.BeginObject();
    span("advanceNotice", r.m_AdvanceNotice);
    date("dateTime", dateTime, occurrenceMemo);
    w.Value("iconName", r.m_IconName);
    w.Value("iconNumber", static_cast<int>(r.m_IconNumber));
    date("lastShown", r.m_LastShown, lastShownMemo);
    w.Value("message", r.m_Message);
    w.Value("private", r.m_Private);
    w.Value("recurrence", static_cast<int>(r.m_Recurrence));
    w.Value("reservedFlag", r.m_ReservedFlag);
    w.Value("reservedFlag2", r.m_ReservedFlag2);
    span("reservedSpan", r.m_ReservedSpan);
    span("reshowInterval", r.m_ReshowInterval);
    w.Value("shown", r.m_Shown);
    w.Value("soundFileName", r.m_SoundFileName);
    w.EndObject();
}

} // namespace

void CCliReminderIO::WriteReminder(CJsonStream &json, const CReminder &r, const COleDateTime &dateTime)
{
    // An entry is 35 lines, none with a key longer than 16 characters.
    using Cursor = CJsonStream::Cursor;
    const size_t room = 35 * Cursor::MemberRoom(json.Depth() + 2, 16) + Cursor::TextRoom(r.m_IconName)
        + Cursor::TextRoom(r.m_Message) + Cursor::TextRoom(r.m_SoundFileName);
    if (room > CJsonStream::kChunk) {
        writeEntry(json, r, dateTime);
        return;
    }
    Cursor c = json.Begin(room);
    writeEntry(c, r, dateTime);
    json.End(c);
}
