#include "storage/CReminderTombstones.h"

#include "model/CRegularFile.h"
#include "model/CReminder.h"
#include "model/CReminderIds.h"
#include "model/CTrace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <unordered_set>
#include <vector>

namespace {
constexpr qint64 kMaxFileBytes = qint64(64) << 20;
const QString kDeletedKey = QStringLiteral("deleted");
const QString kIdKey = QStringLiteral("id");
const QString kAtKey = QStringLiteral("at");
} // namespace

QString CReminderTombstones::PathFor(const QString &reminderFile)
{
    const QFileInfo info(reminderFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("Deleted.json"));
}

CReminderTombstones::LoadResult CReminderTombstones::Load(const QString &path, QString &error)
{
    m_deleted.clear();
    QFile file;
    const CRegularFile::Status opened = CRegularFile::OpenForReading(file, path, error);
    if (opened == CRegularFile::Missing)
        return NotFound;
    QJsonParseError parse {};
    QJsonDocument doc;
    if (opened == CRegularFile::Opened) {
        if (file.size() > kMaxFileBytes)
            error = QStringLiteral("it is too large");
        else
            doc = QJsonDocument::fromJson(file.readAll(), &parse);
        if (error.isEmpty() && parse.error != QJsonParseError::NoError)
            error = parse.errorString();
    }
    const QJsonValue list = doc.object().value(kDeletedKey);
    if (opened != CRegularFile::Opened || !error.isEmpty() || !list.isArray()) {
        if (error.isEmpty())
            error = QStringLiteral("no list of deleted reminders");
        file.close();
        const QString copy = path + QStringLiteral(".unreadable");
        QFile::remove(copy);
        if (QFile::copy(path, copy))
            error += QStringLiteral("; kept as ") + copy;
        Trace(QStringLiteral("The deleted reminders in %1 cannot be read: %2\n").arg(path, error));
        return Damaged;
    }
    for (const QJsonValue &v : list.toArray()) {
        const QJsonObject o = v.toObject();
        bool ok = false;
        const quint64 id = o.value(kIdKey).toString().toULongLong(&ok);
        const QDateTime at = QDateTime::fromString(o.value(kAtKey).toString(), Qt::ISODate);
        if (ok && id != 0 && id <= CReminderIds::kMaxId && at.isValid())
            Add(id, at);
    }
    return Loaded;
}

bool CReminderTombstones::Save(const QString &path, QString &error) const
{
    std::vector<std::pair<quint64, QDateTime>> sorted(m_deleted.keyValueBegin(), m_deleted.keyValueEnd());
    std::sort(sorted.begin(), sorted.end());
    QJsonArray list;
    for (const auto &[id, at] : sorted)
        list.append(QJsonObject { { kIdKey, QString::number(id) }, { kAtKey, at.toString(Qt::ISODate) } });
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(QJsonObject { { kDeletedKey, list } }).toJson()) < 0
        || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool CReminderTombstones::Update(const QString &reminderFile, const std::function<void(CReminderTombstones &)> &change,
                                 QString &error)
{
    const QString path = PathFor(reminderFile);
    CReminderTombstones t;
    QString readError;
    t.Load(path, readError); // a damaged one is kept aside and started anew
    const CReminderTombstones before = t;
    change(t);
    t.Prune(QDateTime::currentDateTimeUtc());
    if (t == before)
        return true;
    return t.Save(path, error);
}

void CReminderTombstones::AddGone(const std::vector<CReminder> &before, const std::vector<CReminder> &after,
                                  const QDateTime &when)
{
    std::unordered_set<quint64> kept;
    kept.reserve(after.size());
    for (const CReminder &r : after)
        kept.insert(r.Id());
    for (const CReminder &r : before)
        if (r.Id() != 0 && !kept.count(r.Id()))
            Add(r.Id(), when);
}

bool CReminderTombstones::Forget(const std::vector<CReminder> &reminders)
{
    bool any = false;
    for (const CReminder &r : reminders)
        any = m_deleted.remove(r.Id()) || any;
    return any;
}

void CReminderTombstones::Add(quint64 id, const QDateTime &when)
{
    const QDateTime utc = when.toUTC();
    const auto it = m_deleted.find(id);
    if (it == m_deleted.end())
        m_deleted.insert(id, utc);
    else if (utc < *it)
        *it = utc;
}

void CReminderTombstones::Take(const CReminderTombstones &other)
{
    for (auto it = other.m_deleted.cbegin(); it != other.m_deleted.cend(); ++it)
        Add(it.key(), it.value());
}

bool CReminderTombstones::Prune(const QDateTime &now)
{
    const QDateTime oldest = now.toUTC().addDays(-kKeepDays);
    const qsizetype before = m_deleted.size();
    m_deleted.removeIf([&](const auto &entry) { return entry.value() < oldest; });
    if (m_deleted.size() > kMaxEntries) {
        std::vector<QDateTime> times(m_deleted.cbegin(), m_deleted.cend());
        std::nth_element(times.begin(), times.end() - kMaxEntries, times.end());
        const QDateTime cut = *(times.end() - kMaxEntries);
        m_deleted.removeIf([&](const auto &entry) { return entry.value() < cut; });
    }
    return m_deleted.size() != before;
}
