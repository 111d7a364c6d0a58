#include "dialogs/CDateRangeCheck.h"

#include "dialogs/CIntegerField.h"
#include <QCoreApplication>

QString CDateRangeCheck::InvalidDateMessage()
{
    return QCoreApplication::translate("CDateRangeCheck", "One or both of the dates is invalid.  Please re-check them and try again.");
}

namespace {

// One number field: integer first, then its bounds when it has any.
bool readField(const QString &text, CDateRangeCheck::Field field, bool bounded, int low, int high,
               int &value, CDateRangeCheck::Result &result)
{
    if (!CIntegerField::Parse(text, value)) {
        result.m_outcome = CDateRangeCheck::NotInteger;
        result.m_field = field;
        result.m_message = CIntegerField::IntegerPrompt();
        return false;
    }
    if (bounded && (value < low || value > high)) {
        result.m_outcome = CDateRangeCheck::OutOfRange;
        result.m_field = field;
        result.m_message = CIntegerField::RangePrompt(low, high);
        return false;
    }
    return true;
}

} // namespace

CDateRangeCheck::Result CDateRangeCheck::Check(const CDateRangeFields &f)
{
    Result r;
    if (!readField(f.m_fromDay, FromDay, true, kMinDay, kMaxDay, r.m_fromDay, r)
        || !readField(f.m_fromYear, FromYear, true, kMinYear, kMaxYear, r.m_fromYear, r)
        || !readField(f.m_toDay, ToDay, false, 0, 0, r.m_toDay, r)
        || !readField(f.m_toYear, ToYear, true, kMinYear, kMaxYear, r.m_toYear, r))
        return r;

    r.m_from = COleDateTime(r.m_fromYear, f.m_fromMonth, r.m_fromDay, 0, 0, 0);
    r.m_to = COleDateTime(r.m_toYear, f.m_toMonth, r.m_toDay, 0, 0, 0);
    if (r.m_from.GetStatus() != COleDateTime::valid || r.m_to.GetStatus() != COleDateTime::valid) {
        r.m_outcome = InvalidDate;
        r.m_message = InvalidDateMessage();
    }
    return r;
}
