// iCalendar files: any bytes are read or refused without a crash, a hang
// or an allocation by a size the file claims; what is read merges into a
// list, and an export of it is read again.
#include "ical/CIcsFile.h"
#include "ical/CIcsReader.h"
#include "ical/CIcsWriter.h"
#include "model/CReminderList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const CIcsReadResult read = CIcsReader::Read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    CReminderList list;
    CIcsFile::Merge(list, read);
    list.RebuildIndexes();
    if (!list.IsEmpty())
        CIcsReader::Read(CIcsWriter::WriteCalendar(list.Reminders()));
    return 0;
}
