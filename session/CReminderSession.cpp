#include "session/CReminderSession.h"

#include "model/CReminderCheck.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "session/CDuePasses.h"
#include "session/CReminderFileKeeper.h"
#include "session/CSyncController.h"
#include "session/CTimerPause.h"
#include "storage/CSaveScheduler.h"
#include "storage/CWeeklyBackup.h"
#include "sync/CSyncState.h"

#include <QTimer>

CReminderSession::CReminderSession(CReminderStore &store, CSettingsStore &settings, QObject *parent)
    : QObject(parent), m_keeper(new CReminderFileKeeper(store, m_list, this)),
      m_saver(new CSaveScheduler(this)), m_backup(std::make_unique<CWeeklyBackup>(store, settings)),
      m_check(std::make_unique<CReminderCheck>(m_list, static_cast<CDueHost &>(*this))),
      m_passes(std::make_unique<CDuePasses>(*m_check, settings)), m_checkTimer(new QTimer(this))
{
    m_checkTimer->setInterval(kTimerPeriodMs);
    connect(m_checkTimer, &QTimer::timeout, this, &CReminderSession::OnTimer);
    // What a sync changed is shown and saved before its state is written.
    m_sync = new CSyncController(
        m_list, settings, CSyncState::PathFor(store.BasePath(CReminderStore::kReminderBase) + QStringLiteral(".km2")),
        [this] {
            emit listChanged();
            return Save();
        },
        this);
    connect(m_sync, &CSyncController::syncFailed, this, &CReminderSession::syncFailed);
    connect(this, &CReminderSession::saved, m_sync, &CSyncController::listSaved);
    m_saver->SetSaveFunction([this] { Save(); });
    connect(m_keeper, &CReminderFileKeeper::listChanged, this, &CReminderSession::listChanged);
    connect(m_keeper, &CReminderFileKeeper::saveFailed, this, &CReminderSession::saveFailed);
    connect(m_keeper, &CReminderFileKeeper::fileNotice, this, &CReminderSession::fileNotice);
}

CReminderSession::~CReminderSession()
{
    // The children work on the list, which goes before QObject would
    // delete them.
    delete m_sync;
    delete m_checkTimer;
    delete m_saver;
    delete m_keeper;
}

CReminderStore::LoadResult CReminderSession::Load(CUserMessage *tell)
{
    const CReminderStore::LoadResult result = m_keeper->Load(tell);
    // Ids given to a file written without them are saved at once.
    if (m_keeper->LoadChangedList())
        ScheduleSave();
    if (result == CReminderStore::NotFound)
        m_backup->KeepForMissingFile(tell);
    return result;
}

bool CReminderSession::Recover(CUserMessage *tell)
{
    if (m_backup->Recover(m_list, tell) != CWeeklyBackup::Recovered)
        return false;
    QString error;
    if (!m_keeper->Revive(error))
        Trace(QStringLiteral("The recovered reminders may count as deleted elsewhere: %1\n").arg(error));
    NotifyListChanged();
    return true;
}

bool CReminderSession::LoadedCompletely() const { return m_keeper->LoadedCompletely(); }

void CReminderSession::CheckWeeklyBackup(const COleDateTime &now, CUserMessage *tell)
{
    // Never from a list that is not the whole file: a damaged or missing
    // file's would replace a good backup with less.
    if (m_keeper->LoadedCompletely())
        m_backup->CheckWeeklyBackup(m_list, now, tell);
}

bool CReminderSession::Save()
{
    const bool ok = m_keeper->Save();
    if (ok) {
        m_saver->Cancel();
        emit saved();
    }
    return ok;
}

void CReminderSession::ScheduleSave() { m_saver->ScheduleSave(); }

void CReminderSession::NotifyListChanged()
{
    emit listChanged();
    m_saver->ScheduleSave();
}

void CReminderSession::SetMayChangeList(std::function<bool()> mayChange)
{
    m_keeper->SetMayChangeList(std::move(mayChange));
}

void CReminderSession::SetEnding(bool ending) { m_keeper->SetEnding(ending); }

void CReminderSession::SetClock(const CClock *clock) { m_clock = clock ? clock : &m_systemClock; }

// --- the check timer ----------------------------------------------------------

void CReminderSession::StartChecks()
{
    m_lastSaveTime = Now();
    m_passes->Start(m_clock->MonotonicMs());
    // Not while a dialog or an alert holds positions in the list.
    SetMayChangeList([this] { return TimerActive(); });
    StartTimer();
    m_sync->start();
}

void CReminderSession::StopTimer()
{
    if (--m_timerUsers == 0)
        m_checkTimer->stop();
}

void CReminderSession::StartTimer()
{
    if (m_timerUsers++ == 0)
        m_checkTimer->start();
}

bool CReminderSession::TimerActive() const { return m_checkTimer->isActive(); }

void CReminderSession::SetTimerPeriod(int milliseconds) { m_checkTimer->setInterval(milliseconds); }

void CReminderSession::OnTimer()
{
    const COleDateTime now = Now();
    const qint64 mono = m_clock->MonotonicMs();
    const CTickSchedule::Plan plan = m_passes->Tick(now, mono);
    if (plan.m_Jumped) {
        Trace(QStringLiteral("The clock moved by %1 s.\n").arg(plan.m_JumpMs / 1000));
        m_sync->resumed();
        emit clockJumped();
    }
    emit ticked(now);
    // A program that runs for days must not go on showing the old day; a
    // clock set back over midnight, or a night asleep, changes it too.
    const long long today = CReminderList::DateOnly(now).DayNumber();
    if ((m_todayNumber != 0 && today != m_todayNumber) || plan.m_Jumped) {
        emit dayChanged();
        CheckWeeklyBackupAndTell(now);
    }
    m_todayNumber = today;
    Trace(QStringLiteral("Reminder check timer at ") + now.Format() + QLatin1Char('\n'));

    if (plan.m_RunPass) {
        Trace("Actually checking reminders...\n");
        int presented = 0;
        {
            CTimerPause pause(*this);
            presented = m_passes->RunPass(1, now, mono);
        }
        Trace(QStringLiteral("Due pass done: %1 presented.\n").arg(presented));
        // The shown flags reach the file at once, not at the hourly save.
        if (presented > 0)
            ScheduleSave();
    }
    if (plan.m_Save) {
        Trace("Saving reminders...");
        Save();
        m_lastSaveTime = now;
        m_passes->Saved(mono);
    }
}

void CReminderSession::OnResume()
{
    m_passes->RequestPass();
    m_sync->resumed();
    emit resumed();
    // Within seconds, once the system has settled; not while a dialog of
    // the program is open (its end restarts the timer, whose tick runs it).
    QTimer::singleShot(kResumeDelayMs, this, [this] {
        if (TimerActive())
            OnTimer();
    });
}

void CReminderSession::CheckWeeklyBackupAndTell(const COleDateTime &now)
{
    CUserMessage told;
    CheckWeeklyBackup(now, &told);
    if (!told.IsEmpty())
        emit fileNotice(told);
}

// --- the due passes' host -------------------------------------------------------

void CReminderSession::ShowAndRaise() { emit raiseRequested(); }

CAlertAnswer CReminderSession::RunAlert(const CAlertRequest &alert)
{
    // The quick save waits while the alert is open: it would merge outside
    // changes into the list under it.
    m_saver->Hold();
    const struct Release
    {
        CSaveScheduler *m_saver;
        ~Release() { m_saver->Release(); }
    } release { m_saver };
    CAlertAnswer answer;
    emit alertDue(alert, &answer);
    answer.m_AnsweredAt = Now();
    return answer;
}
