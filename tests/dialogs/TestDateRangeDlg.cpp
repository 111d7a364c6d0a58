// The print and delete range dialogs: the field checks, the date check and
// the year wrap, through the pure check and through the real dialogs.
#include "dialogs/CDateRangeCheck.h"
#include "dialogs/CDateRangeDlg.h"
#include "dialogs/CDeleteRangeDlg.h"
#include "dialogs/CSpinEdit.h"
#include "support/CRecordingMessageSink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

CDateRangeFields fields(int fm, const char *fd, const char *fy, int tm, const char *td, const char *ty)
{
    CDateRangeFields f;
    f.m_fromMonth = fm;
    f.m_fromDay = QString::fromLatin1(fd);
    f.m_fromYear = QString::fromLatin1(fy);
    f.m_toMonth = tm;
    f.m_toDay = QString::fromLatin1(td);
    f.m_toYear = QString::fromLatin1(ty);
    return f;
}

struct CheckCase
{
    const char *name;
    CDateRangeFields f;
    CDateRangeCheck::Outcome outcome;
    CDateRangeCheck::Field field;
    const char *message;
};

class DateRangeCheckTable : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DateRangeCheckTable, OutcomeFieldAndMessage)
{
    const CheckCase &c = GetParam();
    const auto r = CDateRangeCheck::Check(c.f);
    EXPECT_EQ(r.m_outcome, c.outcome);
    EXPECT_EQ(r.m_field, c.field);
    EXPECT_EQ(r.m_message, QString::fromLatin1(c.message));
}

const char *kInvalid = "One or both of the dates is invalid.  Please re-check them and try again.";
const char *kYears = "Please enter an integer between 1984 and 3000.";

INSTANTIATE_TEST_SUITE_P(
    Cases, DateRangeCheckTable,
    ::testing::Values(
        CheckCase { "ordinary", fields(1, "1", "1998", 1, "31", "1998"), CDateRangeCheck::Accepted, CDateRangeCheck::NoField, "" },
        CheckCase { "april31", fields(4, "31", "2024", 5, "1", "2024"), CDateRangeCheck::InvalidDate, CDateRangeCheck::NoField, kInvalid },
        CheckCase { "to_april31", fields(4, "1", "2024", 4, "31", "2024"), CDateRangeCheck::InvalidDate, CDateRangeCheck::NoField, kInvalid },
        CheckCase { "leap2000", fields(2, "29", "2000", 2, "29", "2000"), CDateRangeCheck::Accepted, CDateRangeCheck::NoField, "" },
        CheckCase { "noleap1999", fields(2, "29", "1999", 3, "1", "1999"), CDateRangeCheck::InvalidDate, CDateRangeCheck::NoField, kInvalid },
        CheckCase { "noleap2100", fields(2, "1", "2100", 2, "29", "2100"), CDateRangeCheck::InvalidDate, CDateRangeCheck::NoField, kInvalid },
        CheckCase { "from1983", fields(1, "1", "1983", 1, "1", "1990"), CDateRangeCheck::OutOfRange, CDateRangeCheck::FromYear, kYears },
        CheckCase { "to3001", fields(1, "1", "1990", 1, "1", "3001"), CDateRangeCheck::OutOfRange, CDateRangeCheck::ToYear, kYears },
        CheckCase { "year3000", fields(12, "31", "3000", 12, "31", "3000"), CDateRangeCheck::Accepted, CDateRangeCheck::NoField, "" },
        CheckCase { "fromDay0", fields(1, "0", "1990", 1, "1", "1990"), CDateRangeCheck::OutOfRange, CDateRangeCheck::FromDay, "Please enter an integer between 1 and 31." },
        CheckCase { "fromDay32", fields(1, "32", "1990", 1, "1", "1990"), CDateRangeCheck::OutOfRange, CDateRangeCheck::FromDay, "Please enter an integer between 1 and 31." },
        // The "To" day has no range of its own: 45 passes the field check
        // and is refused as a date.
        CheckCase { "toDay45", fields(1, "1", "1990", 1, "45", "1990"), CDateRangeCheck::InvalidDate, CDateRangeCheck::NoField, kInvalid },
        CheckCase { "toDay0", fields(1, "1", "1990", 1, "0", "1990"), CDateRangeCheck::InvalidDate, CDateRangeCheck::NoField, kInvalid },
        CheckCase { "emptyDay", fields(1, "", "1990", 1, "1", "1990"), CDateRangeCheck::NotInteger, CDateRangeCheck::FromDay, "Please enter an integer." },
        CheckCase { "emptyToYear", fields(1, "1", "1990", 1, "1", ""), CDateRangeCheck::NotInteger, CDateRangeCheck::ToYear, "Please enter an integer." },
        CheckCase { "hugeToDay", fields(1, "1", "1990", 1, "99999999999", "1990"), CDateRangeCheck::NotInteger, CDateRangeCheck::ToDay, "Please enter an integer." },
        // The first failing field wins, in the order of the form.
        CheckCase { "firstFieldFirst", fields(1, "40", "1900", 1, "x", "1"), CDateRangeCheck::OutOfRange, CDateRangeCheck::FromDay, "Please enter an integer between 1 and 31." },
        CheckCase { "noMonth", fields(0, "1", "1990", 1, "1", "1990"), CDateRangeCheck::InvalidDate, CDateRangeCheck::NoField, kInvalid }),
    [](const ::testing::TestParamInfo<CheckCase> &info) { return std::string(info.param.name); });

