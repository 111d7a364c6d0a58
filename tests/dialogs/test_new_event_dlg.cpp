// The reminder editor driven through its controls, as a user would.
#include "CEditorTestDoubles.h"
#include "support/CRecordingMessageSink.h"

#include "dialogs/CIconChoiceList.h"
#include "dialogs/CNewEventDlg.h"
#include "dialogs/CSpinEdit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct EditorUnderTest
{
    explicit EditorUnderTest(const COleDateTime &date, const COleDateTimeSpan &notice = COleDateTimeSpan(1.0),
                             const QString &iconName = QString(), const QString &sound = QString())
        : m_dlg(m_fx.m_context)
    {
        m_dlg.m_Date = date;
        m_dlg.m_Type = 0;
        m_dlg.m_AdvanceNotice = notice;
        m_dlg.m_IconName = iconName;
        m_dlg.m_SoundFileName = sound;
    }
    void Show()
    {
        m_dlg.show();
        m_dlg.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_dlg));
    }
    template <typename T> T *Child(const char *name) const
    {
        T *w = m_dlg.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(nullptr, w) << name;
        return w;
    }
    QString Text(const char *spin) const { return Child<CSpinEdit>(spin)->valueText(); }
    // Replaces the text of a number field by typing.
    void Type(const char *spin, const char *text)
    {
        QLineEdit *edit = Child<CSpinEdit>(spin)->findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    void Click(const char *name) { QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton); }
    void ClickIcon(int number)
    {
        auto *list = Child<CIconChoiceList>("iconList");
        list->SelectNumber(number);
        const QRect cell = list->CellRect(number);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }

    CEditorFixture m_fx;
    CNewEventDlg m_dlg;
    CRecordingMessageSink m_messages;
};

const COleDateTime kEditorDay(2027, 3, 14, 0, 0, 0);

} // namespace

TEST(NewEventDlg, OpensAtHalfPastMidnightAsTwelveThirtyAm)
{
    EditorUnderTest e(COleDateTime(2027, 3, 14, 0, 30, 0));
    e.Show();
    EXPECT_EQ(QStringLiteral("12"), e.Text("hour"));
    EXPECT_EQ(QStringLiteral("30"), e.Text("minute"));
    EXPECT_TRUE(e.Child<QRadioButton>("am")->isChecked());
    EXPECT_TRUE(e.Child<QRadioButton>("oneTime")->isChecked());
    EXPECT_EQ(QStringLiteral("Reminder for ") + COleDateTime(2027, 3, 14, 0, 30, 0).Format(), e.m_dlg.windowTitle());
    EXPECT_EQ(e.Child<QPlainTextEdit>("message"), QApplication::focusWidget());
    // Opening refreshes the icon library from the folder.
    EXPECT_EQ(1, e.m_fx.m_icons.m_importRuns);
}

TEST(NewEventDlg, OpensFivePastOneInTheAfternoonWithTwoMinuteDigits)
{
    EditorUnderTest e(COleDateTime(2027, 3, 14, 13, 5, 0));
    e.Show();
    EXPECT_EQ(QStringLiteral("1"), e.Text("hour"));
    EXPECT_EQ(QStringLiteral("05"), e.Text("minute"));
    EXPECT_TRUE(e.Child<QRadioButton>("pm")->isChecked());
}

struct TypedTime
{
    const char *name;
    const char *hour;
    bool pm;
    int hour24;
};

class NewEventDlgTypedTime : public ::testing::TestWithParam<TypedTime> {};

