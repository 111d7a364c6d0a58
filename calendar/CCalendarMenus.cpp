#include "calendar/CCalendarMenus.h"

#include "calendar/CMenuKeys.h"

#include <QAction>
#include <QMenu>

std::vector<CCalendarMenus::Item> CCalendarMenus::Items(int menu)
{
    switch (menu) {
    case kReminderMenu:
        return { { "&Delete this reminder...", 32776 }, { "&Edit...", 32777 }, { "&New...", 32780 },
                 { nullptr, 0 }, { "&About Kestrelmark...", 16 }, { "&Print reminders...", 32 }, { "Print pre&view...", 33 },
                 { "E&xport reminders...", 160 }, { "&Import reminders...", 176 },
                 { "Delete &range of reminders...", 48 }, { nullptr, 0 }, { "&Help...", 80 },
                 { "&Options...", 144 }, { nullptr, 0 }, { "Proper&ties", 32779 } };
    case kGeneralMenu:
        return { { "&New...", 32780 }, { nullptr, 0 }, { "&About Kestrelmark...", 16 },
                 { "&Print reminders...", 32 }, { "Print pre&view...", 33 }, { "E&xport reminders...", 160 },
                 { "&Import reminders...", 176 }, { "Delete &range of reminders...", 48 },
                 { nullptr, 0 }, { "&Help...", 80 }, { "&Options...", 144 } };
    default:
        return {};
    }
}

QMenu *CCalendarMenus::Create(int menu, QWidget *parent)
{
    auto *result = new QMenu(parent);
    result->setObjectName(QStringLiteral("menu%1").arg(menu));
    for (const Item &item : Items(menu)) {
        if (!item.text) {
            result->addSeparator();
            continue;
        }
        QAction *action = result->addAction(QString::fromLatin1(item.text));
        action->setData(item.command);
    }
    CMenuKeys::Show(result);
    return result;
}

QMenu *CCalendarMenus::PopUp(int menu, const QPoint &global, QWidget *parent, std::function<void(int)> send)
{
    QMenu *popup = Create(menu, parent);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(popup, &QMenu::triggered, popup, [send = std::move(send)](QAction *action) {
        if (send)
            send(action->data().toInt());
    });
    popup->popup(global);
    return popup;
}
