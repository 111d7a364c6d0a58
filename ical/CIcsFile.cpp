#include "ical/CIcsFile.h"

#include "ical/CIcsWriter.h"
#include "l10n/CNotes.h"
#include "l10n/KmTranslate.h"
#include "model/CImportedNames.h"
#include "model/CReminderBatch.h"
#include "model/CRegularFile.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <future>

namespace {

constexpr qint64 kReadPiece = qint64(1) << 20;

constexpr int kProgressEveryMs = 20;

} // namespace

const QString CIcsFile::kImportedMessage = QStringLiteral(QT_TRANSLATE_NOOP("CIcsFile","iCalendar file successfully imported."));

bool CIcsFile::Write(const std::vector<CReminder> &reminders, const QString &path)
{
    Trace(QStringLiteral("Exporting to iCalendar ") + path + QStringLiteral("...\n"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = CIcsWriter::WriteCalendar(reminders);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

CIcsFile::ImportReport CIcsFile::Merge(CReminderList &list, const CIcsReadResult &read)
{
    ImportReport report;
    report.m_Simplified = read.m_Simplified;
    report.m_LeftOut = read.m_Skipped;
    report.m_Notes = read.m_Notes;
    if (!read.m_Error.isEmpty()) {
        report.m_Result = Refused;
        report.m_Error = read.m_Error;
        return report;
    }
    if (read.m_Events.empty()) {
        report.m_Result = Refused;
        report.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "none of its events and to-dos could become a reminder"));
        if (!read.m_NotUtf8.isEmpty())
            report.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 (%2)")).arg(report.m_Error, read.m_NotUtf8);
        return report;
    }
    CReminderBatch batch(list);
    for (const CIcsEvent &e : read.m_Events) {
        ++report.m_Read;
        // A file from elsewhere names no file outside the data folder.
        CReminder reminder = e.m_Reminder;
        CImportedNames::Reduce(reminder);
        if (batch.Add(reminder))
            ++report.m_Added;
        else
            ++report.m_Duplicates;
    }
    batch.Commit();
    return report;
}

CIcsFile::ImportReport CIcsFile::Import(CReminderList &list, const QString &path, const QDateTime &now, const Progress &progress)
{
    Trace(QStringLiteral("Importing iCalendar file ") + path + QStringLiteral("...\n"));
    ImportReport report;
    QFile file;
    if (CRegularFile::OpenForReading(file, path, report.m_Error) != CRegularFile::Opened) {
        report.m_Result = CannotOpen;
        return report;
    }
    // A file larger than any calendar is refused before it is read.
    if (file.size() > CIcsReader::kMaxBytes) {
        report.m_Result = Refused;
        report.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it is too large to be a calendar"));
        return report;
    }
    // Read in pieces: asking for the cap at once would allocate all of it
    // for the smallest file. One byte past the cap is enough to refuse.
    QByteArray text;
    text.reserve(file.isSequential() ? 0 : file.size() + 1);
    while (text.size() <= CIcsReader::kMaxBytes) {
        const QByteArray piece = file.read(std::min<qint64>(kReadPiece, CIcsReader::kMaxBytes + 1 - text.size()));
        if (piece.isEmpty())
            break;
        text += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        report.m_Result = CannotOpen;
        report.m_Error = file.errorString();
        return report;
    }
    if (!progress)
        return Merge(list, CIcsReader::Read(text, now));
    std::atomic<qint64> done { 0 };
    auto reading = std::async(std::launch::async, [&] { return CIcsReader::Read(text, now, &done); });
    progress(0, text.size());
    while (reading.wait_for(std::chrono::milliseconds(kProgressEveryMs)) != std::future_status::ready)
        progress(done.load(std::memory_order_relaxed), text.size());
    progress(text.size(), text.size());
    return Merge(list, reading.get());
}

QString CIcsFile::Message(const ImportReport &report, const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
    switch (report.m_Result) {
    case CannotOpen:
        return QCoreApplication::translate("CIcsFile", "Sorry, the file %1 could not be opened.").arg(name);
    case Refused: {
        //: %1 is the file, %2 why it was refused.
        QString text = QCoreApplication::translate("CIcsFile", "Sorry, the file %1 was not imported: %2.").arg(name, CNotes::Shown(report.m_Error));
        for (const QString &note : report.m_Notes)
            text += QStringLiteral("\n- ") + CNotes::Shown(note);
        return text;
    }
    case Imported:
        break;
    }
    QString text = KmTranslate("CIcsFile", kImportedMessage);
    // One apart, so that English keeps "1 reminder added"; the other counts
    // take the language's plural forms.
    const int added = report.m_Added, simplified = report.m_Simplified, leftOut = report.m_LeftOut;
    text += QStringLiteral("\n\n")
        + (added == 1 ? QCoreApplication::translate("CIcsFile", "1 reminder added") : QCoreApplication::translate("CIcsFile", "%n reminders added", nullptr, added))
        + QCoreApplication::translate("CIcsFile", ", %n already in the list.", nullptr, report.m_Duplicates);
    if (simplified)
        text += QLatin1Char('\n')
            + (simplified == 1 ? QCoreApplication::translate("CIcsFile", "1 event simplified.") : QCoreApplication::translate("CIcsFile", "%n events simplified.", nullptr, simplified));
    if (leftOut)
        text += QLatin1Char('\n')
            + (leftOut == 1 ? QCoreApplication::translate("CIcsFile", "1 event left out.") : QCoreApplication::translate("CIcsFile", "%n events left out.", nullptr, leftOut));
    for (const QString &note : report.m_Notes)
        text += QStringLiteral("\n- ") + CNotes::Shown(note);
    return text;
}
