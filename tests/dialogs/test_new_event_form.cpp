// The reminder editor's rules: opening values, OK's conversions and refusals.
#include "dialogs/CIntegerField.h"
#include "dialogs/CNewEventForm.h"
#include "model/CReminder.h"

#include <gtest/gtest.h>

namespace {

CNewEventForm::Fields fieldsFor(const COleDateTime &day, const char *hour, const char *minute, int pm)
{
    CNewEventForm::Fields f;
    f.m_Date = day;
    f.m_Caption = CNewEventForm::Caption(day);
    f.m_HourText = QString::fromLatin1(hour);
    f.m_MinuteText = QString::fromLatin1(minute);
    f.m_PM = pm;
    f.m_DaysText = QStringLiteral("1");
    f.m_HoursText = QStringLiteral("0");
    f.m_MinutesText = QStringLiteral("0");
    f.m_Message = QStringLiteral("Dentist");
    f.m_SelectedIcon = 5;
    f.m_IconCount = 63;
    return f;
}

const COleDateTime kFormDay(2027, 3, 14, 0, 0, 0);

} // namespace

TEST(NewEventFormInteger, ReadsWhatATypistMeans)
{
    int v = -7;
    EXPECT_TRUE(CIntegerField::Parse(QStringLiteral("42"), v));
    EXPECT_EQ(42, v);
    EXPECT_TRUE(CIntegerField::Parse(QStringLiteral("  07 "), v));
    EXPECT_EQ(7, v);
    EXPECT_TRUE(CIntegerField::Parse(QStringLiteral("-3"), v));
    EXPECT_EQ(-3, v);
    EXPECT_TRUE(CIntegerField::Parse(QStringLiteral("2147483647"), v));
    EXPECT_EQ(2147483647, v);
    EXPECT_TRUE(CIntegerField::Parse(QStringLiteral("-2147483648"), v));
    EXPECT_EQ(-2147483647 - 1, v);
    for (const char *bad : { "", "  ", "-", "1a", "1 2", "2147483648", "99999999999999999999", "+", "0x10" })
        EXPECT_FALSE(CIntegerField::Parse(QString::fromLatin1(bad), v)) << bad;
    EXPECT_EQ(QStringLiteral("Please enter an integer."), CIntegerField::IntegerPrompt());
    EXPECT_EQ(QStringLiteral("Please enter an integer between 1 and 12."), CIntegerField::RangePrompt(1, 12));
}

struct HourCase
{
    const char *name;
    const char *hour;
    int pm;
    int expectedHour; // -1: refused
};

class NewEventFormHour : public ::testing::TestWithParam<HourCase> {};

TEST_P(NewEventFormHour, TwelveHourFieldsBecomeTheDayTime)
{
    const HourCase c = GetParam();
    const auto r = CNewEventForm::Validate(fieldsFor(kFormDay, c.hour, "07", c.pm));
    if (c.expectedHour < 0) {
        EXPECT_EQ(CNewEventForm::Result::InvalidTime, r.m_Status);
        EXPECT_EQ(CNewEventForm::InvalidTimePrompt(), r.m_Prompt);
        EXPECT_EQ(CNewEventForm::HourField, r.m_Field);
        return;
    }
    ASSERT_TRUE(r.IsAccepted()) << r.m_Prompt.toStdString();
    EXPECT_EQ(c.expectedHour, r.m_Date.GetHour());
    EXPECT_EQ(7, r.m_Date.GetMinute());
    EXPECT_EQ(0, r.m_Date.GetSecond());
    EXPECT_EQ(2027, r.m_Date.GetYear());
    EXPECT_EQ(3, r.m_Date.GetMonth());
    EXPECT_EQ(14, r.m_Date.GetDay());
}

