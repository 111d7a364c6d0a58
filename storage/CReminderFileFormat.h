#pragma once

#include "model/CReminder.h"

#include <QByteArrayView>
#include <QString>
#include <vector>

class CArchive;
class CReminderRecord;
class QIODevice;
class CReminderList;

// The byte layout of a reminder file: the current form (a 32-bit 0, the
// banner "KM 2.0 Reminders", a count and that many tagged records) and the
// legacy form (a count and bare schema-1 records). A banner of another text
// and bytes after the last record are damage. Failures raise the archive,
// file and memory exceptions; the device is not opened or closed.
class CReminderFileFormat
{
public:
    enum Format { Current, Legacy };
    static const QString kBanner;

    // Reads every record into out, appending as it goes, so that on a
    // failure out holds the records read before it. A count that the bytes
    // left could not possibly hold is refused before anything is allocated.
    static Format Read(QIODevice &device, std::vector<CReminder> &out);
    // The same from the whole file's bytes in memory (the fast way).
    static Format Read(QByteArrayView bytes, std::vector<CReminder> &out);
    // What a pass over a file's records hands each record to.
    class RecordSink
    {
    public:
        virtual ~RecordSink() = default;
        // First: the form the file turned out to be in.
        virtual void Begin(Format format) { (void)format; }
        // Before the first record: how many the file says it holds, at
        // most as many as its remaining bytes can.
        virtual void Expect(size_t count) = 0;
        // Each record in turn; a null record as the fields left out. Its
        // texts live as long as the bytes read (from a device, until the
        // next record).
        virtual void Take(const CReminderRecord &record) = 0;
    };
    // Each record of the file's bytes, in the file's order, with no
    // reminder built: for a pass that needs a few of their fields.
    static Format ReadRecords(QByteArrayView bytes, RecordSink &sink);
    // The same from the device, through one buffer: the texts a record
    // views last only until the next record.
    static Format ReadRecords(QIODevice &device, RecordSink &sink);

    static void Write(QIODevice &device, const CReminderList &list);
    static void Write(QIODevice &device, const std::vector<CReminder> &reminders);

    // Smallest number of bytes one record can take in each form.
    static constexpr qint64 kMinTaggedRecord = 2;  // a null tag
    static constexpr qint64 kMinLegacyRecord = 55; // schema-1 body with empty message

private:
    static Format Read(CArchive &ar, std::vector<CReminder> &out);
    static Format ReadRecords(CArchive &ar, RecordSink &sink);
};
