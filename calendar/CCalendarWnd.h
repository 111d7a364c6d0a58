#pragma once

#include "calendar/CCalendarDrag.h"
#include "calendar/CCalendarMonth.h"
#include "calendar/CCalendarPainter.h"
#include "calendar/CCalendarTip.h"
#include "calendar/CTipWnd.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class CCalendarArt;
class CDaySelection;
class CReminderList;

// The month grid of the main window: paints the days of the month of
// the selected day with their reminders' icons, selects a day on a click,
// opens or makes reminders on a double-click, shows context menus and
// tips, and moves a reminder to another day when its icon is dragged
// there. It talks to the main window only through its signals.
class CCalendarWnd : public QWidget
{
    Q_OBJECT
public:
    static constexpr int TIMERID_TIMEOUT = 68;   // removes a shown tip
    static constexpr int TIMERID_PAUSE = 69;     // rest before a tip shows
    static constexpr int TIMERID_BUMPMONTH = 70; // month steps while dragging
    static constexpr int kTimeoutMs = 5000;
    static constexpr int kPauseMs = 200;
    static constexpr int kBumpMs = 800;

    // art may be null: plain drawing is used until SetArt.
    // selection is the day shown and moved; it outlives the calendar.
    CCalendarWnd(CReminderList &list, CDaySelection &selection, CCalendarArt *art = nullptr, QWidget *parent = nullptr);
    ~CCalendarWnd() override;

    void SetArt(CCalendarArt *art);
    void SetTextSizeFactor(double factor);
    // Where "today" comes from; the wall clock unless set.
    void SetClock(std::function<COleDateTime()> now);

    // Cell rectangles from the window size; nothing paints before it.
    void Layout();
    void FillMonth(int month, int year);
    // The selected day's month filled and repainted.
    void Refresh();
    // The month and year last filled by Refresh.
    int DisplayedMonth() const { return m_displayedMonth; }
    int DisplayedYear() const { return m_displayedYear; }
    void FindSelectedCell();
    void SelectSelectedDate();
    void SelectCell(int index);
    int HitTestCell(const QPoint &p) const { return m_month.HitTestCell(p); }
    int HitTestIcon(const QPoint &p, int cell) const { return m_month.HitTestIcon(p, cell); }

    void PaintAll(QPainter &target, const QRegion &clip);
    void PaintSingleCell(QPainter &target, int k);

    // The keyboard's ways in: select day (another month is turned to), and
    // open the selected day as a double-click on it does.
    void MoveSelection(const COleDateTime &day);
    void OpenSelectedDay();

    void HideTip();
    void OnTimer(int id);
    void DragBumpMonth(int direction);

    const CCalendarMonth &Month() const { return m_month; }
    const CReminderList &Reminders() const { return m_list; }
    const CCalendarDrag &Drag() const { return m_drag; }
    const CCalendarTip &Tip() const { return m_tip; }
    CTipWnd *TipWindow() const { return tipWnd; }
    bool IsTimerActive(int id) const;
    // The reminder under the last right click (its id, 0 none), and its
    // cell and icon (-1 none).
    quint64 ContextReminder() const { return m_contextReminder; }
    int ContextCell() const { return m_contextCell; }
    int ContextIcon() const { return m_contextIcon; }

signals:
    void clickSound();               // play the click when interface sounds are on
    void newReminderRequested();     // new reminder on the selected day
    // Reminders are named by id: the list may move before the command runs.
    void editReminderRequested(quint64 id);
    void deleteReminderRequested(quint64 id); // Delete on a day of one reminder
    void dayListRequested();         // the reminders of the selected day
    void listChanged();              // a drag moved a reminder
    void commandRequested(int id);   // from the context menus
    void contextChanged(quint64 reminderId, int cell, int icon);
    void dragStarted();              // around a drag, which holds a position in the list
    void dragEnded();
    void monthBumped(int year, int month0); // spins and displays follow

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    CCalendarArt *art() const;
    void openDay(int k, const QPoint &p, bool atPointer);
    void announceSelection();
    void leftButtonDown(const QPoint &p);
    void rightButtonDown(const QPoint &p);
    void mouseMoved(const QPoint &p, bool leftDown);
    void leftButtonUp(const QPoint &p);
    void tipBookkeeping(int k, int i);
    void hover(int k);
    void startDrag(int k, int i);
    void moveDragImage(const QPoint &p);
    void endDrag(const QPoint &p);
    void showTip(const QString &text, int x, int y);
    void updateCell(int k);
    QPoint dragPoint(const QPoint &p);
    void grabPointer(bool on);
    quint64 idAt(int index) const;

    CReminderList &m_list;
    CDaySelection &m_selection;
    int m_displayedMonth = 0; // 1..12
    int m_displayedYear = 0;
    CCalendarArt *m_art = nullptr;
    std::unique_ptr<CCalendarArt> m_plainArt;
    CCalendarMonth m_month;
    CCalendarPainter m_painter;
    CCalendarTip m_tip;
    CCalendarDrag m_drag;
    QPointer<CTipWnd> tipWnd;
    QImage dragBackground;
    QImage dragCompose;
    QTimer m_timeout;
    QTimer m_pause;
    QTimer m_bump;
    std::function<COleDateTime()> m_now;
    quint64 m_contextReminder = 0;
    int m_contextCell = -1;
    int m_contextIcon = -1;
    bool m_painted = false; // a laid-out month has been painted once
};
