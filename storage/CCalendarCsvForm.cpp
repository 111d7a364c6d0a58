#include "storage/CCalendarCsvForm.h"

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Reads a run of digits at pos; -1 when there is none.
int number(QStringView text, qsizetype &pos, int &digits)
{
    int value = 0;
    digits = 0;
    while (pos < text.size() && isDigit(text[pos]) && digits < 5) {
        value = value * 10 + (text[pos].unicode() - '0');
        ++pos;
        ++digits;
    }
    return digits ? value : -1;
}

bool isDateSeparator(QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-'); }

// Whether the locale writes the day before the month. The C locale has no
// numeric form of its own: there the separator's custom decides, month
// first with slashes as in the US, day first with dots and dashes.
bool localeDayFirst(const QLocale &locale, QChar separator)
{
    if (locale.language() == QLocale::C)
        return separator != QLatin1Char('/');
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    return day >= 0 && month >= 0 && day < month;
}

template <typename Map> auto mostCommon(const Map &map, int (*count)(const typename Map::mapped_type &))
{
    auto best = map.end();
    for (auto it = map.begin(); it != map.end(); ++it)
        if (best == map.end() || count(it->second) > count(best->second))
            best = it;
    return best;
}

} // namespace

void CCalendarCsvForm::AddDate(QStringView text)
{
    text = text.trimmed();
    qsizetype pos = 0;
    int d1 = 0;
    int d2 = 0;
    int d3 = 0;
    const int a = number(text, pos, d1);
    if (a < 0 || pos >= text.size() || !isDateSeparator(text[pos]))
        return;
    const QChar sep = text[pos++];
    const int b = number(text, pos, d2);
    if (b < 0 || pos >= text.size() || text[pos] != sep)
        return;
    ++pos;
    const int c = number(text, pos, d3);
    if (c < 0 || pos != text.size() || d2 > 2)
        return;
    if (d1 == 4 && d3 <= 2) {
        ++m_yearFirst[sep];
    } else if (d3 == 4 && d1 <= 2) {
        YearLast &y = m_yearLast[sep];
        ++y.m_count;
        if (a > 12)
            ++y.m_dayFirst;
        if (b > 12)
            ++y.m_monthFirst;
    }
}

void CCalendarCsvForm::AddTime(QStringView text)
{
    text = text.trimmed();
    qsizetype pos = 0;
    int digits = 0;
    if (number(text, pos, digits) < 0 || digits > 2 || pos >= text.size())
        return;
    const QChar sep = text[pos];
    if (sep != QLatin1Char(':') && sep != QLatin1Char('.'))
        return;
    QString form = QStringLiteral("H") + sep + QStringLiteral("mm");
    ++pos;
    if (number(text, pos, digits) < 0 || digits != 2)
        return;
    if (pos < text.size() && text[pos] == sep) {
        ++pos;
        if (number(text, pos, digits) < 0 || digits != 2)
            return;
        form += sep + QStringLiteral("ss");
    }
    const QStringView rest = text.mid(pos);
    const QStringView marker = rest.trimmed();
    if (!marker.isEmpty()) {
        if (marker.compare(QLatin1String("am"), Qt::CaseInsensitive) != 0
            && marker.compare(QLatin1String("pm"), Qt::CaseInsensitive) != 0)
            return;
        form[0] = QLatin1Char('h');
        form += rest.size() > marker.size() ? QStringLiteral(" AP") : QStringLiteral("AP");
    }
    ++m_times[form];
}

void CCalendarCsvForm::Decide(const QLocale &locale)
{
    m_dateFormat.clear();
    m_timeFormat.clear();
    m_ambiguous = false;

    const auto last = mostCommon(m_yearLast, +[](const YearLast &y) { return y.m_count; });
    const auto first = mostCommon(m_yearFirst, +[](const int &n) { return n; });
    const int lastCount = last == m_yearLast.end() ? 0 : last->second.m_count;
    const int firstCount = first == m_yearFirst.end() ? 0 : first->second;
    if (firstCount > lastCount) {
        const QChar sep = first->first;
        m_dateFormat = QStringLiteral("yyyy") + sep + QStringLiteral("M") + sep + QStringLiteral("d");
    } else if (lastCount > 0) {
        const QChar sep = last->first;
        const YearLast &y = last->second;
        bool dayFirst = y.m_dayFirst > y.m_monthFirst;
        if (y.m_dayFirst == y.m_monthFirst) {
            // No day above 12 (or as many each way): the user's order.
            dayFirst = localeDayFirst(locale, sep);
            m_ambiguous = true;
        }
        m_dateFormat = dayFirst ? QStringLiteral("d") + sep + QStringLiteral("M") + sep + QStringLiteral("yyyy")
                                : QStringLiteral("M") + sep + QStringLiteral("d") + sep + QStringLiteral("yyyy");
    }

    const auto time = mostCommon(m_times, +[](const int &n) { return n; });
    if (time != m_times.end())
        m_timeFormat = time->first;
}
