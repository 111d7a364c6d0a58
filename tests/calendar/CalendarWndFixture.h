#pragma once

#include "CalendarTestSupport.h"
#include "calendar/CCalendarWnd.h"
#include "calendar/CDaySelection.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace calendartest {

inline bool WaitUntil(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// A shown calendar on February 2026 (today the 14th) with fake pictures.
class CalendarWndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        selection.SetDate(COleDateTime(2026, 2, 14, 0, 0, 0));
        wnd = std::make_unique<CCalendarWnd>(list, selection, &art);
        wnd->SetClock([] { return COleDateTime(2026, 2, 14, 9, 0, 0); });
        wnd->resize(372, 295);
        wnd->Layout();
        wnd->Refresh();
        wnd->show();
    }
    void TearDown() override { wnd.reset(); }

    void Fill(const std::vector<CReminder> &reminders)
    {
        AddAll(list, reminders);
        wnd->Refresh();
    }
    const CCalendarCell &CellOf(const COleDateTime &day) const
    {
        return wnd->Month().cells[wnd->Month().FindCell(day)];
    }
    QPoint IconCentre(const COleDateTime &day, int slot = 0) const { return CellOf(day).iconRects[slot].center(); }
    QPoint CellCentre(const COleDateTime &day) const { return CellOf(day).rect.center(); }
    // The message of the reminder a signal named by id ("" when none has it).
    QString MessageOf(const QVariant &id)
    {
        const CReminder *r = list.Find(id.toULongLong());
        return r ? r->m_Message : QString();
    }

    CReminderList list;
    CDaySelection selection;
    FakeArt art;
    std::unique_ptr<CCalendarWnd> wnd;
};

} // namespace calendartest
