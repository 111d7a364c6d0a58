// The upcoming list's lines and dates, and the selectors that follow the
// selected day (month and year steps at month ends and leap days).
#include "AppFixture.h"

#include "app/CSelectedDay.h"
#include "app/CSpinArrows.h"
#include "app/CUpcomingList.h"
#include "dialogs/CSkinListBox.h"
#include "dialogs/CTextLabel.h"

#include <QTest>

namespace {
QStringList Texts(const std::vector<CUpcomingList::Line> &lines)
{
    QStringList texts;
    for (const auto &l : lines)
        texts << l.m_Text;
    return texts;
}
} // namespace

TEST(UpcomingList, WeeklyMonthlyAndAnnualOccurrencesInTheWindow)
{
    CReminderList list;
    // Sunday 10 March 2024 is "today".
    list.AddReminder(COleDateTime(2024, 1, 2, 9, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Gift"),
                     QStringLiteral("Tuesday class"), RecurWeekly, false, QString(), false, CReminder::kDefaultDate);
    list.AddReminder(COleDateTime(2023, 5, 31, 8, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Gift"),
                     QStringLiteral("Rent"), RecurMonthly, false, QString(), false, CReminder::kDefaultDate);
    list.AddReminder(COleDateTime(1990, 3, 12, 0, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Gift"),
                     QStringLiteral("Anna's\r\nbirthday"), RecurAnnual, false, QString(), false, CReminder::kDefaultDate);
    list.AddReminder(COleDateTime(2024, 3, 9, 10, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Gift"),
                     QStringLiteral("Yesterday"), RecurOneTime, false, QString(), false, CReminder::kDefaultDate);
    list.RebuildIndexes();

    const COleDateTime today(2024, 3, 10, 15, 30, 0);
    const auto lines = CUpcomingList::Build(list, today, 31);
    const QStringList texts = Texts(lines);
    const QString d12 = COleDateTime(2024, 3, 12, 0, 0, 0).Format();
    EXPECT_EQ(texts.first(), d12 + QStringLiteral(" Tuesday class"));
    EXPECT_TRUE(texts.contains(d12 + QStringLiteral(" Anna's  birthday"))) << texts.join(QLatin1Char('|')).toStdString();
    // Weekly on 12, 19, 26 March and 2, 9 April; the monthly on the 31st.
    EXPECT_EQ(texts.filter(QStringLiteral("Tuesday class")).size(), 5);
    EXPECT_EQ(texts.filter(QStringLiteral("Rent")), QStringList { COleDateTime(2024, 3, 31, 0, 0, 0).Format() + QStringLiteral(" Rent") });
    EXPECT_TRUE(texts.filter(QStringLiteral("Yesterday")).isEmpty());
    // Every line carries its day at 00:00 and the reminder's index.
    for (const auto &l : lines) {
        EXPECT_EQ(l.m_Date, CReminderList::DateOnly(l.m_Date));
        EXPECT_TRUE(l.m_Text.startsWith(l.m_Date.Format() + QLatin1Char(' ')));
        EXPECT_TRUE(l.m_Text.endsWith(QLatin1Char(' ') + list[l.m_Index].GetFlatMessage()));
    }
    // Dates in order.
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_LE(lines[i - 1].m_Date, lines[i].m_Date);
    EXPECT_EQ(CUpcomingList::FindDay(lines, COleDateTime(2024, 3, 31, 0, 0, 0)),
              texts.indexOf(COleDateTime(2024, 3, 31, 0, 0, 0).Format() + QStringLiteral(" Rent")));
    EXPECT_EQ(CUpcomingList::FindDay(lines, COleDateTime(2024, 3, 11, 0, 0, 0)), -1);
}

TEST(UpcomingList, ZeroOrFewerDaysGiveNoLines)
{
    CReminderList list;
    list.AddReminder(COleDateTime(2024, 3, 10, 9, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Gift"),
                     QStringLiteral("Today"), RecurOneTime, false, QString(), false, CReminder::kDefaultDate);
    list.RebuildIndexes();
    EXPECT_TRUE(CUpcomingList::Build(list, COleDateTime(2024, 3, 10, 0, 0, 0), 0).empty());
    EXPECT_TRUE(CUpcomingList::Build(list, COleDateTime(2024, 3, 10, 0, 0, 0), -5).empty());
    EXPECT_EQ(CUpcomingList::Build(list, COleDateTime(2024, 3, 10, 0, 0, 0), 1).size(), 1u);
}

TEST(UpcomingList, CrossesTheYearEndAndTheLeapDay)
{
    CReminderList list;
    list.AddReminder(COleDateTime(2020, 2, 29, 9, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Gift"),
                     QStringLiteral("Leap"), RecurAnnual, false, QString(), false, CReminder::kDefaultDate);
    list.AddReminder(COleDateTime(2021, 1, 1, 0, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Gift"),
                     QStringLiteral("New year"), RecurAnnual, false, QString(), false, CReminder::kDefaultDate);
    list.RebuildIndexes();
    const auto fromDecember = Texts(CUpcomingList::Build(list, COleDateTime(2023, 12, 30, 0, 0, 0), 62));
    EXPECT_EQ(fromDecember, (QStringList { COleDateTime(2024, 1, 1, 0, 0, 0).Format() + QStringLiteral(" New year"),
                                           COleDateTime(2024, 2, 29, 0, 0, 0).Format() + QStringLiteral(" Leap") }));
    // 2025 has no 29 February.
    EXPECT_TRUE(Texts(CUpcomingList::Build(list, COleDateTime(2025, 2, 20, 0, 0, 0), 20)).filter(QStringLiteral("Leap")).isEmpty());
}

TEST(SelectedDay, MonthStepsLowerTheDayUntilItExists)
{
    const COleDateTime jan31(2024, 1, 31, 0, 0, 0);
    EXPECT_EQ(CSelectedDay::StepMonth(jan31, 2), COleDateTime(2024, 2, 29, 0, 0, 0));
    EXPECT_EQ(CSelectedDay::StepMonth(COleDateTime(2023, 1, 31, 0, 0, 0), 2), COleDateTime(2023, 2, 28, 0, 0, 0));
    EXPECT_EQ(CSelectedDay::StepMonth(COleDateTime(2023, 5, 31, 0, 0, 0), 4), COleDateTime(2023, 4, 30, 0, 0, 0));
    EXPECT_EQ(CSelectedDay::StepMonth(COleDateTime(2023, 2, 15, 0, 0, 0), 12), COleDateTime(2023, 12, 15, 0, 0, 0));
}

TEST(SelectedDay, YearStepsKeepMonthAndDayAndSettleTheLeapDay)
{
    EXPECT_EQ(CSelectedDay::StepYear(COleDateTime(2024, 2, 29, 0, 0, 0), 2025), COleDateTime(2025, 2, 28, 0, 0, 0));
    EXPECT_EQ(CSelectedDay::StepYear(COleDateTime(2024, 2, 29, 0, 0, 0), 2028), COleDateTime(2028, 2, 29, 0, 0, 0));
    EXPECT_EQ(CSelectedDay::StepYear(COleDateTime(2024, 12, 31, 0, 0, 0), 1984), COleDateTime(1984, 12, 31, 0, 0, 0));
}

TEST(SelectedDay, TodayText)
{
    EXPECT_EQ(CSelectedDay::TodayText(COleDateTime(2024, 3, 10, 23, 59, 0)),
              QStringLiteral("Sunday\n") + COleDateTime(2024, 3, 10, 0, 0, 0).Format());
    EXPECT_EQ(CSelectedDay::WeekdayName(COleDateTime(0.0, COleDateTime::invalid)), QStringLiteral("<error>"));
    EXPECT_EQ(CSelectedDay::MonthName(1), QStringLiteral("January"));
    EXPECT_EQ(CSelectedDay::MonthName(12), QStringLiteral("December"));
}

TEST_F(AppFixture, TheWindowListsTheUpcomingRemindersWithTheirIndexes)
{
    CReminderList list;
    Add(list, At(2024, 3, 11, 9, 0), QStringLiteral("Tomorrow"));
    Add(list, At(2024, 3, 1, 9, 0), QStringLiteral("Monthly on the first"), RecurMonthly);
    Add(list, At(2024, 5, 1, 9, 0), QStringLiteral("Too far"));
    WriteReminders(list);
    m_app->WriteProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays"), QStringLiteral("30"));
    COrvantis2Dlg &dlg = Window();
    CSkinListBox *box = Control<CSkinListBox>("upcomingList");
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->item(0)->text(), At(2024, 3, 11).Format() + QStringLiteral(" Tomorrow"));
    EXPECT_EQ(box->item(1)->text(), At(2024, 4, 1).Format() + QStringLiteral(" Monthly on the first"));
    EXPECT_EQ(Session().Reminders()[box->LineData(0)].m_Message, QStringLiteral("Tomorrow"));
    EXPECT_EQ(Session().Reminders()[box->LineData(1)].m_Message, QStringLiteral("Monthly on the first"));
}

TEST_F(AppFixture, ChoosingAnUpcomingLineSelectsItsDay)
{
    CReminderList list;
    Add(list, At(2024, 3, 12, 9, 0), QStringLiteral("This month"));
    Add(list, At(2024, 4, 2, 9, 0), QStringLiteral("Next month"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    ASSERT_EQ(Control<CSkinListBox>("upcomingList")->count(), 2);
    CSkinListBox *box = Control<CSkinListBox>("upcomingList");
    const auto pick = [box](int row) {
        QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, box->visualItemRect(box->item(row)).center());
    };
    pick(1);
    EXPECT_EQ(dlg.SelectedDate(), At(2024, 4, 2));
    EXPECT_EQ(Control<CSpinArrows>("monthSpin")->Pos(), 3);
    EXPECT_EQ(Control<CTextLabel>("monthDisplay")->DisplayText(), QStringLiteral("April"));
    pick(0);
    EXPECT_EQ(dlg.SelectedDate(), At(2024, 3, 12));
    EXPECT_EQ(Control<CTextLabel>("monthDisplay")->DisplayText(), QStringLiteral("March"));
}

TEST_F(AppFixture, MonthSpinFrom31JanuaryLandsOnTheLastOfFebruary)
{
    COrvantis2Dlg &dlg = Window();
    dlg.SetSelectedDate(At(2024, 1, 31));
    Control<CSpinArrows>("monthSpin")->StepBy(1);
    EXPECT_EQ(dlg.SelectedDate(), At(2024, 2, 29));
    EXPECT_EQ(Control<CTextLabel>("monthDisplay")->DisplayText(), QStringLiteral("February"));
    Control<CSpinArrows>("yearSpin")->StepBy(1);
    EXPECT_EQ(dlg.SelectedDate(), At(2025, 2, 28));
    EXPECT_EQ(Control<CTextLabel>("yearDisplay")->DisplayText(), QStringLiteral("2025"));
    // The ends of the ranges hold.
    dlg.SetSelectedDate(At(2024, 12, 5));
    Control<CSpinArrows>("monthSpin")->StepBy(1);
    EXPECT_EQ(dlg.SelectedDate(), At(2024, 12, 5));
    Control<CSpinArrows>("yearSpin")->SetPos(3000);
    Control<CSpinArrows>("yearSpin")->StepBy(1);
    EXPECT_EQ(Control<CSpinArrows>("yearSpin")->Pos(), 3000);
}

TEST_F(AppFixture, AMonthStepSelectsThatDaysUpcomingLine)
{
    CReminderList list;
    Add(list, At(2024, 3, 20, 9, 0), QStringLiteral("March"));
    Add(list, At(2024, 4, 5, 9, 0), QStringLiteral("April"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    dlg.SetSelectedDate(At(2024, 3, 5));
    Control<CSpinArrows>("monthSpin")->StepBy(1);
    EXPECT_EQ(dlg.SelectedDate(), At(2024, 4, 5));
    EXPECT_EQ(Control<CSkinListBox>("upcomingList")->currentRow(), 1);
}

TEST_F(AppFixture, GoToTodayFromAnotherYear)
{
    COrvantis2Dlg &dlg = Window();
    dlg.SetSelectedDate(At(2030, 7, 4));
    EXPECT_EQ(Control<CSpinArrows>("yearSpin")->Pos(), 2030);
    EXPECT_TRUE(dlg.OnCommand(1047));
    EXPECT_EQ(dlg.SelectedDate(), At(2024, 3, 10));
    EXPECT_EQ(Control<CTextLabel>("yearDisplay")->DisplayText(), QStringLiteral("2024"));
    EXPECT_EQ(Control<CTextLabel>("monthDisplay")->DisplayText(), QStringLiteral("March"));
}
