#pragma once

#include <QString>
#include <cmath>

class COleDateTimeSpan;

// A date and time as the reminder files hold it: a count of days since
// 30 December 1899 00:00 whose fraction is the time of day, with a status.
// Before that day the whole part counts days backwards while the fraction
// still gives the time of day (-1.25 is 29 December 1899 06:00).
// Times are wall-clock local times; the files carry no time zone.
class COleDateTime
{
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(double days, DateTimeStatus status = valid) : m_dt(days), m_status(status) {}
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    static COleDateTime GetCurrentTime();
    static COleDateTime FromQDateTime(const class QDateTime &dt);

    // Sets the value from its parts; an impossible date or time leaves the
    // value unchanged and the status invalid.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    DateTimeStatus GetStatus() const { return m_status; }

    double GetValue() const { return m_dt; }
    void SetValue(double days) { m_dt = days; }

    // The field readers return -1 when the value is not a valid date.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday .. 7 = Saturday
    int GetDayOfYear() const;

    // All fields at once; false when the value cannot be broken down.
    struct Parts { int year, month, day, hour, minute, second, dayOfWeek; };
    bool GetParts(Parts &parts) const;
    // The value split as GetParts splits it: the whole day (a time that
    // rounds up to midnight carries into the next) and the time of day in
    // whole seconds; false when the value cannot be broken down.
    // The calendar date of a whole day as GetDayAndSecond gives it.
    static void DateOfDay(long long day, int &year, int &month, int &dayOfMonth);
    // Its weekday, 1 for Sunday, as GetParts gives it.
    static int WeekdayOfDay(long long day);
    bool GetDayAndSecond(long long &day, int &second) const
    {
        if (m_status != valid || !IsSupportedValue(m_dt))
            return false;
        day = static_cast<long long>(std::trunc(m_dt));
        // Rounded half away from zero, as llround does, without the call:
        // the fraction of a day is exact, as the value is below 2^52.
        const double exact = std::fabs(m_dt - std::trunc(m_dt)) * 86400.0;
        long long secs = static_cast<long long>(exact);
        secs += exact - static_cast<double>(secs) >= 0.5 ? 1 : 0;
        second = static_cast<int>(secs >= 86400 ? secs - 86400 : secs);
        day += secs >= 86400 ? 1 : 0;
        return true;
    }
    // The same day at a time of day in seconds (0 to 86399), exactly as
    // SetDateTime gives it; for a value that holds a whole day, as the
    // date-only values do.
    COleDateTime AtSecondOfDay(int seconds) const
    {
        const double time = seconds / 86400.0;
        return COleDateTime(m_dt >= 0 ? m_dt + time : m_dt - time, m_status);
    }

    // Time as a continuous count of days, whatever the sign convention;
    // earlier/later and all arithmetic go through it.
    double Linear() const
    {
        if (m_dt >= 0)
            return m_dt;
        const double whole = std::trunc(m_dt);
        return whole + (whole - m_dt);
    }
    static double FromLinear(double linear);

    // Whole days from 30 December 1899 of the calendar date (no time); a
    // value outside the supported years gives kNoDayNumber.
    long long DayNumber() const;
    static constexpr long long kNoDayNumber = -1000000000LL;
    // A finite day count within the years 100 to 9999.
    static constexpr double kMinSupported = -657434.0;
    static constexpr double kMaxSupported = 2958465.99999999;
    static bool IsSupportedValue(double days) { return days >= kMinSupported && days <= kMaxSupported; }

    bool operator==(const COleDateTime &o) const { return m_status == o.m_status && m_dt == o.m_dt; }
    bool operator!=(const COleDateTime &o) const { return !(*this == o); }
    bool operator<(const COleDateTime &o) const { return Linear() < o.Linear(); }
    bool operator>(const COleDateTime &o) const { return Linear() > o.Linear(); }
    bool operator<=(const COleDateTime &o) const { return Linear() <= o.Linear(); }
    bool operator>=(const COleDateTime &o) const { return Linear() >= o.Linear(); }

    COleDateTime operator+(const COleDateTimeSpan &span) const;
    COleDateTime operator-(const COleDateTimeSpan &span) const;
    COleDateTime &operator+=(const COleDateTimeSpan &span) { return *this = *this + span; }
    COleDateTime &operator-=(const COleDateTimeSpan &span) { return *this = *this - span; }
    COleDateTimeSpan operator-(const COleDateTime &other) const;

    // Text in the user's default locale: the date alone at 00:00:00, the
    // time alone on day 0, empty for a null value, always a 4-digit year.
    QString Format() const;
    // Reads a date, a time, or both, in the user's default locale (and the
    // ISO form); false leaves the value invalid.
    bool ParseDateTime(const QString &text);

    class QDateTime ToQDateTime() const;

private:
    double m_dt = 0.0;
    DateTimeStatus m_status = valid;
};
