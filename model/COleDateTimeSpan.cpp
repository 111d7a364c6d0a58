#include "model/COleDateTimeSpan.h"

#include <cmath>

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
{
    SetDateTimeSpan(days, hours, minutes, seconds);
}

void COleDateTimeSpan::SetDateTimeSpan(long days, int hours, int minutes, int seconds)
{
    m_span = days + (hours + (minutes + seconds / 60.0) / 60.0) / 24.0;
    m_status = valid;
}

long long COleDateTimeSpan::RoundedSeconds() const
{
    if (!std::isfinite(m_span) || std::fabs(m_span) > 1e12)
        return 0;
    return std::llround(m_span * 86400.0);
}

long COleDateTimeSpan::GetDays() const { return static_cast<long>(RoundedSeconds() / 86400); }
int COleDateTimeSpan::GetHours() const { return static_cast<int>(RoundedSeconds() / 3600 % 24); }
int COleDateTimeSpan::GetMinutes() const { return static_cast<int>(RoundedSeconds() / 60 % 60); }
int COleDateTimeSpan::GetSeconds() const { return static_cast<int>(RoundedSeconds() % 60); }

static COleDateTimeSpan::DateTimeSpanStatus combinedSpanStatus(int a, int b)
{
    if (a == COleDateTimeSpan::invalid || b == COleDateTimeSpan::invalid)
        return COleDateTimeSpan::invalid;
    if (a == COleDateTimeSpan::null || b == COleDateTimeSpan::null)
        return COleDateTimeSpan::null;
    return COleDateTimeSpan::valid;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan &o) const
{
    return COleDateTimeSpan(m_span + o.m_span, combinedSpanStatus(m_status, o.m_status));
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan &o) const
{
    return COleDateTimeSpan(m_span - o.m_span, combinedSpanStatus(m_status, o.m_status));
}
