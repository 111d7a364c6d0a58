// Row texts of the reminders-of-the-day list and the options' rules.
#include "dialogs/CDayListRows.h"
#include "dialogs/COptionsForm.h"
#include "model/CReminder.h"

#include <gtest/gtest.h>

struct NoticeCase
{
    const char *name;
    long days;
    int hours, minutes, seconds;
    const char *words;
};

class DayListNoticeWords : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(DayListNoticeWords, Reads)
{
    const NoticeCase c = GetParam();
    EXPECT_EQ(QString::fromLatin1(c.words),
              CDayListRows::AdvanceNoticeWords(COleDateTimeSpan(c.days, c.hours, c.minutes, c.seconds)));
}

INSTANTIATE_TEST_SUITE_P(Cases, DayListNoticeWords, ::testing::Values(
    NoticeCase { "HalfAMinuteIsEmpty", 0, 0, 0, 30, "" },
    NoticeCase { "TwoDaysNoSeparator", 2, 0, 0, 0, "2 days" },
    NoticeCase { "OneHourOneMinute", 0, 1, 1, 0, "1 hour, 1 minute" },
    NoticeCase { "DayAndMinutes", 1, 0, 30, 0, "1 day, 30 mins." },
    NoticeCase { "HoursAndOneMinute", 0, 2, 1, 0, "2 hours, 1 minute" },
    NoticeCase { "AllThreeWithSeconds", 2, 3, 4, 30, "2 days, 3 hours, 4 mins." },
    NoticeCase { "OneDay", 1, 0, 0, 0, "1 day" },
    NoticeCase { "FloorNotice", 0, 0, 1, 30, "1 minute" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DayListRows, TypeTimeTitleAndQuestion)
{
    CReminder r;
    r.m_DateTime = COleDateTime(2027, 5, 6, 14, 25, 40);
    r.m_Message = QStringLiteral("Call\r\nmum");
    r.m_Recurrence = RecurWeekly;
    EXPECT_EQ(QStringLiteral("Weekly"), CDayListRows::TypeText(r));
    r.m_Recurrence = 9;
    EXPECT_EQ(QStringLiteral("One time"), CDayListRows::TypeText(r));
    // The time alone, seconds dropped.
    EXPECT_EQ(COleDateTime(1899, 12, 30, 14, 25, 0).Format(), CDayListRows::TimeText(r));
    EXPECT_FALSE(CDayListRows::TimeText(r).contains(QStringLiteral("2027")));
    EXPECT_EQ(QStringLiteral("[Call\r\nmum]\nAre you sure you want to delete this reminder?"),
              CDayListRows::DeleteQuestion(r));
    const COleDateTime day(2027, 5, 6, 0, 0, 0);
    EXPECT_EQ(QStringLiteral("Reminders for ") + day.Format() + QStringLiteral(":"), CDayListRows::ColumnTitle(day));
}

TEST(OptionsForm, DaysChoiceAndUnusualStoredValues)
{
    EXPECT_EQ(3, COptionsForm::DaysIndex(60));
    EXPECT_EQ(0, COptionsForm::DaysIndex(5));
    EXPECT_EQ(-1, COptionsForm::DaysIndex(7));
    EXPECT_EQ(60, COptionsForm::ChosenDays(3, 60));
    EXPECT_EQ(15, COptionsForm::ChosenDays(1, 7));
    // Nothing selected: the value the dialog opened with stays.
    EXPECT_EQ(7, COptionsForm::ChosenDays(-1, 7));
    EXPECT_EQ(0, COptionsForm::ChosenDays(-1, 0));
}

TEST(OptionsForm, SoundChoiceAndCaption)
{
    EXPECT_TRUE(COptionsForm::ChosenSound(0, QStringLiteral("/x/ring.wav")).isEmpty());
    EXPECT_EQ(QStringLiteral("/x/ring.wav"), COptionsForm::ChosenSound(1, QStringLiteral("/x/ring.wav")));
    EXPECT_EQ(QStringLiteral("(Click here to choose a .WAV sound file)"), COptionsForm::BrowseCaption(QString()));
    EXPECT_EQ(QStringLiteral("\"ring.wav\""), COptionsForm::BrowseCaption(QStringLiteral("/x/ring.wav")));
}
