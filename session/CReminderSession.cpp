#include "session/CReminderSession.h"

#include "session/CReminderFileKeeper.h"
#include "storage/CSaveScheduler.h"
#include "storage/CWeeklyBackup.h"

CReminderSession::CReminderSession(CReminderList &list, CReminderStore &store, CSettingsStore &settings,
                                   QObject *parent)
    : QObject(parent), m_list(list), m_keeper(new CReminderFileKeeper(store, list, this)),
      m_saver(new CSaveScheduler(this)), m_backup(std::make_unique<CWeeklyBackup>(store, settings))
{
    m_saver->SetSaveFunction([this] { Save(); });
    connect(m_keeper, &CReminderFileKeeper::listChanged, this, &CReminderSession::listChanged);
    connect(m_keeper, &CReminderFileKeeper::saveFailed, this, &CReminderSession::saveFailed);
    connect(m_keeper, &CReminderFileKeeper::fileNotice, this, &CReminderSession::fileNotice);
}

CReminderSession::~CReminderSession() = default;

CReminderStore::LoadResult CReminderSession::Load(CUserMessage *tell)
{
    const CReminderStore::LoadResult result = m_keeper->Load(tell);
    if (result == CReminderStore::NotFound)
        m_backup->KeepForMissingFile(tell);
    return result;
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
