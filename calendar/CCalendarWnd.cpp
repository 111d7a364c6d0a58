#include "calendar/CCalendarWnd.h"

#include "calendar/CCalendarKeys.h"
#include "calendar/CCalendarMenus.h"
#include "calendar/CCalendarPlainArt.h"
#include "calendar/CDaySelection.h"
#include "calendar/CTipWnd.h"
#include "dialogs/CFocusRing.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

#include <QAccessible>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

CCalendarWnd::CCalendarWnd(CReminderList &list, CDaySelection &selection, CCalendarArt *art, QWidget *parent)
    : QWidget(parent)
    , m_list(list)
    , m_selection(selection)
    , m_art(art)
    , m_plainArt(std::make_unique<CCalendarPlainArt>())
    , m_painter(nullptr)
    , m_now([] { return COleDateTime::GetCurrentTime(); })
{
    setWindowTitle(QStringLiteral("CustomCanvas"));
    setAccessibleName(tr("Calendar"));
    // The week begins where the user's locale begins it.
    m_month.firstDayOfWeek = CCalendarMonth::FirstDayOfWeek(QLocale());
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_painter.SetArt(this->art());
    const std::pair<QTimer *, int> timers[] = { { &m_timeout, TIMERID_TIMEOUT },
                                                { &m_pause, TIMERID_PAUSE },
                                                { &m_bump, TIMERID_BUMPMONTH } };
    for (const auto &[timer, id] : timers)
        connect(timer, &QTimer::timeout, this, [this, id = id] { OnTimer(id); });
    m_timeout.setInterval(kTimeoutMs);
    m_pause.setInterval(kPauseMs);
    m_bump.setInterval(kBumpMs);
}

CCalendarWnd::~CCalendarWnd() = default;

CCalendarArt *CCalendarWnd::art() const
{
    return m_art ? m_art : m_plainArt.get();
}

void CCalendarWnd::SetArt(CCalendarArt *art)
{
    m_art = art;
    m_painter.SetArt(this->art());
    update();
}

void CCalendarWnd::SetTextSizeFactor(double factor)
{
    m_painter.SetTextSizeFactor(factor);
    update();
}

void CCalendarWnd::SetClock(std::function<COleDateTime()> now)
{
    if (now)
        m_now = std::move(now);
}

bool CCalendarWnd::IsTimerActive(int id) const
{
    switch (id) {
    case TIMERID_TIMEOUT: return m_timeout.isActive();
    case TIMERID_PAUSE: return m_pause.isActive();
    case TIMERID_BUMPMONTH: return m_bump.isActive();
    default: return false;
    }
}

// ---- month model ------------------------------------------------------

void CCalendarWnd::Layout()
{
    m_month.Layout(rect());
    // From now on every paint covers what it is asked to.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CCalendarWnd::FillMonth(int month, int year)
{
    // The reminder being dragged keeps its place in its cell, hidden.
    m_month.FillMonth(month, year, m_list, *art(), m_now(), m_selection.Date(),
                      m_drag.dragging ? m_drag.dragReminderIndex : -1);
    if (QAccessible::isActive()) {
        // Every day cell reads differently now.
        QAccessibleTableModelChangeEvent change(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&change);
    }
}

void CCalendarWnd::Refresh()
{
    m_displayedMonth = m_selection.Date().GetMonth();
    m_displayedYear = m_selection.Date().GetYear();
    FillMonth(m_displayedMonth, m_displayedYear);
    update();
}

void CCalendarWnd::FindSelectedCell()
{
    m_month.FindSelectedCell(m_selection.Date());
}

void CCalendarWnd::SelectSelectedDate()
{
    const int k = m_month.FindCell(m_selection.Date());
    if (k < 0) {
        Trace("Today not found.\n");
        return;
    }
    SelectCell(k);
}

void CCalendarWnd::SelectCell(int index)
{
    if (!m_month.IsValidCell(index))
        return;
    const int old = m_month.selectedCell;
    m_month.selectedCell = index;
    updateCell(old);
    updateCell(index);
    m_month.cells[index].highlight = 2;
    if (index != old)
        announceSelection();
}

void CCalendarWnd::announceSelection()
{
    const int k = m_month.selectedCell;
    if (!QAccessible::isActive() || !m_month.IsValidCell(k))
        return;
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(k);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(k);
        QAccessible::updateAccessibility(&focus);
    }
}

