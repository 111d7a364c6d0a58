#include "storage/CCalendarCsv.h"

#include "l10n/KmTranslate.h"

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
#include "storage/CCalendarCsvForm.h"
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

const QString CCalendarCsv::kImportedMessage = QStringLiteral(QT_TRANSLATE_NOOP("CCalendarCsv","Windows CSV file successfully imported."));

QString CCalendarCsv::Message(const ImportReport &report)
{
    const QString imported = KmTranslate("CCalendarCsv", kImportedMessage);
    if (!report.m_AmbiguousDates)
        return imported;
    //: %1 is the date form the file was read in, e.g. "dd.MM.yyyy".
    return imported + QCoreApplication::translate("CCalendarCsv", "\nIts dates could be read day first or month first; they were read "
                                                                  "as your locale writes them (%1).")
                          .arg(report.m_DateForm);
}

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
    // The English names, then those of the localized Outlook exports.
    static const QHash<QString, QString> keys = [] {
        const struct
        {
            const char *key;
            std::initializer_list<const char *> names;
        } table[] = {
            { "subject",
              { "subject", "betreff", "objet", "asunto", "oggetto", "assunto", "temat", "onderwerp" } },
            { "start date",
              { "start date", "beginnt am", "date de d\u00e9but", "fecha de comienzo",
                "fecha de inicio", "data inizio", "data di inizio", "data de in\u00edcio",
                "data rozpocz\u0119cia", "begindatum" } },
            { "start time",
              { "start time", "beginnt um", "heure de d\u00e9but", "hora de comienzo", "hora de inicio",
                "ora inizio", "ora di inizio", "hora de in\u00edcio", "godzina rozpocz\u0119cia",
                "begintijd" } },
            { "description",
              { "description", "beschreibung", "descripci\u00f3n", "descrizione", "descri\u00e7\u00e3o",
                "opis", "beschrijving" } },
            { "private",
              { "private", "privat", "priv\u00e9", "privado", "privato", "particular", "prywatne" } },
        };
        QHash<QString, QString> map;
        for (const auto &row : table)
            for (const char *name : row.names)
                map.insert(QString::fromUtf8(name), QString::fromUtf8(row.key));
        return map;
    }();
    QString key = header.trimmed().toLower();
    if (key.startsWith(QChar(0xFEFF)))
        key.remove(0, 1);
    return keys.value(key.normalized(QString::NormalizationForm_C));
}

bool CCalendarCsv::IsTrue(const QString &field)
{
    // "True" as Outlook writes it in its languages, "Ein" in German
    // exports, and the plain yes.
    static const QSet<QString> yes = { QStringLiteral("true"),     QStringLiteral("ein"),
                                       QStringLiteral("wahr"),     QStringLiteral("yes"),
                                       QStringLiteral("ja"),       QStringLiteral("vrai"),
                                       QStringLiteral("oui"),      QStringLiteral("verdadero"),
                                       QStringLiteral("s\u00ed"), QStringLiteral("vero"),
                                       QStringLiteral("verdadeiro"), QStringLiteral("sim"),
                                       QStringLiteral("prawda"),   QStringLiteral("tak"),
                                       QStringLiteral("waar") };
    return yes.contains(field.trimmed().toLower());
}

namespace {

// Reads the date and time columns of one import. The forms the file was
// found to hold, then those the user's locale writes, are taken apart
// directly by readers built once for the import; anything else goes
// through the locale's general reading, which is slow, so each text it
// read is remembered.
class FieldReader
{
public:
    explicit FieldReader(const CCalendarCsvForm &form)
        : m_fileDate(QLocale::c(), form.DateFormat())
        , m_fileTime(QLocale::c(), form.TimeFormat())
    {
    }

    bool Read(const QString &text, bool datePart, COleDateTime::Parts &parts)
    {
        const QStringView t = QStringView(text).trimmed();
        if (datePart) {
            QDate d;
            if (m_fileDate.ReadDate(t, d) || m_date.ReadDate(t, d)) {
                parts.year = d.year();
                parts.month = d.month();
                parts.day = d.day();
                return true;
            }
        } else {
            QTime tm;
            // A time is read as a time first: "9.05.00" is five past nine,
            // not 9 May 2000.
            if (m_fileTime.ReadTime(t, tm) || m_time.ReadTime(t, tm) || m_shortTime.ReadTime(t, tm)) {
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
    const CLocaleDateReader m_fileDate;
    const CLocaleDateReader m_fileTime;
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

    // The first records show the file's date and time forms; they are
    // held until those are known, as many as fit a bound of fields and
    // text, so a file of empty or huge fields holds no more than it must.
    constexpr size_t kSampleRecords = 4096;
    constexpr qsizetype kSampleFields = 1 << 18;
    constexpr qsizetype kSampleChars = 1 << 24;
    qsizetype sampledFields = 0;
    qsizetype sampledChars = 0;
    const qsizetype dateColumn = keys.indexOf(QStringLiteral("start date"));
    const qsizetype timeColumn = keys.indexOf(QStringLiteral("start time"));
    std::vector<std::vector<QString>> sample;
    CCalendarCsvForm form;
    bool more = true;
    while (sample.size() < kSampleRecords && sampledFields < kSampleFields && sampledChars < kSampleChars
           && (more = file.ReadLine())) {
        std::vector<QString> fields;
        // Fields beyond the header's are not read.
        while (file.MoreFields() && static_cast<qsizetype>(fields.size()) < names.size()) {
            fields.push_back(file.ReadField());
            sampledChars += fields.back().size();
        }
        sampledFields += static_cast<qsizetype>(fields.size()) + 1;
        if (dateColumn >= 0 && dateColumn < static_cast<qsizetype>(fields.size()))
            form.AddDate(fields[dateColumn]);
        if (timeColumn >= 0 && timeColumn < static_cast<qsizetype>(fields.size()))
            form.AddTime(fields[timeColumn]);
        sample.push_back(std::move(fields));
    }
    form.Decide(QLocale());
    report.m_DateForm = form.DateFormat();
    report.m_AmbiguousDates = form.IsAmbiguous();
    if (report.m_AmbiguousDates)
        Trace(QStringLiteral("Dates fit either order; read as ") + report.m_DateForm + QLatin1Char('\n'));

    const bool tracing = lcKestrelmark().isDebugEnabled();
    FieldReader reader(form);
    CReminder work;
    CReminderBatch batch(list);
    const qint64 total = device.isSequential() ? 0 : device.size();
    const auto readRecord = [&](std::vector<QString> &fields) {
        ++report.m_Records;
        if (progress && report.m_Records % 1024 == 0)
            progress(device.pos(), total);
        work.SetDefaults();
        QString title;
        QString description;
        bool described = false;
        const qsizetype count = std::min(static_cast<qsizetype>(fields.size()), names.size());
        for (qsizetype f = 0; f < count; ++f) { // fields beyond the header's are ignored
            QString &field = fields[f];
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
            return;
        }
        ++report.m_Added;
    };
    for (std::vector<QString> &fields : sample)
        readRecord(fields);
    sample.clear();
    std::vector<QString> fields;
    while (more && file.ReadLine()) {
        fields.clear();
        while (file.MoreFields() && static_cast<qsizetype>(fields.size()) < names.size())
            fields.push_back(file.ReadField());
        readRecord(fields);
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
