#include "app/COrvantis2Dlg.h"

#include "app/CAlertQueue.h"
#include "app/CCloseWarningDlg.h"
#include "app/CCommandIds.h"
#include "app/COrvantis2App.h"
#include "app/CProgramIcon.h"
#include "app/CSelectedDay.h"
#include "app/CSleepWatcher.h"
#include "app/CSpinArrows.h"
#include "app/CTrayIcon.h"
#include "dialogs/CAnimButton.h"
#include "graphics/CConversionProgress.h"
#include "graphics/CDisplayState.h"
#include "dialogs/CLogoWnd.h"
#include "dialogs/CSkinListBox.h"
#include "dialogs/CTextLabel.h"
#include "media/CSoundPlayer.h"
#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CReminderExchange.h"
#include "storage/CReminderStore.h"
#include "graphics/CMessageBox.h"
#include "session/CReminderSession.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "calendar/CCalendarLibraryArt.h"
#include "calendar/CCalendarWnd.h"
#include "calendar/CMenuKeys.h"
#include "app/CWindowHeadings.h"
#include "media/CIconLibrary.h"

namespace {
// The picture buttons: frames, release sequence, command.
struct ButtonSpec
{
    QRect m_Rect;
    int m_Frames[6];
    int m_Sequence[7];
    int m_Command;
    const char *m_Tip;
    const char *m_Name;
};
const ButtonSpec kButtons[] = {
    { QRect(323, 7, 90, 35), { 477, 482, 481, 480, 479, 478 }, { 1, 2, 2, 3, 4, 5, 0 }, KmCommand::NewReminder, QT_TRANSLATE_NOOP("COrvantis2Dlg", "New reminder"),
      //: The label of the main window's new-reminder button: short, the button is small.
      QT_TRANSLATE_NOOP("COrvantis2Dlg", "New") },
    { QRect(413, 7, 91, 35), { 392, 476, 489, 475, 394, 393 }, { 2, 2, 2, 3, 4, 5, 0 }, KmCommand::DayList, QT_TRANSLATE_NOOP("COrvantis2Dlg", "Reminders of the day"),
      //: The label of the main window's button that lists the selected day's reminders: short.
      QT_TRANSLATE_NOOP("COrvantis2Dlg", "Reminders") },
    { QRect(517, 7, 84, 35), { 483, 488, 487, 486, 485, 484 }, { 2, 2, 2, 3, 4, 5, 0 }, KmCommand::GoToToday, QT_TRANSLATE_NOOP("COrvantis2Dlg", "Go to today"),
      //: The label of the main window's go-to-today button: short.
      QT_TRANSLATE_NOOP("COrvantis2Dlg", "Today") },
};
} // namespace

COrvantis2Dlg::COrvantis2Dlg(COrvantis2App &app, CReminderSession &session, QWidget *parent)
    : QDialog(parent), m_App(app), m_Session(&session)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr(kCaption));
    setWindowIcon(CProgramIcon::Icon());
    // A fixed window that cannot be maximised or resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setMouseTracking(true);
    setAcceptDrops(true);
    setModal(false);

    connect(m_Session, &CReminderSession::listChanged, this, &COrvantis2Dlg::RefreshAll);
    connect(m_Session, &CReminderSession::dayChanged, this, &COrvantis2Dlg::RefreshAll);
    connect(m_Session, &CReminderSession::ticked, this, &COrvantis2Dlg::UpdateToday);
    m_Alerts = new CAlertQueue(m_App, session, this);
    connect(m_Alerts, &CAlertQueue::aboutToShow, this, &COrvantis2Dlg::OnAlertShown);
    connect(m_Alerts, &CAlertQueue::waitingChanged, this, [this](const QStringList &waiting) {
        if (m_Tray)
            m_Tray->SetWaitingAlerts(waiting);
    });
    m_Session->SetAlertPresenter(m_Alerts);
    connect(m_Session, &CReminderSession::syncFailed, this, &CMessageBox::Tell);
    connect(m_Session, &CReminderSession::saveFailed, this, &CMessageBox::Tell);
    connect(m_Session, &CReminderSession::fileNotice, this, &CMessageBox::Tell);

    m_Background.SetResource(kBackground, size(), QColor(28, 44, 82));
    m_Background.SetLabels(CWindowHeadings::Labels(QLocale(), CCalendarMonth::FirstDayOfWeek(QLocale()), tr("Upcoming reminders")));
    m_ListBitmaps.Load(198, 197, QSize(195, 292));
    // Qt has no palette devices: realising the program palette again is a
    // repaint of every window that draws pictures, this one last.
    m_PaletteMessages.SetRepaintHook([this] {
        for (QWidget *child : findChildren<QWidget *>())
            child->update();
        repaint();
    });
    // Whoever moves the day (a click, a key, a drag), the selectors and the
    // upcoming list follow.
    connect(&m_Selection, &CDaySelection::dateChanged, this, &COrvantis2Dlg::OnDaySelected);
    m_App.SetMainWindow(this, [this](const QString &path) { OpenReminderPack(path); });
}