void CCalendarWnd::updateCell(int k)
{
    if (m_month.IsValidCell(k))
        update(m_month.cells[k].rect);
}

// ---- painting ---------------------------------------------------------

void CCalendarWnd::PaintAll(QPainter &target, const QRegion &clip)
{
    m_painter.PaintAll(target, m_month, clip);
}

void CCalendarWnd::PaintSingleCell(QPainter &target, int k)
{
    m_painter.PaintSingleCell(target, m_month, k);
}

void CCalendarWnd::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    if (m_drag.dragging && !dragCompose.isNull()) {
        // While dragging the screen shows the composed drag picture.
        for (const QRect &r : event->region())
            p.drawImage(r.topLeft(), dragCompose, r);
        return;
    }
    if (!m_month.layoutDone)
        return;
    PaintAll(p, event->region());
    if (!m_painted) {
        // What start-up is timed by: the month on the screen with its icons.
        m_painted = true;
        Trace("Calendar painted.\n");
    }
    if (hasFocus() && m_month.IsValidCell(m_month.selectedCell)) {
        // The keyboard's place: a ring inside the selected day.
        CFocusRing::Draw(p, m_month.cells[m_month.selectedCell].rect.adjusted(2, 2, -3, -3));
    }
}

// ---- keyboard ---------------------------------------------------------

void CCalendarWnd::keyPressEvent(QKeyEvent *event)
{
    if (m_drag.dragging)
        return;
    const int k = m_month.selectedCell;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        OpenSelectedDay();
        return;
    case Qt::Key_Delete:
        if (m_month.IsValidCell(k)) {
            HideTip();
            const int n = m_list.GetRemindersOnDay(m_month.cells[k].date);
            if (n == 1)
                emit deleteReminderRequested(idAt(m_list.GetDayResult(0)));
            else if (n > 1)
                emit dayListRequested(); // choose there which one
        }
        return;
    default:
        break;
    }
    const COleDateTime day = CCalendarKeys::Target(event->key(), m_selection.Date(), CReminderList::DateOnly(m_now()));
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier) || day.GetStatus() != COleDateTime::valid) {
        QWidget::keyPressEvent(event);
        return;
    }
    MoveSelection(day);
}

void CCalendarWnd::MoveSelection(const COleDateTime &day)
{
    const COleDateTime d = CReminderList::DateOnly(day);
    if (d.GetStatus() != COleDateTime::valid || d == m_selection.Date())
        return;
    HideTip();
    m_selection.SetDate(d);
    if (d.GetMonth() == m_displayedMonth && d.GetYear() == m_displayedYear) {
        SelectCell(m_month.FindCell(d));
    } else {
        Refresh();
        FindSelectedCell();
        announceSelection();
        emit monthBumped(d.GetYear(), d.GetMonth() - 1);
    }
}

void CCalendarWnd::OpenSelectedDay()
{
    const int k = m_month.FindCell(m_selection.Date());
    if (k >= 0)
        openDay(k, QPoint(), false);
}

void CCalendarWnd::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Mouse) {
        event->ignore();
        return;
    }
    // The menu key: the day's menu, over its first reminder when it has one.
    const int k = m_month.selectedCell;
    if (!m_month.IsValidCell(k))
        return;
    const CCalendarCell &cell = m_month.cells[k];
    rightButtonDown(cell.iconCount > 0 ? cell.iconRects[0].center() : cell.rect.center());
}

void CCalendarWnd::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateCell(m_month.selectedCell);
    announceSelection();
}

void CCalendarWnd::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    updateCell(m_month.selectedCell);
}

// ---- mouse ------------------------------------------------------------

void CCalendarWnd::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        leftButtonDown(p);
    else if (event->button() == Qt::RightButton)
        rightButtonDown(p);
    else
        event->ignore();
}

void CCalendarWnd::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    HideTip();
    m_drag.downPoint = p;
    const int k = HitTestCell(p);
    if (k >= 0)
        openDay(k, p, true);
}

