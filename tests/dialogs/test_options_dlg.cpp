// The options dialog driven through its controls.
#include "CEditorTestDoubles.h"
#include "support/CRecordingMessageSink.h"

#include "dialogs/COptionsDlg.h"
#include "dialogs/CSyncAccountBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

struct OptionsUnderTest
{
    OptionsUnderTest(int days, const QString &sound)
    {
        Options().SetUpcomingDays(days);
        Options().SetDefaultSound(sound);
        m_before = Stored();
        m_fx.m_context.m_AutostartEnabled = [this] { return m_autostart; };
        m_fx.m_context.m_SetAutostart = [this](bool on) {
            ++m_autostartChanges;
            if (m_autostartFails)
                return false;
            m_autostart = on;
            return true;
        };
    }
    void Show()
    {
        m_dlg = std::make_unique<COptionsDlg>(m_fx.m_context);
        m_dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    template <typename T> T *Child(const char *name) { return m_dlg->findChild<T *>(QString::fromLatin1(name)); }
    void Click(const char *name) { QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton); }
    CProgramSettings &Options() { return m_fx.m_options; }
    // The settings file as another reader finds it.
    std::map<QString, QString> Stored()
    {
        m_fx.m_settings.Sync();
        QSettings file(m_fx.m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        std::map<QString, QString> values;
        for (const QString &key : file.allKeys())
            values[key] = file.value(key).toString();
        return values;
    }
    QString Stored(const char *key) { return Stored()[QString::fromLatin1(key)]; }
    bool Unchanged() { return Stored() == m_before; }

    CEditorFixture m_fx;
    CRecordingMessageSink m_messages;
    bool m_autostart = false;
    bool m_autostartFails = false;
    int m_autostartChanges = 0;
    std::map<QString, QString> m_before;
    std::unique_ptr<COptionsDlg> m_dlg;
};

} // namespace

TEST(OptionsDlg, NoSoundOpensOnTheSystemBeepWithTheHint)
{
    OptionsUnderTest t(30, QString());
    t.Show();
    EXPECT_TRUE(t.Child<QRadioButton>("systemBeep")->isChecked());
    EXPECT_EQ(QStringLiteral("(Click here to choose a .WAV sound &file)"), t.Child<QPushButton>("browse")->text());
    EXPECT_EQ(2, t.Child<QComboBox>("days")->currentIndex());
    t.Click("play");
    EXPECT_TRUE(t.m_fx.m_sound.m_played.isEmpty());
}

TEST(OptionsDlg, SystemBeepEmptiesTheSoundSetting)
{
    OptionsUnderTest t(30, QStringLiteral("/snd/chime.wav"));
    t.Show();
    EXPECT_TRUE(t.Child<QRadioButton>("soundFile")->isChecked());
    EXPECT_EQ(QStringLiteral("\"chime.wav\""), t.Child<QPushButton>("browse")->text());
    // Play uses the file even with the beep chosen.
    t.Click("systemBeep");
    t.Click("play");
    EXPECT_EQ(QStringList { QStringLiteral("file:/snd/chime.wav") }, t.m_fx.m_sound.m_played);
    t.Click("ok");
    EXPECT_EQ(QDialog::Accepted, t.m_dlg->result());
    EXPECT_TRUE(t.Options().DefaultSound().isEmpty());
    EXPECT_EQ(QString(), t.Stored("Options/ReminderSoundFile"));
    EXPECT_EQ(QStringLiteral("30"), t.Stored("Options/UpcomingReminderDays"));
}

TEST(OptionsDlg, SixtyDaysOpensOnTheFourthItemAndIsWrittenBack)
{
    OptionsUnderTest t(60, QString());
    t.Show();
    EXPECT_EQ(3, t.Child<QComboBox>("days")->currentIndex());
    QTest::keyClick(t.m_dlg.get(), Qt::Key_Return);
    EXPECT_EQ(QDialog::Accepted, t.m_dlg->result());
    EXPECT_EQ(QStringLiteral("60"), t.Stored("Options/UpcomingReminderDays"));
    EXPECT_EQ(60, t.Options().UpcomingDays());
}

