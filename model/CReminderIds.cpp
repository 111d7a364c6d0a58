#include "model/CReminderIds.h"

#include "model/CReminder.h"
#include "model/CTrace.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <cmath>
#include <cstring>
#include <unordered_set>

namespace {

void addDouble(QCryptographicHash &h, double v)
{
    if (v == 0.0)
        v = 0.0; // -0.0 and 0.0 are one value
    quint64 bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    h.addData(QByteArrayView(reinterpret_cast<const char *>(&bits), sizeof bits));
}

void addString(QCryptographicHash &h, const QString &s)
{
    const QByteArray utf8 = s.toUtf8();
    const quint32 size = static_cast<quint32>(utf8.size());
    h.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
    h.addData(utf8);
}

// An id from the record's content fields and a salt: the same for the same
// record in every process.
quint64 derive(const CReminder &r, quint64 salt, quint64 attempt)
{
    // One hash object per thread, reset for each record: making one costs
    // more than hashing a record.
    thread_local QCryptographicHash h(QCryptographicHash::Sha1);
    h.reset();
    addDouble(h, r.m_DateTime.GetValue());
    addDouble(h, r.m_AdvanceNotice.GetValue());
    addString(h, r.m_Message);
    addString(h, r.m_SoundFileName);
    addString(h, r.m_IconName);
    const quint64 small[] = { r.m_IconNumber, r.m_Recurrence, quint64(r.m_Private), quint64(r.m_ReservedFlag),
                              salt, attempt };
    h.addData(QByteArrayView(reinterpret_cast<const char *>(small), sizeof small));
    const QByteArray digest = h.result();
    quint64 id = 0;
    std::memcpy(&id, digest.constData(), sizeof id);
    id &= CReminderIds::kMaxId;
    return id == 0 ? 1 : id;
}

bool isId(double v) { return v >= 1.0 && v <= double(CReminderIds::kMaxId) && std::floor(v) == v; }

} // namespace

quint64 CReminderIds::Of(const CReminder &r)
{
    if (!r.m_ReservedFlag2 || r.m_ReservedSpan.GetStatus() != COleDateTimeSpan::valid)
        return 0;
    const double v = r.m_ReservedSpan.GetValue();
    return isId(v) ? static_cast<quint64>(v) : 0;
}

void CReminderIds::Set(CReminder &r, quint64 id)
{
    Q_ASSERT(id <= kMaxId);
    r.m_ReservedFlag2 = id != 0;
    r.m_ReservedSpan = COleDateTimeSpan(static_cast<double>(id));
}

quint64 CReminderIds::New()
{
    quint64 id = 0;
    while (id == 0)
        id = QRandomGenerator::system()->generate64() & kMaxId;
    return id;
}

quint64 CReminderIds::DerivedFrom(quint64 id, const CReminder &copy) { return derive(copy, id, 0); }

int CReminderIds::AssignMissing(std::vector<CReminder> &records)
{
    std::unordered_set<quint64> taken;
    taken.reserve(records.size());
    std::vector<size_t> without;
    for (size_t i = 0; i < records.size(); ++i) {
        const quint64 id = Of(records[i]);
        if (id != 0 && taken.insert(id).second)
            continue;
        if (id != 0)
            Trace(QStringLiteral("Record %1 has the id %2 of an earlier record: it gets an id of its own, the earlier one "
                                 "keeps it.\n")
                      .arg(i)
                      .arg(id));
        without.push_back(i);
    }
    for (size_t i : without) {
        CReminder &r = records[i];
        const quint64 salt = Of(r); // a copy's id, or 0
        quint64 id = 0;
        for (quint64 attempt = 0; id == 0 || !taken.insert(id).second; ++attempt)
            id = derive(r, salt, attempt);
        Set(r, id);
    }
    return static_cast<int>(without.size());
}