void CCalendarWnd::openDay(int k, const QPoint &p, bool atPointer)
{
    const CCalendarCell &cell = m_month.cells[k];
    m_selection.SetDate(cell.date);
    const int n = m_list.GetRemindersOnDay(cell.date);
    if (n == 0) {
        emit newReminderRequested();
    } else if (n == 1) {
        emit editReminderRequested(idAt(m_list.GetDayResult(0)));
    } else if (n > CCalendarCell::kMaxIcons || !atPointer) {
        // The keyboard points at no icon: the day's list lets it choose.
        emit dayListRequested();
    } else {
        const int i = HitTestIcon(p, k);
        if (i >= 0)
            emit editReminderRequested(idAt(cell.reminderIndex[i]));
    }
}

void CCalendarWnd::mouseMoveEvent(QMouseEvent *event)
{
    mouseMoved(event->position().toPoint(), event->buttons() & Qt::LeftButton);
}

void CCalendarWnd::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        leftButtonUp(event->position().toPoint());
    else
        event->ignore();
}

void CCalendarWnd::leaveEvent(QEvent *)
{
    // A tip that appears under the pointer takes it off the grid; that is
    // no reason to close the tip.
    if (m_drag.dragging || (tipWnd && tipWnd->geometry().contains(QCursor::pos())))
        return;
    mouseMoved(QPoint(-1, -1), false);
}

void CCalendarWnd::leftButtonDown(const QPoint &p)
{
    HideTip();
    m_drag.downPoint = p;
    const int k = HitTestCell(p);
    if (k < 0)
        return;
    m_selection.SetDate(m_month.cells[k].date);
    const int old = m_month.selectedCell;
    SelectCell(k);
    if (m_month.selectedCell != old)
        emit clickSound();
}

quint64 CCalendarWnd::idAt(int index) const
{
    return index >= 0 && index < m_list.GetSize() ? m_list[index].Id() : 0;
}

void CCalendarWnd::rightButtonDown(const QPoint &p)
{
    if (m_drag.dragging)
        return;
    const int k = HitTestCell(p);
    const int i = k < 0 ? -1 : HitTestIcon(p, k);
    if (k >= 0) {
        // The menu acts on the day clicked ("New..." on it), so that day is
        // selected first, as a left click would.
        m_selection.SetDate(m_month.cells[k].date);
        SelectCell(k);
    }
    int menu = CCalendarMenus::kGeneralMenu;
    if (i < 0) {
        m_contextReminder = 0;
        m_contextCell = m_contextIcon = -1;
    } else {
        m_contextReminder = idAt(m_month.cells[k].reminderIndex[i]);
        m_contextCell = k;
        m_contextIcon = i;
        menu = CCalendarMenus::kReminderMenu;
    }
    emit contextChanged(m_contextReminder, m_contextCell, m_contextIcon);
    HideTip();
    CCalendarMenus::PopUp(menu, mapToGlobal(p), this, [this](int id) { emit commandRequested(id); });
}

void CCalendarWnd::mouseMoved(const QPoint &p, bool leftDown)
{
    const int k = HitTestCell(p);
    const int i = k < 0 ? -1 : HitTestIcon(p, k);
    if (leftDown) {
        if (!m_drag.dragging && m_drag.dragArmed && CCalendarDrag::MovedPastThreshold(m_drag.downPoint, p)) {
            m_drag.dragArmed = false;
            if (k >= 0 && m_month.cells[k].iconCount > 0 && i >= 0)
                startDrag(k, i);
        }
        if (m_drag.dragging) {
            moveDragImage(p);
            return;
        }
    }
    tipBookkeeping(k, i);
    hover(k);
}

void CCalendarWnd::tipBookkeeping(int k, int i)
{
    if (!m_tip.IsLast(k, i))
        m_tip.ForgetLast();
    if (tipWnd) {
        if (!m_tip.IsCurrent(k, i))
            HideTip();
        return;
    }
    if (m_drag.dragging)
        return;
    m_pause.stop();
    if (k >= 0 && i >= 0 && !m_tip.IsLast(k, i)) {
        const QRect &icon = m_month.cells[k].iconRects[i];
        m_pause.start();
        m_tip.tipX = icon.left() + icon.width() / 2;
        m_tip.tipY = icon.top();
        m_tip.tipCell = k;
        m_tip.tipIcon = i;
    }
}

