#include "calendar/CMenuKeys.h"

#include "dialogs/CMnemonics.h"

#include <QAction>
#include <QMenu>

namespace {
// The numbers of the commands with keys (as the window's command table has them).
constexpr int kAbout = 16, kPrint = 32, kPrintPreview = 33, kDeleteRange = 48, kRecover = 64, kHelp = 80,
              kToggleSounds = 96, kOptions = 144, kExport = 160, kImport = 176, kNewReminder = 1009,
              kGoToToday = 1047, kDayList = 1061, kNewContext = 32780;
} // namespace

const std::vector<CMenuKeys::Key> &CMenuKeys::Table()
{
    static const std::vector<Key> keys = {
        { kPrint, QKeySequence(Qt::CTRL | Qt::Key_P) },
        { kPrintPreview, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P) },
        { kDeleteRange, QKeySequence(Qt::CTRL | Qt::Key_D) },
        { kRecover, QKeySequence(Qt::CTRL | Qt::Key_R) },
        { kExport, QKeySequence(Qt::CTRL | Qt::Key_E) },
        { kImport, QKeySequence(Qt::CTRL | Qt::Key_I) },
        { kToggleSounds, QKeySequence(Qt::CTRL | Qt::Key_M) },
        { kOptions, QKeySequence(Qt::CTRL | Qt::Key_O) },
        { kHelp, QKeySequence(Qt::Key_F1) },
        { kAbout, QKeySequence(Qt::SHIFT | Qt::Key_F1) },
        { kNewReminder, QKeySequence(Qt::CTRL | Qt::Key_N) },
        { kGoToToday, QKeySequence(Qt::CTRL | Qt::Key_T) },
        { kDayList, QKeySequence(Qt::CTRL | Qt::Key_L) },
    };
    return keys;
}

QKeySequence CMenuKeys::For(int command)
{
    if (command == kNewContext)
        command = kNewReminder;
    for (const Key &key : Table()) {
        if (key.m_Command == command)
            return key.m_Keys;
    }
    return QKeySequence();
}

void CMenuKeys::Show(QMenu *menu)
{
    for (QAction *action : menu->actions()) {
        const QKeySequence keys = For(action->data().toInt());
        if (action->isSeparator() || keys.isEmpty())
            continue;
        // Shown beside the entry and answered while the menu is open; the
        // window's own shortcut answers them while it is not.
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
    }
    CMnemonics::Assign(menu);
}
