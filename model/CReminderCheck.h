#pragma once

#include "model/CAlertPresenter.h"
#include "model/COleDateTime.h"

#include <QtGlobal>
#include <unordered_map>

class CReminder;
class CReminderList;

// The due-reminder pass: at one present time, hands every reminder that
// is due to the presenter, once per occurrence, and marks it shown when its
// answer comes. A repeating reminder is due from the start of its notice
// until the end of its occurrence's day, so an occurrence missed while
// nothing ran is still presented later that day.
//
// Presenting never waits for the user: the pass goes on at once, and later
// passes run while alerts are open. A reminder whose alert waits for its
// answer is not presented again. The answer names the reminder by id, so it
// lands on the right one whatever moved in the list meanwhile.
class CReminderCheck
{
public:
    explicit CReminderCheck(CReminderList &list, CAlertPresenter *presenter = nullptr)
        : m_list(list), m_presenter(presenter)
    {
    }

    // Without a presenter nothing is presented, and nothing marked shown.
    // The alerts of the one before go with it: their reminders stay unshown
    // and are presented again by the next pass.
    void SetPresenter(CAlertPresenter *presenter)
    {
        if (presenter != m_presenter)
            m_awaited.clear();
        m_presenter = presenter;
    }

    // One pass at the present time now; raiseFirst 1 asks for the window to
    // come forward before each alert. Returns the number of alerts presented.
    int CheckReminders(int raiseFirst, const COleDateTime &now);
    // The earliest time after the last pass at which a reminder it left
    // alone falls due (its notice begins, its snooze or re-show interval
    // ends), found by that pass; invalid when none is known. A reminder
    // added or edited since is seen at the next pass.
    COleDateTime NextDue() const { return m_NextDue; }

    // Whether r is due at now, and the alert text it would show. Pure.
    static bool IsDue(const CReminder &r, const COleDateTime &now, QString *alertText = nullptr);
    static QString ComposeAlertText(const CReminder &r, const COleDateTime &effective, const COleDateTime &now);

    // Hands the reminder at index to the presenter with the given text; its
    // answer is awaited from then on. False when nothing was presented: no
    // presenter, the program is ending, or its alert is open already.
    bool Present(int index, const QString &text, int raiseFirst, const COleDateTime &now);

    enum AnswerResult
    {
        Taken,       // marked shown (or snoozed)
        Deleted,     // its reminder is gone: dropped
        Rescheduled, // its reminder's date or kind was edited meanwhile: dropped
        NotAwaited,  // no alert of that reminder was open (or the program is ending)
    };
    // The user answered the alert of the reminder with id: OK marks it shown
    // at the time of its pass, a snooze snoozes it from answeredAt.
    AnswerResult Answer(quint64 id, const CAlertAnswer &answer);
    bool IsAwaited(quint64 id) const { return m_awaited.count(id) > 0; }
    int AwaitedCount() const { return static_cast<int>(m_awaited.size()); }

    // The program is ending: nothing more is presented, and no answer is
    // taken (an alert closed by the ending leaves its reminder unshown).
    void SetEnding(bool ending) { m_ending = ending; }
    bool IsEnding() const { return m_ending; }
    CReminderList &List() { return m_list; }

    COleDateTime m_LastCheckTime { 0.0 };

private:
    // IsDue, and the time at which a reminder not due yet falls due is
    // taken into next when it is earlier.
    static bool Evaluate(const CReminder &r, const COleDateTime &now, QString *alertText, COleDateTime *next);

    // What a presented reminder was when its alert went out.
    struct Awaited
    {
        COleDateTime m_DueAt;
        COleDateTime m_DateTime;
        int m_Recurrence = 0;
        int m_Index = -1; // where it was; looked for by id when it moved
    };

    CReminderList &m_list;
    CAlertPresenter *m_presenter = nullptr;
    std::unordered_map<quint64, Awaited> m_awaited;
    COleDateTime m_NextDue { 0.0, COleDateTime::invalid };
    bool m_ending = false;
};
