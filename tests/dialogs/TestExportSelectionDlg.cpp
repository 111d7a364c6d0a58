// The export selection: moves in both directions keep list order, the three
// messages, Save and Mail; and the pack title rules.
#include "dialogs/CExportSelectionDlg.h"
#include "dialogs/CReminderPackTitleDlg.h"
#include "model/CReminderList.h"
#include "support/CRecordingMessageSink.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

CReminder reminder(int year, int month, int day, const char *message, int recurrence = RecurOneTime)
{
    CReminder r;
    r.m_DateTime = COleDateTime(year, month, day, 9, 30, 0);
    r.m_Message = QString::fromLatin1(message);
    r.m_Recurrence = static_cast<quint16>(recurrence);
    r.m_IconName = QStringLiteral("Cake");
    return r;
}

QStringList column(QTreeWidget *view, int c)
{
    QStringList out;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        out << view->topLevelItem(i)->text(c);
    return out;
}

void select(QTreeWidget *view, std::initializer_list<int> rows)
{
    view->clearSelection();
    for (int r : rows)
        view->topLevelItem(r)->setSelected(true);
}

class ExportSelection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_list.Assign({ reminder(2024, 1, 5, "First\r\nline two", RecurAnnual), reminder(2024, 2, 1, "Second"),
                        reminder(2024, 3, 1, "Third", RecurWeekly), reminder(2024, 4, 1, "Fourth", RecurMonthly) });
    }
    void open(CExportSelectionDlg &dlg)
    {
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    void click(CExportSelectionDlg &dlg, const char *name)
    {
        QTest::mouseClick(dlg.findChild<QPushButton *>(QString::fromLatin1(name)), Qt::LeftButton);
    }

    CReminderList m_list;
    CRecordingMessageSink m_sink;
};

TEST_F(ExportSelection, RowsShowFlatMessageDateAndType)
{
    CExportSelectionDlg dlg(m_list);
    open(dlg);
    EXPECT_EQ(dlg.windowTitle(), "Choose reminders to export as a Reminder Pack");
    QTreeWidget *left = dlg.LeftList();
    ASSERT_EQ(left->topLevelItemCount(), 4);
    EXPECT_EQ(column(left, 0), (QStringList { "First  line two", "Second", "Third", "Fourth" }));
    EXPECT_EQ(column(left, 2), (QStringList { "Annual", "One time", "Weekly", "Monthly" }));
    EXPECT_EQ(left->topLevelItem(1)->text(1), m_list[1].m_DateTime.Format());
    EXPECT_EQ(left->headerItem()->text(0), "Reminders");
    // At least the classic width, and wide enough that no date is cut.
    EXPECT_GE(left->columnWidth(1), 130);
    EXPECT_GT(left->columnWidth(1), left->fontMetrics().horizontalAdvance(left->topLevelItem(1)->text(1)));
    EXPECT_EQ(left->topLevelItem(0)->toolTip(0), "First  line two");
    EXPECT_EQ(dlg.RightList()->topLevelItemCount(), 0);
    EXPECT_EQ(dlg.m_Selected, (std::vector<unsigned char> { 0, 0, 0, 0 }));
}

TEST_F(ExportSelection, MovingRightAndBackRestoresListOrder)
{
    CExportSelectionDlg dlg(m_list);
    open(dlg);
    select(dlg.LeftList(), { 2, 0 });
    click(dlg, "addButton");
    EXPECT_EQ(column(dlg.LeftList(), 0), (QStringList { "Second", "Fourth" }));
    EXPECT_EQ(column(dlg.RightList(), 0), (QStringList { "First  line two", "Third" }));
    EXPECT_EQ(dlg.m_Selected, (std::vector<unsigned char> { 1, 0, 1, 0 }));

    select(dlg.LeftList(), { 1 });
    click(dlg, "addButton");
    EXPECT_EQ(column(dlg.RightList(), 0), (QStringList { "First  line two", "Third", "Fourth" }));

    select(dlg.RightList(), { 1 });
    click(dlg, "removeButton");
    EXPECT_EQ(column(dlg.LeftList(), 0), (QStringList { "Second", "Third" }));
    EXPECT_EQ(column(dlg.RightList(), 0), (QStringList { "First  line two", "Fourth" }));
    EXPECT_TRUE(m_sink.m_messages.isEmpty());
}

TEST_F(ExportSelection, DoubleClicksMoveTheRow)
{
    CExportSelectionDlg dlg(m_list);
    open(dlg);
    QTreeWidget *left = dlg.LeftList();
    const QRect r = left->visualItemRect(left->topLevelItem(1));
    QTest::mouseClick(left->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(left->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.RightList()->topLevelItemCount() == 1; }, 2000));
    EXPECT_EQ(column(dlg.RightList(), 0), QStringList { "Second" });
    QTreeWidget *right = dlg.RightList();
    const QPoint p = right->visualItemRect(right->topLevelItem(0)).center();
    QTest::mouseClick(right->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(right->viewport(), Qt::LeftButton, {}, p);
    EXPECT_TRUE(QTest::qWaitFor([&] { return right->topLevelItemCount() == 0; }, 2000));
    EXPECT_EQ(right->topLevelItemCount(), 0);
    EXPECT_EQ(left->topLevelItemCount(), 4);
}

