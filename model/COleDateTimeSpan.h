#pragma once

#include <QString>

// A signed length of time in days, with the same status as COleDateTime.
// Advance notices and re-show intervals are spans.
class COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double days, DateTimeSpanStatus status = valid) : m_span(days), m_status(status) {}
    COleDateTimeSpan(long days, int hours, int minutes, int seconds);

    void SetDateTimeSpan(long days, int hours, int minutes, int seconds);
    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    double GetValue() const { return m_span; }
    void SetValue(double days) { m_span = days; }

    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24.0; }
    double GetTotalMinutes() const { return m_span * 24.0 * 60.0; }
    double GetTotalSeconds() const { return m_span * 24.0 * 60.0 * 60.0; }
    // Whole days and the hours, minutes and seconds that remain, each
    // truncated toward zero after rounding to the nearest second.
    long GetDays() const;
    int GetHours() const;
    int GetMinutes() const;
    int GetSeconds() const;

    bool operator==(const COleDateTimeSpan &o) const { return m_status == o.m_status && m_span == o.m_span; }
    bool operator!=(const COleDateTimeSpan &o) const { return !(*this == o); }
    bool operator<(const COleDateTimeSpan &o) const { return m_span < o.m_span; }
    bool operator>(const COleDateTimeSpan &o) const { return m_span > o.m_span; }
    bool operator<=(const COleDateTimeSpan &o) const { return m_span <= o.m_span; }
    bool operator>=(const COleDateTimeSpan &o) const { return m_span >= o.m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan &o) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan &o) const;
    COleDateTimeSpan operator-() const { return COleDateTimeSpan(-m_span, m_status); }

private:
    long long RoundedSeconds() const;

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;
};