TEST_P(NewEventDlgTypedTime, OkStoresTheDayTime)
{
    const TypedTime c = GetParam();
    EditorUnderTest e(kEditorDay);
    e.Show();
    e.Type("hour", c.hour);
    e.Type("minute", "42");
    e.Click(c.pm ? "pm" : "am");
    e.Click("ok");
    ASSERT_EQ(QDialog::Accepted, e.m_dlg.result()) << e.m_messages.m_messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(COleDateTime(2027, 3, 14, c.hour24, 42, 0), e.m_dlg.m_Date);
    EXPECT_TRUE(e.m_messages.m_messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, NewEventDlgTypedTime, ::testing::Values(
    TypedTime { "TwelveAm", "12", false, 0 },
    TypedTime { "TwelvePm", "12", true, 12 },
    TypedTime { "ZeroPm", "0", true, 12 },
    TypedTime { "ZeroAm", "0", false, 0 },
    TypedTime { "ThirteenAm", "13", false, 13 },
    TypedTime { "ElevenPm", "11", true, 23 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NewEventDlg, ImpossibleTimeIsExplainedAndNothingIsLost)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    e.Type("hour", "13");
    e.Click("pm");
    QTest::keyClicks(e.Child<QPlainTextEdit>("message"), QStringLiteral("Keep me"));
    e.Click("ok");
    EXPECT_TRUE(e.m_dlg.isVisible());
    EXPECT_NE(QDialog::Accepted, e.m_dlg.result());
    ASSERT_EQ(1, e.m_messages.m_messages.size());
    EXPECT_EQ(QStringLiteral("The time of day that this reminder is scheduled for is invalid.  Please try another time."),
              e.m_messages.m_messages[0]);
    EXPECT_EQ(QStringLiteral("13"), e.Text("hour"));
    EXPECT_EQ(QStringLiteral("Keep me"), e.Child<QPlainTextEdit>("message")->toPlainText());
    EXPECT_EQ(kEditorDay, e.m_dlg.m_Date);
    // Mended by the user, OK goes through.
    e.Type("hour", "1");
    e.Click("ok");
    EXPECT_EQ(QDialog::Accepted, e.m_dlg.result());
    EXPECT_EQ(13, e.m_dlg.m_Date.GetHour());
}

TEST(NewEventDlg, EmptyNumberFieldAsksForAnIntegerAndTakesTheFocus)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    e.Type("advanceHours", "");
    // Enter in a number field is OK, as in any dialog.
    QTest::keyClick(e.Child<CSpinEdit>("advanceDays")->findChild<QLineEdit *>(), Qt::Key_Return);
    EXPECT_TRUE(e.m_dlg.isVisible());
    ASSERT_EQ(1, e.m_messages.m_messages.size());
    EXPECT_EQ(QStringLiteral("Please enter an integer."), e.m_messages.m_messages[0]);
    EXPECT_TRUE(e.Child<CSpinEdit>("advanceHours")->hasFocus());
}

TEST(NewEventDlg, NumberFieldsTakeOnlyDigits)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    e.Type("advanceDays", "4x-2");
    EXPECT_EQ(QStringLiteral("42"), e.Text("advanceDays"));
}

TEST(NewEventDlg, MinuteSpinWrapsBothWays)
{
    EditorUnderTest e(COleDateTime(2027, 3, 14, 9, 0, 0));
    e.Show();
    QLineEdit *minute = e.Child<CSpinEdit>("minute")->findChild<QLineEdit *>();
    QTest::keyClick(minute, Qt::Key_Down);
    EXPECT_EQ(QStringLiteral("59"), e.Text("minute"));
    QTest::keyClick(minute, Qt::Key_Up);
    EXPECT_EQ(QStringLiteral("00"), e.Text("minute"));
    QTest::keyClick(minute, Qt::Key_Up);
    EXPECT_EQ(QStringLiteral("01"), e.Text("minute"));
    // The hour wraps from 12 to 1 and back.
    e.Type("hour", "12");
    QTest::keyClick(e.Child<CSpinEdit>("hour")->findChild<QLineEdit *>(), Qt::Key_Up);
    EXPECT_EQ(QStringLiteral("1"), e.Text("hour"));
    QTest::keyClick(e.Child<CSpinEdit>("hour")->findChild<QLineEdit *>(), Qt::Key_Down);
    EXPECT_EQ(QStringLiteral("12"), e.Text("hour"));
    // The days stop at 100.
    e.Type("advanceDays", "100");
    QTest::keyClick(e.Child<CSpinEdit>("advanceDays")->findChild<QLineEdit *>(), Qt::Key_Up);
    EXPECT_EQ(QStringLiteral("100"), e.Text("advanceDays"));
}

