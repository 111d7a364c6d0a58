#include "model/CReminderRecord.h"

#include "model/CIconTable.h"
#include "model/CTrace.h"

#include <cmath>

const char CReminderRecord::kUninitializedMessage[] = "<<This is an unitialized CReminder structure.>>";
const QString CReminderRecord::kInvalidDateNote = QStringLiteral("\r\n<<Date was invalid!!>>");

namespace {

// "_12" names built-in icon 12 (written by early exports); anything else
// is a name as it stands.
void resolveNumberedIcon(QString &name)
{
    if (!name.startsWith(QLatin1Char('_')))
        return;
    int i = 1;
    while (i < name.size() && name[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < name.size() && (name[i] == QLatin1Char('-') || name[i] == QLatin1Char('+'))) {
        negative = name[i] == QLatin1Char('-');
        ++i;
    }
    const int digitsStart = i;
    long long n = 0;
    while (i < name.size() && name[i].isDigit() && name[i].unicode() < 0x80 && n < 1000000) {
        n = n * 10 + (name[i].unicode() - '0');
        ++i;
    }
    if (i > digitsStart) {
        if (negative)
            n = -n;
        if (CIconTable::IsBuiltin(static_cast<int>(n)))
            name = CIconTable::Name(static_cast<int>(n));
    }
}

} // namespace

CReminderRecord::CReminderRecord()
    : m_DateTime(kDefaultDay, COleDateTime::valid), m_LastShown(kDefaultDay, COleDateTime::valid),
      m_ReshowInterval(1.0), m_AdvanceNotice(0.0), m_ReservedSpan(0.0),
      m_Message { QByteArrayView(kUninitializedMessage), false }
{
}

QString CReminderRecord::MessageOf(const CArchive::Text &text, bool dateWasInvalid)
{
    return dateWasInvalid ? text.ToString() + kInvalidDateNote : text.ToString();
}

void CReminderRecord::Load(CArchive &ar, unsigned schema)
{
    // Both layouts begin alike; the older one ends after the reshow span.
    if (schema != 2) {
        if (schema != 1)
            Trace("CReminder schema unknown!\n");
        Trace("Loading schema 1 CReminder\n");
    }
    m_DateWasInvalid = false;
    m_IconNameRead = true;
    m_DateTime = ar.ReadDate();
    m_AdvanceNotice = ar.ReadSpan();
    m_IconNumber = ar.ReadWord();
    m_Message = ar.ReadText();
    m_Recurrence = ar.ReadWord();
    m_Private = ar.ReadByte() != 0;
    m_Shown = ar.ReadByte() != 0;
    m_LastShown = ar.ReadDate();
    m_ReshowInterval = ar.ReadSpan();
    if (schema != 2) {
        EndSchema1();
        RepairAfterLoad();
        return;
    }
    m_ReservedFlag = ar.ReadByte() != 0;
    m_ReservedSpan = ar.ReadSpan();
    m_SoundFileName = ar.ReadSharedString();
    m_IconName = ar.ReadSharedString();
    m_ReservedFlag2 = ar.ReadByte() != 0;

    resolveNumberedIcon(m_IconName);
    if (m_DateTime.GetStatus() != COleDateTime::valid) {
        Trace("Fixing invalid COleDateTime.\n");
        m_DateWasInvalid = true;
        m_DateTime = COleDateTime::GetCurrentTime();
    }
    RepairAfterLoad();
}

void CReminderRecord::RepairAfterLoad()
{
    // Nothing downstream may compute with a day count outside the calendar
    // or a span that is not a number.
    if (!COleDateTime::IsSupportedValue(m_LastShown.GetValue()))
        m_LastShown = COleDateTime(kDefaultDay, COleDateTime::valid);
    auto finiteOr = [](COleDateTimeSpan &span, double fallback) {
        if (!std::isfinite(span.GetValue()))
            span = COleDateTimeSpan(fallback);
    };
    finiteOr(m_AdvanceNotice, 0.0);
    finiteOr(m_ReshowInterval, 1.0);
    finiteOr(m_ReservedSpan, 0.0);
}

void CReminderRecord::EndSchema1()
{
    // The fields the older layout lacks.
    m_ReservedFlag = false;
    m_ReservedSpan = COleDateTimeSpan(0.0);
    m_SoundFileName.clear();
    m_IconNameRead = CIconTable::IsBuiltin(m_IconNumber);
    m_IconName = m_IconNameRead ? CIconTable::Name(m_IconNumber) : QString();
    m_ReservedFlag2 = false;
}
