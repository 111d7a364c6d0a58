#pragma once

#include <QKeySequence>
#include <vector>

class QMenu;

// The keys of the main window's commands, by command number: the window
// answers them, and its menus show them beside their entries.
class CMenuKeys
{
public:
    struct Key
    {
        int m_Command;
        QKeySequence m_Keys;
    };

    // One line per key the window answers.
    static const std::vector<Key> &Table();
    // The keys that run command (the context menu's "New..." is Ctrl+N as
    // the window's new reminder is); empty when it has none.
    static QKeySequence For(int command);
    // Each entry of menu (its command number as data) shows its keys, and
    // every entry gets an underlined letter of its own.
    static void Show(QMenu *menu);
};
