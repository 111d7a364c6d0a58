#include "storage/CReminderStore.h"

#include "l10n/CNotes.h"
#include "l10n/KmTranslate.h"
#include "model/CArchive.h"
#include "model/CArchiveException.h"
#include "model/CFileException.h"
#include "model/CMemoryException.h"
#include "model/CReminderIds.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "model/CRegularFile.h"
#include "storage/CKmPaths.h"
#include "storage/CPrefault.h"
#include "storage/CReminderFileFormat.h"
#include "storage/CWriteFailure.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const QString CReminderStore::kReminderBase = QStringLiteral("Kestrelmark");
const QString CReminderStore::kBackupBase = QStringLiteral("KestrelmarkBackup");

const QString CReminderStore::kCorruptMessage = QStringLiteral(QT_TRANSLATE_NOOP("CReminderStore",
    "Sorry, but either your reminder file is from a previous version of this software, or it has become "
    "corrupt and cannot be read, or it is empty."));
const QString CReminderStore::kLoadMemoryMessage = QStringLiteral(QT_TRANSLATE_NOOP("CReminderStore","Sorry, there is not enough memory to run this program."));
const QString CReminderStore::kWriteErrorMessage = QStringLiteral(QT_TRANSLATE_NOOP("CReminderStore",
    "An error occurred while attempting to write your reminder file to disk.  You may be out of harddrive "
    "space.  Please free up some space and click OK to try again."));
const QString CReminderStore::kSaveMemoryMessage = QStringLiteral(QT_TRANSLATE_NOOP("CReminderStore",
    "Sorry, there is not enough memory to save your reminders.  Please close all other programs and click OK "
    "to try again."));

namespace {

// The header alone: the count and whether it could possibly be true. The
// record reader makes the same plausibility check before it allocates.
void peekHeader(QByteArrayView bytes, CReminderStore::ReadOutcome &outcome)
{
    outcome.m_CountKnown = false;
    try {
        CArchive ar(bytes);
        quint32 count = ar.ReadDWord();
        qint64 minRecord = CReminderFileFormat::kMinLegacyRecord;
        if (count == 0) {
            if (ar.ReadString() != CReminderFileFormat::kBanner)
                return; // no count of this form's
            count = ar.ReadDWord();
            minRecord = CReminderFileFormat::kMinTaggedRecord;
        }
        outcome.m_Count = count;
        outcome.m_CountKnown = static_cast<qint64>(count) <= ar.BytesRemaining() / minRecord;
    } catch (const std::exception &) {
    }
}

} // namespace

CReminderStore::CReminderStore(const QString &folder) : m_folder(folder) {}

QString CReminderStore::GetReminderFolder() const
{
    if (m_folder.isEmpty())
        return CKmPaths::GetReminderFolder();
    QDir().mkpath(m_folder);
    return m_folder;
}

QString CReminderStore::BasePath(const QString &baseName) const
{
    return GetReminderFolder() + QLatin1Char('/') + baseName;
}

bool CReminderStore::Exists(const QString &baseName) const
{
    const QString path = BasePath(baseName);
    return QFileInfo(path + QStringLiteral(".km2")).isFile() || QFileInfo(path + QStringLiteral(".kmr")).isFile();
}

CReminderStore::ReadOutcome CReminderStore::Read(const QString &baseName) const
{
    ReadOutcome outcome = ReadFile(baseName);
    if (outcome.m_Result == Loaded)
        Parse(outcome);
    return outcome;
}

CReminderStore::ReadOutcome CReminderStore::ReadFile(const QString &baseName) const
{
    ReadOutcome outcome;
    const QString path = BasePath(baseName);
    ReadPath(path + QStringLiteral(".km2"), outcome);
    if (outcome.m_Result != NotFound)
        return outcome;
    Trace(QDir::toNativeSeparators(path) + QStringLiteral(".km2")
          + QStringLiteral(" not found.  Looking for KM 1.x reminders...\n"));
    ReadPath(path + QStringLiteral(".kmr"), outcome);
    if (outcome.m_Result == NotFound)
        Trace("No reminders found.\n");
    return outcome;
}

CReminderStore::LoadResult CReminderStore::OpenFile(QFile &file, const QString &path, QString &error)
{
    switch (CRegularFile::OpenForReading(file, path, error)) {
    case CRegularFile::Opened:
        break;
    case CRegularFile::Missing:
        return NotFound;
    case CRegularFile::NotRegular:
    case CRegularFile::Failed:
        return Unreadable; // there but not readable: not the same as missing
    }
    if (file.size() > kMaxInMemoryBytes) {
        // No reminder file of this program's grows that large: it is left
        // alone as one that cannot be read.
        error = QCoreApplication::translate("CReminderStore", "it is larger than %1 MB").arg(kMaxInMemoryBytes >> 20);
        file.close();
        return Unreadable;
    }
    return Loaded;
}

