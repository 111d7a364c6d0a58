#include "storage/CReminderFileFormat.h"

#include "model/CArchive.h"
#include "model/CArchiveException.h"
#include "model/CReminderList.h"
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

// Room for the records, mapped in at once for as many as the rest of the
// file can hold with messages (null records take two bytes, so a count
// alone could ask for far more memory than a real file fills).
void reserve(std::vector<CReminder> &out, const CArchive &ar, quint32 count)
{
    out.reserve(out.size() + count);
    const qint64 left = ar.BytesRemaining();
    if (left > 0) {
        const size_t records =
            std::min<size_t>(count, static_cast<size_t>(left / CReminderFileFormat::kMinLegacyRecord));
        CPrefault::ForWriting(out.data() + out.size(), records * sizeof(CReminder));
    }
}
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
    const quint32 first = ar.ReadDWord();
    if (first != 0) {
        Trace("Reading old KM 1.x reminder file.\n");
        checkCount(ar, first, kMinLegacyRecord);
        reserve(out, ar, first);
        for (quint32 i = 0; i < first; ++i) {
            CReminder r;
            r.Serialize(ar); // bare record: no schema known
            out.push_back(std::move(r));
        }
        return Legacy;
    }
    Trace("Possibly reading new-fangled KM 2.0+ array?\n");
    ar.ReadString(); // the banner; its text is not checked
    const quint32 count = ar.ReadDWord();
    checkCount(ar, count, kMinTaggedRecord);
    reserve(out, ar, count);
    for (quint32 i = 0; i < count; ++i) {
        // Read in place; a null record keeps the defaults, and one that
        // breaks off is not kept half read.
        out.emplace_back();
        try {
            ar.ReadObjectInto(out.back());
        } catch (...) {
            out.pop_back();
            throw;
        }
    }
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
