#include "storage/CSharedReminderFile.h"

#include "l10n/CNotes.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CReminderFileLock.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <sys/stat.h>

namespace {

bool sameList(const std::vector<CReminder> &a, const std::vector<CReminder> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!CReminder::SameRecord(a[i], b[i]))
            return false;
    return true;
}

} // namespace

CSharedReminderFile::CSharedReminderFile(CReminderStore &store, const QString &baseName)
    : m_store(store), m_baseName(baseName)
{
}

QString CSharedReminderFile::FilePath() const { return m_store.BasePath(m_baseName) + QStringLiteral(".km2"); }

QString CSharedReminderFile::DeletedPath() const { return CReminderTombstones::PathFor(FilePath()); }

void CSharedReminderFile::RememberIds(const std::vector<CReminder> &records)
{
    m_baseIds.clear();
    m_baseIds.reserve(records.size());
    for (const CReminder &r : records)
        m_baseIds.insert(r.Id());
}

void CSharedReminderFile::NoteDeletions(const CReminderList &list, const std::vector<CReminder> *extra)
{
    std::unordered_set<quint64> before = m_baseIds;
    if (extra)
        for (const CReminder &r : *extra)
            before.insert(r.Id());
    if (before.empty())
        return;
    for (const CReminder &r : list.Reminders())
        before.erase(r.Id());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (quint64 id : before) {
        if (!m_deleted.Contains(id)) {
            m_deleted.Add(id, now);
            m_deletedChanged = true;
        }
    }
}

void CSharedReminderFile::ReadDeleted()
{
    CReminderTombstones onDisk;
    QString error;
    if (onDisk.Load(DeletedPath(), error) == CReminderTombstones::Loaded)
        m_deleted.Take(onDisk);
    if (!(onDisk == m_deleted))
        m_deletedChanged = true; // ours hold deletions the file lacks
}

bool CSharedReminderFile::Revive(const CReminderList &list, QString &error)
{
    m_deleted.Forget(list.Reminders());
    CReminderFileLock lock(FilePath());
    if (!lock.Acquire(m_lockTimeoutMs)) {
        error = lock.Error();
        return false;
    }
    return CReminderTombstones::Update(
        FilePath(), [&](CReminderTombstones &t) { t.Forget(list.Reminders()); }, error);
}

bool CSharedReminderFile::DropDeleted(CReminderList &list)
{
    if (m_deleted.Size() == 0)
        return false;
    std::vector<CReminder> kept;
    kept.reserve(list.Reminders().size());
    for (const CReminder &r : list.Reminders())
        if (!m_deleted.Contains(r.Id()))
            kept.push_back(r);
    if (kept.size() == list.Reminders().size())
        return false;
    Trace(QStringLiteral("%1 reminders deleted earlier were in the file again: left out.\n")
              .arg(list.Reminders().size() - kept.size()));
    list.Assign(std::move(kept));
    return true;
}

CSharedReminderFile::Stamp CSharedReminderFile::StampOf(const QString &path)
{
    Stamp s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.m_Exists = true;
    s.m_Size = st.st_size;
    s.m_ModifiedMs = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    s.m_Inode = st.st_ino;
    return s;
}

namespace {
// Only ever compared within this process.
size_t hashOf(const QByteArray &bytes) { return qHash(QByteArrayView(bytes), 0); }
} // namespace

void CSharedReminderFile::Remember(const QByteArray &bytes)
{
    m_baseKnown = true;
    ++m_baseId;
    m_baseBytes = bytes;
    m_basePacked.clear();
    m_baseSize = bytes.size();
    m_baseHash = 0; // taken when the base is packed
}

void CSharedReminderFile::Forget()
{
    m_baseIds.clear();
    m_baseKnown = false;
    ++m_baseId;
    m_baseBytes.clear();
    m_basePacked.clear();
    m_baseSize = 0;
    m_baseHash = 0;
}

bool CSharedReminderFile::MatchesBase(const QByteArray &bytes) const
{
    if (!m_baseKnown || bytes.size() != m_baseSize)
        return false;
    if (!m_basePacked.isEmpty())
        return hashOf(bytes) == m_baseHash;
    return bytes == m_baseBytes;
}

CSharedReminderFile::PackRequest CSharedReminderFile::BaseToPack() const
{
    if (!m_baseKnown || m_baseBytes.isEmpty())
        return {};
    return { m_baseBytes, m_baseId };
}

CSharedReminderFile::PackedBase CSharedReminderFile::Pack(PackRequest request)
{
    PackedBase packed;
    packed.m_Base = request.m_Base;
    if (request.m_Bytes.isEmpty())
        return packed;
    // zlib's default level: a fifth smaller than its fastest for the text
    // of a reminder file, and the thread has time (it runs after the load).
    packed.m_Packed = qCompress(request.m_Bytes, 6);
    packed.m_Packed.squeeze(); // packing grows its buffer in steps
    packed.m_Hash = hashOf(request.m_Bytes);
    return packed;
}

