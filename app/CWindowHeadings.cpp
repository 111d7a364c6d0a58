#include "app/CWindowHeadings.h"

namespace {
// Where the artwork has its headings, in window pixels, and its colours.
const QRectF kUpcomingBox(18, 84, 190, 16);
constexpr qreal kUpcomingLeft = 13, kUpcomingRight = 213;
constexpr qreal kCalendarLeft = 230, kCellWidth = 53, kHeadingTop = 84, kHeadingHeight = 16;
constexpr qreal kStripLeft = 227, kStripRight = 605;
const QColor kCream(251, 245, 230);
const QColor kGold(240, 186, 96);
const char *const kArtworkUpcoming = "Upcoming reminders";
const char *const kArtworkDays[7] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
} // namespace

QStringList CWindowHeadings::ColumnNames(const QLocale &locale, int firstDayOfWeek)
{
    QStringList names;
    for (int c = 0; c < 7; ++c) {
        const int weekday = (firstDayOfWeek - 1 + c) % 7 + 1; // 1 = Sunday
        QString name = locale.standaloneDayName(weekday == 1 ? 7 : weekday - 1, QLocale::ShortFormat);
        names << locale.toUpper(name.left(1)) + name.mid(1);
    }
    return names;
}

QList<CSkinLabels::Label> CWindowHeadings::Labels(const QLocale &locale, int firstDayOfWeek, const QString &upcoming)
{
    QList<CSkinLabels::Label> labels;
    if (upcoming != QLatin1String(kArtworkUpcoming)) {
        CSkinLabels::Label l;
        l.m_Box = kUpcomingBox;
        l.m_Text = upcoming;
        l.m_Colour = kCream;
        l.m_Flags = Qt::AlignLeft | Qt::AlignVCenter;
        l.m_LeftSample = kUpcomingLeft;
        l.m_RightSample = kUpcomingRight;
        labels << l;
    }
    const QStringList names = ColumnNames(locale, firstDayOfWeek);
    bool same = true;
    for (int c = 0; c < 7; ++c)
        same = same && names[c] == QLatin1String(kArtworkDays[c]);
    if (same)
        return labels;
    CSkinLabels::Label strip;
    strip.m_Box = QRectF(kStripLeft, kHeadingTop, kStripRight - kStripLeft, kHeadingHeight);
    strip.m_LeftSample = kStripLeft;
    strip.m_RightSample = kStripRight;
    labels << strip;
    for (int c = 0; c < 7; ++c) {
        const int weekday = (firstDayOfWeek - 1 + c) % 7 + 1;
        CSkinLabels::Label l;
        l.m_Box = QRectF(kCalendarLeft + c * kCellWidth, kHeadingTop, kCellWidth, kHeadingHeight);
        l.m_Text = names[c];
        // The weekend in gold, as the artwork has it.
        l.m_Colour = weekday == 1 || weekday == 7 ? kGold : kCream;
        l.m_Flags = Qt::AlignCenter;
        labels << l;
    }
    return labels;
}
