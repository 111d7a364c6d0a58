// Speed of the month grid: a full repaint (PaintAll) of a month whose every
// day carries six icons with their shadows, the month fill behind it, and
// one step of the drag image. The goal for PaintAll is under 5 ms.
// Run by hand: build-*/bench/bench_calendar (needs the artwork compiled in).
#include "calendar/CCalendarDrag.h"
#include "calendar/CCalendarLibraryArt.h"
#include "calendar/CCalendarMonth.h"
#include "calendar/CCalendarPainter.h"
#include "graphics/CDisplayState.h"
#include "media/CIconLibrary.h"
#include "model/CIconTable.h"
#include "model/CReminderList.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// March 2026: 31 days, each with six one-time reminders of different icons.
struct FullMonth
{
    FullMonth()
    {
        CDisplayState::Instance().SetScreenDepth(24);
        library.Load();
        for (int day = 1; day <= 31; ++day)
            for (int i = 0; i < 6; ++i) {
                CReminder r;
                r.m_DateTime = COleDateTime(2026, 3, day, 8 + i, 0, 0);
                r.m_Message = QStringLiteral("Reminder");
                r.m_IconName = CIconTable::Name((day * 6 + i) % CIconTable::kBuiltinCount);
                list.InsertSorted(r);
            }
        list.RebuildIndexes();
        month.Layout(QRect(0, 0, 372, 295));
        month.FillMonth(3, 2026, list, art, COleDateTime(2026, 3, 14, 12, 0, 0), COleDateTime(2026, 3, 14, 0, 0, 0));
    }

    QTemporaryDir home;
    CIconLibrary library { home.path() + QStringLiteral("/icons") };
    CCalendarLibraryArt art { library };
    CReminderList list;
    CCalendarMonth month;
};

FullMonth &fullMonth()
{
    static FullMonth m;
    return m;
}

void BM_PaintAllFullMonthSixIconsADay(benchmark::State &state)
{
    FullMonth &m = fullMonth();
    CCalendarPainter painter(&m.art);
    QImage target(372, 295, QImage::Format_RGB32);
    const QRegion all(target.rect());
    {
        QPainter p(&target); // the shadow masks and pictures are made once
        painter.PaintAll(p, m.month, all);
    }
    for (auto _ : state) {
        QPainter p(&target);
        painter.PaintAll(p, m.month, all);
    }
}
BENCHMARK(BM_PaintAllFullMonthSixIconsADay)->Unit(benchmark::kMillisecond);

void BM_PaintSingleCellSixIcons(benchmark::State &state)
{
    FullMonth &m = fullMonth();
    CCalendarPainter painter(&m.art);
    QImage target(372, 295, QImage::Format_RGB32);
    QPainter p(&target);
    painter.PaintAll(p, m.month, QRegion(target.rect()));
    for (auto _ : state)
        painter.PaintSingleCell(p, m.month, 16);
}
BENCHMARK(BM_PaintSingleCellSixIcons)->Unit(benchmark::kMicrosecond);

void BM_FillMonthSixADay(benchmark::State &state)
{
    FullMonth &m = fullMonth();
    for (auto _ : state)
        m.month.FillMonth(3, 2026, m.list, m.art, COleDateTime(2026, 3, 14, 12, 0, 0), COleDateTime());
}
BENCHMARK(BM_FillMonthSixADay)->Unit(benchmark::kMicrosecond);

void BM_DragImageStep(benchmark::State &state)
{
    FullMonth &m = fullMonth();
    CCalendarPainter painter(&m.art);
    QImage background(372, 295, QImage::Format_RGB32);
    {
        QPainter p(&background);
        painter.PaintAll(p, m.month, QRegion(background.rect()));
    }
    QImage compose = background.copy();
    QPoint at(100, 100);
    QRect last;
    for (auto _ : state) {
        at.rx() = 100 + (at.x() + 3) % 150;
        const QRect next = CCalendarDrag::ImageRect(at);
        const QRect area = last.isNull() ? next : next.united(last);
        CCalendarPainter::Restore(compose, background, area);
        painter.DrawDragImage(compose, next.topLeft(), 5);
        last = next;
    }
}
BENCHMARK(BM_DragImageStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv); // fonts for the day numbers
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
