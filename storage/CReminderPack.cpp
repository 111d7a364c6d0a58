#include "storage/CReminderPack.h"

#include "l10n/CNotes.h"
#include "model/CArchive.h"
#include "model/CArchiveException.h"
#include "model/CImportedNames.h"
#include "model/CFileException.h"
#include "model/CMemoryException.h"
#include "model/CReminderBatch.h"
#include "model/CRegularFile.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CDataFileWriter.h"
#include "storage/CKmPaths.h"
#include "storage/CPackDataName.h"
#include "storage/CReminderPackReader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

const QString CReminderPack::kBanner = QStringLiteral("KM 2.0 Reminder Pack");
const QString CReminderPack::kSectionName = QStringLiteral("Datafiles");

bool CReminderPack::ImportReport::IconsArrived() const
{
    for (const DataFile &f : m_Files)
        if (f.m_Written && f.m_Name.startsWith(QLatin1String("icons\\")))
            return true;
    return false;
}

CReminderPack::Selection CReminderPack::SelectAll(const CReminderList &list)
{
    return Selection(static_cast<size_t>(list.GetSize()), 1);
}

// ---- writing ----

namespace {

// Whether a file may travel in a pack: an icon from the icons folder or a
// sound from the sounds folder, links resolved, and besides those only a
// wave file the user chose by its full path. A reminder file may name any
// file, and a pack must not carry one from elsewhere. A file that is not
// there is left to WriteBinaryFile, which finds nothing to send.
bool mayCarry(const QString &source, const QString &folder, bool chosenByPath)
{
    const QFileInfo info(source);
    if (!info.exists())
        return true;
    const QString real = info.canonicalFilePath();
    const QString base = QFileInfo(folder).canonicalFilePath();
    if (!base.isEmpty() && real.startsWith(base + QLatin1Char('/')))
        return true;
    if (chosenByPath && info.isFile() && real.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
        return true;
    Trace(QStringLiteral("Not packed, outside the data folder: ") + source + QLatin1Char('\n'));
    return false;
}

} // namespace

std::vector<CReminder> CReminderPack::SelectedCopies(const CReminderList &list, const Selection &selection)
{
    std::vector<CReminder> copies;
    const size_t n = std::min(selection.size(), static_cast<size_t>(list.GetSize()));
    for (size_t i = 0; i < n; ++i)
        if (selection[i] == 1) {
            copies.push_back(list[static_cast<int>(i)]);
            Trace(QStringLiteral("%1: %2\n").arg(i).arg(copies.back().GetFlatMessage()));
        }
    return copies;
}

std::vector<CReminderPack::DataFilePair> CReminderPack::DataFileList(std::vector<CReminder> &copies,
                                                                     const QString &dataFolder)
{
    std::vector<DataFilePair> pairs;
    auto add = [&pairs](const QString &source, const QString &destination) {
        Trace(QStringLiteral(".\tsrc = ") + source + QStringLiteral("\n\tdest = ") + destination
              + QLatin1Char('\n'));
        for (const DataFilePair &p : pairs)
            if (p.m_Source == source)
                return;
        pairs.push_back({ source, destination });
    };
    for (CReminder &copy : copies) {
        if (!copy.m_IconName.startsWith(QLatin1Char('_')) && !copy.m_IconName.isEmpty()) {
            // Only names that stay inside the icons folder: a name that came
            // from someone else's pack must not carry a file from elsewhere.
            const QString destination = CPackDataName::ForIcon(copy.m_IconName);
            QString relative;
            if (CPackDataName::Check(destination, &relative)) {
                const QString source = dataFolder + QLatin1Char('/') + relative;
                if (mayCarry(source, dataFolder + QStringLiteral("/icons"), false))
                    add(source, destination);
            } else {
                Trace(QStringLiteral("Icon name not packed: ") + copy.m_IconName + QLatin1Char('\n'));
            }
        }
        if (!copy.m_SoundFileName.isEmpty()) {
            const QString name = CKmPaths::FileNameOf(copy.m_SoundFileName);
            const QString destination = CPackDataName::ForSound(name);
            const QString source = CKmPaths::ResolveSound(dataFolder, copy.m_SoundFileName);
            if (!CPackDataName::Check(destination))
                Trace(QStringLiteral("Sound name not packed: ") + copy.m_SoundFileName + QLatin1Char('\n'));
            else if (mayCarry(source, dataFolder + QStringLiteral("/sounds"),
                              QDir::isAbsolutePath(CKmPaths::ToFileSystemName(copy.m_SoundFileName))))
                add(source, destination);
            copy.m_SoundFileName = name;
        }
    }
    return pairs;
}

bool CReminderPack::WriteBinaryFile(CArchive &ar, const QString &source, const QString &destination)
{
    QFile file;
    QString error;
    if (CRegularFile::OpenForReading(file, source, error) != CRegularFile::Opened) {
        Trace(QStringLiteral("Error reading file ") + source + QStringLiteral(" (") + error + QStringLiteral(").\n"));
        return false;
    }
    qint64 size = file.size();
    if (size > 0xFFFFFFFFll) {
        Trace(QStringLiteral("File too large for a pack: ") + source + QLatin1Char('\n'));
        return false;
    }
    Trace(QStringLiteral("%1 total bytes to transfer for %2\n\tas %3.\n").arg(size).arg(source, destination));
    ar.WriteDWord(CReminderPackReader::kStartToken);
    ar.WriteString(destination);
    ar.WriteDWord(static_cast<quint32>(size));
    std::unique_ptr<char[]> buffer(new char[CReminderPackReader::kBlockSize]);
    while (size > 0) {
        const qint64 n = file.read(buffer.get(), std::min<qint64>(size, CReminderPackReader::kBlockSize));
        if (n <= 0) {
            Trace("Read 0 bytes??\n");
            break;
        }
        Trace(QStringLiteral("%1 byte block written.\n").arg(n));
        ar.WriteDWord(static_cast<quint32>(n));
        ar.Write(buffer.get(), n);
        size -= n;
    }
    ar.WriteDWord(0);
    return true;
}

bool CReminderPack::ExportPack(CArchive &ar, const CReminderList &list, const Selection &selection,
                               const QString &dataFolder)
{
    std::vector<CReminder> copies = SelectedCopies(list, selection);
    if (copies.empty())
        return false;
    const std::vector<DataFilePair> pairs = DataFileList(copies, dataFolder);

    ar.WriteDWord(CReminderPackReader::kNewSizeTag);
    ar.WriteString(kBanner);
    ar.WriteDWord(static_cast<quint32>(copies.size()));
    for (const CReminder &copy : copies)
        ar.WriteObject(&copy);
    ar.WriteString(kSectionName);
    ar.WriteDWord(static_cast<quint32>(pairs.size()));
    for (size_t i = 0; i < pairs.size(); ++i) {
        Trace(QStringLiteral("Writing binary %1 of %2.\n").arg(i + 1).arg(pairs.size()));
        WriteBinaryFile(ar, pairs[i].m_Source, pairs[i].m_Destination);
    }
    ar.WriteDWord(CReminderPackReader::kEndToken);
    return true;
}

// ---- reading ----

namespace {

class ReportingSink : public CReminderPackReader::Sink
{
public:
    explicit ReportingSink(CReminderPack::ImportReport &report) : m_report(report) {}

