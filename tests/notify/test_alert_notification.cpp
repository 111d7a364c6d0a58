#include "CFakeNotificationServer.h"

#include "dialogs/CReminderAlertDlg.h"
#include "notify/CAlertNotifier.h"

#include <QDBusConnection>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kAlertText = QStringLiteral("One day to go:\nReminder for 12/10/2026 9:00:00 AM:\n\nDentist\nbring the card");

class AlertNotification : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus: run under dbus-run-session";
        ASSERT_TRUE(m_server.Start());
        m_alert.m_Message = kAlertText;
        m_alert.m_IconNumber = 7;
        m_alert.m_DefaultSnoozeMinutes = 30;
        m_alert.m_Icons.m_large = [](int number) {
            QImage icon(32, 32, QImage::Format_ARGB32);
            icon.fill(number == 7 ? QColor(200, 10, 20) : QColor(Qt::black));
            return icon;
        };
    }
    void TearDown() override { m_alert.hide(); }

    // The alert with its notification, as the program runs it.
    uint Open()
    {
        m_notifier.Send();
        m_alert.open();
        [&] { QTRY_COMPARE_WITH_TIMEOUT(m_server.m_Sent.size(), size_t(1), 5000); }();
        return m_server.m_Sent.empty() ? 0 : m_server.m_Sent[0].m_Id;
    }

    CFakeNotificationServer m_server;
    CReminderAlertDlg m_alert;
    CAlertNotifier m_notifier { m_alert };
};

TEST_F(AlertNotification, CarriesTheAlertAndStaysUntilAnswered)
{
    ASSERT_NE(Open(), 0u);
    const CFakeNotificationServer::Sent &n = m_server.m_Sent[0];
    EXPECT_EQ(n.m_App, QStringLiteral("Kestrelmark"));
    EXPECT_EQ(n.m_Replaces, 0u);
    EXPECT_EQ(n.m_Summary, QStringLiteral("One day to go:"));
    EXPECT_EQ(n.m_Body, QStringLiteral("Reminder for 12/10/2026 9:00:00 AM:\n\nDentist\nbring the card"));
    EXPECT_EQ(n.m_Actions, QStringList({ "default", "Show", "ok", "OK", "snooze", "Snooze" }));
    EXPECT_EQ(n.m_Timeout, 0);
    // Critical urgency is a byte on the wire; a wider integer is ignored by servers.
    const QVariant urgency = n.m_Hints.value(QStringLiteral("urgency"));
    EXPECT_EQ(urgency.metaType(), QMetaType::fromType<uchar>());
    EXPECT_EQ(urgency.toInt(), 2);
    EXPECT_EQ(n.m_Hints.value(QStringLiteral("suppress-sound")), QVariant(true));
    const QImage image = n.Image();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixelColor(16, 16), QColor(200, 10, 20));
    EXPECT_TRUE(m_server.m_Closed.isEmpty());
    EXPECT_TRUE(m_alert.isVisible());
}

TEST_F(AlertNotification, ItsSnoozeAnswersTheAlertWithTheDefaultDelay)
{
    const uint id = Open();
    ASSERT_NE(id, 0u);
    // An action of another program's notification is not ours.
    m_server.Invoke(id + 100, QStringLiteral("ok"));
    QTest::qWait(100);
    EXPECT_TRUE(m_alert.isVisible());
    m_server.Invoke(id, QStringLiteral("snooze"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_alert.isVisible(), 5000);
    EXPECT_EQ(m_alert.m_SnoozeMinutes, 30);
    QTRY_COMPARE_WITH_TIMEOUT(m_server.m_Closed, QList<uint>({ id }), 5000);
}

TEST_F(AlertNotification, ItsOkAnswersTheAlert)
{
    const uint id = Open();
    m_server.Invoke(id, QStringLiteral("ok"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_alert.isVisible(), 5000);
    EXPECT_EQ(m_alert.m_SnoozeMinutes, 0);
    EXPECT_EQ(m_alert.result(), int(QDialog::Accepted));
}

// The body as typed, under a server that reads markup and one that does not.
TEST_F(AlertNotification, TheBodyIsEscapedOnlyWhereTheServerReadsMarkup)
{
    m_alert.m_Message = QStringLiteral("Due now:\nRoom 4 & bring <notes>");
    for (const bool markup : { true, false }) {
        m_server.m_Sent.clear();
        m_server.m_Capabilities = { QStringLiteral("actions"), QStringLiteral("body") };
        if (markup)
            m_server.m_Capabilities << QStringLiteral("body-markup");
        ASSERT_NE(Open(), 0u);
        EXPECT_EQ(m_server.m_Sent[0].m_Body, markup ? QStringLiteral("Room 4 &amp; bring &lt;notes&gt;")
                                                    : QStringLiteral("Room 4 & bring <notes>"));
        EXPECT_EQ(m_server.m_Sent[0].m_Summary, QStringLiteral("Due now:"));
        m_alert.AnswerOk();
    }
}

TEST_F(AlertNotification, AClickOnTheNotificationShowsTheAlertWithoutAnsweringIt)
{
    const uint id = Open();
    m_alert.showMinimized();
    m_server.Invoke(id, QStringLiteral("default"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_alert.isMinimized(), 5000);
    EXPECT_TRUE(m_alert.isVisible());
    EXPECT_TRUE(m_server.m_Closed.isEmpty());
}

TEST_F(AlertNotification, TheAlertsOkClosesTheNotification)
{
    const uint id = Open();
    QTest::mouseClick(m_alert.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(m_alert.isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(m_server.m_Closed, QList<uint>({ id }), 5000);
    // A late click on the closed notification changes nothing.
    m_server.Invoke(id, QStringLiteral("snooze"));
    QTest::qWait(100);
    EXPECT_EQ(m_alert.m_SnoozeMinutes, 0);
}

TEST_F(AlertNotification, AnAlertAnsweredBeforeTheServerRepliedStillClosesIt)
{
    m_notifier.Send();
    m_alert.open();
    m_alert.AnswerSnooze(5); // before the event loop has seen the reply
    QTRY_COMPARE_WITH_TIMEOUT(m_server.m_Closed.size(), qsizetype(1), 5000);
    EXPECT_EQ(m_server.m_Closed[0], m_server.m_Sent[0].m_Id);
}

// Without a bus or server the alert is what it always was.
TEST(AlertWithoutServer, TheAlertWorksAlone)
{
    CReminderAlertDlg alert;
    alert.m_Message = kAlertText;
    CAlertNotifier notifier(alert, QDBusConnection(QStringLiteral("no such connection")));
    notifier.Send();
    alert.open();
    QTest::mouseClick(alert.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(alert.isVisible());
    EXPECT_EQ(alert.m_SnoozeMinutes, 0);
}

} // namespace
