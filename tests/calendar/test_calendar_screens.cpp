// Pictures of the calendar's states for looking at by eye: written only
// when KM_CALENDAR_SHOTS names a folder.
#include "CalendarWndFixture.h"
#include "calendar/CCalendarLibraryArt.h"
#include "graphics/CDisplayState.h"
#include "media/CIconLibrary.h"
#include "model/CIconTable.h"

#include <QDir>

using namespace calendartest;

namespace {
constexpr Qt::MouseButtons kLeftButton = Qt::LeftButton;

class CalendarScreens : public CalendarWndTest
{
protected:
    void SetUp() override
    {
        m_folder = qEnvironmentVariable("KM_CALENDAR_SHOTS");
        if (m_folder.isEmpty())
            GTEST_SKIP() << "set KM_CALENDAR_SHOTS to a folder to write the pictures";
        QDir().mkpath(m_folder);
        CDisplayState::Instance().SetScreenDepth(24);
        CalendarWndTest::SetUp();
        wnd->SetArt(&m_art);
        std::vector<CReminder> rs;
        const auto add = [&](int day, int count, int hour) {
            for (int i = 0; i < count; ++i)
                rs.push_back(MakeReminder(COleDateTime(2026, 2, day, hour, 5 * i, 0),
                                          QString("Reminder %1 of day %2 with a message long enough to be cut").arg(i).arg(day),
                                          RecurOneTime, CIconTable::Name((day * 7 + i * 5) % 63)));
        };
        add(3, 1, 9);
        add(5, 2, 10);
        add(10, 6, 8);
        add(12, 7, 7);
        add(14, 1, 14);
        add(20, 1, 0);
        add(27, 1, 18);
        Fill(rs);
    }
    void shot(const QString &name, const QImage &image) { image.save(m_folder + "/" + name + ".png"); }
    QImage grab() { return wnd->grab().toImage(); }

    QString m_folder;
    CIconLibrary m_library;
    CCalendarLibraryArt m_art { m_library };
};
} // namespace

TEST_F(CalendarScreens, MonthSelectionHoverTipAndDrag)
{
    shot("month", grab());

    Press(wnd.get(), CellCentre(COleDateTime(2026, 2, 20, 0, 0, 0)));
    Release(wnd.get(), CellCentre(COleDateTime(2026, 2, 20, 0, 0, 0)));
    Move(wnd.get(), CellCentre(COleDateTime(2026, 2, 18, 0, 0, 0)));
    shot("selected-and-hover", grab());

    const COleDateTime feb14(2026, 2, 14, 0, 0, 0);
    Move(wnd.get(), IconCentre(feb14));
    wnd->OnTimer(CCalendarWnd::TIMERID_PAUSE);
    ASSERT_NE(wnd->TipWindow(), nullptr);
    // The tip is a window of its own that may stick out of the grid.
    QImage withTip(wnd->width() + 300, wnd->height() + 40, QImage::Format_RGB32);
    withTip.fill(Qt::darkGray);
    {
        QPainter p(&withTip);
        p.drawImage(QPoint(0, 40), grab());
        p.drawPixmap(wnd->mapFromGlobal(wnd->TipWindow()->pos()) + QPoint(0, 40), wnd->TipWindow()->grab());
    }
    shot("tip", withTip);
    wnd->HideTip();

    const COleDateTime feb10(2026, 2, 10, 0, 0, 0);
    const QPoint start = IconCentre(feb10, 4);
    Press(wnd.get(), start);
    Move(wnd.get(), start + QPoint(2, 2), kLeftButton);
    Move(wnd.get(), CellCentre(COleDateTime(2026, 2, 17, 0, 0, 0)) + QPoint(5, 3), kLeftButton);
    ASSERT_TRUE(wnd->Drag().dragging);
    shot("drag", grab());
    Move(wnd.get(), QPoint(360, 150), kLeftButton);
    wnd->OnTimer(CCalendarWnd::TIMERID_BUMPMONTH);
    shot("drag-bumped", grab());
    Release(wnd.get(), QPoint(360, 150));
    shot("after-drop", grab());
}
