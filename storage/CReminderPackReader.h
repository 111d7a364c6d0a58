#pragma once

#include "model/CReminder.h"

#include <QString>

class CArchive;
class QIODevice;

// Reads the byte layout of a reminder pack and hands what it finds to a
// sink: the reminders, then each data file record as its blocks arrive.
//
//   dword 0, string "KM 2.0 Reminder Pack", dword n, n tagged CReminder,
//   string "Datafiles", dword m, records, dword 0xFFFFFFFE
//   record: dword 0xFFFFFFFF, string name, dword size, blocks, dword 0
//   block: dword L (1..32768), L bytes
//
// A damaged pack (an early end, a bad tag, a block longer than 32768 bytes
// or than what is left) raises CArchiveException after the sink has been
// told of everything before the damage.
class CReminderPackReader
{
public:
    static constexpr quint32 kNewSizeTag = 0;
    static constexpr quint32 kStartToken = 0xFFFFFFFFu;
    static constexpr quint32 kEndToken = 0xFFFFFFFEu;
    static constexpr quint32 kBlockSize = 32768;

    class Sink
    {
    public:
        virtual ~Sink() = default;
        virtual void Reminder(CReminder &reminder) = 0;
        // A record begins; false discards its blocks.
        virtual bool BeginFile(const QString &name, quint32 totalSize) = 0;
        virtual void Block(const char *data, qint64 size) = 0;
        // The record ended with its end-of-stream mark, after received bytes.
        virtual void EndFile(qint64 received) = 0;
        // The pack broke off inside the record.
        virtual void AbortFile() = 0;
    };

    enum Result { Complete, NotAPack, UnknownToken };

    // Reads the whole pack from device.
    static Result Read(QIODevice &device, Sink &sink);

    // The blocks of one record, once its name and total size are read.
    static void ReadBinaryFile(CArchive &ar, const QString &name, quint32 totalSize, Sink &sink);
};
