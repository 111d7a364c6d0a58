#include "app/CSelectedDay.h"

#include "model/CReminderList.h"

#include <QLocale>

namespace {
// The locale's name as it stands alone, with a capital where the language
// writes names in lower case (a title over the calendar, a line of its own).
QString capitalized(const QLocale &locale, QString name)
{
    if (!name.isEmpty())
        name.replace(0, 1, locale.toUpper(name.left(1)));
    return name;
}
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
    // 1 = Sunday here, 7 = Sunday for the locale.
    const QLocale locale;
    return capitalized(locale, locale.standaloneDayName(dow == 1 ? 7 : dow - 1, QLocale::LongFormat));
}

QString CSelectedDay::TodayText(const COleDateTime &when)
{
    return WeekdayName(when) + QLatin1Char('\n') + CReminderList::DateOnly(when).Format();
}

QString CSelectedDay::MonthName(int month)
{
    if (month < 1 || month > 12)
        return QString();
    const QLocale locale;
    return capitalized(locale, locale.standaloneMonthName(month, QLocale::LongFormat));
}
