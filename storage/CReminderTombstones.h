#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

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

    void Add(quint64 id, const QDateTime &when);
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
