#pragma once

#include "model/CAlertPresenter.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class COrvantis2App;
class CAlertNotifier;
class CReminderAlertDlg;
class CReminderSession;

// The alerts of due reminders on the desktop. Each is told the moment it
// falls due: its desktop notification goes out then, and the tray's tip
// names it. Its window comes at once, one alert at a time in the order
// they fell due, each answered for itself from its window or from its
// notification's buttons. The answer goes to the session by the reminder's
// id; a snooze delay chosen is remembered for the next alert.
//
// With no dialog of the program open the alert is application-modal, as
// it always was. Over an open dialog (Options, the editor, a message) it
// stands above that dialog without blocking it, so the user may finish the
// dialog first; once the dialog closes it is application-modal again.
class CAlertQueue : public QObject, public CAlertPresenter
{
    Q_OBJECT

public:
    // How long an answered alert is kept, so that its notification can
    // still be taken away when the server answers late.
    static constexpr int kForgetMs = 10000;

    CAlertQueue(COrvantis2App &app, CReminderSession &session, QObject *parent = nullptr);
    ~CAlertQueue() override;

    void Present(const CAlertRequest &request) override;

    // The reminders' messages of the alerts that wait for an answer, in the
    // order they fell due.
    QStringList Waiting() const;
    // The alert window shown now; null when none is.
    CReminderAlertDlg *Shown() const;

    // Tests answer the alerts instead of a user: each alert in its turn
    // goes to runner, no window or notification is made, and the answer
    // returned is taken at once.
    using Runner = std::function<CAlertAnswer(const CAlertRequest &)>;
    void SetRunner(Runner runner) { m_runner = std::move(runner); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // An alert's window is about to be shown.
    void aboutToShow(const CAlertRequest &request);
    // The alerts waiting for an answer changed.
    void waitingChanged(const QStringList &messages);

private:
    struct Entry;
    void ShowNext();
    // Shows the alert over the dialog open now, or application-modal.
    void Place(CReminderAlertDlg &alert);
    // The dialog the alert stood over has closed.
    void Replace();
    void Answered(Entry &entry, const CAlertAnswer &answer);
    Entry *FirstWaiting();

    COrvantis2App &m_app;
    CReminderSession &m_session;
    std::vector<std::unique_ptr<Entry>> m_entries;
    Runner m_runner;
    QPointer<QWidget> m_over; // the dialog the shown alert stands over
    quint64 m_nextSerial = 1;
    bool m_showing = false;
};