COrvantis2Dlg::~COrvantis2Dlg()
{
    // Alerts still open leave their reminders unshown.
    m_Session->SetAlertPresenter(nullptr);
    // The calendar draws with the skin, which goes with this object.
    delete m_Calendar;
    m_Calendar = nullptr;
    if (m_App.MainWindow() == this)
        m_App.SetMainWindow(nullptr, nullptr);
}


void COrvantis2Dlg::Initialize()
{
    m_App.PrepareIconLibrary();
    SetSelectedDate(CReminderList::DateOnly(m_App.Now()));
    CreateControls();
    {
        // On a palette display the pictures are converted now, behind a
        // please-wait window, and never while a window paints.
        CConversionProgress progress;
        PreloadPictures();
    }
    AddTrayIcon();
    // Centred on the screen, never above or left of it.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(qMax(area.left(), area.left() + (area.width() - frameGeometry().width()) / 2),
             qMax(area.top(), area.top() + (area.height() - frameGeometry().height()) / 2));
    }
    RebuildUpcomingList();
    m_Initialized = true;
    QTimer::singleShot(kLateStartMs, this, &COrvantis2Dlg::FinishStart);
}

void COrvantis2Dlg::FinishStart()
{
    if (m_StartFinished)
        return;
    m_StartFinished = true;
    connect(new CSleepWatcher(this), &CSleepWatcher::resumed, m_Session, &CReminderSession::OnResume);
    ShowTrayIcon();
}

// --- controls --------------------------------------------------------------

void COrvantis2Dlg::AddHover(QWidget *w) { m_HoverList.emplace_back(w); }

void COrvantis2Dlg::CreateCalendar()
{
    m_CalendarArt = std::make_unique<CCalendarLibraryArt>(m_App.IconLibrary());
    m_Calendar = new CCalendarWnd(m_Session->Reminders(), m_Selection, m_CalendarArt.get(), this);
    m_Calendar->setObjectName(QStringLiteral("calendar"));
    m_Calendar->setGeometry(230, 101, 372, 295);
    m_Calendar->SetTextSizeFactor(m_App.TextSizeFactor());
    m_Calendar->SetClock([this] { return m_App.Now(); });
    m_Calendar->Layout();
    m_Calendar->Refresh();
    m_Calendar->FindSelectedCell();
    connect(m_Calendar, &CCalendarWnd::clickSound, this, [] { CSoundPlayer::PlayClick(); });
    connect(m_Calendar, &CCalendarWnd::newReminderRequested, this, [this] { OnCommand(KmCommand::NewReminder); });
    connect(m_Calendar, &CCalendarWnd::editReminderRequested, this, [this](quint64 id) {
        m_App.SetContextReminder(id);
        OnCommand(KmCommand::EditContext);
    });
    connect(m_Calendar, &CCalendarWnd::deleteReminderRequested, this, [this](quint64 id) {
        m_App.SetContextReminder(id);
        OnCommand(KmCommand::DeleteContext);
    });
    connect(m_Calendar, &CCalendarWnd::dayListRequested, this, [this] { OnCommand(KmCommand::DayList); });
    connect(m_Calendar, &CCalendarWnd::listChanged, m_Session, &CReminderSession::NotifyListChanged);
    connect(m_Calendar, &CCalendarWnd::commandRequested, this, &COrvantis2Dlg::OnCommand);
    connect(m_Calendar, &CCalendarWnd::contextChanged, this,
            [this](quint64 reminderId, int, int) { m_App.SetContextReminder(reminderId); });
    // A drag holds the position of the reminder it moves.
    connect(m_Calendar, &CCalendarWnd::dragStarted, m_Session, &CReminderSession::HoldList);
    connect(m_Calendar, &CCalendarWnd::dragEnded, m_Session, &CReminderSession::ReleaseList);
    connect(m_Calendar, &CCalendarWnd::monthBumped, this, [this](int year, int month0) {
        m_YearSpin->SetPos(year);
        m_MonthSpin->SetPos(month0);
        UpdateDisplays();
    });
    AddHover(m_Calendar);
}