bool CSharedReminderFile::AdoptPacked(PackedBase packed)
{
    if (packed.m_Packed.isEmpty() || !m_baseKnown || m_baseBytes.isEmpty() || packed.m_Base != m_baseId)
        return false; // no memory to pack it, or a pack of an older base: the base stays as it is
    m_baseHash = packed.m_Hash;
    m_basePacked = std::move(packed.m_Packed);
    m_baseBytes = QByteArray();
    return true;
}

std::vector<CReminder> CSharedReminderFile::BaseRecords() const
{
    if (!m_baseKnown || m_baseSize == 0)
        return {};
    CReminderStore::ReadOutcome base;
    base.m_Bytes = m_basePacked.isEmpty() ? m_baseBytes : qUncompress(m_basePacked);
    if (base.m_Bytes.size() != m_baseSize) {
        // Unpacking failed (no memory): with no base, nothing is taken as
        // deleted and every record on both sides is kept.
        Trace("CSharedReminderFile: the base could not be unpacked.\n");
        return {};
    }
    CReminderStore::Parse(base);
    return std::move(base.m_Records);
}

bool CSharedReminderFile::RememberList(const CReminderList &list)
{
    QByteArray bytes;
    QString error;
    if (!CReminderStore::ToBytes(list.Reminders(), bytes, error))
        return false;
    Remember(bytes);
    return true;
}

CReminderStore::LoadResult CSharedReminderFile::Load(CReminderList &list, CUserMessage *tell)
{
    const Stamp before = StampOf(FilePath());
    CReminderStore::ReadOutcome read = m_store.Read(m_baseName);
    const QByteArray bytes = read.m_Bytes;
    const int idsGiven = read.m_IdsGiven;
    const CReminderStore::LoadResult result = CReminderStore::LoadInto(list, read);
    RememberIds(list.Reminders());
    m_deleted = CReminderTombstones();
    m_deletedChanged = false;
    ReadDeleted();
    m_deletedChanged = false;
    m_loadChangedList = DropDeleted(list) || idsGiven > 0;
    if (idsGiven > 0)
        Trace(QStringLiteral("%1 reminders were given ids of their own.\n").arg(idsGiven));
    if (tell)
        *tell = read.m_Message;
    m_loadedCompletely = result == CReminderStore::Loaded || result == CReminderStore::LoadedLegacy;
    m_missingAtLoad = result == CReminderStore::NotFound;
    m_unreadable = result == CReminderStore::Unreadable;
    m_loadDamageOnDisk = false;
    m_stamp = Stamp();
    switch (result) {
    case CReminderStore::Loaded:
    case CReminderStore::LoadedLegacy:
    case CReminderStore::NotFound:
        // What was read is the base; an older form's file (or none) never
        // matches the current file's bytes, so that one is merged.
        Remember(bytes);
        m_stamp = before;
        break;
    case CReminderStore::Corrupt:
        // The load kept a copy; the file stays unseen so that the first
        // save writes it whole.
        // Written over only once a copy of it is kept (or there is nothing
        // in it to keep): the next merge tries the copy again.
        if (!read.m_CorruptCopy.isEmpty() || bytes.isEmpty())
            m_copiedDamageHash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
        m_loadDamageCopy = read.m_CorruptCopy;
        m_loadDamageOnDisk = true;
        if (!RememberList(list))
            Forget();
        break;
    case CReminderStore::OutOfMemory:
    case CReminderStore::Unreadable:
        // Nothing trustworthy was read: every record the file holds is
        // taken at the next merge, none is taken as deleted.
        Forget();
        break;
    }
    return result;
}

