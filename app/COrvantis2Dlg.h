#pragma once

#include "app/CCommandHost.h"
#include "app/CCommandTable.h"
#include "app/CUpcomingList.h"
#include "calendar/CDaySelection.h"
#include "dialogs/CBitmapSet.h"
#include "dialogs/CSkinBitmap.h"
#include "graphics/CPaletteMessages.h"
#include "model/CAlertPresenter.h"
#include "model/COleDateTime.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class COrvantis2App;
class CAlertQueue;
class CAnimButton;
class CCalendarLibraryArt;
class CCalendarWnd;
class CLogoWnd;
class CReminderSession;
class CSkinListBox;
class CSpinArrows;
class CTextLabel;
class CTrayIcon;
class QMenu;

// The program's visible window: the month calendar, the month and year
// selectors, the today display, the picture buttons, the logo and the
// upcoming list, over a background picture. The reminder session under it
// keeps the list, its file and the due passes, and starts the program; the
// window shows what the session announces (changes, failures, the alerts of
// due reminders through its alert queue) and asks before closing.
// Other parts of the program register their commands in Commands(), and
// reach the window only as their CCommandHost. Every control has an object
// name ("calendar", "upcomingList", "trayIcon", ...) by which tests find it.
class COrvantis2Dlg : public QDialog, public CCommandHost
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 614;
    static constexpr int kClientHeight = 408;
    static constexpr char kCaption[] = QT_TRANSLATE_NOOP("COrvantis2Dlg", "Kestrelmark Personal Reminder Software");
    static constexpr int kBackground = 179;
    // Options/<this> is set once the missing tray has been reported.
    static constexpr char kTrayReportedKey[] = "TrayMissingReported";
    // What the first screen does not need (the tray icon, the sleep watch)
    // waits for the window's first paint, or this long where nothing paints
    // (a start on a hidden desktop).
    static constexpr int kLateStartMs = 1000;

    // The window shows the session, which outlives it (the application owns it).
    COrvantis2Dlg(COrvantis2App &app, CReminderSession &session, QWidget *parent = nullptr);
    ~COrvantis2Dlg() override;

    // The window's start-up: prepares the icon library, creates the
    // controls and builds the upcoming list; the tray icon is shown once the
    // window has been painted. The session's Start reads the file and starts
    // the checks; the window follows its listChanged.
    void Initialize();

    // Runs command id (a menu entry, a button); false when nobody handles it.
    bool OnCommand(int id);
    CCommandTable &Commands() override { return m_Commands; }
    QWidget *DialogParent() override { return this; }

    // After any change to the list (the session's listChanged) or to the
    // icons: the calendar recomputes, the upcoming list is rebuilt, the
    // displays follow.
    void RefreshAll() override;

    // Shows, restores and raises the window.
    void ShowAndRaise() override;
    // The alerts of due reminders, which the window presents for the session.
    CAlertQueue &Alerts() { return *m_Alerts; }

    // The selected day (at 00:00); setting it moves the spins, the displays,
    // the calendar page and the upcoming-list selection.
    COleDateTime SelectedDate() const override;
    void SetSelectedDate(const COleDateTime &day);

    bool SaveReminders();
    // A reminder pack or calendar file opened with the program or handed
    // over by a second start, and files dropped on the window, in order:
    // handed to the commands registered for them.
    void OpenReminderPack(const QString &path);
    void OnDropFiles(const QStringList &paths);

    void RebuildUpcomingList() override;
    // Moves the selection to the day of line row of the upcoming list.
    void GoToLine(int row);
    void GoToToday() override;
    void OnMonthSpin(int position);
    void OnYearSpin(int position);

    // The close box or Esc: save, then ask whether to minimise or close.
    void CloseRequest();
    // Hides to the tray (or minimises where there is no tray).
    void HideWindow();
    // The program is ending (Close chosen, the session ends, a signal): the
    // window then closes without asking.
    void SetEnding(bool ending);
    bool IsEnding() const { return m_Ending; }
    bool HasTray() const;
    // The tray icon was clicked (single) or double-clicked.
    void OnNotifyIcon(bool single);
    // Ctrl+Shift+right double-click: the hidden icon.
    void ToggleHiddenIcon();
    // The window's own menu (the logo, the background) at a screen point:
    // the calendar's general menu with no reminder as context and, where
    // there is no tray, the tray menu's other entries and "Close".
    QMenu *ShowWindowMenu(const QPoint &global);
    // Every canvas but except loses its hover highlight.
    void ResetHover(QWidget *except);
    // Gives up the window's pictures; they load again before the window is
    // next shown.
    void ReleasePictures();
    // On a palette display, converts every picture the window and its
    // controls paint, so that no paint handler has to; elsewhere pictures
    // are read as they are first drawn.
    void PreloadPictures();

signals:
    // The user chose Close in the close warning: the program ends.
    void closeProgramRequested();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The month refilled from the list, its selected cell found again, redrawn.
    void RefreshCalendar();
    void CreateControls();
    void CreateCalendar();
    // The tray icon's object (its menu, its tip), and the icon shown in
    // the notification area or its absence told once.
    void AddTrayIcon();
    void ShowTrayIcon();
    // The tray icon shown (or its absence reported) and the sleep watch set
    // up; once, after the first paint.
    void FinishStart();
    void UpdateDisplays();
    void UpdateToday(const COleDateTime &now);
    void SelectUpcomingDay();
    void OnDaySelected();
    void AddHover(QWidget *w);
    // An alert is about to be shown: the window comes forward when asked,
    // and the calendar's tip goes.
    void OnAlertShown(const CAlertRequest &alert);

    COrvantis2App &m_App;
    CCommandTable m_Commands;
    CDaySelection m_Selection;
    CCalendarWnd *m_Calendar = nullptr;
    std::unique_ptr<CCalendarLibraryArt> m_CalendarArt;
    CTextLabel *m_MonthDisplay = nullptr;
    CTextLabel *m_YearDisplay = nullptr;
    CTextLabel *m_TodayDisplay = nullptr;
    std::vector<CAnimButton *> m_Buttons;
    CLogoWnd *m_Logo = nullptr;
    std::vector<QPointer<QWidget>> m_HoverList;
    std::vector<CUpcomingList::Line> m_Upcoming;
    CSkinListBox *m_UpcomingList = nullptr;
    CSpinArrows *m_YearSpin = nullptr;
    CSpinArrows *m_MonthSpin = nullptr;
    CReminderSession *m_Session;
    CAlertQueue *m_Alerts = nullptr;
    CTrayIcon *m_Tray = nullptr;
    CPaletteMessages m_PaletteMessages;
    CSkinBitmap m_Background;
    CBitmapSet m_ListBitmaps;
    QString m_TodayText;
    bool m_Initialized = false;
    bool m_StartFinished = false;
    bool m_Ending = false;
};