void COrvantis2Dlg::CreateControls()
{
    CreateCalendar();

    m_MonthDisplay = new CTextLabel(this);
    m_MonthDisplay->setObjectName(QStringLiteral("monthDisplay"));
    m_MonthDisplay->setGeometry(346, 58, 89, 21);
    m_MonthDisplay->m_ListMode = 1;
    m_MonthDisplay->m_Size = 9.5;
    m_MonthDisplay->m_Bold = true;
    for (int m = 1; m <= 12; ++m)
        m_MonthDisplay->m_Lines << CSelectedDay::MonthName(m);
    AddHover(m_MonthDisplay);

    m_MonthSpin = new CSpinArrows(this);
    m_MonthSpin->setObjectName(QStringLiteral("monthSpin"));
    m_MonthSpin->setGeometry(330, 55, 16, 24);
    m_MonthSpin->SetRange(0, 11);
    m_MonthSpin->setAccessibleName(tr("Month"));
    m_MonthSpin->SetValueText([](int month0) { return CSelectedDay::MonthName(month0 + 1); });
    m_MonthSpin->SetShownOffset(1);
    connect(m_MonthSpin, &CSpinArrows::positionChanged, this, &COrvantis2Dlg::OnMonthSpin);

    m_YearDisplay = new CTextLabel(this);
    m_YearDisplay->setObjectName(QStringLiteral("yearDisplay"));
    m_YearDisplay->setGeometry(440, 58, 43, 21);
    m_YearDisplay->m_NumberMode = 1;
    m_YearDisplay->m_Size = 9.5;
    m_YearDisplay->m_Bold = true;
    AddHover(m_YearDisplay);

    m_YearSpin = new CSpinArrows(this);
    m_YearSpin->setObjectName(QStringLiteral("yearSpin"));
    m_YearSpin->setGeometry(487, 55, 16, 24);
    m_YearSpin->SetRange(1984, 3000);
    m_YearSpin->setAccessibleName(tr("Year"));
    connect(m_YearSpin, &CSpinArrows::positionChanged, this, &COrvantis2Dlg::OnYearSpin);

    m_TodayDisplay = new CTextLabel(this);
    m_TodayDisplay->setObjectName(QStringLiteral("todayDisplay"));
    m_TodayDisplay->setGeometry(524, 35, 76, 29);
    m_TodayDisplay->m_Size = 6.6;
    m_TodayDisplay->m_Bold = true;
    m_TodayDisplay->m_CommandId = KmCommand::GoToToday;
    m_TodayDisplay->m_CommandOnClick = true;
    m_TodayDisplay->setCursor(Qt::PointingHandCursor);
    //: %1 is the keys that do the same, e.g. Ctrl+T.
    m_TodayDisplay->setToolTip(tr("Go to today (%1)").arg(CMenuKeys::For(KmCommand::GoToToday).toString(QKeySequence::NativeText)));
    connect(m_TodayDisplay, &CTextLabel::command, this, &COrvantis2Dlg::OnCommand, Qt::QueuedConnection);
    UpdateToday(m_App.Now());
    AddHover(m_TodayDisplay);

    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const ButtonSpec &spec = kButtons[i];
        auto *button = new CAnimButton(this);
        button->setObjectName(QStringLiteral("pictureButton%1").arg(i));
        button->setGeometry(spec.m_Rect);
        // The tip tells the keys that do the same.
        button->setToolTip(QStringLiteral("%1 (%2)").arg(tr(spec.m_Tip),
                                                         CMenuKeys::For(spec.m_Command).toString(QKeySequence::NativeText)));
        button->setAccessibleName(tr(spec.m_Name));
        button->Setup(spec.m_Frames, 6, spec.m_Sequence, 7, spec.m_Command);
        button->SetLabel(tr(spec.m_Name), QString::fromLatin1(spec.m_Name));
        connect(button, &CAnimButton::command, this, &COrvantis2Dlg::OnCommand, Qt::QueuedConnection);
        connect(button, &CAnimButton::hovered, this, &COrvantis2Dlg::ResetHover);
        m_Buttons.push_back(button);
        AddHover(button);
    }

    // The today display lies over the lower edge of the go-to-today button.
    m_TodayDisplay->raise();

    m_Logo = new CLogoWnd(this);
    m_Logo->setObjectName(QStringLiteral("logo"));
    m_Logo->setGeometry(13, 13, 297, 53);
    m_Logo->SetBitmap(150, 0);
    connect(m_Logo, &CLogoWnd::contextMenuRequested, this, &COrvantis2Dlg::ShowWindowMenu);
    connect(m_Logo, &CLogoWnd::manualRequested, this, [this] { OnCommand(KmCommand::Help); });
    connect(m_Logo, &CLogoWnd::hovered, this, &COrvantis2Dlg::ResetHover);
    AddHover(m_Logo);

    m_UpcomingList = new CSkinListBox(this);
    m_UpcomingList->setObjectName(QStringLiteral("upcomingList"));
    m_UpcomingList->setGeometry(14, 102, 195, 292);
    m_UpcomingList->SetBitmaps(&m_ListBitmaps);
    // Only the user's pick moves the selected day: the list making its
    // first line current as it gains the focus (window activation, a
    // dialog closing) must leave the day where the user put it.
    connect(m_UpcomingList, &CSkinListBox::linePicked, this, &COrvantis2Dlg::GoToLine);
    connect(m_UpcomingList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        GoToLine(m_UpcomingList->row(item));
        OnCommand(KmCommand::DayList);
    });
    connect(m_UpcomingList, &CSkinListBox::hovered, this, &COrvantis2Dlg::ResetHover);

    m_UpcomingList->setAccessibleName(tr("Upcoming reminders"));

    for (CTextLabel *label : { m_MonthDisplay, m_YearDisplay, m_TodayDisplay })
        connect(label, &CTextLabel::hovered, this, &COrvantis2Dlg::ResetHover);

    // The keyboard's round: the buttons, the month and year, the days, the
    // list of what comes. The calendar has the keyboard at first.
    QWidget *order[] = { m_Buttons[0], m_Buttons[1], m_Buttons[2], m_MonthSpin, m_YearSpin, m_Calendar, m_UpcomingList };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_Calendar->setFocus();
    UpdateDisplays();
}

