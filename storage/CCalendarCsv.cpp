#include "storage/CCalendarCsv.h"

#include "model/CIconNameMap.h"
#include "model/CIconTable.h"
#include "model/CImportedNames.h"
#include "model/CLocaleDateFormat.h"
#include "model/CLocaleDateReader.h"
#include "model/COleDateTimeSpan.h"
#include "model/CReminderBatch.h"
#include "model/CRegularFile.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CCsvFile.h"

#include <QFile>
#include <QHash>
#include <QSet>

const QStringList CCalendarCsv::kHeaders = {
    QStringLiteral("Subject"),           QStringLiteral("Start Date"),         QStringLiteral("Start Time"),
    QStringLiteral("End Date"),          QStringLiteral("End Time"),           QStringLiteral("All day event"),
    QStringLiteral("Reminder on/off"),   QStringLiteral("Reminder Date"),      QStringLiteral("Reminder Time"),
    QStringLiteral("Meeting Organizer"), QStringLiteral("Required Attendees"), QStringLiteral("Optional Attendees"),
    QStringLiteral("Meeting Resources"), QStringLiteral("Billing Information"), QStringLiteral("Categories"),
    QStringLiteral("Description"),       QStringLiteral("Location"),           QStringLiteral("Mileage"),
    QStringLiteral("Priority"),          QStringLiteral("Private"),            QStringLiteral("Sensitivity"),
    QStringLiteral("Show time as"),
};

const QString CCalendarCsv::kImportedMessage = QStringLiteral("Windows CSV file successfully imported.");

QString CCalendarCsv::FormatValue(const COleDateTime &value) { return value.Format(); }

bool CCalendarCsv::ExportCSV(const CReminderList &list, const QString &path, const CReminderPack::Selection &selection)
{
    Trace("Exporting to Outlook...\n");
    CCsvFile file;
    if (!file.Open(path, CCsvFile::modeWrite)) {
        Trace("Open failed.\n");
        return false;
    }
    const QString sep = QStringLiteral(",");
    for (int c = 0; c < kHeaders.size(); ++c) {
        if (c)
            file.WriteText(sep);
        file.WriteField(kHeaders[c]);
    }
    file.WriteText(QStringLiteral("\n"));

    const COleDateTimeSpan halfHour(0, 0, 30, 0);
    const size_t n = std::min(selection.size(), static_cast<size_t>(list.GetSize()));
    for (size_t i = 0; i < n; ++i) {
        if (selection[i] != 1)
            continue;
        const CReminder &r = list[static_cast<int>(i)];
        // The appointment ends half an hour later, on the next day when
        // it starts in the last half hour of one.
        const COleDateTime end = r.m_DateTime + halfHour;
        const COleDateTime notice = r.m_DateTime - r.m_AdvanceNotice;
        const QString values[22] = {
            r.m_IconName,
            FormatValue(CReminderList::DateOnly(r.m_DateTime)),
            FormatValue(CReminderList::TimeOnly(r.m_DateTime)),
            FormatValue(CReminderList::DateOnly(end)),
            FormatValue(CReminderList::TimeOnly(end)),
            QStringLiteral("FALSE"),
            QStringLiteral("TRUE"),
            FormatValue(CReminderList::DateOnly(notice)),
            FormatValue(CReminderList::TimeOnly(notice)),
            QString(), QString(), QString(), QString(), QString(), QString(),
            r.GetFlatMessage(),
            QString(), QString(),
            QStringLiteral("Normal"),
            r.m_Private ? QStringLiteral("TRUE") : QStringLiteral("FALSE"),
            QStringLiteral("Normal"),
            QStringLiteral("2"),
        };
        for (int c = 0; c < 22; ++c) {
            if (c)
                file.WriteText(sep);
            if (!values[c].isEmpty())
                file.WriteField(values[c]);
        }
        file.WriteText(QStringLiteral("\n"));
    }
    if (!file.Close()) {
        Trace("Open failed.\n");
        return false;
    }
    return true;
}