TEST(NewEventDlg, OneMinuteDigitGetsItsZeroWhenTheFocusLeaves)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    auto *minute = e.Child<CSpinEdit>("minute");
    minute->setFocus();
    e.Type("minute", "7");
    EXPECT_EQ(QStringLiteral("7"), e.Text("minute"));
    e.Child<QPlainTextEdit>("message")->setFocus();
    EXPECT_EQ(QStringLiteral("07"), e.Text("minute"));
}

TEST(NewEventDlg, NoticeFloorAndThirtySeconds)
{
    EditorUnderTest e(kEditorDay, COleDateTimeSpan(0.0));
    e.Show();
    // A notice of nothing opens as one minute.
    EXPECT_EQ(QStringLiteral("0"), e.Text("advanceDays"));
    EXPECT_EQ(QStringLiteral("0"), e.Text("advanceHours"));
    EXPECT_EQ(QStringLiteral("1"), e.Text("advanceMinutes"));
    e.Type("advanceMinutes", "0");
    e.Click("ok");
    ASSERT_EQ(QDialog::Accepted, e.m_dlg.result());
    EXPECT_EQ(COleDateTimeSpan(0, 0, 1, 30), e.m_dlg.m_AdvanceNotice);

    EditorUnderTest f(kEditorDay);
    f.Show();
    f.Type("advanceDays", "2");
    f.Type("advanceHours", "3");
    f.Type("advanceMinutes", "4");
    f.Click("ok");
    ASSERT_EQ(QDialog::Accepted, f.m_dlg.result());
    EXPECT_EQ(COleDateTimeSpan(2, 3, 4, 30), f.m_dlg.m_AdvanceNotice);
}

TEST(NewEventDlg, EmptyMessageBecomesTheBracketedCaption)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    e.Click("ok");
    ASSERT_EQ(QDialog::Accepted, e.m_dlg.result());
    EXPECT_EQ(QStringLiteral("(Reminder for ") + kEditorDay.Format() + QStringLiteral(")"), e.m_dlg.m_Message);
}

TEST(NewEventDlg, EnterInTheMessageStartsANewLine)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    auto *message = e.Child<QPlainTextEdit>("message");
    QTest::keyClicks(message, QStringLiteral("one"));
    QTest::keyClick(message, Qt::Key_Return);
    QTest::keyClicks(message, QStringLiteral("two"));
    EXPECT_TRUE(e.m_dlg.isVisible());
    e.Click("ok");
    EXPECT_EQ(QStringLiteral("one\ntwo"), e.m_dlg.m_Message);
}

TEST(NewEventDlg, EscapeCancelsAndCopiesNothing)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    e.Type("hour", "7");
    QTest::keyClick(&e.m_dlg, Qt::Key_Escape);
    EXPECT_EQ(QDialog::Rejected, e.m_dlg.result());
    EXPECT_FALSE(e.m_dlg.isVisible());
    EXPECT_EQ(kEditorDay, e.m_dlg.m_Date);
}

TEST(NewEventDlg, ClearSoundBoxDropsTheSound)
{
    EditorUnderTest e(kEditorDay, COleDateTimeSpan(1.0), QString(), QStringLiteral("/music/bell.wav"));
    e.Show();
    auto *box = e.Child<QCheckBox>("customSound");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(QStringLiteral("\"bell.wav\""), e.Child<QPushButton>("chooseSound")->text());
    e.Click("customSound");
    EXPECT_FALSE(box->isChecked());
    e.Click("ok");
    ASSERT_EQ(QDialog::Accepted, e.m_dlg.result());
    EXPECT_TRUE(e.m_dlg.m_SoundFileName.isEmpty());
}