TEST(OptionsDlg, BrowsingSelectsTheFileAndKeepsTheDaysJustChosen)
{
    OptionsUnderTest t(30, QString());
    t.Show();
    auto *days = t.Child<QComboBox>("days");
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Up); // 30 -> 15
    EXPECT_EQ(1, days->currentIndex());
    t.m_fx.m_chosenFiles << QStringLiteral("/snd/bell.wav");
    t.Click("browse");
    ASSERT_EQ(1, t.m_fx.m_fileDialogs.size());
    EXPECT_TRUE(t.m_fx.m_fileDialogs[0].startsWith(QStringLiteral("Choose .WAV sound file|")));
    EXPECT_TRUE(t.Child<QRadioButton>("soundFile")->isChecked());
    EXPECT_EQ(QStringLiteral("\"bell.wav\""), t.Child<QPushButton>("browse")->text());
    EXPECT_EQ(1, days->currentIndex());
    t.Click("ok");
    EXPECT_EQ(15, t.Options().UpcomingDays());
    EXPECT_EQ(QStringLiteral("/snd/bell.wav"), t.Options().DefaultSound());
    EXPECT_EQ(QStringLiteral("/snd/bell.wav"), t.Stored("Options/ReminderSoundFile"));
}

TEST(OptionsDlg, AHandEditedDayCountOpensAsTheDaysTheListShows)
{
    // The upcoming list takes 30 days for a count the options do not offer.
    OptionsUnderTest t(7, QString());
    t.Show();
    EXPECT_EQ(2, t.Child<QComboBox>("days")->currentIndex());
    t.Click("ok");
    EXPECT_EQ(QStringLiteral("30"), t.Stored("Options/UpcomingReminderDays"));
}

TEST(OptionsDlg, CancelChangesNothing)
{
    OptionsUnderTest t(15, QStringLiteral("/snd/a.wav"));
    t.Show();
    t.Click("systemBeep");
    t.Click("autostart");
    QTest::keyClick(t.m_dlg.get(), Qt::Key_Escape);
    EXPECT_EQ(QDialog::Rejected, t.m_dlg->result());
    EXPECT_TRUE(t.Unchanged());
    EXPECT_EQ(0, t.m_autostartChanges);
}

TEST(OptionsDlg, LoginStartFollowsTheBoxAndAFailureIsSaid)
{
    OptionsUnderTest t(30, QString());
    t.Show();
    EXPECT_FALSE(t.Child<QCheckBox>("autostart")->isChecked());
    t.Click("autostart");
    t.Click("ok");
    EXPECT_TRUE(t.m_autostart);
    EXPECT_EQ(1, t.m_autostartChanges);

    // Left as it was: nothing is rewritten.
    t.Show();
    EXPECT_TRUE(t.Child<QCheckBox>("autostart")->isChecked());
    t.Click("ok");
    EXPECT_EQ(1, t.m_autostartChanges);

    t.m_autostartFails = true;
    t.Show();
    t.Click("autostart");
    t.Click("ok");
    EXPECT_EQ(1, t.m_messages.m_messages.size());
    EXPECT_TRUE(t.m_messages.m_messages.value(0).startsWith(QStringLiteral("Sorry, ")));
}

// The desktop notifications switch: on by default, off kept and written.
TEST(OptionsDlg, NotificationsSwitchFollowsTheValueAndIsWritten)
{
    OptionsUnderTest t(30, QString());
    t.Show();
    auto *box = t.Child<QCheckBox>("notifications");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isChecked());
    t.Click("notifications");
    t.Click("ok");
    EXPECT_FALSE(t.Options().DesktopNotifications());
    EXPECT_EQ(t.Stored("Options/DesktopNotifications"), QStringLiteral("0"));

    const auto before = t.Stored();
    t.Show();
    EXPECT_FALSE(t.Child<QCheckBox>("notifications")->isChecked());
    t.Click("notifications");
    t.Click("cancel");
    EXPECT_EQ(before, t.Stored());
}

