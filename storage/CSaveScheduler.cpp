#include "storage/CSaveScheduler.h"

CSaveScheduler::CSaveScheduler(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDefaultDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &CSaveScheduler::onTimeout);
}

void CSaveScheduler::SetDelay(int milliseconds) { m_timer.setInterval(std::max(0, milliseconds)); }

void CSaveScheduler::ScheduleSave()
{
    m_pending = true;
    // The first change starts the clock; the save is not pushed back by
    // later ones, so a steady stream of edits still reaches the disk.
    if (!m_timer.isActive() && !m_dueWhileHeld)
        m_timer.start();
}

bool CSaveScheduler::SaveNowIfPending()
{
    if (!m_pending)
        return false;
    runSave();
    return true;
}

void CSaveScheduler::Cancel()
{
    m_timer.stop();
    m_pending = false;
    m_dueWhileHeld = false;
}

void CSaveScheduler::Hold() { ++m_holds; }

void CSaveScheduler::Release()
{
    if (m_holds == 0)
        return;
    if (--m_holds == 0 && m_dueWhileHeld) {
        m_dueWhileHeld = false;
        if (m_pending)
            runSave();
    }
}

void CSaveScheduler::onTimeout()
{
    if (!m_pending)
        return;
    if (m_holds > 0) {
        m_dueWhileHeld = true;
        return;
    }
    runSave();
}

void CSaveScheduler::runSave()
{
    m_timer.stop();
    m_pending = false;
    m_dueWhileHeld = false;
    ++m_saveCount;
    if (m_save)
        m_save();
    emit saved();
}