TEST(DateRangeCheck, AcceptedDatesAreAtMidnightInEitherOrder)
{
    const auto r = CDateRangeCheck::Check(fields(3, "15", "2001", 2, "28", "2001"));
    ASSERT_EQ(r.m_outcome, CDateRangeCheck::Accepted);
    EXPECT_EQ(r.m_from, COleDateTime(2001, 3, 15, 0, 0, 0));
    EXPECT_EQ(r.m_to, COleDateTime(2001, 2, 28, 0, 0, 0));
}

TEST(SpinEdit, StepsWithinRangeWrappingOrStopping)
{
    EXPECT_EQ(CSpinEdit::StepValue("3000", 1, 1984, 3000, true), 1984);
    EXPECT_EQ(CSpinEdit::StepValue("1984", -1, 1984, 3000, true), 3000);
    EXPECT_EQ(CSpinEdit::StepValue("2024", 1, 1984, 3000, true), 2025);
    EXPECT_EQ(CSpinEdit::StepValue("31", 1, 1, 31, false), 31);
    EXPECT_EQ(CSpinEdit::StepValue("1", -1, 1, 31, false), 1);
    EXPECT_EQ(CSpinEdit::StepValue("45", 1, 1, 31, false), 31);  // brought into range first
    EXPECT_EQ(CSpinEdit::StepValue("", 1, 1, 31, false), 1);
    EXPECT_EQ(CSpinEdit::StepValue("1983", 1, 1984, 3000, true), 1985);
}

