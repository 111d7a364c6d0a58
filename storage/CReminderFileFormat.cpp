#include "storage/CReminderFileFormat.h"

#include "model/CArchive.h"
#include "model/CArchiveException.h"
#include "model/CReminderList.h"
#include "model/CReminderRecord.h"
#include "model/CTrace.h"
#include "storage/CPrefault.h"

#include <QIODevice>

const QString CReminderFileFormat::kBanner = QStringLiteral("KM 2.0 Reminders");

namespace {
void checkCount(const CArchive &ar, quint32 count, qint64 minRecord)
{
    const qint64 left = ar.BytesRemaining();
    if (left >= 0 && static_cast<qint64>(count) > left / minRecord)
        throw CArchiveException(CArchiveException::endOfFile,
                                QStringLiteral("count %1 larger than the file can hold").arg(count));
}

// Bytes after the last record: the count was damaged (a smaller one would
// lose the records behind it at the next save).
void checkEnd(const CArchive &ar)
{
    const qint64 left = ar.BytesRemaining();
    if (left > 0)
        throw CArchiveException(CArchiveException::generic,
                                QStringLiteral("%1 bytes after the last record").arg(left));
}

// The records as reminders, appended to a vector.
class ReminderSink : public CReminderFileFormat::RecordSink
{
public:
    explicit ReminderSink(std::vector<CReminder> &out) : m_out(out) {}
    // Loading the reminders says which form it reads. Only it: a first
    // trace line sets up the logging configuration, which a small listing
    // would spend a tenth of its run on.
    void Begin(CReminderFileFormat::Format format) override
    {
        Trace(format == CReminderFileFormat::Legacy ? "Reading old KM 1.x reminder file.\n"
                                                     : "Possibly reading new-fangled KM 2.0+ array?\n");
    }
    void Expect(size_t count) override
    {
        // Room for the records, mapped in at once.
        m_out.reserve(m_out.size() + count);
        CPrefault::ForWriting(m_out.data() + m_out.size(), count * sizeof(CReminder));
    }
    void Take(const CReminderRecord &record) override { m_out.emplace_back(record); }

private:
    std::vector<CReminder> &m_out;
};
} // namespace

CReminderFileFormat::Format CReminderFileFormat::Read(QIODevice &device, std::vector<CReminder> &out)
{
    CArchive ar(&device, CArchive::load);
    return Read(ar, out);
}

CReminderFileFormat::Format CReminderFileFormat::Read(QByteArrayView bytes, std::vector<CReminder> &out)
{
    CArchive ar(bytes);
    return Read(ar, out);
}

CReminderFileFormat::Format CReminderFileFormat::Read(CArchive &ar, std::vector<CReminder> &out)
{
    ReminderSink sink(out);
    return ReadRecords(ar, sink);
}

CReminderFileFormat::Format CReminderFileFormat::ReadRecords(QByteArrayView bytes, RecordSink &sink)
{
    CArchive ar(bytes);
    return ReadRecords(ar, sink);
}

CReminderFileFormat::Format CReminderFileFormat::ReadRecords(QIODevice &device, RecordSink &sink)
{
    // Large enough that reading costs few calls, small enough that its
    // pages stay few and warm.
    constexpr int kBuffer = 64 << 10;
    CArchive ar(&device, CArchive::load, kBuffer);
    return ReadRecords(ar, sink);
}

CReminderFileFormat::Format CReminderFileFormat::ReadRecords(CArchive &ar, RecordSink &sink)
{
    // Room is asked for only as many records as the rest of the file can
    // hold with messages (null records take two bytes, so a count alone
    // could ask for far more memory than a real file fills).
    const auto expect = [&ar, &sink](quint32 count, qint64 minRecord) {
        checkCount(ar, count, minRecord);
        const qint64 left = ar.BytesRemaining();
        if (left > 0)
            sink.Expect(std::min<size_t>(count, static_cast<size_t>(left / kMinLegacyRecord)));
    };
    CReminderRecord record;
    const quint32 first = ar.ReadDWord();
    if (first != 0) {
        sink.Begin(Legacy);
        expect(first, kMinLegacyRecord);
        for (quint32 i = 0; i < first; ++i) {
            record.Load(ar, CArchive::kUnknownSchema); // bare record: no schema known
            sink.Take(record);
        }
        checkEnd(ar);
        return Legacy;
    }
    sink.Begin(Current);
    // Without its banner a run of zero bytes (what a crash or a bad copy
    // leaves) would read as a whole, empty list.
    if (ar.ReadText().ToString() != kBanner)
        throw CArchiveException(CArchiveException::badClass, QStringLiteral("no reminder file banner"));
    const quint32 count = ar.ReadDWord();
    expect(count, kMinTaggedRecord);
    static const CReminderRecord kLeftOut;
    for (quint32 i = 0; i < count; ++i) {
        // A record that breaks off is not handed on half read.
        if (ar.BeginObject(CReminder::classCReminder)) {
            record.Load(ar, ar.GetObjectSchema());
            sink.Take(record);
        } else {
            sink.Take(kLeftOut);
        }
    }
    checkEnd(ar);
    return Current;
}

void CReminderFileFormat::Write(QIODevice &device, const std::vector<CReminder> &reminders)
{
    CArchive ar(&device, CArchive::store);
    Trace("Writing NEW KM 2.0 reminders...\n");
    ar.WriteDWord(0);
    ar.WriteString(kBanner);
    ar.WriteDWord(static_cast<quint32>(reminders.size()));
    for (const CReminder &r : reminders)
        ar.WriteObject(&r);
    ar.Close();
}

void CReminderFileFormat::Write(QIODevice &device, const CReminderList &list)
{
    Write(device, list.Reminders());
}
