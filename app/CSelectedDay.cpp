#include "app/CSelectedDay.h"

#include "model/CReminderList.h"

namespace {
const char *const kWeekdays[] = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
const char *const kMonths[] = { "January", "February", "March", "April", "May", "June",
                                "July", "August", "September", "October", "November", "December" };
} // namespace

COleDateTime CSelectedDay::StepMonth(const COleDateTime &day, int month)
{
    COleDateTime result;
    for (int d = day.GetDay(); d >= 1; --d) {
        result.SetDate(day.GetYear(), month, d);
        if (result.GetStatus() == COleDateTime::valid)
            return result;
    }
    return day;
}

COleDateTime CSelectedDay::StepYear(const COleDateTime &day, int year)
{
    COleDateTime result;
    result.SetDate(year, day.GetMonth(), day.GetDay());
    if (result.GetStatus() == COleDateTime::valid)
        return result;
    // Only 29 February can be missing from the other year.
    result.SetDate(year, day.GetMonth(), 28);
    return result.GetStatus() == COleDateTime::valid ? result : day;
}

bool CSelectedDay::SameDay(const COleDateTime &a, const COleDateTime &b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

QString CSelectedDay::WeekdayName(const COleDateTime &when)
{
    const int dow = when.GetDayOfWeek();
    if (dow < 1 || dow > 7)
        return QStringLiteral("<error>");
    return QString::fromLatin1(kWeekdays[dow - 1]);
}

QString CSelectedDay::TodayText(const COleDateTime &when)
{
    return WeekdayName(when) + QLatin1Char('\n') + CReminderList::DateOnly(when).Format();
}

QString CSelectedDay::MonthName(int month)
{
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(kMonths[month - 1]);
}
