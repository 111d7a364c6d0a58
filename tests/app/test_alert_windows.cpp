// The alerts' windows: shown over an open dialog as their reminders fall
// due, one after the other, each answered for itself; the tray's tip names
// those waiting; the program ending with one open leaves its reminder unshown.
#include "AppFixture.h"

#include "app/CCommandIds.h"
#include "app/CTrayIcon.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CReminderAlertDlg.h"
#include "model/CSnooze.h"

#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

class AlertWindows : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        m_app->Options().SetDesktopNotifications(false);
        CReminderList list;
        Add(list, At(2024, 3, 10, 11, 59), QStringLiteral("Tea"));
        Add(list, At(2024, 3, 10, 11, 59), QStringLiteral("Cake"));
        Add(list, At(2024, 4, 1, 9, 0), QStringLiteral("Later"));
        WriteReminders(list);
    }
    // The window with real alerts.
    COrvantis2Dlg &Start()
    {
        COrvantis2Dlg &dlg = Window();
        dlg.Alerts().SetRunner(nullptr);
        return dlg;
    }
    const CReminder &Named(const QString &message)
    {
        for (const CReminder &r : Session().Reminders().Reminders())
            if (r.m_Message == message)
                return r;
        static const CReminder none;
        return none;
    }
};

TEST_F(AlertWindows, ComeOverAnOpenDialogOneAfterTheOther)
{
    COrvantis2Dlg &dlg = Start();
    bool seen = false;
    CReminderAlertDlg *first = nullptr;
    WhenOpen<COptionsDlg>([&](COptionsDlg &options) {
        // Both fall due while Options is open: the pass runs, and the first
        // alert comes over Options at once, leaving Options to the user.
        Session().OnTimer();
        first = dlg.Alerts().Shown();
        ASSERT_NE(first, nullptr);
        EXPECT_TRUE(first->isVisible());
        EXPECT_TRUE(first->m_Message.endsWith(QStringLiteral("Cake")));
        ASSERT_NE(first->windowHandle(), nullptr);
        EXPECT_EQ(first->windowHandle()->transientParent(), options.windowHandle());
        EXPECT_EQ(first->windowModality(), Qt::NonModal);
        EXPECT_EQ(QApplication::activeModalWidget(), &options);
        EXPECT_EQ(dlg.Alerts().Waiting(), (QStringList { QStringLiteral("Cake"), QStringLiteral("Tea") }));
        EXPECT_EQ(Control<CTrayIcon>("trayIcon")->ToolTip(), QStringLiteral("Kestrelmark\nDue: Cake; Tea"));
        options.reject();
    }, &seen);
    dlg.OnCommand(KmCommand::Options);
    ASSERT_TRUE(seen);
    // Options closed first: the alert stays, and blocks the program again.
    QCoreApplication::processEvents();
    ASSERT_EQ(dlg.Alerts().Shown(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowModality(), Qt::ApplicationModal);

    // OK on the first: it alone is answered, and the second comes.
    QTest::mouseClick(first->OkButton(), Qt::LeftButton);
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(Named(QStringLiteral("Cake")).m_Shown);
    EXPECT_FALSE(Named(QStringLiteral("Tea")).m_Shown);
    CReminderAlertDlg *second = dlg.Alerts().Shown();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(second->m_Message.endsWith(QStringLiteral("Tea")));
    EXPECT_EQ(Control<CTrayIcon>("trayIcon")->ToolTip(), QStringLiteral("Kestrelmark\nDue: Tea"));

    // A snooze on the second; the delay is the next alert's default.
    m_clock.Advance(30);
    second->AnswerSnooze(30);
    EXPECT_EQ(dlg.Alerts().Shown(), nullptr);
    EXPECT_TRUE(dlg.Alerts().Waiting().isEmpty());
    EXPECT_FALSE(Control<CTrayIcon>("trayIcon")->ToolTip().contains(QStringLiteral("Due:")));
    EXPECT_TRUE(CSnooze::IsSnoozed(Named(QStringLiteral("Tea"))));
    EXPECT_EQ(CSnooze::WakeTime(Named(QStringLiteral("Tea"))), At(2024, 3, 10, 12, 30, 30));
    EXPECT_EQ(m_app->Options().SnoozeMinutes(), 30);
    EXPECT_FALSE(Named(QStringLiteral("Later")).m_Shown);
}

TEST_F(AlertWindows, TheProgramEndingWithAnAlertOpenLeavesItsReminderUnshown)
{
    COrvantis2Dlg &dlg = Start();
    Session().OnTimer();
    ASSERT_NE(dlg.Alerts().Shown(), nullptr);
    dlg.SetEnding(true);
    m_dlg.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Named(QStringLiteral("Cake")).m_Shown);
    EXPECT_FALSE(Named(QStringLiteral("Tea")).m_Shown);
    EXPECT_FALSE(Session().Saver().IsPending());
}

} // namespace
