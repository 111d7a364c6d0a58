#include "app/CAlertQueue.h"

#include "app/COrvantis2App.h"
#include "dialogs/CReminderAlertDlg.h"
#include "model/CTrace.h"
#include "notify/CAlertNotifier.h"
#include "session/CReminderSession.h"
#include "storage/CProgramSettings.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>

struct CAlertQueue::Entry
{
    quint64 m_Serial = 0;
    CAlertRequest m_Request;
    std::unique_ptr<CReminderAlertDlg> m_Alert;
    // Declared after the alert it works on, so it goes first.
    std::unique_ptr<CAlertNotifier> m_Notifier;
    bool m_Shown = false;
    bool m_Answered = false;
};

CAlertQueue::CAlertQueue(COrvantis2App &app, CReminderSession &session, QObject *parent)
    : QObject(parent), m_app(app), m_session(session)
{
}

CAlertQueue::~CAlertQueue() = default;

void CAlertQueue::Present(const CAlertRequest &request)
{
    auto entry = std::make_unique<Entry>();
    entry->m_Serial = m_nextSerial++;
    entry->m_Request = request;
    if (!m_runner) {
        auto alert = std::make_unique<CReminderAlertDlg>();
        alert->setObjectName(QStringLiteral("reminderAlert"));
        alert->m_Message = request.m_Message;
        alert->m_IconNumber = request.m_IconNumber;
        alert->m_SoundFileName = request.m_SoundFileName;
        alert->m_DefaultSound = m_app.Options().DefaultSound();
        alert->m_SoundFolder = m_app.SoundFolder();
        alert->m_Icons = m_app.IconSource();
        alert->m_DefaultSnoozeMinutes = m_app.Options().SnoozeMinutes();
        const quint64 serial = entry->m_Serial;
        connect(alert.get(), &CReminderAlertDlg::answered, this, [this, serial] {
            const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                         [serial](const auto &e) { return e->m_Serial == serial; });
            if (it == m_entries.end())
                return;
            CAlertAnswer answer;
            answer.m_SnoozeMinutes = (*it)->m_Alert->m_SnoozeMinutes;
            Answered(**it, answer);
        });
        if (m_app.Options().DesktopNotifications()) {
            // Now, as the reminder falls due, not when its window comes.
            entry->m_Notifier = std::make_unique<CAlertNotifier>(*alert);
            entry->m_Notifier->Send();
        }
        entry->m_Alert = std::move(alert);
    }
    m_entries.push_back(std::move(entry));
    emit waitingChanged(Waiting());
    ShowNext();
}

QStringList CAlertQueue::Waiting() const
{
    QStringList messages;
    for (const auto &e : m_entries)
        if (!e->m_Answered)
            messages << e->m_Request.m_ReminderMessage;
    return messages;
}

CReminderAlertDlg *CAlertQueue::Shown() const
{
    for (const auto &e : m_entries)
        if (!e->m_Answered && e->m_Shown)
            return e->m_Alert.get();
    return nullptr;
}

CAlertQueue::Entry *CAlertQueue::FirstWaiting()
{
    for (const auto &e : m_entries)
        if (!e->m_Answered)
            return e.get();
    return nullptr;
}

void CAlertQueue::ShowNext()
{
    // A runner answers inside; the loop here goes on with the next.
    if (m_showing)
        return;
    m_showing = true;
    while (Entry *next = FirstWaiting()) {
        if (next->m_Shown)
            break; // its window is open: the rest wait for its answer
        next->m_Shown = true;
        emit aboutToShow(next->m_Request);
        if (m_runner) {
            Answered(*next, m_runner(next->m_Request));
            continue;
        }
        next->m_Alert->m_DefaultSnoozeMinutes = m_app.Options().SnoozeMinutes();
        Place(*next->m_Alert);
        break;
    }
    m_showing = false;
}

void CAlertQueue::Place(CReminderAlertDlg &alert)
{
    if (m_over)
        m_over->removeEventFilter(this);
    m_over = QApplication::activeModalWidget();
    if (m_over == &alert)
        m_over = nullptr;
    if (m_over && m_over->windowHandle()) {
        // A window whose transient parent is the modal dialog is not
        // blocked by it, and the dialog stays open to the user.
        alert.setWindowModality(Qt::NonModal);
        alert.winId();
        alert.windowHandle()->setTransientParent(m_over->windowHandle());
        m_over->installEventFilter(this);
    } else {
        m_over = nullptr;
        if (alert.windowHandle())
            alert.windowHandle()->setTransientParent(nullptr);
        alert.setWindowModality(Qt::ApplicationModal);
    }
    alert.show();
}

bool CAlertQueue::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_over && event->type() == QEvent::Hide) {
        m_over->removeEventFilter(this);
        m_over = nullptr;
        // Once the dialog's loop has ended and it has left the modal ones.
        QTimer::singleShot(0, this, &CAlertQueue::Replace);
    }
    return QObject::eventFilter(watched, event);
}

void CAlertQueue::Replace()
{
    CReminderAlertDlg *alert = Shown();
    if (!alert || !alert->isVisible() || m_over)
        return;
    // The modality of a window changes only while it is hidden.
    alert->hide();
    Place(*alert);
}

void CAlertQueue::Answered(Entry &entry, const CAlertAnswer &answer)
{
    if (entry.m_Answered)
        return;
    entry.m_Answered = true;
    CProgramSettings &options = m_app.Options();
    if (answer.m_SnoozeMinutes > 0 && answer.m_SnoozeMinutes != options.SnoozeMinutes()) {
        if (!options.SetSnoozeMinutes(answer.m_SnoozeMinutes))
            Trace("The snooze delay chosen could not be kept in the settings.\n");
        // The alerts still waiting offer it too (their notifications' Snooze).
        for (const auto &e : m_entries)
            if (e->m_Alert && !e->m_Answered)
                e->m_Alert->m_DefaultSnoozeMinutes = answer.m_SnoozeMinutes;
    }
    m_session.Answer(entry.m_Request.m_ReminderId, answer);
    // Kept a while: its notification may still have to be taken away.
    const quint64 serial = entry.m_Serial;
    QTimer::singleShot(kForgetMs, this, [this, serial] {
        std::erase_if(m_entries, [serial](const auto &e) { return e->m_Serial == serial; });
    });
    emit waitingChanged(Waiting());
    ShowNext();
}
