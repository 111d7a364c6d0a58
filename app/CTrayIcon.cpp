#include "app/CTrayIcon.h"

#include "app/CCommandIds.h"
#include "app/CProgramIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <algorithm>

const char *const CTrayIcon::kTip = QT_TRANSLATE_NOOP("CTrayIcon", "Kestrelmark");
const char *const CTrayIcon::kCloseText = QT_TRANSLATE_NOOP("CTrayIcon", "Close Kestrelmark");
const char *const CTrayIcon::kNewText = QT_TRANSLATE_NOOP("CTrayIcon", "New reminder...");
const char *const CTrayIcon::kImportText = QT_TRANSLATE_NOOP("CTrayIcon", "Import reminders...");

const std::vector<CTrayIcon::Entry> &CTrayIcon::SystemMenuEntries()
{
    static const std::vector<Entry> entries = {
        { 0, nullptr },
        { KmCommand::Print, QT_TRANSLATE_NOOP("CTrayIcon", "Print reminders...") },
        { KmCommand::PrintPreview, QT_TRANSLATE_NOOP("CTrayIcon", "Print preview...") },
        { KmCommand::DeleteRange, QT_TRANSLATE_NOOP("CTrayIcon", "Delete range of reminders...") },
        { KmCommand::Recover, QT_TRANSLATE_NOOP("CTrayIcon", "Recover reminders from weekly backup...") },
        { KmCommand::Export, QT_TRANSLATE_NOOP("CTrayIcon", "Export reminders...") },
        { KmCommand::ToggleSounds, QT_TRANSLATE_NOOP("CTrayIcon", "Toggle interface sounds on/off") },
        { 0, nullptr },
        { KmCommand::Options, QT_TRANSLATE_NOOP("CTrayIcon", "Options...") },
        { KmCommand::Help, QT_TRANSLATE_NOOP("CTrayIcon", "Help") },
        { 0, nullptr },
        { KmCommand::About, QT_TRANSLATE_NOOP("CTrayIcon", "&About Kestrelmark...") },
    };
    return entries;
}

const std::vector<CTrayIcon::Entry> &CTrayIcon::TrayEntries()
{
    // Importing is on the window's menus; with the window hidden the tray
    // is the only way to it.
    static const std::vector<Entry> entries = [] {
        std::vector<Entry> all = SystemMenuEntries();
        const auto exportEntry = std::find_if(all.begin(), all.end(),
                                              [](const Entry &e) { return e.m_Command == KmCommand::Export; });
        all.insert(exportEntry + 1, { KmCommand::Import, kImportText });
        return all;
    }();
    return entries;
}

std::vector<CTrayIcon::Entry> CTrayIcon::VisibleEntries(const std::vector<Entry> &entries,
                                                         const std::function<bool(int)> &isHandled)
{
    std::vector<Entry> visible;
    for (const Entry &e : entries) {
        if (e.m_Command == 0) {
            if (!visible.empty() && visible.back().m_Command != 0)
                visible.push_back(e);
        } else if (!isHandled || isHandled(e.m_Command)) {
            visible.push_back(e);
        }
    }
    while (!visible.empty() && visible.back().m_Command == 0)
        visible.pop_back();
    return visible;
}

CTrayIcon::CTrayIcon(QObject *parent) : QObject(parent)
{
    m_menu = new QMenu();
    connect(m_menu, &QMenu::aboutToShow, this, &CTrayIcon::RebuildMenu);
    RebuildMenu();
}

CTrayIcon::~CTrayIcon()
{
    Remove();
    delete m_menu;
}

QString CTrayIcon::ToolTipFor(const QString &next, const QStringList &waiting)
{
    const QString name = tr(kTip);
    if (!waiting.isEmpty()) {
        QString due = waiting.join(QStringLiteral("; "));
        due.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        //: The tray tip: the reminders whose alerts wait for an answer.
        return (name + QLatin1Char('\n') + tr("Due: %1").arg(due)).left(63);
    }
    return (next.isEmpty() ? name : name + QLatin1Char('\n') + tr("Next: %1").arg(next)).left(63);
}

void CTrayIcon::SetNextReminder(const QString &next)
{
    m_next = next;
    m_toolTip = ToolTipFor(m_next, m_waiting);
    if (m_tray)
        m_tray->setToolTip(m_toolTip);
}

void CTrayIcon::SetWaitingAlerts(const QStringList &waiting)
{
    m_waiting = waiting;
    SetNextReminder(m_next);
}

bool CTrayIcon::IsAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

bool CTrayIcon::Add()
{
    if (!IsAvailable())
        return false;
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(CProgramIcon::Icon(), this);
        m_tray->setToolTip(m_toolTip);
        m_tray->setContextMenu(m_menu);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                emit clicked(true);
            else if (reason == QSystemTrayIcon::DoubleClick)
                emit clicked(false);
        });
    }
    m_tray->show();
    return m_tray->isVisible();
}

void CTrayIcon::Remove()
{
    if (m_tray)
        m_tray->hide();
}

bool CTrayIcon::IsShown() const { return m_tray && m_tray->isVisible(); }

void CTrayIcon::RebuildMenu()
{
    m_menu->clear();
    QAction *show = m_menu->addAction(tr("Show Kestrelmark"));
    connect(show, &QAction::triggered, this, &CTrayIcon::showRequested);
    // Where the window cannot be reached (hidden, or a desktop that offers
    // no input to it), a new reminder starts from the tray.
    if (!m_isHandled || m_isHandled(KmCommand::NewReminder)) {
        QAction *add = m_menu->addAction(tr(kNewText));
        add->setData(KmCommand::NewReminder);
        connect(add, &QAction::triggered, this, [this] { emit command(KmCommand::NewReminder); });
    }
    for (const Entry &e : VisibleEntries(TrayEntries(), m_isHandled)) {
        if (e.m_Command == 0) {
            m_menu->addSeparator();
            continue;
        }
        QAction *action = m_menu->addAction(tr(e.m_Text));
        action->setData(e.m_Command);
        const int id = e.m_Command;
        connect(action, &QAction::triggered, this, [this, id] { emit command(id); });
    }
    m_menu->addSeparator();
    QAction *close = m_menu->addAction(tr(kCloseText));
    connect(close, &QAction::triggered, this, &CTrayIcon::closeRequested);
}
