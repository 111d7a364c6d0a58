// The reminder alert (its sound choice, its icon's place, one sound per
// alert), the about box and the logo window.
#include "dialogs/CAboutBoxDlg.h"
#include "dialogs/CLogoWnd.h"
#include "dialogs/CReminderAlertDlg.h"
#include "media/CSoundPlayer.h"
#include "support/CRecordingSoundPlayer.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

TEST(AlertSound, ReminderSoundThenDefaultThenSystemSound)
{
    using S = CReminderAlertDlg;
    const QString folder = QStringLiteral("/data/sounds");
    EXPECT_EQ(S::ChooseSound(QString(), QString(), folder).m_Alias, QStringLiteral("SystemQuestion"));
    EXPECT_TRUE(S::ChooseSound(QString(), QString(), folder).m_File.isEmpty());
    EXPECT_EQ(S::ChooseSound(QStringLiteral("bell.wav"), QStringLiteral("/x/default.wav"), folder).m_File,
              QStringLiteral("/data/sounds/bell.wav"));
    EXPECT_EQ(S::ChooseSound(QString(), QStringLiteral("/x/default.wav"), folder).m_File, QStringLiteral("/x/default.wav"));
    EXPECT_EQ(S::ChooseSound(QString(), QStringLiteral("chime.wav"), folder).m_File, QStringLiteral("/data/sounds/chime.wav"));
}

TEST(AlertSound, ThePathRule)
{
    const QString folder = QStringLiteral("/data/sounds");
    EXPECT_EQ(CSoundPlayer::ResolveSoundName(QString(), folder), QString());
    // A drive colon (an old file's path) stays as it is, as does an absolute path.
    EXPECT_EQ(CSoundPlayer::ResolveSoundName(QStringLiteral("C:\\Sounds\\ding.wav"), folder), QStringLiteral("C:\\Sounds\\ding.wav"));
    EXPECT_EQ(CSoundPlayer::ResolveSoundName(QStringLiteral("/usr/share/sounds/a.wav"), folder), QStringLiteral("/usr/share/sounds/a.wav"));
    // Anything else is in the sounds folder, backslashes included.
    EXPECT_EQ(CSoundPlayer::ResolveSoundName(QStringLiteral("ding.wav"), folder), QStringLiteral("/data/sounds/ding.wav"));
    EXPECT_EQ(CSoundPlayer::ResolveSoundName(QStringLiteral("sub\\ding.wav"), folder), QStringLiteral("/data/sounds/sub/ding.wav"));
    EXPECT_EQ(CSoundPlayer::EventForAlias(QStringLiteral("SystemQuestion")), QStringLiteral("dialog-question"));
}

TEST(ReminderAlert, LayoutAndIconCentredOnItsPlaceholder)
{
    CReminderAlertDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Kestrelmark Reminder"));
    // 305 x 139 dialog units.
    EXPECT_EQ(dlg.size(), QSize(458, 226));
    const QRect place = dlg.IconPlaceholder();
    EXPECT_EQ(place, QRect(33, 63, 30, 33));
    EXPECT_EQ(dlg.IconOrigin(), QPoint(33 + 15 - 16, 63 + 16 - 16));
    EXPECT_EQ(dlg.OkButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dlg.OkButton()->isDefault());
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(ReminderAlert, PlaysOnceAfterTheFirstPaintAndClosesWithOk)
{
    CRecordingSoundPlayer sound;
    CReminderAlertDlg dlg;
    dlg.m_Message = QStringLiteral("Reminder for 3/10/2024 9:00:00 AM:\n\nDentist");
    dlg.m_SoundFileName = QStringLiteral("ding.wav");
    dlg.m_SoundFolder = QStringLiteral("/data/sounds");
    int drawnIcon = -1;
    dlg.m_Icons.m_large = [&drawnIcon](int number) {
        drawnIcon = number;
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        return icon;
    };
    dlg.m_IconNumber = 7;
    QString shownText;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !sound.m_played.isEmpty(); }, 3000));
        // Paints after the first do not play it again.
        for (int i = 0; i < 3; ++i) {
            dlg.repaint();
            QTest::qWait(300);
        }
        shownText = dlg.MessageLabel()->text();
        QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    });
    dlg.exec();
    EXPECT_EQ(sound.m_played, QStringList { QStringLiteral("file:/data/sounds/ding.wav") });
    EXPECT_EQ(dlg.m_SoundPlayed, 1);
    EXPECT_EQ(drawnIcon, 7);
    EXPECT_EQ(shownText, dlg.m_Message);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

