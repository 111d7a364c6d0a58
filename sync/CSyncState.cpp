#include "sync/CSyncState.h"

#include "l10n/CNotes.h"
#include "storage/CReminderFileFormat.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

constexpr qint64 kMaxStateBytes = qint64(256) << 20;

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
        error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot open %1: %2")).arg(path, file.errorString());
        return Damaged;
    }
    if (file.size() > kMaxStateBytes) {
        error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is too large to be a sync state")).arg(path);
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
        e.m_Text = QByteArray::fromBase64(o.value(QStringLiteral("text")).toString().toLatin1());
        QJsonArray records = o.value(QStringLiteral("records")).toArray();
        if (!o.contains(QStringLiteral("records"))) {
            // Saved before the server's text was kept: fetched again, so
            // that nobody's event is written anew from what was kept here.
            records.append(o.value(QStringLiteral("record")));
            e.m_ETag.clear();
        }
        bool readable = !e.m_Uid.isEmpty() && !e.m_Href.isEmpty() && !records.isEmpty();
        for (const QJsonValue &record : records) {
            CReminder r;
            readable = readable && recordFrom(QByteArray::fromBase64(record.toString().toLatin1()), r);
            e.m_Base.push_back(r);
        }
        if (!readable) {
            error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is damaged: an entry cannot be read")).arg(path);
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
    for (const CSyncEntry &e : m_Entries) {
        QJsonArray records;
        for (const CReminder &r : e.m_Base)
            records.append(QString::fromLatin1(recordBytes(r).toBase64()));
        QJsonObject entry { { QStringLiteral("uid"), e.m_Uid },
                            { QStringLiteral("href"), e.m_Href },
                            { QStringLiteral("etag"), QString::fromUtf8(e.m_ETag) },
                            { QStringLiteral("simplified"), e.m_Simplified },
                            { QStringLiteral("records"), records } };
        if (!e.m_Text.isEmpty())
            entry.insert(QStringLiteral("text"), QString::fromLatin1(e.m_Text.toBase64()));
        entries.append(entry);
    }
    const QJsonObject root { { QStringLiteral("account"), m_Account },
                             { QStringLiteral("collection"), m_Collection },
                             { QStringLiteral("syncToken"), m_SyncToken },
                             { QStringLiteral("entries"), entries } };
    // Other people's events, their addresses and notes among them: for
    // the user alone, whatever the umask or the old file's mode. Set
    // before the first byte is written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(QJsonDocument(root).toJson(QJsonDocument::Compact)) < 0 || !file.commit()) {
        error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write %1: %2")).arg(path, file.errorString());
        return false;
    }
    return true;
}

COleDateTime CSyncState::Acknowledged(const CReminder &r)
{
    if (!r.m_Shown || r.m_LastShown.GetStatus() != COleDateTime::valid || r.m_LastShown == CReminder::kDefaultDate)
        return COleDateTime(0.0, COleDateTime::invalid);
    return r.m_LastShown;
}
