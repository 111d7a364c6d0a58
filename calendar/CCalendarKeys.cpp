#include "calendar/CCalendarKeys.h"

#include "model/CReminderList.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QStringList>
#include <QTime>
#include <algorithm>
#include <vector>

namespace {

QDate toDate(const COleDateTime &d)
{
    return d.GetStatus() == COleDateTime::valid ? QDate(d.GetYear(), d.GetMonth(), d.GetDay()) : QDate();
}

} // namespace

COleDateTime CCalendarKeys::Target(int key, const COleDateTime &selected, const COleDateTime &today)
{
    const QDate from = toDate(selected);
    QDate to;
    switch (key) {
    case Qt::Key_Left: to = from.addDays(-1); break;
    case Qt::Key_Right: to = from.addDays(1); break;
    case Qt::Key_Up: to = from.addDays(-7); break;
    case Qt::Key_Down: to = from.addDays(7); break;
    case Qt::Key_PageUp: to = from.addMonths(-1); break;
    case Qt::Key_PageDown: to = from.addMonths(1); break;
    case Qt::Key_Home: to = toDate(today); break;
    default: break;
    }
    COleDateTime result(0.0, COleDateTime::invalid);
    if (to.isValid() && (key == Qt::Key_Home || from.isValid()))
        result.SetDate(to.year(), to.month(), to.day());
    return result;
}

QString CCalendarKeys::DayName(const COleDateTime &day, const CReminderList &list)
{
    const QDate date = toDate(day);
    if (!date.isValid())
        return QString();
    const QLocale locale;
    //: How a screen reader reads a calendar day: a date format of QDate (dddd the weekday,
    //: d the day, MMMM the month's name, yyyy the year), in the order and with the signs the language uses.
    QString name = locale.toString(date, QCoreApplication::translate("CCalendarKeys", "dddd d MMMM yyyy"));
    std::vector<int> indexes;
    list.CollectOnDay(CReminderList::DateOnly(day), indexes);
    if (indexes.empty())
        return name;
    // Read in the order of the day, whatever their kinds.
    const auto secondOf = [&list](int index) {
        long long whole = 0;
        int second = 0;
        list[index].m_DateTime.GetDayAndSecond(whole, second);
        return second;
    };
    std::stable_sort(indexes.begin(), indexes.end(), [&](int a, int b) { return secondOf(a) < secondOf(b); });
    QStringList items;
    for (const int index : indexes) {
        const CReminder &r = list[index];
        const COleDateTime &at = r.m_DateTime;
        // The clock of the locale (09:00, 9:00 AM); the plain one without a locale.
        const QString clock = locale.language() == QLocale::C
            ? QStringLiteral("%1:%2").arg(at.GetHour(), 2, 10, QLatin1Char('0')).arg(at.GetMinute(), 2, 10, QLatin1Char('0'))
            : locale.toString(QTime(at.GetHour(), at.GetMinute()), QLocale::ShortFormat);
        items << r.GetFlatMessage() + QLatin1Char(' ') + clock;
    }
    //: After the day's name, before the list of its reminders.
    name += indexes.size() == 1 ? QCoreApplication::translate("CCalendarKeys", ", 1 reminder: ")
                                : QCoreApplication::translate("CCalendarKeys", ", %n reminders: ", nullptr, int(indexes.size()));
    return name + items.join(QCoreApplication::translate("CCalendarKeys", ", "));
}
