// The calendar account box: the last sync's details beside its status.
#include "support/CRecordingMessageSink.h"

#include "dialogs/CSyncAccountBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(SyncAccountBox, DetailsAreOfferedOnlyWhenTheLastSyncHadSomethingToSay)
{
    CRecordingMessageSink messages;
    CSyncAccountBox::Hooks hooks;
    hooks.m_Status = [] { return QStringLiteral("Last synced 1 Dec 2026 09:00"); };
    hooks.m_Details = [] { return QString(); };
    CSyncAccountBox box(hooks);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    auto *details = box.findChild<QPushButton *>(QStringLiteral("syncDetails"));
    ASSERT_NE(details, nullptr);
    EXPECT_FALSE(details->isVisible());

    // A sync finishes while the box is open.
    box.setDetails(QStringLiteral("1 event simplified:\n- Team call: a changed occurrence was left out."));
    ASSERT_TRUE(details->isVisible());
    QTest::mouseClick(details, Qt::LeftButton);
    ASSERT_EQ(messages.m_messages.size(), 1);
    EXPECT_TRUE(messages.m_messages.front().contains(QLatin1String("- Team call: a changed occurrence")));

    box.setDetails(QString());
    EXPECT_FALSE(details->isVisible());
}

TEST(SyncAccountBox, APlainHttpAddressIsWarnedOfWhileItIsEntered)
{
    CSyncAccountBox::Hooks hooks;
    hooks.m_Load = [](QString &url, QString &user) {
        url = QStringLiteral("https://dav.example.org/");
        user = QStringLiteral("alice");
    };
    CSyncAccountBox box(hooks);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    auto *warning = box.findChild<QLabel *>(QStringLiteral("syncPlainHttp"));
    auto *url = box.findChild<QLineEdit *>(QStringLiteral("syncUrl"));
    ASSERT_NE(warning, nullptr);
    ASSERT_NE(url, nullptr);
    EXPECT_FALSE(warning->isVisible());
    EXPECT_FALSE(warning->accessibleName().isEmpty());

    url->selectAll();
    QTest::keyClicks(url, QStringLiteral("http://127.0.0.1:5232/"));
    EXPECT_TRUE(warning->isVisible());
    EXPECT_TRUE(warning->text().contains(QLatin1String("not encrypted")));
    url->setText(QStringLiteral("https://dav.example.org/"));
    EXPECT_FALSE(warning->isVisible());
}
