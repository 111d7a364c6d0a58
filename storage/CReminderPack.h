#pragma once

#include "model/CReminder.h"

#include <QString>
#include <functional>
#include <vector>

class CArchive;
class CReminderList;
class QIODevice;

// Reminder packs: a chosen set of reminders with the icon and sound files
// they use, sent from one user to another. ExportPack writes one on a
// storing archive; ImportPack merges one into the list and puts its files
// into the data folder's icons and sounds folders (and nowhere else).
class CReminderPack
{
public:
    static const QString kBanner;      // "KM 2.0 Reminder Pack"
    static const QString kSectionName; // "Datafiles"

    // A selection: one byte per list index, exactly 1 selects.
    using Selection = std::vector<quint8>;
    static Selection SelectAll(const CReminderList &list);

    struct DataFile
    {
        QString m_Name;          // as the pack names it ("icons\x.ico")
        QString m_Path;          // where it went (empty when refused)
        quint32 m_TotalSize = 0; // as announced
        qint64 m_Received = 0;   // bytes that came
        QString m_Sha256;        // of the bytes that came, hex
        bool m_Written = false;
        QString m_Reason;        // why it was refused or failed
    };

    // Told now and then during an import how many bytes of the file were
    // read and how large it is (0 when the device cannot tell).
    using Progress = std::function<void(qint64 done, qint64 total)>;

    struct ImportReport
    {
        enum Status { Imported, CannotOpen, NotAPack, Damaged };
        Status m_Status = Imported;
        QString m_Error;                  // what was wrong with a damaged pack
        std::vector<CReminder> m_Added;   // as inserted
        std::vector<CReminder> m_Skipped; // already in the list
        std::vector<DataFile> m_Files;
        bool m_UnknownToken = false;      // the file list ended on a foreign value
        bool IconsArrived() const;
    };

    // One entry of the writer's data file list.
    struct DataFilePair
    {
        QString m_Source;      // file to read
        QString m_Destination; // name in the pack
    };

    // The copies ExportPack writes, with their sound names reduced to file
    // names, and the data file list (no two pairs with the same source).
    static std::vector<CReminder> SelectedCopies(const CReminderList &list, const Selection &selection);
    static std::vector<DataFilePair> DataFileList(std::vector<CReminder> &copies, const QString &dataFolder);

    // Writes the whole pack. False, with nothing written, when nothing is
    // selected. Icon files are taken from the data folder's icons folder;
    // sounds from their stored path, bare names from the sounds folder.
    static bool ExportPack(CArchive &ar, const CReminderList &list, const Selection &selection,
                           const QString &dataFolder);
    // One data file record; nothing when the source cannot be read.
    static bool WriteBinaryFile(CArchive &ar, const QString &source, const QString &destination);

    // Reads the pack at path and merges it: reminders the list does not
    // hold yet are inserted in date order with their shown flag clear,
    // data files go into dataFolder. Damage ends the reading; what came
    // before it stays. The list's indexes are rebuilt.
    static ImportReport ImportPack(CReminderList &list, const QString &path, const QString &dataFolder,
                                   const Progress &progress = {});
    // The same from a device that is open for reading.
    static ImportReport ImportPack(CReminderList &list, QIODevice &device, const QString &dataFolder,
                                   const Progress &progress = {});

    // Reads a pack without changing anything: its reminders and a
    // description of each data file (sizes and checksums of what came).
    static ImportReport Inspect(const QString &path);
};
