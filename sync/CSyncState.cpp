#include "sync/CSyncState.h"

#include "storage/CReminderFileFormat.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr qint64 kMaxStateBytes = qint64(256) << 20;

bool near(const COleDateTime &a, const COleDateTime &b)
{
    if (a.GetStatus() != b.GetStatus())
        return false;
    return a.GetStatus() != COleDateTime::valid || std::fabs(a.Linear() - b.Linear()) < kSecond;
}

bool near(const COleDateTimeSpan &a, const COleDateTimeSpan &b)
{
    return std::fabs(a.GetValue() - b.GetValue()) < 30 * kSecond;
}

QByteArray recordBytes(const CReminder &r)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CReminderFileFormat::Write(buffer, std::vector<CReminder> { r });
    return buffer.data();
}

bool recordFrom(const QByteArray &bytes, CReminder &out)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<CReminder> records;
    try {
        CReminderFileFormat::Read(buffer, records);
    } catch (...) {
        return false;
    }
    if (records.size() != 1)
        return false;
    out = records.front();
    return true;
}

} // namespace

QString CSyncState::PathFor(const QString &reminderFile)
{
    const QFileInfo info(reminderFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("Sync.json"));
}

void CSyncState::reset(const QString &account)
{
    m_Account = account;
    m_Collection.clear();
    m_SyncToken.clear();
    m_Entries.clear();
}

CSyncState::LoadResult CSyncState::load(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.exists())
        return NotFound;
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return Damaged;
    }
    if (file.size() > kMaxStateBytes) {
        error = QStringLiteral("%1 is too large to be a sync state").arg(path);
        return Damaged;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject()) {
        error = QStringLiteral("%1 is damaged: %2").arg(path, parseError.errorString());
        return Damaged;
    }
    const QJsonObject root = doc.object();
    CSyncState loaded;
    loaded.m_Account = root.value(QStringLiteral("account")).toString();
    loaded.m_Collection = root.value(QStringLiteral("collection")).toString();
    loaded.m_SyncToken = root.value(QStringLiteral("syncToken")).toString();
    for (const QJsonValue &v : root.value(QStringLiteral("entries")).toArray()) {
        const QJsonObject o = v.toObject();
        CSyncEntry e;
        e.m_Uid = o.value(QStringLiteral("uid")).toString();
        e.m_Href = o.value(QStringLiteral("href")).toString();
        e.m_ETag = o.value(QStringLiteral("etag")).toString().toUtf8();
        e.m_Simplified = o.value(QStringLiteral("simplified")).toBool();
        if (e.m_Uid.isEmpty() || e.m_Href.isEmpty()
            || !recordFrom(QByteArray::fromBase64(o.value(QStringLiteral("record")).toString().toLatin1()), e.m_Base)) {
            error = QStringLiteral("%1 is damaged: an entry cannot be read").arg(path);
            return Damaged;
        }
        loaded.m_Entries.push_back(std::move(e));
    }
    *this = std::move(loaded);
    return Loaded;
}

bool CSyncState::save(const QString &path, QString &error) const
{
    QJsonArray entries;
    for (const CSyncEntry &e : m_Entries)
        entries.append(QJsonObject { { QStringLiteral("uid"), e.m_Uid },
                                     { QStringLiteral("href"), e.m_Href },
                                     { QStringLiteral("etag"), QString::fromUtf8(e.m_ETag) },
                                     { QStringLiteral("simplified"), e.m_Simplified },
                                     { QStringLiteral("record"), QString::fromLatin1(recordBytes(e.m_Base).toBase64()) } });
    const QJsonObject root { { QStringLiteral("account"), m_Account },
                             { QStringLiteral("collection"), m_Collection },
                             { QStringLiteral("syncToken"), m_SyncToken },
                             { QStringLiteral("entries"), entries } };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson(QJsonDocument::Compact)) < 0
        || !file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool CSyncState::SameContent(const CReminder &a, const CReminder &b)
{
    return near(a.m_DateTime, b.m_DateTime) && a.m_Message == b.m_Message && a.m_Recurrence == b.m_Recurrence
        && near(a.m_AdvanceNotice, b.m_AdvanceNotice) && a.m_IconName == b.m_IconName
        && a.m_SoundFileName == b.m_SoundFileName && a.m_Private == b.m_Private
        && near(a.m_ReshowInterval, b.m_ReshowInterval);
}

bool CSyncState::SameRecord(const CReminder &a, const CReminder &b)
{
    return SameContent(a, b) && a.m_Shown == b.m_Shown && near(a.m_LastShown, b.m_LastShown);
}

COleDateTime CSyncState::Acknowledged(const CReminder &r)
{
    if (!r.m_Shown || r.m_LastShown.GetStatus() != COleDateTime::valid || r.m_LastShown == CReminder::kDefaultDate)
        return COleDateTime(0.0, COleDateTime::invalid);
    return r.m_LastShown;
}
