#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QMenu;
class QSystemTrayIcon;

// The program's icon in the desktop's notification area (an XEmbed icon,
// or a StatusNotifierItem where a watcher runs, as on KDE and on Wayland).
// Its menu carries "New reminder..." and the window-menu entries (the
// desktop does not let a program extend the title-bar menu) with "Import
// reminders...", between "Show Kestrelmark" and "Close Kestrelmark".
// Entries whose command nobody handles are left out.
class CTrayIcon : public QObject
{
    Q_OBJECT

public:
    static constexpr int kIconId = 66;
    static const char *const kTip;
    static const char *const kCloseText;
    static const char *const kNewText;
    static const char *const kImportText;

    struct Entry
    {
        int m_Command; // 0 for a separator
        const char *m_Text;
    };
    // The window-menu entries in their order.
    static const std::vector<Entry> &SystemMenuEntries();
    // The tray's: the same with "Import reminders..." after the export.
    static const std::vector<Entry> &TrayEntries();
    // The entries of a menu whose commands pass isHandled, with no leading,
    // trailing or doubled separators.
    static std::vector<Entry> VisibleEntries(const std::vector<Entry> &entries, const std::function<bool(int)> &isHandled);

    explicit CTrayIcon(QObject *parent = nullptr);
    ~CTrayIcon() override;

    // The tip: the program's name, then the reminders whose alerts wait
    // for an answer or, when none does, the next reminder's line of the
    // upcoming list when there is one; cut to 63 characters.
    static QString ToolTipFor(const QString &next, const QStringList &waiting = {});
    void SetNextReminder(const QString &next);
    void SetWaitingAlerts(const QStringList &waiting);
    QString ToolTip() const { return m_toolTip; }

    // Shows the icon; false where the desktop has no notification area.
    bool Add();
    void Remove();
    bool IsShown() const;
    static bool IsAvailable();

    // Decides which entries the menu shows (asked every time it opens).
    void SetCommandFilter(std::function<bool(int)> isHandled) { m_isHandled = std::move(isHandled); }
    // Fills the menu as it opens now.
    void RebuildMenu();
    QMenu *Menu() const { return m_menu; }

signals:
    void command(int id);
    void showRequested();
    void closeRequested();
    // A click on the icon (single: true) or a double click.
    void clicked(bool single);

private:
    QSystemTrayIcon *m_tray = nullptr;
    QMenu *m_menu = nullptr;
    std::function<bool(int)> m_isHandled;
    QString m_next;
    QStringList m_waiting;
    QString m_toolTip = QString::fromLatin1(kTip);
};
