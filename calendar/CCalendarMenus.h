#pragma once

#include <QPoint>
#include <functional>
#include <vector>

class QMenu;
class QWidget;

// The calendar's right-click menus: 525 over a reminder's icon, 526
// elsewhere (the logo shows 526 too). Each item sends its command number.
class CCalendarMenus
{
public:
    static constexpr int kReminderMenu = 525;
    static constexpr int kGeneralMenu = 526;

    struct Item
    {
        const char *text; // nullptr for a separator
        int command;
    };

    // The menu's items in order; empty for an unknown menu.
    static std::vector<Item> Items(int menu);
    // A menu whose actions carry their command number as data.
    static QMenu *Create(int menu, QWidget *parent);
    // Opens menu at global without waiting; a chosen item calls send with
    // its command. The menu deletes itself when it closes.
    static QMenu *PopUp(int menu, const QPoint &global, QWidget *parent, std::function<void(int)> send);
};