QString CCalendarCsv::ColumnKey(const QString &header)
{
    static const QHash<QString, QString> keys = {
        { QStringLiteral("subject"), QStringLiteral("subject") },
        { QStringLiteral("start date"), QStringLiteral("start date") },
        { QStringLiteral("start time"), QStringLiteral("start time") },
        { QStringLiteral("description"), QStringLiteral("description") },
        { QStringLiteral("private"), QStringLiteral("private") },
        // The German Outlook names its columns in German.
        { QStringLiteral("betreff"), QStringLiteral("subject") },
        { QStringLiteral("beginnt am"), QStringLiteral("start date") },
        { QStringLiteral("beginnt um"), QStringLiteral("start time") },
        { QStringLiteral("beschreibung"), QStringLiteral("description") },
        { QStringLiteral("privat"), QStringLiteral("private") },
    };
    QString key = header.trimmed().toLower();
    if (key.startsWith(QChar(0xFEFF)))
        key.remove(0, 1);
    return keys.value(key);
}

bool CCalendarCsv::IsTrue(const QString &field)
{
    const QString f = field.trimmed().toLower();
    // "true" as Outlook writes it; "Ein" in German exports.
    return f == QLatin1String("true") || f == QLatin1String("ein") || f == QLatin1String("wahr")
        || f == QLatin1String("yes") || f == QLatin1String("ja");
}

namespace {

// Reads the date and time columns of one import. Most files hold the forms
// the user's locale writes, which readers built once for the import take
// apart directly; anything else goes through the locale's general reading,
// which is slow, so each text it read is remembered.
class FieldReader
{
public:
    bool Read(const QString &text, bool datePart, COleDateTime::Parts &parts)
    {
        const QStringView t = QStringView(text).trimmed();
        if (datePart) {
            QDate d;
            if (m_date.ReadDate(t, d)) {
                parts.year = d.year();
                parts.month = d.month();
                parts.day = d.day();
                return true;
            }
        } else {
            QTime tm;
            // A time is read as a time first: "9.05.00" is five past nine,
            // not 9 May 2000.
            if (m_time.ReadTime(t, tm) || m_shortTime.ReadTime(t, tm)) {
                parts.hour = tm.hour();
                parts.minute = tm.minute();
                parts.second = tm.second();
                return true;
            }
        }
        return readGeneral(text, parts);
    }

private:
    bool readGeneral(const QString &text, COleDateTime::Parts &parts)
    {
        const auto it = m_known.constFind(text);
        if (it != m_known.constEnd()) {
            parts = it->second;
            return it->first;
        }
        COleDateTime parsed;
        const bool ok = parsed.ParseDateTime(text) && parsed.GetParts(parts);
        if (m_known.size() < 100000)
            m_known.insert(text, { ok, parts });
        return ok;
    }

    const QLocale m_locale;
    const CLocaleDateReader m_date { m_locale, CLocaleDateFormat::DateFormat(m_locale) };
    const CLocaleDateReader m_time { m_locale, CLocaleDateFormat::TimeFormat(m_locale) };
    const CLocaleDateReader m_shortTime { m_locale, m_locale.timeFormat(QLocale::ShortFormat) };
    QHash<QString, std::pair<bool, COleDateTime::Parts>> m_known;
};

// Whether a Subject names an icon, as the program's own export writes it
// there (a built-in icon, one of the library, or an imported icon file),
// rather than being an appointment's title. An empty one is the program's
// too: a reminder without an icon name.
bool NamesIcon(const QString &subject)
{
    static const QSet<QString> builtin = [] {
        QSet<QString> names;
        for (int i = 0; i < CIconTable::kBuiltinCount; ++i)
            names.insert(CIconTable::Name(i));
        return names;
    }();
    return subject.isEmpty() || builtin.contains(subject) || CIconNameMap::Instance().Find(subject) >= 0
        || subject.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive);
}

void setPart(COleDateTime &value, const QString &text, bool datePart, FieldReader &reader)
{
    if (text.trimmed().isEmpty())
        return;
    COleDateTime::Parts p {};
    COleDateTime::Parts own;
    if (!reader.Read(text, datePart, p) || !value.GetParts(own)) {
        value.SetStatus(COleDateTime::invalid);
        return;
    }
    if (datePart)
        value.SetDateTime(p.year, p.month, p.day, own.hour, own.minute, own.second);
    else
        value.SetDateTime(own.year, own.month, own.day, p.hour, p.minute, p.second);
}

} // namespace

