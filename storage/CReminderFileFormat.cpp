#include "storage/CReminderFileFormat.h"

#include "model/CArchive.h"
#include "model/CArchiveException.h"
#include "model/CHugePages.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

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
        if (out.capacity() < out.size() + first) {
            out.reserve(out.size() + first);
            CHugePages::Prefer(out.data() + out.size(), (out.capacity() - out.size()) * sizeof(CReminder));
        }
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
    if (out.capacity() < out.size() + count) {
        out.reserve(out.size() + count);
        CHugePages::Prefer(out.data() + out.size(), (out.capacity() - out.size()) * sizeof(CReminder));
    }
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
