#include "session/CReminderSession.h"

#include "model/CReminderCheck.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "session/CDuePasses.h"
#include "session/CReminderFileKeeper.h"
#include "session/CSyncController.h"
#include "storage/CSaveScheduler.h"
#include "storage/CWeeklyBackup.h"
#include "sync/CSyncState.h"

#include <QTimer>

CReminderSession::CReminderSession(CReminderStore &store, CSettingsStore &settings, QObject *parent)
    : QObject(parent), m_keeper(new CReminderFileKeeper(store, m_list, this)),
      m_saver(new CSaveScheduler(this)), m_backup(std::make_unique<CWeeklyBackup>(store, settings)),
      m_check(std::make_unique<CReminderCheck>(m_list)),
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
    // A reminder added or moved (here, from outside, by a sync) is seen by
    // the pass at the next tick, not up to 30 s later: if it is due or falls
    // due before the next pass, it is announced on time.
    connect(this, &CReminderSession::listChanged, this, [this] { m_passes->RequestPass(); });
    // Outside changes wait while a dialog holds positions in the list.
    m_keeper->SetMayChangeList([this] { return !ListHeld(); });
    m_sync->SetMayApply([this] { return !ListHeld(); });
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

void CReminderSession::Start(CSyncController::PasswordStore passwords)
{
    CUserMessage told;
    Load(&told);
    if (!told.IsEmpty())
        emit fileNotice(told);
    emit listChanged();
    CheckWeeklyBackupAndTell(Now());
    m_sync->SetPasswordStore(std::move(passwords));
    StartChecks();
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

void CReminderSession::HoldList()
{
    if (m_listHolds++ == 0)
        m_saver->Hold();
}

void CReminderSession::ReleaseList()
{
    if (m_listHolds <= 0) {
        Trace("CReminderSession: a list hold was released twice.\n");
        return;
    }
    // A save held meanwhile merges outside changes: never under the caller,
    // which may still use positions of the list as it ends.
    if (--m_listHolds == 0)
        QTimer::singleShot(0, m_saver, &CSaveScheduler::Release);
}

void CReminderSession::SetEnding(bool ending)
{
    m_keeper->SetEnding(ending);
    m_check->SetEnding(ending);
}

void CReminderSession::SetAlertPresenter(CAlertPresenter *presenter) { m_check->SetPresenter(presenter); }

bool CReminderSession::Answer(quint64 id, CAlertAnswer answer)
{
    if (answer.m_AnsweredAt.GetStatus() != COleDateTime::valid)
        answer.m_AnsweredAt = Now();
    if (m_check->Answer(id, answer) != CReminderCheck::Taken)
        return false;
    // The shown flag reaches the file at once, not at the hourly save.
    NotifyListChanged();
    return true;
}

void CReminderSession::SetClock(const CClock *clock) { m_clock = clock ? clock : &m_systemClock; }

// --- the check timer ----------------------------------------------------------

void CReminderSession::StartChecks()
{
    m_lastSaveTime = Now();
    m_passes->Start(m_clock->MonotonicMs());
    m_checkTimer->start();
    m_sync->start();
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
        const int presented = m_passes->RunPass(1, now, mono);
        Trace(QStringLiteral("Due pass done: %1 presented.\n").arg(presented));
    }
    // Not while a dialog holds positions: the save merges outside changes.
    // The next tick after it tries again.
    if (plan.m_Save && !ListHeld()) {
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
    // Within seconds, once the system has settled, whatever is open.
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