    void Reminder(CReminder &reminder) override { m_report.m_Added.push_back(reminder); }

    bool BeginFile(const QString &name, quint32 totalSize) override
    {
        CReminderPack::DataFile f;
        f.m_Name = name;
        f.m_TotalSize = totalSize;
        m_report.m_Files.push_back(f);
        m_hash.reset();
        return true;
    }
    void Block(const char *data, qint64 size) override
    {
        m_hash.addData(QByteArrayView(data, size));
        m_report.m_Files.back().m_Received += size;
    }
    void EndFile(qint64) override { m_report.m_Files.back().m_Sha256 = QString::fromLatin1(m_hash.result().toHex()); }
    void AbortFile() override { m_report.m_Files.back().m_Reason = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the pack breaks off inside it")); }

protected:
    CReminderPack::ImportReport &m_report;
    QCryptographicHash m_hash { QCryptographicHash::Sha256 };
};

class ImportSink : public ReportingSink
{
public:
    ImportSink(CReminderPack::ImportReport &report, CReminderList &list, const QString &dataFolder,
               const CReminderPack::Progress &progress)
        : ReportingSink(report), m_batch(list), m_writer(dataFolder), m_progress(progress) {}

    void SetDevice(const QIODevice *device) { m_device = device; }

    void Reminder(CReminder &r) override
    {
        Trace(QStringLiteral("Message: ") + r.GetFlatMessage() + QStringLiteral("\n\tSound: ") + r.m_SoundFileName
              + QStringLiteral("\n\tIcon: ") + r.m_IconName + QLatin1Char('\n'));
        // A pack names its sounds by file name, found in the sounds folder;
        // a path from someone else's computer is never followed.
        CImportedNames::Reduce(r);
        const bool shown = r.m_Shown;
        const COleDateTime lastShown = r.m_LastShown;
        // New here: never shown, and no pending snooze from the sender's file.
        r.ResetShown();
        if (m_progress && m_device && ++m_sinceProgress >= kProgressEvery) {
            m_sinceProgress = 0;
            m_progress(m_device->pos(), m_device->isSequential() ? 0 : m_device->size());
        }
        if (!m_batch.Add(r)) {
            r.m_Shown = shown; // reported as the pack holds it
            r.m_LastShown = lastShown;
            m_report.m_Skipped.push_back(r);
            return;
        }
        m_report.m_Added.push_back(r);
    }

