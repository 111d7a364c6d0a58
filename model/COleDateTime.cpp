#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"
#include "model/CLocaleDateFormat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <cmath>

namespace {

// Day numbers of the proleptic Gregorian calendar, counted from
// 1970-01-01 (the algorithm of days_from_civil / civil_from_days).
constexpr long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int &year, int &month, int &day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

// Constant-initialised, so dates built by other files' static constants
// (13 January 1987 and the like) never see it still zero.
constexpr long long kEpochOffset = daysFromCivil(1899, 12, 30);


bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

} // namespace

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1
        || day > daysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0
        || minute > 59 || second < 0 || second > 59) {
        m_status = invalid;
        return 0;
    }
    const double days = static_cast<double>(daysFromCivil(year, month, day) - kEpochOffset);
    const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    m_dt = days >= 0 ? days + time : days - time;
    m_status = valid;
    return 1;
}

COleDateTime COleDateTime::GetCurrentTime()
{
    return FromQDateTime(QDateTime::currentDateTime());
}

COleDateTime COleDateTime::FromQDateTime(const QDateTime &dt)
{
    if (!dt.isValid())
        return COleDateTime(0.0, invalid);
    const QDate d = dt.date();
    const QTime t = dt.time();
    return COleDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

QDateTime COleDateTime::ToQDateTime() const
{
    Parts p;
    if (!GetParts(p))
        return QDateTime();
    return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second));
}

void COleDateTime::DateOfDay(long long day, int &year, int &month, int &dayOfMonth)
{
    civilFromDays(day + kEpochOffset, year, month, dayOfMonth);
}

int COleDateTime::WeekdayOfDay(long long day)
{
    // 1970-01-01 was a Thursday (5 in the 1 = Sunday numbering).
    return static_cast<int>(((day + kEpochOffset + 4) % 7 + 7) % 7) + 1;
}

bool COleDateTime::GetParts(Parts &p) const
{
    long long days = 0;
    int secs = 0;
    if (!GetDayAndSecond(days, secs))
        return false;
    const long long dayNumber = days + kEpochOffset;
    civilFromDays(dayNumber, p.year, p.month, p.day);
    p.hour = secs / 3600;
    p.minute = secs / 60 % 60;
    p.second = secs % 60;
    p.dayOfWeek = WeekdayOfDay(days);
    return true;
}

int COleDateTime::GetYear() const { Parts p; return GetParts(p) ? p.year : -1; }
int COleDateTime::GetMonth() const { Parts p; return GetParts(p) ? p.month : -1; }
int COleDateTime::GetDay() const { Parts p; return GetParts(p) ? p.day : -1; }
int COleDateTime::GetHour() const { Parts p; return GetParts(p) ? p.hour : -1; }
int COleDateTime::GetMinute() const { Parts p; return GetParts(p) ? p.minute : -1; }
int COleDateTime::GetSecond() const { Parts p; return GetParts(p) ? p.second : -1; }
int COleDateTime::GetDayOfWeek() const { Parts p; return GetParts(p) ? p.dayOfWeek : -1; }

int COleDateTime::GetDayOfYear() const
{
    Parts p;
    if (!GetParts(p))
        return -1;
    return static_cast<int>(daysFromCivil(p.year, p.month, p.day) - daysFromCivil(p.year, 1, 1)) + 1;
}

long long COleDateTime::DayNumber() const
{
    if (!IsSupportedValue(m_dt))
        return kNoDayNumber;
    return static_cast<long long>(std::floor(Linear()));
}

double COleDateTime::FromLinear(double linear)
{
    if (!(linear < 0))
        return linear;
    const double whole = std::floor(linear);
    return whole - (linear - whole);
}

static COleDateTime::DateTimeStatus combined(int a, int b)
{
    if (a == COleDateTime::invalid || b == COleDateTime::invalid)
        return COleDateTime::invalid;
    if (a == COleDateTime::null || b == COleDateTime::null)
        return COleDateTime::null;
    return COleDateTime::valid;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan &span) const
{
    return COleDateTime(FromLinear(Linear() + span.GetValue()), combined(m_status, span.GetStatus()));
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan &span) const
{
    return COleDateTime(FromLinear(Linear() - span.GetValue()), combined(m_status, span.GetStatus()));
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime &other) const
{
    return COleDateTimeSpan(Linear() - other.Linear(),
                            static_cast<COleDateTimeSpan::DateTimeSpanStatus>(combined(m_status, other.m_status)));
}

QString COleDateTime::Format() const
{
    if (m_status == null)
        return QString();
    Parts p;
    if (!GetParts(p))
        return QCoreApplication::translate("COleDateTime", "Invalid DateTime");
    const QLocale locale;
    const QDate date(p.year, p.month, p.day);
    const QTime time(p.hour, p.minute, p.second);
    const bool dayZero = std::trunc(m_dt) == 0.0;
    const bool midnight = p.hour == 0 && p.minute == 0 && p.second == 0;
    if (dayZero)
        return locale.toString(time, CLocaleDateFormat::TimeFormat(locale));
    if (midnight)
        return locale.toString(date, CLocaleDateFormat::DateFormat(locale));
    return locale.toString(date, CLocaleDateFormat::DateFormat(locale)) + QLatin1Char(' ')
        + locale.toString(time, CLocaleDateFormat::TimeFormat(locale));
}

bool COleDateTime::ParseDateTime(const QString &text)
{
    QDate date;
    QTime time;
    if (!CLocaleDateFormat::Parse(QLocale(), text, date, time)) {
        m_status = invalid;
        return false;
    }
    if (!date.isValid())
        date = QDate(1899, 12, 30);
    if (!time.isValid())
        time = QTime(0, 0);
    return SetDateTime(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()) != 0;
}
