#include "storage/CReminderPackReader.h"

#include "model/CArchive.h"
#include "model/CArchiveException.h"
#include "model/CTrace.h"

#include <QIODevice>
#include <memory>

void CReminderPackReader::ReadBinaryFile(CArchive &ar, const QString &name, quint32 totalSize, Sink &sink)
{
    const bool keep = sink.BeginFile(name, totalSize);
    std::unique_ptr<char[]> buffer(new char[kBlockSize]);
    qint64 received = 0;
    try {
        for (;;) {
            const quint32 length = ar.ReadDWord();
            Trace(QStringLiteral("%1 size header.\n").arg(static_cast<qint32>(length)));
            if (length == 0) {
                Trace("EOS (end of file) token detected.  Done reading.\n");
                break;
            }
            if (length > kBlockSize)
                throw CArchiveException(CArchiveException::generic,
                                        QStringLiteral("block of %1 bytes in %2").arg(length).arg(name));
            const qint64 left = ar.BytesRemaining();
            if (left >= 0 && length > left)
                throw CArchiveException(CArchiveException::endOfFile,
                                        QStringLiteral("block of %1 bytes past the end in %2").arg(length).arg(name));
            Trace(QStringLiteral("%1 bytes to read (%2 left).\n").arg(length).arg(qint64(totalSize) - received));
            ar.Read(buffer.get(), length);
            if (keep)
                sink.Block(buffer.get(), length);
            received += length;
        }
    } catch (...) {
        if (keep)
            sink.AbortFile();
        throw;
    }
    if (received != totalSize)
        Trace(QStringLiteral("%1 announced %2 bytes but %3 came.\n").arg(name).arg(totalSize).arg(received));
    if (received < totalSize) {
        // Cut short, like a cut block: no partial file is kept.
        if (keep)
            sink.AbortFile();
        throw CArchiveException(CArchiveException::endOfFile,
                                QStringLiteral("%1 announced %2 bytes but only %3 came").arg(name).arg(totalSize).arg(received));
    }
    if (keep)
        sink.EndFile(received);
}

CReminderPackReader::Result CReminderPackReader::Read(QIODevice &device, Sink &sink)
{
    CArchive ar(&device, CArchive::load);
    if (ar.ReadDWord() != kNewSizeTag) {
        Trace("Size does not match NEW_SIZE_TAG!\n");
        return NotAPack;
    }
    ar.ReadString(); // the banner; its text is not checked
    const quint32 count = ar.ReadDWord();
    const qint64 left = ar.BytesRemaining();
    if (left >= 0 && count > left / 2) // every object takes at least a 2-byte tag
        throw CArchiveException(CArchiveException::endOfFile,
                                QStringLiteral("%1 reminders announced in %2 bytes").arg(count).arg(left));
    for (quint32 i = 0; i < count; ++i) {
        std::unique_ptr<CObject> object = ar.ReadObject(&CReminder::classCReminder);
        if (object)
            sink.Reminder(*static_cast<CReminder *>(object.get()));
    }
    ar.ReadString(); // "Datafiles", not checked
    const quint32 files = ar.ReadDWord();
    Trace(QStringLiteral("%1 binary files to read.\n").arg(files));
    for (quint32 k = 1;; ++k) {
        const quint32 token = ar.ReadDWord();
        if (token == kEndToken) {
            Trace("EOF token detected.  All done with binaries.\n");
            return Complete;
        }
        if (token != kStartToken) {
            Trace("Unknown token!");
            return UnknownToken;
        }
        Trace(QStringLiteral("Binary %1 of %2  detected.\n").arg(k).arg(files));
        const QString name = ar.ReadString();
        const quint32 totalSize = ar.ReadDWord();
        ReadBinaryFile(ar, name, totalSize, sink);
    }
}
