#include "CalendarTestSupport.h"
#include "calendar/CCalendarTip.h"
#include "calendar/CTipWnd.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace calendartest;

TEST(CalendarTipText, LongMessagesAreCutAfterFortyCharacters)
{
    const QString fifty = QString("0123456789").repeated(5);
    EXPECT_EQ(CCalendarTip::TipText(MakeReminder(COleDateTime(2026, 2, 1, 0, 0, 0), fifty)),
              fifty.left(40) + "...");
    const QString forty = fifty.left(40);
    EXPECT_EQ(CCalendarTip::TipText(MakeReminder(COleDateTime(2026, 2, 1, 0, 0, 0), forty)), forty);
}

TEST(CalendarTipText, LineBreaksBecomeBlanksAndTheTimeFollows)
{
    const QString text = CCalendarTip::TipText(MakeReminder(COleDateTime(2026, 2, 1, 14, 30, 0), "Call\r\nBob"));
    const QString time = COleDateTime(1899, 12, 30, 14, 30, 0).Format();
    EXPECT_FALSE(time.isEmpty());
    EXPECT_EQ(text, "Call  Bob (" + time + ")");
    EXPECT_TRUE(text.contains("14:30")) << text.toStdString();
}

TEST(CalendarTipText, MidnightShowsNoTimeButOneMinutePastDoes)
{
    EXPECT_EQ(CCalendarTip::TipText(MakeReminder(COleDateTime(2026, 2, 1, 0, 0, 0), "x")), "x");
    EXPECT_TRUE(CCalendarTip::TipText(MakeReminder(COleDateTime(2026, 2, 1, 0, 1, 0), "x")).startsWith("x ("));
}

TEST(CalendarTipText, NeverSplitsACharacterInTwo)
{
    const QString message = QString(39, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x8E\x82") + "tail";
    const QString text = CCalendarTip::TipText(MakeReminder(COleDateTime(2026, 2, 1, 0, 0, 0), message));
    EXPECT_EQ(text, QString(39, QLatin1Char('a')) + "...");
}

TEST(CalendarTipWindow, SizeFitsTheTextAndStaysOnTheScreen)
{
    const QFontMetrics metrics(CTipWnd::TipFont());
    EXPECT_EQ(CTipWnd::TipFont().pixelSize(), 15);
    EXPECT_EQ(CTipWnd::SizeForText("Hello"), QSize(metrics.horizontalAdvance("Hello") + 10, metrics.height() + 5));
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(CTipWnd::FitToScreen(QRect(1000, 100, 80, 25), screen), QRect(944, 100, 80, 25));
    EXPECT_EQ(CTipWnd::FitToScreen(QRect(944, 100, 80, 25), screen), QRect(944, 100, 80, 25));
    EXPECT_EQ(CTipWnd::FitToScreen(QRect(10, 100, 80, 25), screen), QRect(10, 100, 80, 25));
}

TEST(CalendarTipWindow, ClosesItselfWhenTheMouseMovesOverIt)
{
    QWidget owner;
    QPointer<CTipWnd> tip = new CTipWnd("Dentist", QPoint(50, 50), &owner);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_TRUE(tip->windowFlags() & Qt::ToolTip);
    EXPECT_TRUE(tip->testAttribute(Qt::WA_ShowWithoutActivating));
    const QImage shot = tip->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, 2), QColor(255, 255, 210));
    Move(tip, QPoint(5, 5));
    EXPECT_FALSE(tip->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(tip.isNull());
}
