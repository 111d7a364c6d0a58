#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct DateCase
{
    const char *name;
    int y, mo, d, h, mi, s;
    double value;
};

class DateValues : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateValues, BuildAndReadBack)
{
    const DateCase c = GetParam();
    const COleDateTime dt(c.y, c.mo, c.d, c.h, c.mi, c.s);
    ASSERT_EQ(dt.GetStatus(), COleDateTime::valid);
    EXPECT_DOUBLE_EQ(dt.GetValue(), c.value);
    EXPECT_EQ(dt.GetYear(), c.y);
    EXPECT_EQ(dt.GetMonth(), c.mo);
    EXPECT_EQ(dt.GetDay(), c.d);
    EXPECT_EQ(dt.GetHour(), c.h);
    EXPECT_EQ(dt.GetMinute(), c.mi);
    EXPECT_EQ(dt.GetSecond(), c.s);
}

INSTANTIATE_TEST_SUITE_P(Known, DateValues, ::testing::Values(
    DateCase { "epoch", 1899, 12, 30, 0, 0, 0, 0.0 },
    DateCase { "default_reminder_date", 1987, 1, 13, 0, 0, 0, 31790.0 },
    DateCase { "noon_day_one", 1899, 12, 31, 12, 0, 0, 1.5 },
    DateCase { "day_before_epoch_6am", 1899, 12, 29, 6, 0, 0, -1.25 },
    DateCase { "leap_day_2024", 2024, 2, 29, 0, 0, 0, 45351.0 },
    DateCase { "year_end", 2026, 12, 31, 23, 59, 59, 46387.0 + 86399.0 / 86400.0 },
    DateCase { "year_100", 100, 1, 1, 0, 0, 0, -657434.0 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Date, ImpossibleDatesLeaveTheValueInvalid)
{
    COleDateTime dt(31790.0);
    EXPECT_EQ(dt.SetDateTime(2025, 2, 29, 0, 0, 0), 0);
    EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid);
    EXPECT_DOUBLE_EQ(dt.GetValue(), 31790.0); // value untouched
    EXPECT_EQ(COleDateTime(2026, 4, 31, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2026, 13, 1, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2026, 1, 1, 24, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(1900, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2000, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::valid);
    EXPECT_EQ(COleDateTime(31790.0, COleDateTime::invalid).GetYear(), -1);
}

TEST(Date, DayOfWeekIsOneForSunday)
{
    EXPECT_EQ(COleDateTime(2026, 2, 1, 0, 0, 0).GetDayOfWeek(), 1);   // Sunday
    EXPECT_EQ(COleDateTime(1998, 6, 10, 9, 0, 0).GetDayOfWeek(), 4);  // Wednesday
    EXPECT_EQ(COleDateTime(1899, 12, 30, 0, 0, 0).GetDayOfWeek(), 7); // Saturday
    EXPECT_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).GetDayOfWeek(), 6); // Friday, before the epoch
}

TEST(Date, ArithmeticCrossesTheEpochContinuously)
{
    // 18 hours before 30 December 1899 00:00 is 29 December 06:00.
    const COleDateTime back = COleDateTime(0.0) - COleDateTimeSpan(0.75);
    EXPECT_DOUBLE_EQ(back.GetValue(), -1.25);
    EXPECT_EQ(back.GetHour(), 6);
    const COleDateTime forward = COleDateTime(-1.25) + COleDateTimeSpan(0.75);
    EXPECT_DOUBLE_EQ(forward.GetValue(), 0.0);
    EXPECT_DOUBLE_EQ((COleDateTime(0.5) - COleDateTime(-1.25)).GetTotalDays(), 1.25);
    // Earlier and later follow time, not the raw value.
    EXPECT_LT(COleDateTime(-1.25), COleDateTime(-1.5));
}

TEST(Date, AddingSpansAcrossMonthAndYearEnds)
{
    const COleDateTime dec31(2026, 12, 31, 22, 0, 0);
    const COleDateTime next = dec31 + COleDateTimeSpan(0, 3, 0, 0);
    EXPECT_EQ(next.GetYear(), 2027);
    EXPECT_EQ(next.GetMonth(), 1);
    EXPECT_EQ(next.GetDay(), 1);
    EXPECT_EQ(next.GetHour(), 1);
    const COleDateTime feb28(2024, 2, 28, 12, 0, 0);
    EXPECT_EQ((feb28 + COleDateTimeSpan(1.0)).GetDay(), 29);
    EXPECT_EQ((COleDateTime(2023, 2, 28, 12, 0, 0) + COleDateTimeSpan(1.0)).GetMonth(), 3);
}

TEST(Date, EqualityNeedsStatusAndValueComparisonLooksAtValueOnly)
{
    const COleDateTime a(31790.0, COleDateTime::valid);
    const COleDateTime b(31790.0, COleDateTime::invalid);
    EXPECT_NE(a, b);
    EXPECT_FALSE(a < b);
    EXPECT_FALSE(a > b);
    EXPECT_TRUE(a <= b);
}

TEST(Date, StatusPropagatesThroughArithmetic)
{
    EXPECT_EQ((COleDateTime(1.0, COleDateTime::invalid) + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((COleDateTime(1.0, COleDateTime::null) + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::null);
}

TEST(Date, RoundsToTheNearestSecond)
{
    // A value a hair short of midnight reads as the next day.
    const COleDateTime almost(46387.0 - 1e-9);
    EXPECT_EQ(almost.GetDay(), 31);
    EXPECT_EQ(almost.GetMonth(), 12);
    EXPECT_EQ(almost.GetHour(), 0);
}

TEST(Date, TimeOfDayInSecondsAgreesWithTheParts)
{
    // The occurrence listing moves a reminder to another day through the
    // seconds alone; it must land exactly where the parts would put it,
    // on both sides of the epoch and where rounding carries to midnight.
    for (const double day : { -657000.0, -2.0, -1.0, 0.0, 1.0, 46387.0 }) {
        for (const double fraction : { 0.0, 0.25, 0.5 / 86400, 0.49 / 86400, 0.4166666666666667, 1 - 1e-9, 1 - 1e-4 }) {
            const COleDateTime dt(day >= 0 ? day + fraction : day - fraction);
            COleDateTime::Parts p;
            long long wholeDay = 0;
            int seconds = -1;
            ASSERT_TRUE(dt.GetParts(p));
            ASSERT_TRUE(dt.GetDayAndSecond(wholeDay, seconds));
            EXPECT_EQ(seconds, p.hour * 3600 + p.minute * 60 + p.second) << dt.GetValue();
            const COleDateTime dayOnly(static_cast<double>(wholeDay));
            EXPECT_EQ(dayOnly.GetYear() * 10000 + dayOnly.GetMonth() * 100 + dayOnly.GetDay(),
                      p.year * 10000 + p.month * 100 + p.day) << dt.GetValue();
            for (const COleDateTime &target : { COleDateTime(1899, 12, 29, 0, 0, 0), COleDateTime(1899, 12, 30, 0, 0, 0),
                                                COleDateTime(2027, 3, 1, 0, 0, 0), COleDateTime(100, 1, 1, 0, 0, 0) }) {
                COleDateTime::Parts d;
                ASSERT_TRUE(target.GetParts(d));
                COleDateTime expected;
                expected.SetDateTime(d.year, d.month, d.day, p.hour, p.minute, p.second);
                EXPECT_EQ(target.AtSecondOfDay(seconds).GetValue(), expected.GetValue()) << dt.GetValue();
            }
        }
    }
    long long wholeDay = 0;
    int seconds = -1;
    EXPECT_FALSE(COleDateTime(0.5, COleDateTime::invalid).GetDayAndSecond(wholeDay, seconds));
    EXPECT_FALSE(COleDateTime(1e12).GetDayAndSecond(wholeDay, seconds));
}

TEST(Date, FormatInTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(COleDateTime(1987, 1, 13, 0, 0, 0).Format(), QStringLiteral("1/13/1987"));
    EXPECT_EQ(COleDateTime(1987, 1, 13, 9, 5, 0).Format().left(10), QStringLiteral("1/13/1987 "));
    EXPECT_TRUE(COleDateTime(1987, 1, 13, 9, 5, 0).Format().contains(QStringLiteral("9:05:00")));
    EXPECT_TRUE(COleDateTime(1899, 12, 30, 14, 30, 0).Format().startsWith(QStringLiteral("2:30:00")));
    EXPECT_EQ(COleDateTime(5.0, COleDateTime::null).Format(), QString());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(COleDateTime(2006, 5, 2, 0, 0, 0).Format(), QStringLiteral("02.05.2006"));
    QLocale::setDefault(QLocale::c());
}

TEST(Date, ParseLocaleAndCommonForms)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    COleDateTime dt;
    ASSERT_TRUE(dt.ParseDateTime(QStringLiteral("1/13/1987")));
    EXPECT_DOUBLE_EQ(dt.GetValue(), 31790.0);
    ASSERT_TRUE(dt.ParseDateTime(QStringLiteral("2/29/2024 10:30 AM")));
    EXPECT_EQ(dt.GetDay(), 29);
    EXPECT_EQ(dt.GetHour(), 10);
    ASSERT_TRUE(dt.ParseDateTime(QStringLiteral("2026-12-08T18:45:00")));
    EXPECT_EQ(dt.GetMinute(), 45);
    ASSERT_TRUE(dt.ParseDateTime(QStringLiteral("2.5.2006")));
    EXPECT_EQ(dt.GetMonth(), 5);
    ASSERT_TRUE(dt.ParseDateTime(QStringLiteral("3:15 PM")));
    EXPECT_EQ(dt.GetYear(), 1899);
    EXPECT_EQ(dt.GetHour(), 15);
    EXPECT_FALSE(dt.ParseDateTime(QStringLiteral("2/30/2025")));
    EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid);
    EXPECT_FALSE(dt.ParseDateTime(QStringLiteral("soon")));
    QLocale::setDefault(QLocale::c());
}

TEST(Span, PartsOfANotice)
{
    const COleDateTimeSpan s(2, 3, 30, 0);
    EXPECT_EQ(s.GetDays(), 2);
    EXPECT_EQ(s.GetHours(), 3);
    EXPECT_EQ(s.GetMinutes(), 30);
    EXPECT_DOUBLE_EQ(COleDateTimeSpan(0, 12, 0, 0).GetTotalDays(), 0.5);
}

} // namespace