TEST_F(ExportSelection, MovesWithoutASelectionExplainAndChangeNothing)
{
    CExportSelectionDlg dlg(m_list);
    open(dlg);
    dlg.LeftList()->clearSelection();
    click(dlg, "addButton");
    click(dlg, "removeButton");
    EXPECT_EQ(m_sink.m_messages, (QStringList { "Please select one or more reminders to export first.",
                                                "Please select one or more reminders to remove from the export list." }));
    EXPECT_EQ(dlg.m_Selected, (std::vector<unsigned char> { 0, 0, 0, 0 }));
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(ExportSelection, EmptyListRefusesSaveAndMail)
{
    CReminderList empty;
    CExportSelectionDlg dlg(empty);
    open(dlg);
    click(dlg, "saveButton");
    click(dlg, "mailButton");
    const QString msg = "First, please select the reminders you want to export.";
    EXPECT_EQ(m_sink.m_messages, (QStringList { msg, msg }));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.m_MailTo, 0);
}

TEST_F(ExportSelection, SaveAndMailEndTheDialog)
{
    {
        CExportSelectionDlg dlg(m_list);
        open(dlg);
        select(dlg.LeftList(), { 3 });
        click(dlg, "addButton");
        click(dlg, "saveButton");
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.m_MailTo, 0);
        EXPECT_EQ(dlg.m_Selected, (std::vector<unsigned char> { 0, 0, 0, 1 }));
    }
    {
        CExportSelectionDlg dlg(m_list);
        open(dlg);
        select(dlg.LeftList(), { 0, 1 });
        click(dlg, "addButton");
        click(dlg, "mailButton");
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.m_MailTo, 1);
        EXPECT_EQ(dlg.m_Selected, (std::vector<unsigned char> { 1, 1, 0, 0 }));
    }
    EXPECT_TRUE(m_sink.m_messages.isEmpty());
}

TEST_F(ExportSelection, IconNumbersAreLookedUpAndPicturesShown)
{
    CExportSelectionDlg dlg(m_list);
    CIconSource icons;
    icons.m_lookup = [](const QString &name) { return name == "Cake" ? 7 : 0; };
    icons.m_small = [](int number) {
        QImage img(16, 16, QImage::Format_ARGB32);
        img.fill(number == 7 ? Qt::red : Qt::blue);
        return img;
    };
    dlg.SetIconSource(icons);
    open(dlg);
    EXPECT_EQ(m_list[2].m_IconNumber, 7);
    EXPECT_FALSE(dlg.LeftList()->topLevelItem(0)->icon(0).isNull());
}

// Title of a mailed pack.
TEST(PackTitle, LettersDigitsAndSpacesAreAcceptedPunctuationAndEmptyAreNot)
{
    EXPECT_TRUE(CReminderPackTitleDlg::IsAcceptableTitle("Birthdays 2024"));
    EXPECT_TRUE(CReminderPackTitleDlg::IsAcceptableTitle("x"));
    EXPECT_FALSE(CReminderPackTitleDlg::IsAcceptableTitle(""));
    for (const QChar c : QStringLiteral(".:;'\\/\"")) {
        EXPECT_FALSE(CReminderPackTitleDlg::IsAcceptableTitle(QStringLiteral("My") + c + QStringLiteral("Pack"))) << c.toLatin1();
        EXPECT_FALSE(CReminderPackTitleDlg::IsAcceptableTitle(QString(c)));
    }
    EXPECT_FALSE(CReminderPackTitleDlg::IsAcceptableTitle("two\nlines"));
    EXPECT_EQ(CReminderPackTitleDlg::ForbiddenCharacters().size(), 7);
}

TEST(PackTitle, RefusedTitleIsEmptiedAndTheDialogStaysOpen)
{
    CRecordingMessageSink sink;
    CReminderPackTitleDlg dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.windowTitle(), "Reminder Pack Title");
    auto *edit = dlg.findChild<QLineEdit *>("IDC_EDIT_TITLE");
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->hasFocus());
    QTest::keyClicks(edit, "Mum's birthday");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(sink.m_messages, QStringList { "Sorry, the title cannot contain punctuation characters or be empty." });
    EXPECT_EQ(edit->text(), "");

    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(sink.m_messages.size(), 2);

    QTest::keyClicks(edit, "Mum birthday 2");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_Title, "Mum birthday 2");
}

} // namespace
