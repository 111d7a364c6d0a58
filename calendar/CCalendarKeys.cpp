#include "calendar/CCalendarKeys.h"

#include "model/CReminderList.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
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
    QString name = locale.toString(date, QStringLiteral("dddd d MMMM yyyy"));
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
        items << r.GetFlatMessage() + QLatin1Char(' ')
                + QStringLiteral("%1:%2").arg(at.GetHour(), 2, 10, QLatin1Char('0')).arg(at.GetMinute(), 2, 10, QLatin1Char('0'));
    }
    name += indexes.size() == 1 ? QStringLiteral(", 1 reminder: ") : QStringLiteral(", %1 reminders: ").arg(indexes.size());
    return name + items.join(QStringLiteral(", "));
}
