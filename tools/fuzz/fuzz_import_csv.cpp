// Outlook calendar files: any bytes import or are refused without a crash
// or a hang, whatever their quoting, line ends and encoding.
#include "model/CReminderList.h"
#include "storage/CCalendarCsv.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    CReminderList list;
    CCalendarCsv::ImportDevice(list, buffer);
    list.RebuildIndexes();
    return 0;
}
