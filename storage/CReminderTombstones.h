#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

class CReminder;

// The reminders deleted lately, by id, with the time of deletion: kept in
// a companion file beside the reminder file ("<base>Deleted.json"),
// written in one step under the reminder file's lock, so that no merge
// brings a deleted reminder back, whatever the other side did with it
// meanwhile. A deletion is remembered for kKeepDays, and at most
// kMaxEntries of them (the newest).
class CReminderTombstones
{
public:
    static constexpr int kKeepDays = 400;
    static constexpr int kMaxEntries = 200000;

    enum LoadResult { Loaded, NotFound, Damaged };

    // "<folder>/Kestrelmark.km2" -> "<folder>/KestrelmarkDeleted.json".
    static QString PathFor(const QString &reminderFile);

    // Damaged: the file is kept aside (error says where) and nothing is
    // taken from it.
    LoadResult Load(const QString &path, QString &error);
    bool Save(const QString &path, QString &error) const;

    // The companion of a reminder file changed in place, by a writer that
    // holds the file's lock; false (with the reason) when it cannot be
    // written.
    static bool Update(const QString &reminderFile, const std::function<void(CReminderTombstones &)> &change,
                       QString &error);

    void Add(quint64 id, const QDateTime &when);
    // Each reminder of before that after no longer holds, deleted at when.
    void AddGone(const std::vector<CReminder> &before, const std::vector<CReminder> &after, const QDateTime &when);
    // These reminders are back on purpose (a recovery): no longer deleted.
    // True when any was.
    bool Forget(const std::vector<CReminder> &reminders);
    bool Contains(quint64 id) const { return m_deleted.contains(id); }
    // Every deletion the other knows too (the earlier time of the two).
    void Take(const CReminderTombstones &other);
    // Forgets deletions older than kKeepDays before now, and the oldest
    // beyond kMaxEntries; true when any went.
    bool Prune(const QDateTime &now);
    qsizetype Size() const { return m_deleted.size(); }
    bool operator==(const CReminderTombstones &o) const { return m_deleted == o.m_deleted; }

private:
    QHash<quint64, QDateTime> m_deleted; // UTC
};
