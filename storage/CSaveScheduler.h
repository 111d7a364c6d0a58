#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// Saves the reminder file shortly after the list changes: every change
// within the delay is written by one save. The hourly save, the save at
// close and at log-off stay; this one only shortens what a crash can lose.
//
//   m_saver.SetSaveFunction([this] { store.SaveReminders(list); });
//   m_saver.ScheduleSave();        // after every change to the list
//   m_saver.SaveNowIfPending();    // before a save the program makes anyway
//
// While held (a dialog of the program is open), a due save waits for the
// last Release.
class CSaveScheduler : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultDelayMs = 3000;

    explicit CSaveScheduler(QObject *parent = nullptr);

    void SetSaveFunction(std::function<void()> save) { m_save = std::move(save); }
    void SetDelay(int milliseconds);
    int Delay() const { return m_timer.interval(); }

    // A change happened: save once the delay has passed. Later changes
    // within the delay are covered by the same save.
    void ScheduleSave();
    bool IsPending() const { return m_pending; }
    // Runs a pending save at once (returns whether one ran).
    bool SaveNowIfPending();
    // Another save has just written everything: nothing is pending.
    void Cancel();

    void Hold();
    void Release();
    bool IsHeld() const { return m_holds > 0; }

    int SaveCount() const { return m_saveCount; }

signals:
    void saved();

private:
    void onTimeout();
    void runSave();

    QTimer m_timer;
    std::function<void()> m_save;
    bool m_pending = false;
    bool m_dueWhileHeld = false;
    int m_holds = 0;
    int m_saveCount = 0;
};