CCalendarCsv::ImportReport CCalendarCsv::ImportDevice(CReminderList &list, QIODevice &device,
                                                      const CReminderPack::Progress &progress)
{
    ImportReport report;
    CCsvFile file;
    file.OpenDevice(&device);
    if (!file.ReadLine()) {
        Trace("ReadLine failed.\n");
        report.m_Result = Empty;
        return report;
    }
    QStringList names;
    QStringList keys;
    bool calendar = false;
    while (file.MoreFields()) {
        names << file.ReadField();
        keys << ColumnKey(names.back());
        if (!keys.back().isEmpty() && keys.back() != QLatin1String("private"))
            calendar = true;
    }
    if (!calendar) {
        Trace("No calendar columns in the header.\n");
        report.m_Result = NotCalendar;
        return report;
    }

    const bool tracing = lcKestrelmark().isDebugEnabled();
    FieldReader reader;
    CReminder work;
    CReminderBatch batch(list);
    const qint64 total = device.isSequential() ? 0 : device.size();
    while (file.ReadLine()) {
        ++report.m_Records;
        if (progress && report.m_Records % 1024 == 0)
            progress(device.pos(), total);
        work.SetDefaults();
        QString title;
        QString description;
        bool described = false;
        for (qsizetype f = 0; file.MoreFields(); ++f) {
            QString field = file.ReadField();
            if (f >= names.size())
                continue; // more fields than the header names
            if (tracing)
                Trace(QString::asprintf("Field %ld ", static_cast<long>(f)) + names[f] + QStringLiteral(" = ")
                      + field + QLatin1Char('\n'));
            const QString &key = keys[f];
            if (key == QLatin1String("subject")) {
                if (NamesIcon(field)) {
                    work.m_IconName = std::move(field);
                } else {
                    // A title: the row has the default icon, not the
                    // last row's.
                    work.m_IconName.clear();
                    title = std::move(field);
                }
            } else if (key == QLatin1String("start date")) {
                setPart(work.m_DateTime, field, true, reader);
            } else if (key == QLatin1String("start time")) {
                setPart(work.m_DateTime, field, false, reader);
            } else if (key == QLatin1String("description")) {
                if (tracing)
                    Trace(QStringLiteral("Setting Message to ") + field + QLatin1Char('\n'));
                description = std::move(field);
                described = true;
            } else if (key == QLatin1String("private")) {
                work.m_Private = IsTrue(field);
            } else if (tracing) {
                Trace("field not supported.\n");
            }
        }
        // An appointment's title comes first, then its description.
        if (!title.isEmpty())
            work.m_Message = description.trimmed().isEmpty() ? title : title + QStringLiteral("\r\n") + description;
        else
            work.m_Message = described ? description : QString();
        // An icon name that would lead out of the icons folder is cut to
        // its last piece.
        CImportedNames::Reduce(work);
        if (work.m_DateTime.GetStatus() != COleDateTime::valid)
            ++report.m_Undated;
        if (!batch.Add(work)) {
            ++report.m_Skipped;
            continue;
        }
        ++report.m_Added;
    }
    batch.Commit();
    Trace("Done importing.\n");
    return report;
}

CCalendarCsv::ImportResult CCalendarCsv::ImportCSV(CReminderList &list, const QString &path, ImportReport *reportOut,
                                                  const CReminderPack::Progress &progress)
{
    Trace(QStringLiteral("Importing .CSV file ") + path + QStringLiteral(" from Outlook...\n"));
    QFile file;
    QString error;
    ImportReport report;
    if (CRegularFile::OpenForReading(file, path, error) != CRegularFile::Opened) {
        Trace(QStringLiteral("Open failed: ") + error + QStringLiteral(".\n"));
        report.m_Result = CannotOpen;
    } else {
        report = ImportDevice(list, file, progress);
        list.RebuildIndexes();
    }
    if (reportOut)
        *reportOut = report;
    return report.m_Result;
}