TEST(NewEventDlg, ChooseSoundSetsTheBoxAndCaptionAndPlayUsesThePathRule)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    EXPECT_EQ(QStringLiteral("(&Click to choose sound)"), e.Child<QPushButton>("chooseSound")->text());
    e.Click("play");
    EXPECT_TRUE(e.m_fx.m_sound.m_played.isEmpty());
    e.m_fx.m_chosenFiles << QStringLiteral("/music/ring.wav");
    e.Click("chooseSound");
    EXPECT_TRUE(e.Child<QCheckBox>("customSound")->isChecked());
    EXPECT_EQ(QStringLiteral("\"ring.wav\""), e.Child<QPushButton>("chooseSound")->text());
    e.Click("play");
    EXPECT_EQ(QStringList { QStringLiteral("file:/music/ring.wav") }, e.m_fx.m_sound.m_played);
    e.Click("ok");
    EXPECT_EQ(QStringLiteral("/music/ring.wav"), e.m_dlg.m_SoundFileName);

    // A bare name from a pack plays from the sounds folder.
    EditorUnderTest b(kEditorDay, COleDateTimeSpan(1.0), QString(), QStringLiteral("chime.wav"));
    b.Show();
    b.Click("play");
    EXPECT_EQ(QStringList { QStringLiteral("file:") + b.m_fx.m_dir.path() + QStringLiteral("/sounds/chime.wav") }, b.m_fx.m_sound.m_played);
}

TEST(NewEventDlg, HiddenIconOfferedOnlyToItsOwnerOrWhenUnlocked)
{
    EditorUnderTest plain(kEditorDay, COleDateTimeSpan(1.0), QStringLiteral("Builtin 3"));
    plain.Show();
    EXPECT_FALSE(plain.m_dlg.OfferedIcons().contains(62));
    EXPECT_EQ(62, plain.m_dlg.OfferedIcons().size());

    EditorUnderTest owner(kEditorDay, COleDateTimeSpan(1.0), QStringLiteral("Skull"));
    owner.Show();
    EXPECT_TRUE(owner.m_dlg.OfferedIcons().contains(62));
    EXPECT_EQ(62, owner.Child<CIconChoiceList>("iconList")->SelectedNumber());

    CEditorFixture fx;
    fx.m_context.m_HiddenIconUnlocked = true;
    CNewEventDlg unlocked(fx.m_context);
    unlocked.m_Date = kEditorDay;
    unlocked.show();
    EXPECT_TRUE(unlocked.OfferedIcons().contains(62));
}

TEST(NewEventDlg, PickingAnIconStoresItsNumberAndName)
{
    EditorUnderTest e(kEditorDay, COleDateTimeSpan(1.0), QStringLiteral("Builtin 3"));
    e.Show();
    EXPECT_EQ(3, e.Child<CIconChoiceList>("iconList")->SelectedNumber());
    e.ClickIcon(7);
    e.Click("ok");
    EXPECT_EQ(7, e.m_dlg.m_IconNumber);
    EXPECT_EQ(QStringLiteral("Builtin 7"), e.m_dlg.m_IconName);
}

TEST(NewEventDlg, NoIconSelectedStoresIconZero)
{
    EditorUnderTest e(kEditorDay, COleDateTimeSpan(1.0), QStringLiteral("Builtin 3"));
    e.Show();
    e.Child<CIconChoiceList>("iconList")->clearSelection();
    e.Click("ok");
    EXPECT_EQ(0, e.m_dlg.m_IconNumber);
    EXPECT_EQ(QStringLiteral("Kestrelmark"), e.m_dlg.m_IconName);
}