INSTANTIATE_TEST_SUITE_P(Cases, NewEventFormHour, ::testing::Values(
    HourCase { "TwelveAmIsMidnight", "12", 0, 0 },
    HourCase { "TwelvePmIsNoon", "12", 1, 12 },
    HourCase { "ZeroPmIsNoon", "0", 1, 12 },
    HourCase { "ZeroAmIsMidnight", "0", 0, 0 },
    HourCase { "ElevenPm", "11", 1, 23 },
    HourCase { "OneAm", "1", 0, 1 },
    HourCase { "ThirteenAmIsKept", "13", 0, 13 },
    HourCase { "ThirteenPmRefused", "13", 1, -1 },
    HourCase { "TwentyFourAmRefused", "24", 0, -1 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NewEventFormTime, ImpossibleMinuteRefusedAndFieldsKept)
{
    auto f = fieldsFor(kFormDay, "9", "60", 0);
    const auto r = CNewEventForm::Validate(f);
    EXPECT_EQ(CNewEventForm::Result::InvalidTime, r.m_Status);
    EXPECT_EQ(CNewEventForm::MinuteField, r.m_Field);
    // A day the caller could not form is refused the same way, not crashed on.
    f = fieldsFor(COleDateTime(0.0, COleDateTime::invalid), "9", "30", 0);
    EXPECT_EQ(CNewEventForm::Result::InvalidTime, CNewEventForm::Validate(f).m_Status);
}

TEST(NewEventFormTime, LeapDayAndYearEndKeepTheirDay)
{
    auto r = CNewEventForm::Validate(fieldsFor(COleDateTime(2028, 2, 29, 0, 0, 0), "11", "59", 1));
    ASSERT_TRUE(r.IsAccepted());
    EXPECT_EQ(COleDateTime(2028, 2, 29, 23, 59, 0), r.m_Date);
    r = CNewEventForm::Validate(fieldsFor(COleDateTime(2026, 12, 31, 18, 45, 0), "12", "00", 0));
    ASSERT_TRUE(r.IsAccepted());
    EXPECT_EQ(COleDateTime(2026, 12, 31, 0, 0, 0), r.m_Date);
}

TEST(NewEventFormNumbers, FirstNonIntegerFieldInReadingOrderGetsThePrompt)
{
    auto f = fieldsFor(kFormDay, "", "x", 0);
    f.m_HoursText = QString();
    auto r = CNewEventForm::Validate(f);
    EXPECT_EQ(CNewEventForm::Result::NotAnInteger, r.m_Status);
    EXPECT_EQ(CNewEventForm::HoursField, r.m_Field);
    EXPECT_EQ(QStringLiteral("Please enter an integer."), r.m_Prompt);
    f.m_HoursText = QStringLiteral("2");
    EXPECT_EQ(CNewEventForm::HourField, CNewEventForm::Validate(f).m_Field);
    f.m_HourText = QStringLiteral("3");
    EXPECT_EQ(CNewEventForm::MinuteField, CNewEventForm::Validate(f).m_Field);
}

TEST(NewEventFormNotice, StoredWithThirtySecondsAndAFloor)
{
    auto f = fieldsFor(kFormDay, "9", "00", 0);
    f.m_DaysText = QStringLiteral("2");
    f.m_HoursText = QStringLiteral("3");
    f.m_MinutesText = QStringLiteral("4");
    auto r = CNewEventForm::Validate(f);
    ASSERT_TRUE(r.IsAccepted());
    EXPECT_EQ(2, r.m_AdvanceNotice.GetDays());
    EXPECT_EQ(3, r.m_AdvanceNotice.GetHours());
    EXPECT_EQ(4, r.m_AdvanceNotice.GetMinutes());
    EXPECT_EQ(30, r.m_AdvanceNotice.GetSeconds());

    f.m_DaysText = f.m_HoursText = f.m_MinutesText = QStringLiteral("0");
    r = CNewEventForm::Validate(f);
    EXPECT_EQ(0, r.m_AdvanceNotice.GetDays());
    EXPECT_EQ(0, r.m_AdvanceNotice.GetHours());
    EXPECT_EQ(1, r.m_AdvanceNotice.GetMinutes());
    EXPECT_EQ(30, r.m_AdvanceNotice.GetSeconds());

    // Parts beyond their usual range add up.
    f.m_DaysText = QStringLiteral("0");
    f.m_HoursText = QStringLiteral("25");
    f.m_MinutesText = QStringLiteral("90");
    r = CNewEventForm::Validate(f);
    EXPECT_EQ(1, r.m_AdvanceNotice.GetDays());
    EXPECT_EQ(2, r.m_AdvanceNotice.GetHours());
    EXPECT_EQ(30, r.m_AdvanceNotice.GetMinutes());
}

// A new reminder never opens at a time of today already gone, so saving
// it as it opens does not bring its alert at once.
TEST(NewEventFormNewTime, NextWholeHourOrTheLastTimeChosen)
{
    const COleDateTime morning(2027, 3, 14, 9, 20, 0);
    EXPECT_EQ(CNewEventForm::NewReminderTime(kFormDay, morning, -1), COleDateTime(2027, 3, 14, 10, 0, 0));
    EXPECT_EQ(CNewEventForm::NewReminderTime(kFormDay, COleDateTime(2027, 3, 14, 10, 0, 0), -1),
              COleDateTime(2027, 3, 14, 11, 0, 0));
    EXPECT_EQ(CNewEventForm::NewReminderTime(kFormDay, COleDateTime(2027, 3, 14, 23, 10, 0), -1),
              COleDateTime(2027, 3, 14, 23, 59, 0));
    // The last time chosen, where it is still to come.
    EXPECT_EQ(CNewEventForm::NewReminderTime(kFormDay, morning, 15 * 60 + 45), COleDateTime(2027, 3, 14, 15, 45, 0));
    EXPECT_EQ(CNewEventForm::NewReminderTime(kFormDay, morning, 8 * 60), COleDateTime(2027, 3, 14, 10, 0, 0));
    const COleDateTime dayBefore(2027, 3, 13, 22, 0, 0);
    EXPECT_EQ(CNewEventForm::NewReminderTime(kFormDay, dayBefore, 8 * 60), COleDateTime(2027, 3, 14, 8, 0, 0));
    EXPECT_EQ(CNewEventForm::NewReminderTime(kFormDay, dayBefore, -1), COleDateTime(2027, 3, 14, 23, 0, 0));
    EXPECT_EQ(CNewEventForm::NewReminderTime(kFormDay, morning, 24 * 60), COleDateTime(2027, 3, 14, 10, 0, 0));
}

TEST(NewEventFormMessage, EmptyBecomesTheBracketedCaption)
{
    auto f = fieldsFor(kFormDay, "9", "00", 0);
    f.m_Message.clear();
    const auto r = CNewEventForm::Validate(f);
    EXPECT_EQ(QStringLiteral("(Reminder for ") + kFormDay.Format() + QStringLiteral(")"), r.m_Message);
    f.m_Message = QStringLiteral(" ");
    EXPECT_EQ(QStringLiteral(" "), CNewEventForm::Validate(f).m_Message);
}

TEST(NewEventFormSound, ClearBoxDropsTheSound)
{
    auto f = fieldsFor(kFormDay, "9", "00", 0);
    f.m_SoundFileName = QStringLiteral("/home/u/ring.wav");
    f.m_CustomSound = false;
    EXPECT_TRUE(CNewEventForm::Validate(f).m_SoundFileName.isEmpty());
    f.m_CustomSound = true;
    EXPECT_EQ(QStringLiteral("/home/u/ring.wav"), CNewEventForm::Validate(f).m_SoundFileName);

    EXPECT_EQ(QStringLiteral("(Click to choose sound)"), CNewEventForm::SoundCaption(QString()));
    EXPECT_EQ(QStringLiteral("\"ring.wav\""), CNewEventForm::SoundCaption(QStringLiteral("/home/u/ring.wav")));
    EXPECT_EQ(QStringLiteral("\"old.wav\""), CNewEventForm::SoundCaption(QStringLiteral("C:\\Sounds\\old.wav")));
    EXPECT_EQ(QStringLiteral("\"bare.wav\""), CNewEventForm::SoundCaption(QStringLiteral("bare.wav")));
}

TEST(NewEventFormIcon, SelectionClampedIntoTheLibrary)
{
    auto f = fieldsFor(kFormDay, "9", "00", 0);
    f.m_SelectedIcon = -1;
    EXPECT_EQ(0, CNewEventForm::Validate(f).m_IconNumber);
    f.m_SelectedIcon = 70;
    f.m_IconCount = 65;
    EXPECT_EQ(64, CNewEventForm::Validate(f).m_IconNumber);
    f.m_IconCount = 0; // a library that failed to load
    EXPECT_EQ(0, CNewEventForm::Validate(f).m_IconNumber);
}

TEST(NewEventFormIcon, ImportedFirstAndTheHiddenIconOnlyWhenItBelongs)
{
    const QList<int> plain = CNewEventForm::IconItems(65, 3, false);
    ASSERT_EQ(64, plain.size());
    EXPECT_EQ(63, plain[0]);
    EXPECT_EQ(64, plain[1]);
    EXPECT_EQ(0, plain[2]);
    EXPECT_EQ(61, plain.last());
    EXPECT_FALSE(plain.contains(62));
    EXPECT_TRUE(CNewEventForm::IconItems(65, 62, false).contains(62));
    EXPECT_TRUE(CNewEventForm::IconItems(63, 0, true).contains(62));
    EXPECT_EQ(62, CNewEventForm::IconItems(63, 0, true).last());
    // Fewer icons than the built-in table: only those that exist.
    EXPECT_EQ((QList<int> { 0, 1, 2 }), CNewEventForm::IconItems(3, 0, true));
}

TEST(NewEventFormOpening, TimeShownOnTheTwelveHourClock)
{
    auto o = CNewEventForm::Open(COleDateTime(2027, 1, 2, 0, 30, 0), COleDateTimeSpan(1.0));
    EXPECT_EQ(12, o.m_Hour);
    EXPECT_EQ(30, o.m_Minute);
    EXPECT_EQ(0, o.m_PM);
    o = CNewEventForm::Open(COleDateTime(2027, 1, 2, 13, 5, 0), COleDateTimeSpan(1.0));
    EXPECT_EQ(1, o.m_Hour);
    EXPECT_EQ(5, o.m_Minute);
    EXPECT_EQ(1, o.m_PM);
    o = CNewEventForm::Open(COleDateTime(2027, 1, 2, 12, 0, 0), COleDateTimeSpan(1.0));
    EXPECT_EQ(12, o.m_Hour);
    EXPECT_EQ(1, o.m_PM);
    o = CNewEventForm::Open(COleDateTime(2027, 1, 2, 11, 59, 0), COleDateTimeSpan(1.0));
    EXPECT_EQ(11, o.m_Hour);
    EXPECT_EQ(0, o.m_PM);
}

TEST(NewEventFormOpening, NoticeBrokenIntoPartsWithAFloor)
{
    auto o = CNewEventForm::Open(kFormDay, COleDateTimeSpan(2, 3, 4, 30));
    EXPECT_EQ(2, o.m_AdvanceDays);
    EXPECT_EQ(3, o.m_AdvanceHours);
    EXPECT_EQ(4, o.m_AdvanceMinutes);
    for (double tiny : { 0.0, 30.0 / 86400.0, -1.0 }) {
        o = CNewEventForm::Open(kFormDay, COleDateTimeSpan(tiny));
        EXPECT_EQ(0, o.m_AdvanceDays);
        EXPECT_EQ(0, o.m_AdvanceHours);
        EXPECT_EQ(1, o.m_AdvanceMinutes);
        EXPECT_EQ(COleDateTimeSpan(0, 0, 1, 30), o.m_AdvanceNotice);
    }
    o = CNewEventForm::Open(kFormDay, COleDateTimeSpan(1.0));
    EXPECT_EQ(1, o.m_AdvanceDays);
    EXPECT_EQ(0, o.m_AdvanceHours);
    EXPECT_EQ(0, o.m_AdvanceMinutes);
}

TEST(NewEventFormMinute, TwoDigitsAndWrapping)
{
    EXPECT_EQ(QStringLiteral("05"), CNewEventForm::PadMinute(QStringLiteral("5")));
    EXPECT_EQ(QStringLiteral("45"), CNewEventForm::PadMinute(QStringLiteral("45")));
    EXPECT_EQ(QString(), CNewEventForm::PadMinute(QString()));
    EXPECT_EQ(QStringLiteral("59"), CNewEventForm::StepMinute(QStringLiteral("00"), -1));
    EXPECT_EQ(QStringLiteral("00"), CNewEventForm::StepMinute(QStringLiteral("59"), 1));
    EXPECT_EQ(QStringLiteral("08"), CNewEventForm::StepMinute(QStringLiteral("7"), 1));
    EXPECT_EQ(QStringLiteral("00"), CNewEventForm::StepMinute(QStringLiteral("75"), 1));
    EXPECT_EQ(QStringLiteral("01"), CNewEventForm::StepMinute(QString(), 1));
}

// Dates built before main (like kFormDay above) must already be right: the
// date arithmetic may not depend on the order static constants start in.
TEST(NewEventFormStatics, DateConstantBuiltBeforeMainIsRight)
{
    EXPECT_EQ(2027, kFormDay.GetYear());
    EXPECT_EQ(COleDateTime(2027, 3, 14, 0, 0, 0), kFormDay);
    EXPECT_EQ(1987, CReminder::kDefaultDate.GetYear());
}

// The editor's clock is the locale's: 0 to 23 without AM and PM where the
// locale writes 14:05, 1 to 12 with them where it writes 2:05 PM, and the
// program's own 12-hour clock without a locale.
TEST(NewEventFormClock, TwentyFourHourLocalesOpenAndReadTheHourAsItIs)
{
    EXPECT_TRUE(CNewEventForm::TwelveHourClock(QLocale::c()));
    EXPECT_TRUE(CNewEventForm::TwelveHourClock(QLocale(QLocale::English, QLocale::UnitedStates)));
    EXPECT_FALSE(CNewEventForm::TwelveHourClock(QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_FALSE(CNewEventForm::TwelveHourClock(QLocale(QLocale::French, QLocale::France)));

    const auto o = CNewEventForm::Open(COleDateTime(2027, 1, 2, 14, 5, 0), COleDateTimeSpan(1.0), false);
    EXPECT_EQ(14, o.m_Hour);
    EXPECT_EQ(CNewEventForm::kNoPM, o.m_PM);
    for (const auto &[hour, want] : { std::pair { "0", 0 }, std::pair { "12", 12 }, std::pair { "23", 23 } }) {
        const auto r = CNewEventForm::Validate(fieldsFor(kFormDay, hour, "05", CNewEventForm::kNoPM));
        ASSERT_TRUE(r.IsAccepted()) << hour;
        EXPECT_EQ(want, r.m_Date.GetHour()) << hour;
    }
    EXPECT_EQ(CNewEventForm::Result::InvalidTime,
              CNewEventForm::Validate(fieldsFor(kFormDay, "24", "00", CNewEventForm::kNoPM)).m_Status);
}