// The dialogs themselves, driven through their controls.
class RangeDialog : public ::testing::Test
{
protected:
    template <class Dlg> void open(Dlg &dlg, const COleDateTime &from, const COleDateTime &to)
    {
        dlg.m_From = from;
        dlg.m_To = to;
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    static CSpinEdit *spin(QDialog &dlg, const char *name) { return dlg.findChild<CSpinEdit *>(QString::fromLatin1(name)); }
    static QComboBox *month(QDialog &dlg, const char *name) { return dlg.findChild<QComboBox *>(QString::fromLatin1(name)); }
    static void clickOk(QDialog &dlg) { QTest::mouseClick(dlg.findChild<QPushButton *>("ok"), Qt::LeftButton); }
    static void type(CSpinEdit *s, const char *text)
    {
        s->setFocus();
        s->findChild<QLineEdit *>()->selectAll();
        QTest::keyClicks(s, QString::fromLatin1(text));
    }

    CRecordingMessageSink m_sink;
};

TEST_F(RangeDialog, ShowsTheDatesItWasGivenAndTheCaption)
{
    CDateRangeDlg dlg;
    open(dlg, COleDateTime(2024, 2, 29, 17, 30, 0), COleDateTime(2025, 12, 31, 0, 0, 0));
    EXPECT_EQ(dlg.windowTitle(), "Print reminders");
    EXPECT_EQ(month(dlg, "fromMonth")->currentText(), "February");
    EXPECT_EQ(month(dlg, "fromMonth")->count(), 12);
    EXPECT_EQ(spin(dlg, "fromDay")->valueText(), "29");
    EXPECT_EQ(spin(dlg, "fromYear")->valueText(), "2024");
    EXPECT_EQ(month(dlg, "toMonth")->currentText(), "December");
    EXPECT_EQ(spin(dlg, "toDay")->valueText(), "31");
    EXPECT_EQ(spin(dlg, "toYear")->valueText(), "2025");

    clickOk(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(m_sink.m_messages.isEmpty());
    EXPECT_EQ(dlg.m_From, COleDateTime(2024, 2, 29, 0, 0, 0)); // the time of day is dropped
    EXPECT_EQ(dlg.m_To, COleDateTime(2025, 12, 31, 0, 0, 0));
}

TEST_F(RangeDialog, ThirtyFirstOfAprilStaysOpenWithTheEntriesInPlace)
{
    CDateRangeDlg dlg;
    open(dlg, COleDateTime(2024, 3, 31, 0, 0, 0), COleDateTime(2024, 5, 1, 0, 0, 0));
    month(dlg, "fromMonth")->setCurrentIndex(3); // April
    clickOk(dlg);
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(m_sink.m_messages.size(), 1);
    EXPECT_EQ(m_sink.m_messages[0], kInvalid);
    EXPECT_EQ(spin(dlg, "fromDay")->valueText(), "31");
    EXPECT_EQ(month(dlg, "fromMonth")->currentText(), "April");

    type(spin(dlg, "fromDay"), "30");
    clickOk(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_From, COleDateTime(2024, 4, 30, 0, 0, 0));
}

TEST_F(RangeDialog, LeapDaysOf2000And1999)
{
    CDateRangeDlg dlg;
    open(dlg, COleDateTime(2000, 2, 29, 0, 0, 0), COleDateTime(2000, 3, 1, 0, 0, 0));
    type(spin(dlg, "fromYear"), "1999");
    clickOk(dlg);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(m_sink.m_messages.value(0), kInvalid);
    type(spin(dlg, "fromYear"), "2000");
    clickOk(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(m_sink.m_messages.size(), 1);
}

TEST_F(RangeDialog, Year1983GivesTheRangePromptAndFocusesTheField)
{
    CDeleteRangeDlg dlg;
    open(dlg, COleDateTime(1990, 1, 1, 0, 0, 0), COleDateTime(1990, 1, 2, 0, 0, 0));
    type(spin(dlg, "toYear"), "1983");
    clickOk(dlg);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(m_sink.m_messages, QStringList { kYears });
    EXPECT_TRUE(spin(dlg, "toYear")->hasFocus());
    EXPECT_EQ(spin(dlg, "toYear")->valueText(), "1983");
}

TEST_F(RangeDialog, ToDayOf45IsRefusedAsADateNotAsAField)
{
    CDeleteRangeDlg dlg;
    open(dlg, COleDateTime(1990, 1, 1, 0, 0, 0), COleDateTime(1990, 1, 2, 0, 0, 0));
    type(spin(dlg, "toDay"), "45");
    EXPECT_EQ(spin(dlg, "toDay")->valueText(), "45"); // the edit does not clamp
    clickOk(dlg);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(m_sink.m_messages, QStringList { kInvalid });
}

TEST_F(RangeDialog, OnlyDigitsCanBeTyped)
{
    CDateRangeDlg dlg;
    open(dlg, COleDateTime(1990, 1, 1, 0, 0, 0), COleDateTime(1990, 1, 2, 0, 0, 0));
    type(spin(dlg, "fromDay"), "1x-2");
    EXPECT_EQ(spin(dlg, "fromDay")->valueText(), "12");
    type(spin(dlg, "fromDay"), "");
    QTest::keyClick(spin(dlg, "fromDay"), Qt::Key_Backspace);
    clickOk(dlg);
    EXPECT_EQ(m_sink.m_messages, QStringList { "Please enter an integer." });
}

TEST_F(RangeDialog, YearSpinWrapsAbove3000AndDaySpinStopsAt31)
{
    CDateRangeDlg dlg;
    open(dlg, COleDateTime(3000, 1, 31, 0, 0, 0), COleDateTime(3000, 1, 31, 0, 0, 0));
    spin(dlg, "fromYear")->setFocus();
    QTest::keyClick(spin(dlg, "fromYear"), Qt::Key_Up);
    EXPECT_EQ(spin(dlg, "fromYear")->valueText(), "1984");
    QTest::keyClick(spin(dlg, "fromYear"), Qt::Key_Down);
    EXPECT_EQ(spin(dlg, "fromYear")->valueText(), "3000");
    spin(dlg, "fromDay")->setFocus();
    QTest::keyClick(spin(dlg, "fromDay"), Qt::Key_Up);
    EXPECT_EQ(spin(dlg, "fromDay")->valueText(), "31");
}

TEST_F(RangeDialog, FromAfterToIsAccepted)
{
    CDateRangeDlg dlg;
    open(dlg, COleDateTime(2010, 6, 1, 0, 0, 0), COleDateTime(2009, 6, 1, 0, 0, 0));
    clickOk(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_GT(dlg.m_From, dlg.m_To);
}

TEST_F(RangeDialog, DeleteDialogReadsItsCheckBox)
{
    CDeleteRangeDlg dlg;
    dlg.m_OneTimeOnly = 1;
    open(dlg, COleDateTime(1998, 1, 1, 0, 0, 0), COleDateTime(1998, 1, 31, 0, 0, 0));
    EXPECT_EQ(dlg.windowTitle(), "Delete reminders");
    auto *box = dlg.findChild<QCheckBox *>("oneTimeOnly");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->text(), "Delete &one-time reminders only.");
    QTest::mouseClick(box, Qt::LeftButton);
    clickOk(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_OneTimeOnly, 0);
}

TEST_F(RangeDialog, CancelLeavesTheMembersAlone)
{
    CDeleteRangeDlg dlg;
    const COleDateTime from(1998, 1, 1, 10, 0, 0);
    open(dlg, from, from);
    type(spin(dlg, "fromDay"), "9");
    QTest::mouseClick(dlg.findChild<QPushButton *>("cancel"), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.m_From, from);
}

} // namespace