void CReminderStore::ReadPath(const QString &path, ReadOutcome &outcome)
{
    outcome = ReadOutcome();
    QFile file;
    outcome.m_Result = OpenFile(file, path, outcome.m_Error);
    if (outcome.m_Result == NotFound)
        return;
    outcome.m_Path = path;
    if (outcome.m_Result != Loaded)
        return;
    // The whole file in one read, parsed later from memory.
    try {
        if (!ReadWhole(file, file.size(), outcome.m_Bytes)) {
            outcome.m_Result = Unreadable;
            outcome.m_Error = file.errorString();
        }
    } catch (const std::bad_alloc &) {
        outcome.m_Result = OutOfMemory;
        outcome.m_Error = QCoreApplication::translate("CReminderStore", "not enough memory to read it");
    }
}

bool CReminderStore::ReadWhole(QFile &file, qint64 size, QByteArray &bytes)
{
    bytes = QByteArray(size, Qt::Uninitialized); // exactly: resize() would round up
    CPrefault::ForWriting(bytes.data(), static_cast<size_t>(size));
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(bytes.data() + got, size - got);
        if (n <= 0)
            break;
        got += n;
    }
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return false;
    }
    bytes.truncate(got); // shrank while it was read
    return true;
}

void CReminderStore::Parse(ReadOutcome &outcome)
{
    outcome.m_Records.clear();
    peekHeader(outcome.m_Bytes, outcome);
    try {
        const CReminderFileFormat::Format format = CReminderFileFormat::Read(outcome.m_Bytes, outcome.m_Records);
        outcome.m_Result = format == CReminderFileFormat::Legacy ? LoadedLegacy : Loaded;
    } catch (const CArchiveException &e) {
        outcome.m_Error = QString::fromLocal8Bit(e.what());
        outcome.m_Result = Corrupt;
    } catch (const CFileException &e) {
        outcome.m_Error = QString::fromLocal8Bit(e.what());
        outcome.m_Result = Corrupt;
    } catch (const CMemoryException &) {
        outcome.m_Result = OutOfMemory;
    } catch (const std::bad_alloc &) {
        outcome.m_Result = OutOfMemory;
    }
    // A file written without ids (by an older or another program) gets
    // them here, the same in every process that reads it.
    if (outcome.m_Result != OutOfMemory)
        outcome.m_IdsGiven = CReminderIds::AssignMissing(outcome.m_Records);
    if (outcome.m_Result == Corrupt)
        Trace(QStringLiteral("CReminderStore::Read %1: %2\n").arg(outcome.m_Path, outcome.m_Error));
    else if (outcome.m_Result == OutOfMemory)
        outcome.m_Error = QCoreApplication::translate("CReminderStore", "not enough memory to read it");
}