// Escape and Enter both answer OK: the reminder is done, not left due.
TEST(ReminderAlert, EscapeAndEnterAnswerOk)
{
    CRecordingSoundPlayer sound;
    for (const Qt::Key key : { Qt::Key_Escape, Qt::Key_Return }) {
        CReminderAlertDlg dlg;
        dlg.m_SnoozeMinutes = 99;
        QTimer::singleShot(50, [&] { QTest::keyClick(&dlg, key); });
        dlg.exec();
        EXPECT_EQ(dlg.result(), QDialog::Accepted) << key;
        EXPECT_EQ(dlg.m_SnoozeMinutes, 0) << key;
    }
}

// Alt+S opens the delays on the last one chosen; the keyboard picks one.
TEST(ReminderAlert, AltSOpensTheSnoozeChoiceOnTheLastDelay)
{
    CRecordingSoundPlayer sound;
    CReminderAlertDlg dlg;
    dlg.m_DefaultSnoozeMinutes = 60;
    EXPECT_EQ(dlg.SnoozeButton()->text(), QStringLiteral("&Snooze"));
    QStringList labels;
    for (QAction *a : dlg.SnoozeMenu()->actions())
        labels << QString(a->text()).remove(QLatin1Char('&'));
    EXPECT_EQ(labels, QStringList({ "5 minutes", "10 minutes", "15 minutes", "30 minutes", "1 hour", "2 hours",
                                    "Tomorrow" }));
    QString active;
    // The menu runs a loop of its own: what happens in it is set up first.
    // Each timer ends with the dialog, so none fires into a later test.
    QTimer::singleShot(300, &dlg, [&] {
        QMenu *menu = dlg.SnoozeMenu();
        if (menu->isVisible() && menu->activeAction())
            active = menu->activeAction()->text();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    // Only when the keys did not answer the alert: end the menu and the
    // alert so that the test fails rather than hangs.
    QTimer::singleShot(1500, &dlg, [&] {
        if (dlg.SnoozeMenu()->isVisible())
            dlg.SnoozeMenu()->hide();
        if (dlg.isVisible())
            dlg.reject();
    });
    QTimer::singleShot(50, &dlg, [&] { QTest::keyClick(&dlg, Qt::Key_S, Qt::AltModifier); });
    dlg.exec();
    EXPECT_EQ(active, QStringLiteral("1 &hour"));
    EXPECT_EQ(dlg.m_SnoozeMinutes, 120);
}

TEST(AboutBox, ClientIsOnePixelSmallerThanThePictureAndAClickCloses)
{
    CAboutBoxDlg about;
    EXPECT_EQ(CAboutBoxDlg::ClientSizeFor(QSize(440, 255)), QSize(439, 254));
    if (about.HasPicture())
        EXPECT_EQ(about.size(), QSize(439, 254));
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    QTimer::singleShot(0, [&] { QTest::mouseClick(&about, Qt::LeftButton, Qt::NoModifier, QPoint(400, 200)); });
    about.exec();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(LogoWnd, DoubleClickAsksForTheManualAndRightClickForTheMenu)
{
    CLogoWnd logo;
    logo.resize(297, 53);
    logo.SetBitmap(150, 5);
    EXPECT_EQ(logo.Value(), 5);
    logo.show();
    QSignalSpy menu(&logo, &CLogoWnd::contextMenuRequested);
    QSignalSpy manual(&logo, &CLogoWnd::manualRequested);
    QTest::mouseClick(&logo, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.at(0).at(0).toPoint(), logo.mapToGlobal(QPoint(10, 10)));
    EXPECT_EQ(manual.count(), 0);
    QTest::mouseDClick(&logo, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(manual.count(), 1);
}
