#pragma once

#include "model/CReminder.h"
#include "storage/CReminderMerge.h"
#include "storage/CReminderStore.h"
#include "storage/CReminderTombstones.h"

#include <QByteArray>
#include <QString>
#include <unordered_set>
#include <vector>

class CReminderList;

// The program's side of a reminder file other processes may write too.
// It remembers what the file held when the program last read or wrote it
// (the base: the file's bytes, which take less room than the records they
// hold); before every write, and whenever the folder changes, a file whose
// bytes no longer match is read and merged three ways (base, our list, the
// file) so that nothing another writer put there is lost. A file that did
// not change is never parsed again. Every write happens under the file's
// lock. A file that is there but cannot be read is never written, and a
// missing one is not written while there is nothing to put in it.
// Reminders are paired by id, and every reminder that leaves the list is
// remembered as deleted (CReminderTombstones, saved under the same lock
// before the file), so no later merge brings it back.
class CSharedReminderFile
{
public:
    static constexpr int kDefaultLockTimeoutMs = 5000;

    enum Status
    {
        Saved,       // the file now holds the list
        Unchanged,   // the file already held the list: nothing written
        Busy,        // another writer held the lock
        Unreadable,  // the file is there but cannot be read: left alone
        WriteFailed, // the write failed: the old file is whole
    };

    struct Outcome
    {
        Status m_Status = Unchanged;
        QString m_Error;           // the reason, for Busy/Unreadable/WriteFailed
        bool m_ListChanged = false; // outside changes were merged into the list
        int m_Taken = 0;            // records that came from outside
        int m_Removed = 0;          // records removed from outside
        QString m_DamagedCopy;      // where a damaged file found on disk was copied
        // Saved over the damaged file the start-up read: where the load
        // kept its copy.
        QString m_SavedOverDamage;
    };

    explicit CSharedReminderFile(CReminderStore &store, const QString &baseName = CReminderStore::kReminderBase);

    QString FilePath() const;

    // Start-up: reads the file into the list (tell receives what the user
    // is to hear of a failed read) and makes what was read the base, a damaged file's readable part
    // included (so the next merge neither takes those records as new nor
    // brings back one deleted here).
    CReminderStore::LoadResult Load(CReminderList &list, CUserMessage *tell = nullptr);
    // The list holds the whole file (read completely at start-up, or
    // merged completely since), or the file was missing and the list the
    // user made since has been written: a list a backup may be made from.
    // A missing file alone is not a whole list.
    bool LoadedCompletely() const { return m_loadedCompletely; }
    // The load changed what it read (ids given, a deleted reminder another
    // writer put back dropped): a save is due.
    bool LoadChangedList() const { return m_loadChangedList; }
    const CReminderTombstones &Deleted() const { return m_deleted; }
    // The list was put back on purpose (a recovery from the backup): its
    // reminders are no longer deleted, here and in the companion file.
    // False (with the reason) when the companion could not be written.
    bool Revive(const CReminderList &list, QString &error);
    QString DeletedPath() const;

    // Merges what another writer put in the file into the list.
    Outcome TakeOutsideChanges(CReminderList &list);
    // Under the lock: merges outside changes, then writes the list when
    // the file does not already hold it.
    Outcome Save(CReminderList &list);

    void SetLockTimeout(int milliseconds) { m_lockTimeoutMs = milliseconds; }

    // The base is needed only when the file changed and is otherwise
    // compared by size and hash, so it is kept packed: a few megabytes less
    // with a large file. Packing takes about 50 ms for 100 000 reminders,
    // so it may run on another thread: BaseToPack and AdoptPacked on the
    // owner's thread, Pack anywhere.
    struct PackRequest
    {
        QByteArray m_Bytes; // the base's bytes (shared, never changed); empty: nothing to pack
        quint64 m_Base = 0; // which base they are
    };
    struct PackedBase
    {
        QByteArray m_Packed; // empty: packing failed (no memory)
        size_t m_Hash = 0;
        quint64 m_Base = 0;
    };
    PackRequest BaseToPack() const;
    static PackedBase Pack(PackRequest request);
    // Keeps the pack when it was made of the base still in use (a merge or
    // a save since has a base of its own); false when it was not kept.
    bool AdoptPacked(PackedBase packed);
    bool IsCompact() const { return m_baseBytes.isEmpty() && !m_basePacked.isEmpty(); }

private:
    struct Stamp
    {
        bool m_Exists = false;
        qint64 m_Size = -1;
        qint64 m_ModifiedMs = 0;
        quint64 m_Inode = 0;
        bool operator==(const Stamp &o) const = default;
    };
    static Stamp StampOf(const QString &path);

    // Reads the file and, when its bytes changed, merges it; false when it
    // is there and cannot be read (outcome says why).
    bool MergeFromDisk(CReminderList &list, Outcome &outcome);
    void Remember(const QByteArray &bytes);
    // The list as the base (after a damaged load); false without memory.
    bool RememberList(const CReminderList &list);
    void Forget();
    // The ids of the base, whose records are needed only for a merge.
    void RememberIds(const std::vector<CReminder> &records);
    // Every reminder of the base (and of extra) that the list no longer
    // holds is remembered as deleted now.
    void NoteDeletions(const CReminderList &list, const std::vector<CReminder> *extra = nullptr);
    // Takes in the deletions other writers remembered.
    void ReadDeleted();
    // Drops from the list every reminder known to be deleted; true when any.
    bool DropDeleted(CReminderList &list);
    // The bytes are the base's (never true when the base is not known).
    bool MatchesBase(const QByteArray &bytes) const;
    // The base's records (none when it is not known).
    std::vector<CReminder> BaseRecords() const;

    CReminderStore &m_store;
    QString m_baseName;
    bool m_baseKnown = false;  // the base is what the file held (empty: no file)
    QByteArray m_baseBytes;    // the base, unless packed
    QByteArray m_basePacked;   // the base, packed by Compact
    qsizetype m_baseSize = 0;
    size_t m_baseHash = 0;
    quint64 m_baseId = 0; // grows with every new base, so a late pack of an old one is refused
    Stamp m_stamp;
    QByteArray m_copiedDamageHash; // a damaged content already copied aside
    QString m_loadDamageCopy;      // the copy the load kept of a damaged file
    bool m_loadDamageOnDisk = false; // that damaged file is still the file
    bool m_missingAtLoad = false;
    bool m_loadedCompletely = false;
    bool m_unreadable = false;
    int m_lockTimeoutMs = kDefaultLockTimeoutMs;
    std::unordered_set<quint64> m_baseIds;
    CReminderTombstones m_deleted;
    bool m_deletedChanged = false; // not yet written
    bool m_loadChangedList = false;
};