void COrvantis2Dlg::UpdateDisplays()
{
    const COleDateTime day = SelectedDate();
    if (m_MonthSpin) {
        m_MonthSpin->SetPos(day.GetMonth() - 1);
        m_MonthDisplay->SetValue(day.GetMonth() - 1);
    }
    if (m_YearSpin) {
        m_YearSpin->SetPos(day.GetYear());
        m_YearDisplay->SetValue(day.GetYear());
    }
}

void COrvantis2Dlg::UpdateToday(const COleDateTime &now)
{
    const QString text = CSelectedDay::TodayText(now);
    if (text != m_TodayText) {
        if (!m_TodayText.isEmpty())
            Trace("Updating TodayDisplay.\n");
        m_TodayText = text;
        if (m_TodayDisplay) {
            m_TodayDisplay->SetText(text);
            m_TodayDisplay->repaint();
        }
    }
}

void COrvantis2Dlg::ResetHover(QWidget *except)
{
    for (const QPointer<QWidget> &w : m_HoverList) {
        if (!w || w == except)
            continue;
        if (auto *button = qobject_cast<CAnimButton *>(w.data())) {
            button->HoverMove(QPoint(-1, -1));
            continue;
        }
        if (w == m_Calendar) {
            QMouseEvent away(QEvent::MouseMove, QPointF(-1, -1), QPointF(-1, -1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(m_Calendar, &away);
        }
    }
}

void COrvantis2Dlg::PreloadPictures()
{
    if (m_CalendarArt)
        m_App.IconLibrary().Load();
    // On a true-colour display a picture is read when it is first drawn, a
    // matter of milliseconds; those under the mouse or behind a click (the
    // buttons' frames, the calendar's hover picture) wait for it.
    if (!CDisplayState::Instance().ActivePalette())
        return;
    m_Background.Pixmap();
    m_ListBitmaps[0].Pixmap();
    m_ListBitmaps[1].Pixmap();
    for (CAnimButton *button : m_Buttons)
        button->Preload();
    if (m_Logo)
        m_Logo->Preload();
    if (m_CalendarArt)
        m_CalendarArt->Preload();
}

void COrvantis2Dlg::ReleasePictures()
{
    m_Background.Release();
    m_ListBitmaps.Release();
    for (CAnimButton *button : m_Buttons)
        button->FreeFrames();
    if (m_Logo)
        m_Logo->Release();
    if (m_CalendarArt) {
        m_CalendarArt->Release();
        // The icons' pictures too; drawing loads them again.
        m_App.IconLibrary().Clear();
    }
}

// --- events -----------------------------------------------------------------

void COrvantis2Dlg::reject() { CloseRequest(); }

void COrvantis2Dlg::closeEvent(QCloseEvent *event)
{
    if (m_Ending) {
        event->accept();
        return;
    }
    event->ignore();
    CloseRequest();
}

void COrvantis2Dlg::showEvent(QShowEvent *event)
{
    // Shown again after hiding to the tray: the pictures load before the
    // first paint.
    if (m_Initialized)
        PreloadPictures();
    QDialog::showEvent(event);
}

void COrvantis2Dlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    switch (event->type()) {
    case QEvent::ActivationChange:
        if (isActiveWindow())
            m_PaletteMessages.OnQueryNewPalette();
        return;
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
        // The desktop's colours changed under the window.
        m_PaletteMessages.OnPaletteChanged(false);
        return;
    case QEvent::WindowStateChange:
        break;
    default:
        return;
    }
    // Back from the task bar: the pictures load before the first paint.
    if (m_Initialized && !isMinimized() && static_cast<QWindowStateChangeEvent *>(event)->oldState() & Qt::WindowMinimized)
        PreloadPictures();
    if (windowState() & Qt::WindowMaximized) {
        // The window never maximises, whatever asks it to.
        Trace("Ignorizing (wha?] maximize system command.\n");
        setWindowState(windowState() & ~Qt::WindowMaximized);
        resize(kClientWidth, kClientHeight);
        return;
    }
    if (isMinimized() && HasTray())
        QTimer::singleShot(0, this, &COrvantis2Dlg::HideWindow);
}

void COrvantis2Dlg::paintEvent(QPaintEvent *)
{
    if (m_Initialized && !m_StartFinished) {
        // Once this paint, the controls' included, is on the screen.
        QTimer::singleShot(0, this, &COrvantis2Dlg::FinishStart);
    }
    QPainter painter(this);
    const QPixmap &background = m_Background.Pixmap();
    if (!m_Background.IsStandIn()) {
        painter.drawPixmap(0, 0, background);
        return;
    }
    // Without the artwork: a plain gradient with the panels outlined.
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(36, 58, 108));
    gradient.setColorAt(1, QColor(18, 28, 56));
    painter.fillRect(rect(), gradient);
    painter.setPen(QColor(90, 120, 180));
    painter.drawRect(QRect(13, 101, 197, 294));
    painter.drawRect(QRect(229, 100, 374, 297));
}

void COrvantis2Dlg::mouseMoveEvent(QMouseEvent *event)
{
    ResetHover(nullptr);
    QDialog::mouseMoveEvent(event);
}

void COrvantis2Dlg::contextMenuEvent(QContextMenuEvent *event)
{
    // The bare background only: the calendar, the list and the logo answer
    // their own right clicks.
    if (event->reason() != QContextMenuEvent::Mouse) {
        ShowWindowMenu(mapToGlobal(rect().center()));
    } else if (!childAt(event->pos())) {
        ShowWindowMenu(event->globalPos());
    }
    event->accept();
}

void COrvantis2Dlg::mouseDoubleClickEvent(QMouseEvent *event)
{
    const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
    if (event->button() == Qt::RightButton && (event->modifiers() & both) == both) {
        ToggleHiddenIcon();
        return;
    }
    QDialog::mouseDoubleClickEvent(event);
}

void COrvantis2Dlg::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void COrvantis2Dlg::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    // After the drop has ended, so that message boxes do not block it.
    QTimer::singleShot(0, this, [this, paths] { OnDropFiles(paths); });
}
