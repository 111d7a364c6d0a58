#include "model/CReminder.h"

#include "model/CArchive.h"
#include "model/CReminderIds.h"
#include "model/CReminderRecord.h"
#include "model/CIconTable.h"
#include "model/CTrace.h"

#include <cmath>
#include <memory>
#include <QCoreApplication>

namespace {
std::unique_ptr<CObject> createReminder() { return std::make_unique<CReminder>(); }

bool sameDouble(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }
bool sameDate(const COleDateTime &a, const COleDateTime &b)
{
    return a.GetStatus() == b.GetStatus() && sameDouble(a.GetValue(), b.GetValue());
}
bool sameSpan(const COleDateTimeSpan &a, const COleDateTimeSpan &b)
{
    return a.GetStatus() == b.GetStatus() && sameDouble(a.GetValue(), b.GetValue());
}

struct Registrar
{
    Registrar() { CRuntimeClass::Register(&CReminder::classCReminder); }
};
} // namespace

const CRuntimeClass CReminder::classCReminder = {
    "CReminder", CReminder::kSchema | CRuntimeClass::VERSIONABLE_SCHEMA, &createReminder, nullptr
};
static Registrar s_registrar;

const COleDateTime CReminder::kDefaultDate(CReminderRecord::kDefaultDay, COleDateTime::valid);
const QString CReminder::kUninitializedMessage = QString::fromLatin1(CReminderRecord::kUninitializedMessage);

CReminder::CReminder()
{
    // The registry lives in another translation unit; make sure the class
    // is known before any archive asks for it.
    static const bool registered = (CRuntimeClass::Register(&classCReminder), true);
    (void)registered;
    SetDefaults();
}

CReminder::CReminder(const CReminderRecord &record)
    : m_DateTime(record.m_DateTime), m_LastShown(record.m_LastShown), m_ReshowInterval(record.m_ReshowInterval),
      m_AdvanceNotice(record.m_AdvanceNotice), m_ReservedSpan(record.m_ReservedSpan), m_Message(record.Message()),
      m_SoundFileName(record.m_SoundFileName), m_IconName(record.m_IconName), m_IconNumber(record.m_IconNumber),
      m_Recurrence(record.m_Recurrence), m_Private(record.m_Private), m_Shown(record.m_Shown),
      m_ReservedFlag(record.m_ReservedFlag), m_ReservedFlag2(record.m_ReservedFlag2)
{
}

void CReminder::SetDefaults()
{
    m_DateTime = kDefaultDate;
    m_Message = kUninitializedMessage;
    m_IconNumber = 0;
    m_Recurrence = RecurOneTime;
    m_AdvanceNotice = COleDateTimeSpan(0.0);
    m_Private = false;
    m_Shown = false;
    m_LastShown = m_DateTime;
    m_ReshowInterval = COleDateTimeSpan(1.0);
    m_ReservedFlag = false;
    m_ReservedFlag2 = false;
    m_ReservedSpan = COleDateTimeSpan(0.0);
}

void CReminder::ResetShown()
{
    m_LastShown = kDefaultDate;
    m_Shown = false;
}

QString CReminder::GetFlatMessage() const
{
    QString flat = m_Message;
    for (QChar &c : flat)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return flat;
}

QString CReminder::RecurrenceName(int kind)
{
    switch (kind) {
    case RecurAnnual: return QCoreApplication::translate("CReminder", "Annual");
    case RecurMonthly: return QCoreApplication::translate("CReminder", "Monthly");
    case RecurWeekly: return QCoreApplication::translate("CReminder", "Weekly");
    default: return QCoreApplication::translate("CReminder", "One time");
    }
}

void CReminder::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteDate(m_DateTime);
        ar.WriteSpan(m_AdvanceNotice);
        ar.WriteWord(m_IconNumber);
        ar.WriteString(m_Message);
        ar.WriteWord(m_Recurrence);
        ar.WriteByte(m_Private ? 1 : 0);
        ar.WriteByte(m_Shown ? 1 : 0);
        ar.WriteDate(m_LastShown);
        ar.WriteSpan(m_ReshowInterval);
        ar.WriteByte(m_ReservedFlag ? 1 : 0);
        ar.WriteSpan(m_ReservedSpan);
        ar.WriteString(m_SoundFileName);
        ar.WriteString(m_IconName);
        ar.WriteByte(m_ReservedFlag2 ? 1 : 0);
        return;
    }

    CReminderRecord record;
    record.Load(ar, ar.GetObjectSchema());
    QString iconName = std::move(m_IconName);
    *this = CReminder(record);
    if (!record.m_IconNameRead) // an older record names no icon of its own
        m_IconName = std::move(iconName);
}

bool CReminder::SameContent(const CReminder &a, const CReminder &b)
{
    return sameDate(a.m_DateTime, b.m_DateTime) && sameSpan(a.m_AdvanceNotice, b.m_AdvanceNotice)
        && a.m_IconNumber == b.m_IconNumber && a.m_Message == b.m_Message && a.m_Recurrence == b.m_Recurrence
        && a.m_Private == b.m_Private && a.m_ReservedFlag == b.m_ReservedFlag
        && a.m_SoundFileName == b.m_SoundFileName && a.m_IconName == b.m_IconName;
}

quint64 CReminder::Id() const { return CReminderIds::Of(*this); }

void CReminder::SetId(quint64 id) { CReminderIds::Set(*this, id); }

bool CReminder::SameRecord(const CReminder &a, const CReminder &b)
{
    return a.m_Shown == b.m_Shown && sameDate(a.m_LastShown, b.m_LastShown)
        && sameSpan(a.m_ReshowInterval, b.m_ReshowInterval) && SameContent(a, b);
}