void CCalendarWnd::hover(int k)
{
    if (k == m_month.hoverCell)
        return;
    const int old = m_month.hoverCell;
    if (m_month.IsValidCell(old)) {
        m_month.cells[old].highlight = old == m_month.selectedCell ? 2 : 0;
        updateCell(old);
    }
    if (m_month.IsValidCell(k)) {
        m_month.cells[k].highlight = 1;
        updateCell(k);
    }
    m_month.hoverCell = k;
}

void CCalendarWnd::leftButtonUp(const QPoint &p)
{
    if (m_drag.dragging)
        endDrag(p);
    m_bump.stop();
    m_drag.Reset();
}

// ---- tips -------------------------------------------------------------

void CCalendarWnd::HideTip()
{
    Trace("HideTip()\n");
    m_pause.stop();
    m_timeout.stop();
    if (tipWnd) {
        tipWnd->close();
        tipWnd = nullptr;
    }
}

void CCalendarWnd::showTip(const QString &text, int x, int y)
{
    if (tipWnd)
        HideTip();
    tipWnd = new CTipWnd(text, mapToGlobal(QPoint(x, y - 20)), this);
}

void CCalendarWnd::OnTimer(int id)
{
    switch (id) {
    case TIMERID_TIMEOUT:
        Trace("TIMERID_TIMEOUT\n");
        m_timeout.stop();
        HideTip();
        break;
    case TIMERID_PAUSE: {
        Trace("TIMERID_PAUSE\n");
        m_pause.stop();
        if (tipWnd)
            HideTip();
        m_timeout.start();
        // The grid may have been refilled since the pause began.
        if (!m_month.IsValidCell(m_tip.tipCell))
            break;
        const CCalendarCell &cell = m_month.cells[m_tip.tipCell];
        if (m_tip.tipIcon < 0 || m_tip.tipIcon >= cell.iconCount)
            break;
        const int index = cell.reminderIndex[m_tip.tipIcon];
        if (index < 0 || index >= m_list.GetSize())
            break;
        showTip(CCalendarTip::TipText(m_list[index]), m_tip.tipX, m_tip.tipY);
        m_tip.lastTipCell = m_tip.tipCell;
        m_tip.lastTipIcon = m_tip.tipIcon;
        break;
    }
    case TIMERID_BUMPMONTH:
        Trace("TIMERID_BUMPMONTH\n");
        if (m_drag.dragging) {
            const int d = CCalendarDrag::BumpDirection(m_drag.lastDragRect, size());
            if (d != 0 && d == m_drag.bumpDirection)
                DragBumpMonth(d);
        } else {
            m_bump.stop();
        }
        break;
    default:
        Trace("Unknown timer id!\n");
        break;
    }
}

// ---- dragging ---------------------------------------------------------

QPoint CCalendarWnd::dragPoint(const QPoint &p)
{
    const QPoint clamped = CCalendarDrag::ClampToGrid(p, size());
    // Keep the real pointer on the grid where the platform lets us move it;
    // elsewhere only the drag image is held inside.
    if (clamped != p && QGuiApplication::platformName() == QLatin1String("xcb"))
        QCursor::setPos(mapToGlobal(clamped));
    return clamped;
}

void CCalendarWnd::startDrag(int k, int i)
{
    CCalendarCell &cell = m_month.cells[k];
    const int index = cell.reminderIndex[i];
    if (index < 0 || index >= m_list.GetSize())
        return;
    m_drag.dragArmed = true;
    m_drag.lastDragRect = QRect();
    m_pause.stop();
    emit dragStarted();
    m_drag.bumpDirection = 0;
    m_drag.bumped = false;

    m_drag.dragReminderIndex = index;
    m_drag.dragReminder = m_list[index];
    if (dragBackground.size() != size()) {
        dragBackground = QImage(size(), QImage::Format_RGB32);
        dragCompose = QImage(size(), QImage::Format_RGB32);
    }
    m_drag.dragIcon = cell.iconNumbers[i];
    m_drag.dragging = true;
    m_drag.dragSourceCell = k;
    m_drag.dragSourceIcon = i;
    cell.iconState[i] = -1;

    {
        QPainter p(&dragBackground);
        PaintAll(p, QRegion(rect()));
    }
    CCalendarPainter::Restore(dragCompose, dragBackground, rect());
    updateCell(k);
    grabPointer(true);
}