TEST(NewEventDlg, ImportedIconsComeFirstInTheList)
{
    EditorUnderTest e(kEditorDay);
    e.m_fx.WriteFile(QStringLiteral("icons/party.ico"), CEditorFixture::IconBytes('p'));
    e.m_fx.WriteFile(QStringLiteral("icons/sub/cake.ico"), CEditorFixture::IconBytes('c'));
    e.m_dlg.m_IconName = QStringLiteral("sub\\cake.ico");
    e.Show();
    const QList<int> offered = e.m_dlg.OfferedIcons();
    ASSERT_GE(offered.size(), 3);
    EXPECT_EQ(63, offered[0]);
    EXPECT_EQ(64, offered[1]);
    EXPECT_EQ(0, offered[2]);
    const int cake = e.m_fx.m_icons.Lookup(QStringLiteral("sub\\cake.ico"));
    EXPECT_GE(cake, 63);
    EXPECT_EQ(cake, e.Child<CIconChoiceList>("iconList")->SelectedNumber());
}

TEST(NewEventDlg, AddIconCopiesIntoTheFolderAndSelectsIt)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    const QString source = e.m_fx.WriteFile(QStringLiteral("elsewhere/Lantern.Ico"), CEditorFixture::IconBytes('l'));
    e.m_fx.m_chosenFiles << source;
    e.Click("addIcon");
    ASSERT_EQ(1, e.m_fx.m_fileDialogs.size());
    EXPECT_TRUE(e.m_fx.m_fileDialogs[0].endsWith(QStringLiteral("Windows icons (*.ico *.ICO)")));
    EXPECT_TRUE(QFile::exists(e.m_fx.m_dir.path() + QStringLiteral("/icons/Lantern.Ico")));
    const int lantern = e.m_fx.m_icons.Lookup(QStringLiteral("Lantern.Ico"));
    EXPECT_EQ(63, lantern);
    EXPECT_EQ(lantern, e.Child<CIconChoiceList>("iconList")->SelectedNumber());
    EXPECT_EQ(63, e.m_dlg.OfferedIcons().first());
    e.Click("ok");
    EXPECT_EQ(QStringLiteral("Lantern.Ico"), e.m_dlg.m_IconName);
    EXPECT_EQ(63, e.m_dlg.m_IconNumber);
    EXPECT_GT(e.m_fx.m_icons.Generation(), e.m_dlg.OpeningGeneration());
}

