#include "storage/CSharedReminderFile.h"

#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CReminderFileLock.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

bool sameList(const std::vector<CReminder> &a, const std::vector<CReminder> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!CReminderMerge::SameRecord(a[i], b[i]))
            return false;
    return true;
}

void assignSorted(CReminderList &list, std::vector<CReminder> records)
{
    list.Assign(std::move(records));
    if (!list.IsSorted())
        list.Sort();
    else
        list.RebuildIndexes();
}

} // namespace

CSharedReminderFile::CSharedReminderFile(CReminderStore &store, const QString &baseName)
    : m_store(store), m_baseName(baseName)
{
}

QString CSharedReminderFile::FilePath() const { return m_store.BasePath(m_baseName) + QStringLiteral(".km2"); }

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

QByteArray CSharedReminderFile::HashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

void CSharedReminderFile::Remember(std::vector<CReminder> records, const QByteArray &bytes)
{
    m_base = std::move(records);
    m_hash = HashOf(bytes);
}

CReminderStore::LoadResult CSharedReminderFile::Load(CReminderList &list)
{
    const Stamp before = StampOf(FilePath());
    const CReminderStore::LoadResult result = m_store.LoadReminders(list, m_baseName);
    m_loadedCompletely = result == CReminderStore::Loaded || result == CReminderStore::LoadedLegacy
        || result == CReminderStore::NotFound;
    m_unreadable = result == CReminderStore::Unreadable;
    if (m_loadedCompletely) {
        m_base = list.Reminders();
        m_stamp = before;
        m_hash.clear(); // the next look reads the file and merges it
    } else {
        // Nothing trustworthy was read: every record the file holds is
        // taken at the next merge, none is taken as deleted.
        m_base.clear();
        m_stamp = Stamp();
    }
    return result;
}

bool CSharedReminderFile::MergeFromDisk(CReminderList &list, Outcome &outcome)
{
    // The stamp alone cannot be trusted: a replaced file may get the old
    // inode number back, with the same size, within one tick of the file
    // system's clock. So the content decides, by its hash.
    const Stamp now = StampOf(FilePath());
    if (!now.m_Exists) {
        // Gone (or never written): what we hold is written back.
        m_unreadable = false;
        m_stamp = now;
        return true;
    }
    CReminderStore::ReadOutcome read = m_store.Read(m_baseName);
    if (read.m_Result == CReminderStore::Unreadable || read.m_Result == CReminderStore::OutOfMemory
        || read.m_Path != FilePath()) {
        m_unreadable = true;
        outcome.m_Status = Unreadable;
        outcome.m_Error = read.m_Error.isEmpty() ? QStringLiteral("not enough memory to read it") : read.m_Error;
        return false;
    }
    m_unreadable = false;
    const QByteArray hash = HashOf(read.m_Bytes);
    if (!m_hash.isEmpty() && hash == m_hash) {
        m_stamp = now; // touched, not changed
        return true;
    }
    const bool damaged = read.m_Result == CReminderStore::Corrupt;
    if (damaged && hash != m_copiedDamageHash) {
        outcome.m_DamagedCopy = CReminderStore::KeepCorruptCopy(read.m_Path);
        m_copiedDamageHash = hash;
    }
    CReminderMergeResult merged = CReminderMerge::Merge(
        m_base, list.Reminders(), read.m_Records,
        damaged ? CReminderMerge::TheirsDamaged : CReminderMerge::TheirsComplete);
    outcome.m_Taken += merged.m_TakenFromTheirs;
    outcome.m_Removed += merged.m_RemovedByTheirs;
    if (merged.m_TakenFromTheirs > 0 || merged.m_RemovedByTheirs > 0) {
        outcome.m_ListChanged = true;
        Trace(QStringLiteral("Took in outside changes to %1: %2 added, %3 removed, %4 edited on both sides.\n")
                  .arg(read.m_Path)
                  .arg(merged.m_TakenFromTheirs)
                  .arg(merged.m_RemovedByTheirs)
                  .arg(merged.m_Conflicts));
        assignSorted(list, std::move(merged.m_Merged));
    }
    if (damaged) {
        // The file must be rewritten whole; its stamp stays unseen so the
        // next save does so.
        m_stamp = Stamp();
    } else {
        Remember(std::move(read.m_Records), read.m_Bytes);
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
    CReminderFileLock lock(FilePath());
    if (!lock.Acquire(m_lockTimeoutMs)) {
        outcome.m_Status = Busy;
        outcome.m_Error = lock.Error();
        return outcome;
    }
    if (!MergeFromDisk(list, outcome))
        return outcome;
    if (m_stamp.m_Exists && !m_hash.isEmpty() && sameList(m_base, list.Reminders())) {
        outcome.m_Status = Unchanged;
        return outcome;
    }
    QByteArray written;
    QString error;
    if (!m_store.WriteQuietly(list.Reminders(), m_baseName, error, &written)) {
        outcome.m_Status = WriteFailed;
        outcome.m_Error = error;
        return outcome;
    }
    Remember(list.Reminders(), written);
    m_stamp = StampOf(FilePath());
    outcome.m_Status = Saved;
    return outcome;
}