void CCalendarWnd::moveDragImage(const QPoint &pointer)
{
    const QPoint p = dragPoint(pointer);
    const QRect next = CCalendarDrag::ImageRect(p);
    QRect area = next;
    QRect second;
    const QRect last = m_drag.lastDragRect;
    if (!last.isEmpty()) {
        if (last.intersects(next)) {
            area = next.united(last);
        } else {
            CCalendarPainter::Restore(dragCompose, dragBackground, last);
            second = last;
        }
    }
    CCalendarPainter::Restore(dragCompose, dragBackground, area);
    m_painter.DrawDragImage(dragCompose, next.topLeft(), m_drag.dragIcon);
    update(area);
    if (!second.isNull())
        update(second);
    m_drag.lastDragRect = next;

    const int d = CCalendarDrag::BumpDirection(next, size());
    if (m_drag.bumpDirection == 0 && d != 0) {
        m_drag.bumpDirection = d;
        Trace("Set TIMERID_BUMPMONTH.\n");
        m_bump.start();
    } else if (m_drag.bumpDirection != 0 && d == 0) {
        m_bump.stop();
        m_drag.bumpDirection = 0;
    }
}

void CCalendarWnd::DragBumpMonth(int direction)
{
    Trace(QStringLiteral("DragBumpMonth( %1 )\n").arg(direction));
    if (direction == 0)
        return;
    int year = m_displayedYear;
    int month0 = m_displayedMonth - 1;
    if (m_selection.Date().GetStatus() == COleDateTime::valid) {
        year = m_selection.Date().GetYear();
        month0 = m_selection.Date().GetMonth() - 1;
    }
    const CCalendarDrag::Step step = CCalendarDrag::BumpMonth(m_selection.Date(), year, month0, direction);
    m_selection.SetDate(step.selected);
    Refresh();
    if (m_drag.dragging && !dragBackground.isNull()) {
        {
            QPainter p(&dragBackground);
            PaintAll(p, QRegion(rect()));
        }
        CCalendarPainter::Restore(dragCompose, dragBackground, rect());
        m_painter.DrawDragImage(dragCompose, m_drag.lastDragRect.topLeft(), m_drag.dragIcon);
    }
    update();
    emit monthBumped(step.year, step.month0);
    m_drag.bumped = true;
}

void CCalendarWnd::endDrag(const QPoint &pointer)
{
    emit dragEnded();
    const QPoint p = CCalendarDrag::ClampToGrid(pointer, size());
    const int k = HitTestCell(p);
    const int index = m_drag.dragReminderIndex;
    if (m_month.IsValidCell(m_drag.dragSourceCell) && m_drag.dragSourceIcon >= 0)
        m_month.cells[m_drag.dragSourceCell].iconState[m_drag.dragSourceIcon] = 1;
    if (m_drag.bumped)
        Trace("Done dragging --- screen has been re-drawn.\n");

    const COleDateTime cellDate = k >= 0 ? m_month.cells[k].date : COleDateTime(0.0, COleDateTime::invalid);
    const CCalendarDrag::DropAction action = m_drag.DecideDrop(k, cellDate);
    bool moved = false;
    if (action == CCalendarDrag::DropMove)
        moved = CCalendarDrag::MoveReminder(m_list, index, m_drag.dragReminder, cellDate) >= 0;
    m_drag.dragging = false;
    if (action != CCalendarDrag::DropNothing)
        Refresh();
    if (moved)
        emit listChanged();

    // The drag picture is gone from the screen once these areas repaint.
    if (action != CCalendarDrag::DropNothing || m_drag.dragReminder.m_Recurrence == RecurWeekly) {
        update();
    } else {
        updateCell(m_drag.dragSourceCell);
        update(QRect(p.x() - 64, p.y() - 64, 128, 128));
        update(m_drag.lastDragRect);
    }
    grabPointer(false);
}

void CCalendarWnd::grabPointer(bool on)
{
    // Platforms without a pointer (the offscreen one of the tests) cannot
    // grab it; events reach the pressed widget there anyway.
    const QString platform = QGuiApplication::platformName();
    const bool canGrab = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    if (on) {
        setCursor(Qt::BlankCursor);
        if (canGrab)
            grabMouse(QCursor(Qt::BlankCursor));
    } else {
        if (canGrab)
            releaseMouse();
        unsetCursor();
    }
}