    bool BeginFile(const QString &name, quint32 totalSize) override
    {
        ReportingSink::BeginFile(name, totalSize);
        Trace(QStringLiteral("%1 total bytes to transfer for %2\n").arg(totalSize).arg(name));
        if (!m_writer.Begin(name)) {
            m_report.m_Files.back().m_Reason = m_writer.Reason();
            return false; // its blocks are read and discarded
        }
        m_report.m_Files.back().m_Path = m_writer.Path();
        return true;
    }
    void Block(const char *data, qint64 size) override
    {
        ReportingSink::Block(data, size);
        m_writer.Write(data, size);
    }
    void EndFile(qint64 received) override
    {
        ReportingSink::EndFile(received);
        CReminderPack::DataFile &f = m_report.m_Files.back();
        f.m_Written = m_writer.Finish();
        if (!f.m_Written)
            f.m_Reason = m_writer.Reason();
    }
    void AbortFile() override
    {
        ReportingSink::AbortFile();
        m_writer.Abort();
    }

    // What was read before a failure is kept too.
    void Commit() { m_batch.Commit(); }

private:
    static constexpr int kProgressEvery = 256;
    CReminderBatch m_batch;
    CDataFileWriter m_writer;
    const CReminderPack::Progress &m_progress;
    const QIODevice *m_device = nullptr;
    int m_sinceProgress = 0;
};

void readDevice(QIODevice &device, const QString &path, CReminderPack::ImportReport &report,
                CReminderPackReader::Sink &sink)
{
    try {
        switch (CReminderPackReader::Read(device, sink)) {
        case CReminderPackReader::Complete:
            break;
        case CReminderPackReader::NotAPack:
            report.m_Status = CReminderPack::ImportReport::NotAPack;
            break;
        case CReminderPackReader::UnknownToken:
            report.m_UnknownToken = true;
            report.m_Status = CReminderPack::ImportReport::Damaged;
            report.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the list of data files ends in an unknown value"));
            break;
        }
    } catch (const CArchiveException &e) {
        report.m_Status = CReminderPack::ImportReport::Damaged;
        report.m_Error = QString::fromLocal8Bit(e.what());
    } catch (const CFileException &e) {
        report.m_Status = CReminderPack::ImportReport::Damaged;
        report.m_Error = QString::fromLocal8Bit(e.what());
    } catch (const CMemoryException &) {
        report.m_Status = CReminderPack::ImportReport::Damaged;
        report.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "out of memory"));
    } catch (const std::bad_alloc &) {
        report.m_Status = CReminderPack::ImportReport::Damaged;
        report.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "out of memory"));
    }
    if (report.m_Status == CReminderPack::ImportReport::Damaged)
        Trace(QStringLiteral("Damaged reminder pack ") + path + QStringLiteral(": ") + report.m_Error
              + QLatin1Char('\n'));
}

void readPack(const QString &path, CReminderPack::ImportReport &report, CReminderPackReader::Sink &sink)
{
    QFile file;
    if (CRegularFile::OpenForReading(file, path, report.m_Error) != CRegularFile::Opened) {
        report.m_Status = CReminderPack::ImportReport::CannotOpen;
        return;
    }
    readDevice(file, path, report, sink);
}

} // namespace

CReminderPack::ImportReport CReminderPack::ImportPack(CReminderList &list, const QString &path,
                                                      const QString &dataFolder, const Progress &progress)
{
    ImportReport report;
    ImportSink sink(report, list, dataFolder, progress);
    QFile file;
    if (CRegularFile::OpenForReading(file, path, report.m_Error) != CRegularFile::Opened) {
        report.m_Status = ImportReport::CannotOpen;
        return report;
    }
    sink.SetDevice(&file);
    readDevice(file, path, report, sink);
    sink.Commit();
    list.RebuildIndexes();
    return report;
}

CReminderPack::ImportReport CReminderPack::ImportPack(CReminderList &list, QIODevice &device,
                                                      const QString &dataFolder, const Progress &progress)
{
    ImportReport report;
    ImportSink sink(report, list, dataFolder, progress);
    sink.SetDevice(&device);
    readDevice(device, QStringLiteral("(device)"), report, sink);
    sink.Commit();
    list.RebuildIndexes();
    return report;
}

CReminderPack::ImportReport CReminderPack::Inspect(const QString &path)
{
    ImportReport report;
    ReportingSink sink(report);
    readPack(path, report, sink);
    return report;
}