bool CSharedReminderFile::MergeFromDisk(CReminderList &list, Outcome &outcome)
{
    // The stamp alone cannot be trusted: a replaced file may get the old
    // inode number back, with the same size, within one tick of the file
    // system's clock. So the content decides, byte for byte.
    const Stamp now = StampOf(FilePath());
    if (!now.m_Exists) {
        // Gone (or never written): what we hold is written back.
        m_unreadable = false;
        m_loadDamageOnDisk = false;
        m_stamp = now;
        return true;
    }
    CReminderStore::ReadOutcome read = m_store.ReadFile(m_baseName);
    if (read.m_Result == CReminderStore::Loaded && read.m_Path == FilePath() && MatchesBase(read.m_Bytes)) {
        m_unreadable = false;
        m_stamp = now; // touched, not changed
        return true;
    }
    if (read.m_Result == CReminderStore::Loaded && read.m_Path == FilePath())
        CReminderStore::Parse(read);
    if (read.m_Result == CReminderStore::Unreadable || read.m_Result == CReminderStore::OutOfMemory
        || read.m_Result == CReminderStore::NotFound || read.m_Path != FilePath()) {
        m_unreadable = true;
        outcome.m_Status = Unreadable;
        outcome.m_Error = read.m_Error.isEmpty() ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "not enough memory to read it")) : read.m_Error;
        return false;
    }
    m_unreadable = false;
    const bool damaged = read.m_Result == CReminderStore::Corrupt;
    if (damaged) {
        const QByteArray hash = QCryptographicHash::hash(read.m_Bytes, QCryptographicHash::Sha1);
        if (hash != m_copiedDamageHash) {
            // Damaged since it was read: by another program.
            outcome.m_DamagedCopy = CReminderStore::KeepCorruptCopy(read.m_Path);
            if (outcome.m_DamagedCopy.isEmpty() && !read.m_Bytes.isEmpty()) {
                // Its only copy: never written over.
                m_unreadable = true;
                outcome.m_Status = Unreadable;
                outcome.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it is damaged (%1), and no copy of it could be kept"))
                                      .arg(read.m_Error);
                return false;
            }
            m_copiedDamageHash = hash;
            m_loadDamageOnDisk = false;
        }
    } else {
        m_loadDamageOnDisk = false;
    }
    const std::vector<CReminder> base = BaseRecords();
    ReadDeleted();
    // Nothing changed here since the last read or write: the file is taken
    // as it stands, in its own order, so that the next save finds nothing
    // to write.
    const bool takeTheirs = !damaged && sameList(base, list.Reminders())
        && std::none_of(read.m_Records.begin(), read.m_Records.end(),
                        [this](const CReminder &r) { return m_deleted.Contains(r.Id()); });
    CReminderMergeResult merged =
        CReminderMerge::Merge(base, list.Reminders(), read.m_Records,
                              damaged ? CReminderMerge::TheirsDamaged : CReminderMerge::TheirsComplete, &m_deleted);
    if (takeTheirs)
        merged.m_Merged = std::move(read.m_Records);
    const std::vector<CReminder> theirs = std::move(read.m_Records);
    read.m_Records.clear();
    outcome.m_Taken += merged.m_TakenFromTheirs;
    outcome.m_Removed += merged.m_RemovedByTheirs;
    if (merged.m_TakenFromTheirs > 0 || merged.m_RemovedByTheirs > 0) {
        outcome.m_ListChanged = true;
        Trace(QStringLiteral("Took in outside changes to %1: %2 added, %3 removed, %4 edited on both sides.\n")
                  .arg(read.m_Path)
                  .arg(merged.m_TakenFromTheirs)
                  .arg(merged.m_RemovedByTheirs)
                  .arg(merged.m_Conflicts));
        list.Assign(std::move(merged.m_Merged));
    }
    // What left the list in this merge, on either side, stays deleted.
    NoteDeletions(list, &theirs);
    if (damaged) {
        // The file must be rewritten whole; its stamp stays unseen so the
        // next save does so.
        m_stamp = Stamp();
    } else {
        Remember(read.m_Bytes);
        RememberIds(theirs);
        m_stamp = now;
        m_loadedCompletely = true; // the whole file is in the list now
    }
    return true;
}

CSharedReminderFile::Outcome CSharedReminderFile::TakeOutsideChanges(CReminderList &list)
{
    Outcome outcome;
    MergeFromDisk(list, outcome);
    return outcome;
}

CSharedReminderFile::Outcome CSharedReminderFile::Save(CReminderList &list)
{
    Outcome outcome;
    if (list.GetSize() == 0 && !m_store.Exists(m_baseName)) {
        // A missing file and nothing to put in it: a file of no reminders
        // would only be taken for a whole list later.
        return outcome;
    }
    CReminderFileLock lock(FilePath());
    if (!lock.Acquire(m_lockTimeoutMs)) {
        outcome.m_Status = Busy;
        outcome.m_Error = lock.Error();
        return outcome;
    }
    if (!MergeFromDisk(list, outcome))
        return outcome;
    // Deleted here since the last read or write.
    NoteDeletions(list);
    if (m_deletedChanged) {
        m_deleted.Prune(QDateTime::currentDateTimeUtc());
        // Before the file, so that a file without a reminder never stands
        // beside a record that does not know it was deleted.
        if (!m_deleted.Save(DeletedPath(), outcome.m_Error)) {
            outcome.m_Status = WriteFailed;
            return outcome;
        }
        m_deletedChanged = false;
    }
    QByteArray bytes;
    if (!CReminderStore::ToBytes(list.Reminders(), bytes, outcome.m_Error, m_baseSize)) {
        outcome.m_Status = WriteFailed;
        return outcome;
    }
    // After the merge the file holds the base; the list's bytes equal to
    // it need no write.
    if (m_stamp.m_Exists && MatchesBase(bytes)) {
        outcome.m_Status = Unchanged;
        return outcome;
    }
    if (!m_store.WriteQuietly(bytes, m_baseName, outcome.m_Error)) {
        outcome.m_Status = WriteFailed;
        return outcome;
    }
    Remember(bytes);
    RememberIds(list.Reminders());
    m_stamp = StampOf(FilePath());
    outcome.m_Status = Saved;
    if (m_loadDamageOnDisk) {
        outcome.m_SavedOverDamage = m_loadDamageCopy;
        m_loadDamageOnDisk = false;
    }
    if (m_missingAtLoad)
        m_loadedCompletely = true; // the user's own list, now in the file
    return outcome;
}
