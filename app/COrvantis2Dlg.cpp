#include "app/COrvantis2Dlg.h"

#include "app/COrvantis2App.h"
#include "model/CReminderList.h"

#include <QTimer>

COrvantis2Dlg::COrvantis2Dlg(COrvantis2App &app, QWidget *parent)
    : QDialog(parent), m_App(app)
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setFixedSize(kClientWidth, kClientHeight);
    m_CheckTimer = new QTimer(this);
    m_CheckTimer->setInterval(kTimerPeriodMs);
    connect(m_CheckTimer, &QTimer::timeout, this, &COrvantis2Dlg::OnTimer);
    m_App.SetMainWindow(this);
}

COrvantis2Dlg::~COrvantis2Dlg()
{
    if (m_App.MainWindow() == this)
        m_App.SetMainWindow(nullptr);
}

bool COrvantis2Dlg::OnCommand(int id) { return m_Commands.Run(id); }

void COrvantis2Dlg::StopTimer()
{
    if (--m_TimerUsers == 0)
        m_CheckTimer->stop();
}

void COrvantis2Dlg::StartTimer()
{
    if (m_TimerUsers++ == 0)
        m_CheckTimer->start();
}

bool COrvantis2Dlg::TimerActive() const { return m_CheckTimer->isActive(); }

void COrvantis2Dlg::RefreshAll() { RebuildUpcomingList(); }

void COrvantis2Dlg::NotifyListChanged() { RefreshAll(); }

CReminderList &COrvantis2Dlg::Reminders() { return m_App.Reminders(); }

void COrvantis2Dlg::ShowAndRaise()
{
    show();
    raise();
    activateWindow();
}

void COrvantis2Dlg::HideTip() {}

void COrvantis2Dlg::RunAlert(const CAlertRequest &) {}

void COrvantis2Dlg::SetSelectedDate(const COleDateTime &day) { m_SelectedDate = day; }

bool COrvantis2Dlg::LoadReminders() { return true; }

bool COrvantis2Dlg::SaveReminders() { return true; }

void COrvantis2Dlg::OpenReminderPack(const QString &path)
{
    if (m_OpenPackHandler)
        m_OpenPackHandler(path);
}

void COrvantis2Dlg::RebuildUpcomingList() {}

void COrvantis2Dlg::OnTimer() {}

void COrvantis2Dlg::CloseRequest() {}

void COrvantis2Dlg::HideWindow() { hide(); }

void COrvantis2Dlg::reject() { CloseRequest(); }