TEST(OptionsDlg, KeyboardAloneReachesEveryControl)
{
    OptionsUnderTest t(30, QString());
    t.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.m_dlg.get()));
    t.Child<QComboBox>("days")->setFocus();
    QStringList walked;
    for (int i = 0; i < 9; ++i) {
        walked << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ((QStringList { QStringLiteral("days"), QStringLiteral("systemBeep"), QStringLiteral("browse"),
                             QStringLiteral("play"), QStringLiteral("autostart"), QStringLiteral("notifications"),
                             QStringLiteral("ok"), QStringLiteral("cancel"), QStringLiteral("days") }),
              walked);
    // Down in the sound group picks the file.
    auto *beep = t.Child<QRadioButton>("systemBeep");
    beep->setFocus();
    QTest::keyClick(beep, Qt::Key_Down);
    EXPECT_TRUE(t.Child<QRadioButton>("soundFile")->isChecked());
}

// At the desktop's font size and at twice it (a 192 dpi screen whose
// fonts grow without a device pixel ratio): every control lies inside the
// window and no two overlap, with the calendar account added as the
// program adds it.
class OptionsGeometry : public ::testing::TestWithParam<int>
{
};

TEST_P(OptionsGeometry, NothingOverlapsAndEverythingIsInside)
{
    const QFont original = QApplication::font();
    QFont font = original;
    font.setPointSizeF(original.pointSizeF() * GetParam());
    QApplication::setFont(font);
    {
        OptionsUnderTest t(30, QStringLiteral("/home/someone/sounds/a rather long sound file name & more.wav"));
        t.m_dlg = std::make_unique<COptionsDlg>(t.m_fx.m_context);
        t.m_dlg->AddSyncAccount(new CSyncAccountBox({}));
        t.m_dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(t.m_dlg.get()));
        const QRect inside = t.m_dlg->rect();
        std::vector<std::pair<QWidget *, QRect>> controls;
        for (QWidget *w : t.m_dlg->findChildren<QWidget *>()) {
            if (!w->isVisible() || !(qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)
                                     || qobject_cast<QLabel *>(w) || qobject_cast<QLineEdit *>(w)
                                     || qobject_cast<QGroupBox *>(w)))
                continue;
            const QRect r(w->mapTo(t.m_dlg.get(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(inside.contains(r)) << w->objectName().toStdString() << " sticks out at scale " << GetParam();
            controls.emplace_back(w, r);
        }
        ASSERT_GE(controls.size(), 15u);
        for (size_t i = 0; i < controls.size(); ++i) {
            for (size_t j = i + 1; j < controls.size(); ++j) {
                QWidget *a = controls[i].first;
                QWidget *b = controls[j].first;
                if (a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                EXPECT_FALSE(controls[i].second.intersects(controls[j].second))
                    << a->metaObject()->className() << " '" << a->objectName().toStdString() << "' overlaps "
                    << b->metaObject()->className() << " '" << b->objectName().toStdString() << "' at scale "
                    << GetParam();
            }
        }
        EXPECT_GE(t.Child<QPushButton>("ok")->height(), t.Child<QPushButton>("ok")->sizeHint().height());
    }
    QApplication::setFont(original);
}

INSTANTIATE_TEST_SUITE_P(Scales, OptionsGeometry, ::testing::Values(1, 2));

// A dark style sheet of the user's may draw the days box's arrow wider than
// the room the box keeps for it: every choice still shows whole (the box
// does not look the same when its last digit is taken away).
TEST(OptionsDlgStyle, EveryDayChoiceShowsWholeUnderADarkStyleSheet)
{
    for (const char *sheet : { "QWidget { background: #222; color: #eee; } QComboBox { border: 1px solid #444; }"
                               " QComboBox::down-arrow { width: 30px; height: 10px; }",
                               "* { background: #1e1e1e; color: #e0e0e0; } QComboBox { padding: 4px 10px; }" }) {
        OptionsUnderTest t(30, QString());
        t.m_dlg = std::make_unique<COptionsDlg>(t.m_fx.m_context);
        t.m_dlg->setStyleSheet(QString::fromLatin1(sheet));
        t.m_dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(t.m_dlg.get()));
        auto *days = t.Child<QComboBox>("days");
        for (int i = 0; i < days->count(); ++i) {
            days->setCurrentIndex(i);
            const QString text = days->itemText(i);
            const QImage whole = days->grab().toImage();
            days->setItemText(i, text.left(text.size() - 1));
            EXPECT_NE(days->grab().toImage(), whole) << sheet << " " << text.toStdString();
            days->setItemText(i, text);
        }
    }
}