TEST(NewEventDlg, AddIconNeverOverwritesAFileOfThatName)
{
    EditorUnderTest e(kEditorDay);
    e.m_fx.WriteFile(QStringLiteral("icons/bell.ico"), CEditorFixture::IconBytes('A'));
    e.Show();
    const QString source = e.m_fx.WriteFile(QStringLiteral("elsewhere/bell.ico"), CEditorFixture::IconBytes('B'));
    e.m_fx.m_chosenFiles << source;
    e.Click("addIcon");
    QFile kept(e.m_fx.m_dir.path() + QStringLiteral("/icons/bell.ico"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(CEditorFixture::IconBytes('A'), kept.readAll());
    // The file already there is the one used.
    EXPECT_EQ(e.m_fx.m_icons.Lookup(QStringLiteral("bell.ico")), e.Child<CIconChoiceList>("iconList")->SelectedNumber());
    EXPECT_TRUE(e.m_messages.m_messages.isEmpty());
}

TEST(NewEventDlg, AddIconThatIsNotAnIconSaysSoAndKeepsTheChoice)
{
    EditorUnderTest e(kEditorDay, COleDateTimeSpan(1.0), QStringLiteral("Builtin 5"));
    e.Show();
    const QString source = e.m_fx.WriteFile(QStringLiteral("elsewhere/broken.ico"), QByteArray("GIF89a not an icon"));
    e.m_fx.m_chosenFiles << source;
    e.Click("addIcon");
    ASSERT_EQ(1, e.m_messages.m_messages.size());
    EXPECT_TRUE(e.m_messages.m_messages[0].startsWith(QStringLiteral("Sorry, \"broken.ico\"")));
    EXPECT_FALSE(QFile::exists(e.m_fx.m_dir.path() + QStringLiteral("/icons/broken.ico")));
    EXPECT_EQ(5, e.Child<CIconChoiceList>("iconList")->SelectedNumber());
    e.Click("ok");
    EXPECT_EQ(QStringLiteral("Builtin 5"), e.m_dlg.m_IconName);
}

TEST(NewEventDlg, CancelledFileDialogsChangeNothing)
{
    EditorUnderTest e(kEditorDay, COleDateTimeSpan(1.0), QStringLiteral("Builtin 5"), QStringLiteral("/a/b.wav"));
    e.Show();
    e.Click("addIcon");
    e.Click("chooseSound");
    e.Click("ok");
    EXPECT_EQ(QStringLiteral("Builtin 5"), e.m_dlg.m_IconName);
    EXPECT_EQ(QStringLiteral("/a/b.wav"), e.m_dlg.m_SoundFileName);
    EXPECT_FALSE(QDir(e.m_fx.m_dir.path() + QStringLiteral("/icons")).exists()
                 && !QDir(e.m_fx.m_dir.path() + QStringLiteral("/icons")).isEmpty());
}

TEST(NewEventDlg, RecurrenceAndPrivateFlagTravel)
{
    EditorUnderTest e(kEditorDay);
    e.m_dlg.m_Private = true;
    e.Show();
    e.Click("weekly");
    e.Click("ok");
    EXPECT_EQ(3, e.m_dlg.m_Type);
    EXPECT_TRUE(e.m_dlg.m_Private);

    // A stored kind outside the four shows no button and is kept.
    EditorUnderTest odd(kEditorDay);
    odd.m_dlg.m_Type = 9;
    odd.Show();
    odd.Click("ok");
    EXPECT_EQ(9, odd.m_dlg.m_Type);
}

TEST(NewEventDlg, TabWalksTheControlsInTheirOrder)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.m_dlg));
    e.Child<CSpinEdit>("hour")->setFocus();
    QStringList walked;
    for (int i = 0; i < 20; ++i) {
        QWidget *w = QApplication::focusWidget();
        while (w && w->objectName().isEmpty())
            w = w->parentWidget();
        const QString name = w ? w->objectName() : QStringLiteral("?");
        if (walked.isEmpty() || walked.last() != name)
            walked << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QStringList expected { QStringLiteral("hour"), QStringLiteral("minute"), QStringLiteral("am"),
                                 QStringLiteral("oneTime"), QStringLiteral("advanceDays"), QStringLiteral("advanceHours"),
                                 QStringLiteral("advanceMinutes"), QStringLiteral("customSound"), QStringLiteral("chooseSound"),
                                 QStringLiteral("play"), QStringLiteral("iconList"), QStringLiteral("addIcon"),
                                 QStringLiteral("message"), QStringLiteral("ok"), QStringLiteral("cancel"), QStringLiteral("hour") };
    EXPECT_EQ(expected, walked.mid(0, expected.size()));
}

TEST(NewEventDlg, ArrowKeysChooseWithinARadioGroup)
{
    EditorUnderTest e(kEditorDay);
    e.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.m_dlg));
    auto *am = e.Child<QRadioButton>("am");
    am->setFocus();
    QTest::keyClick(am, Qt::Key_Down);
    EXPECT_TRUE(e.Child<QRadioButton>("pm")->isChecked());
    auto *oneTime = e.Child<QRadioButton>("oneTime");
    oneTime->setFocus();
    QTest::keyClick(oneTime, Qt::Key_Right);
    EXPECT_TRUE(e.Child<QRadioButton>("annual")->isChecked());
    // The time's group is not disturbed by the recurrence's.
    EXPECT_TRUE(e.Child<QRadioButton>("pm")->isChecked());
}