QString CReminderStore::CorruptCopyPath(const QString &path)
{
    return path + QStringLiteral(".unreadable-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

QString CReminderStore::KeepCorruptCopy(const QString &path)
{
    if (QFileInfo(path).size() == 0)
        return QString(); // nothing in it to keep
    QString copy = CorruptCopyPath(path);
    for (int n = 2; QFileInfo::exists(copy) && n < 100; ++n)
        copy = CorruptCopyPath(path) + QLatin1Char('-') + QString::number(n);
    if (QFile::copy(path, copy)) {
        Trace(QStringLiteral("Kept a copy of the unreadable file as ") + copy + QStringLiteral(".\n"));
        return copy;
    }
    Trace(QStringLiteral("Couldn't keep a copy of the unreadable file ") + path + QStringLiteral("!\n"));
    return QString();
}

QString CReminderStore::UnreadableMessage(const QString &path, const QString &reason)
{
    //: %1 is the reminder file, %2 why it cannot be read.
    return QCoreApplication::translate("CReminderStore", "Sorry, your reminder file %1 cannot be read (%2). Your reminders stay in this "
                          "program, and the file will not be written until it can be read again.")
        .arg(QDir::toNativeSeparators(path), CNotes::Shown(reason));
}

void CReminderStore::DescribeLoadFailure(ReadOutcome &outcome)
{
    if (outcome.m_Result == Corrupt) {
        const QString copy = KeepCorruptCopy(outcome.m_Path);
        outcome.m_CorruptCopy = copy;
        outcome.m_Message = CUserMessage::Error(
            copy.isEmpty() ? KmTranslate("CReminderStore", kCorruptMessage)
                           : KmTranslate("CReminderStore", kCorruptMessage)
                                 + QCoreApplication::translate("CReminderStore", "\n\nA copy of the damaged file was kept as %1.").arg(QDir::toNativeSeparators(copy)));
    } else if (outcome.m_Result == Unreadable) {
        outcome.m_Message = CUserMessage::Error(UnreadableMessage(outcome.m_Path, outcome.m_Error));
    } else if (outcome.m_Result == OutOfMemory) {
        outcome.m_Message = CUserMessage::Error(KmTranslate("CReminderStore", kLoadMemoryMessage));
    }
}

CReminderStore::LoadResult CReminderStore::LoadReminders(CReminderList &list, const QString &baseName,
                                                         CUserMessage *tell)
{
    ReadOutcome outcome = Read(baseName);
    const LoadResult result = LoadInto(list, outcome);
    if (tell)
        *tell = outcome.m_Message;
    return result;
}

CReminderStore::LoadResult CReminderStore::LoadInto(CReminderList &list, ReadOutcome &outcome)
{
    bool assigned = false;
    switch (outcome.m_Result) {
    case NotFound:
        break;
    case Loaded:
    case LoadedLegacy:
        list.Assign(std::move(outcome.m_Records));
        assigned = true;
        break;
    case Unreadable:
        DescribeLoadFailure(outcome);
        break;
    case Corrupt:
    case OutOfMemory:
        DescribeLoadFailure(outcome);
        if (outcome.m_CountKnown) {
            // The records read intact. Those that could not be read are
            // not made into reminders of the record defaults (they would
            // fall due as such): their bytes are in the copy kept aside.
            list.Assign(std::move(outcome.m_Records));
            assigned = true;
        }
        break;
    }
    outcome.m_Records.clear();
    // The list is in date order with its indexes built in every case.
    if (!assigned)
        list.Assign(std::vector<CReminder>(list.Reminders()));
    return outcome.m_Result;
}

CReminderStore::SaveResult CReminderStore::SaveReminders(const CReminderList &list, const QString &baseName,
                                                         CUserMessage *tell)
{
    return SaveReminders(list.Reminders(), baseName, tell);
}

CReminderStore::SaveResult CReminderStore::SaveReminders(const std::vector<CReminder> &reminders,
                                                         const QString &baseName, CUserMessage *tell)
{
    const auto told = [tell](SaveResult result, const QString &text) {
        if (tell)
            *tell = CUserMessage::Error(text);
        return result;
    };
    const QString path = BasePath(baseName);
    QSaveFile file(path + QStringLiteral(".km2"));
    if (!file.open(QIODevice::WriteOnly))
        //: %1 is the reminder file, %2 why it cannot be opened.
        return told(OpenFailed, QCoreApplication::translate("CReminderStore", "Error opening %1: %2")
                                    .arg(QDir::toNativeSeparators(path), CWriteFailure::Describe(file.fileName(), file.errorString())));
    const QString *message = &kWriteErrorMessage;
    try {
        std::unique_ptr<QIODevice> filtered;
        QIODevice *device = &file;
        if (m_writeFilter) {
            filtered = m_writeFilter(file);
            device = filtered.get();
        }
        CReminderFileFormat::Write(*device, reminders);
        if (file.commit())
            return Saved;
        Trace(QStringLiteral("CReminderStore::SaveReminders commit failed: ") + file.errorString() + QLatin1Char('\n'));
    } catch (const CArchiveException &e) {
        Trace(QStringLiteral("CReminderStore::SaveReminders: %1\n").arg(QString::fromLocal8Bit(e.what())));
    } catch (const CFileException &e) {
        Trace(QStringLiteral("CReminderStore::SaveReminders: %1\n").arg(QString::fromLocal8Bit(e.what())));
    } catch (const CMemoryException &) {
        message = &kSaveMemoryMessage;
    } catch (const std::bad_alloc &) {
        message = &kSaveMemoryMessage;
    }
    file.cancelWriting(); // the old file stays as it was
    return told(WriteFailed, KmTranslate("CReminderStore", *message));
}

bool CReminderStore::ToBytes(const std::vector<CReminder> &reminders, QByteArray &bytes, QString &error,
                             qsizetype sizeHint)
{
    try {
        bytes = QByteArray();
        // Room for what the file is likely to take, so that it is not
        // copied each time it outgrows its buffer.
        if (sizeHint > 0)
            bytes.reserve(sizeHint + sizeHint / 16 + 4096);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        CReminderFileFormat::Write(buffer, reminders);
        buffer.close();
        if (bytes.capacity() - bytes.size() > bytes.size() / 8)
            bytes.squeeze(); // kept as the last known content: little spare room
        return true;
    } catch (const std::bad_alloc &) {
    } catch (const CMemoryException &) {
    }
    bytes.clear();
    error = QCoreApplication::translate("CReminderStore", "not enough memory");
    return false;
}

bool CReminderStore::WriteQuietly(const QByteArray &bytes, const QString &baseName, QString &error)
{
    QSaveFile file(BasePath(baseName) + QStringLiteral(".km2"));
    if (!file.open(QIODevice::WriteOnly)) {
        error = CWriteFailure::Describe(file.fileName(), file.errorString(), bytes.size());
        return false;
    }
    std::unique_ptr<QIODevice> filtered;
    QIODevice *device = &file;
    if (m_writeFilter) {
        filtered = m_writeFilter(file);
        device = filtered.get();
    }
    if (device->write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        error = file.error() != QFileDevice::NoError ? file.errorString() : device->errorString();
        if (error.isEmpty())
            error = QCoreApplication::translate("CReminderStore", "the disk may be full");
        error = CWriteFailure::Describe(file.fileName(), error, bytes.size());
        file.cancelWriting(); // the old file stays as it was
        return false;
    }
    if (!file.commit()) {
        error = CWriteFailure::Describe(file.fileName(), file.errorString(), bytes.size());
        return false;
    }
    return true;
}
