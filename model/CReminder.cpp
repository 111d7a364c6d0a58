#include "model/CReminder.h"

#include "model/CArchive.h"
#include "model/CIconTable.h"
#include "model/CTrace.h"

#include <cmath>
#include <memory>

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

const COleDateTime CReminder::kDefaultDate(31790.0, COleDateTime::valid);
const QString CReminder::kUninitializedMessage =
    QStringLiteral("<<This is an unitialized CReminder structure.>>");

CReminder::CReminder()
{
    // The registry lives in another translation unit; make sure the class
    // is known before any archive asks for it.
    static const bool registered = (CRuntimeClass::Register(&classCReminder), true);
    (void)registered;
    SetDefaults();
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
    m_Dragging = false;
    m_ReservedSpan = COleDateTimeSpan(0.0);
    m_RuntimeValue = 0;
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
    case RecurAnnual: return QStringLiteral("Annual");
    case RecurMonthly: return QStringLiteral("Monthly");
    case RecurWeekly: return QStringLiteral("Weekly");
    default: return QStringLiteral("One time");
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

    const unsigned schema = ar.GetObjectSchema();
    if (schema != kSchema) {
        if (schema != 1)
            Trace("CReminder schema unknown!\n");
        LoadSchema1(ar);
        RepairAfterLoad();
        return;
    }

    m_DateTime = ar.ReadDate();
    m_AdvanceNotice = ar.ReadSpan();
    m_IconNumber = ar.ReadWord();
    m_Message = ar.ReadString();
    m_Recurrence = ar.ReadWord();
    m_Private = ar.ReadByte() != 0;
    m_Shown = ar.ReadByte() != 0;
    m_LastShown = ar.ReadDate();
    m_ReshowInterval = ar.ReadSpan();
    m_ReservedFlag = ar.ReadByte() != 0;
    m_ReservedSpan = ar.ReadSpan();
    m_SoundFileName = ar.ReadSharedString();
    m_IconName = ar.ReadSharedString();
    m_ReservedFlag2 = ar.ReadByte() != 0;

    m_Dragging = false;
    m_RuntimeValue = 0;

    // "_12" names built-in icon 12 (written by early exports).
    if (m_IconName.startsWith(QLatin1Char('_'))) {
        int i = 1;
        while (i < m_IconName.size() && m_IconName[i] == QLatin1Char(' '))
            ++i;
        bool negative = false;
        if (i < m_IconName.size() && (m_IconName[i] == QLatin1Char('-') || m_IconName[i] == QLatin1Char('+'))) {
            negative = m_IconName[i] == QLatin1Char('-');
            ++i;
        }
        const int digitsStart = i;
        long long n = 0;
        while (i < m_IconName.size() && m_IconName[i].isDigit() && m_IconName[i].unicode() < 0x80 && n < 1000000) {
            n = n * 10 + (m_IconName[i].unicode() - '0');
            ++i;
        }
        if (i > digitsStart) {
            if (negative)
                n = -n;
            if (CIconTable::IsBuiltin(static_cast<int>(n)))
                m_IconName = CIconTable::Name(static_cast<int>(n));
        }
    }

    if (m_DateTime.GetStatus() != COleDateTime::valid) {
        Trace("Fixing invalid COleDateTime.\n");
        m_Message += QStringLiteral("\r\n<<Date was invalid!!>>");
        m_DateTime = COleDateTime::GetCurrentTime();
    }
    RepairAfterLoad();
}

void CReminder::RepairAfterLoad()
{
    // Nothing downstream may compute with a day count outside the calendar
    // or a span that is not a number.
    if (!COleDateTime::IsSupportedValue(m_LastShown.GetValue()))
        m_LastShown = kDefaultDate;
    auto finiteOr = [](COleDateTimeSpan &span, double fallback) {
        if (!std::isfinite(span.GetValue()))
            span = COleDateTimeSpan(fallback);
    };
    finiteOr(m_AdvanceNotice, 0.0);
    finiteOr(m_ReshowInterval, 1.0);
    finiteOr(m_ReservedSpan, 0.0);
}

void CReminder::LoadSchema1(CArchive &ar)
{
    Trace("Loading schema 1 CReminder\n");
    m_DateTime = ar.ReadDate();
    m_AdvanceNotice = ar.ReadSpan();
    m_IconNumber = ar.ReadWord();
    m_Message = ar.ReadString();
    m_Recurrence = ar.ReadWord();
    m_Private = ar.ReadByte() != 0;
    m_Shown = ar.ReadByte() != 0;
    m_LastShown = ar.ReadDate();
    m_ReshowInterval = ar.ReadSpan();

    m_ReservedFlag = false;
    m_ReservedSpan = COleDateTimeSpan(0.0);
    m_SoundFileName.clear();
    if (CIconTable::IsBuiltin(m_IconNumber))
        m_IconName = CIconTable::Name(m_IconNumber);
    m_RuntimeValue = 0;
    m_ReservedFlag2 = false;
    m_Dragging = false;
}

bool CReminder::SameContent(const CReminder &a, const CReminder &b)
{
    return sameDate(a.m_DateTime, b.m_DateTime) && sameSpan(a.m_AdvanceNotice, b.m_AdvanceNotice)
        && a.m_IconNumber == b.m_IconNumber && a.m_Message == b.m_Message && a.m_Recurrence == b.m_Recurrence
        && a.m_Private == b.m_Private && a.m_ReservedFlag == b.m_ReservedFlag && sameSpan(a.m_ReservedSpan, b.m_ReservedSpan)
        && a.m_SoundFileName == b.m_SoundFileName && a.m_IconName == b.m_IconName
        && a.m_ReservedFlag2 == b.m_ReservedFlag2;
}

bool CReminder::SameRecord(const CReminder &a, const CReminder &b)
{
    return a.m_Shown == b.m_Shown && sameDate(a.m_LastShown, b.m_LastShown)
        && sameSpan(a.m_ReshowInterval, b.m_ReshowInterval) && SameContent(a, b);
}
