#include "calendar/CCalendarMenus.h"

#include "calendar/CMenuKeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

std::vector<CCalendarMenus::Item> CCalendarMenus::Items(int menu)
{
    switch (menu) {
    case kReminderMenu:
        return { { QT_TRANSLATE_NOOP("CCalendarMenus", "&Delete this reminder..."), 32776 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "&Edit..."), 32777 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "&New..."), 32780 },
                 { nullptr, 0 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "&About Kestrelmark..."), 16 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "&Print reminders..."), 32 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "Print pre&view..."), 33 },
                 { QT_TRANSLATE_NOOP("CCalendarMenus", "E&xport reminders..."), 160 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "&Import reminders..."), 176 },
                 { QT_TRANSLATE_NOOP("CCalendarMenus", "Delete &range of reminders..."), 48 }, { nullptr, 0 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "&Help..."), 80 },
                 { QT_TRANSLATE_NOOP("CCalendarMenus", "&Options..."), 144 }, { nullptr, 0 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "Proper&ties"), 32779 } };
    case kGeneralMenu:
        return { { QT_TRANSLATE_NOOP("CCalendarMenus", "&New..."), 32780 }, { nullptr, 0 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "&About Kestrelmark..."), 16 },
                 { QT_TRANSLATE_NOOP("CCalendarMenus", "&Print reminders..."), 32 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "Print pre&view..."), 33 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "E&xport reminders..."), 160 },
                 { QT_TRANSLATE_NOOP("CCalendarMenus", "&Import reminders..."), 176 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "Delete &range of reminders..."), 48 },
                 { nullptr, 0 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "&Help..."), 80 }, { QT_TRANSLATE_NOOP("CCalendarMenus", "&Options..."), 144 } };
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
        QAction *action = result->addAction(QCoreApplication::translate("CCalendarMenus", item.text));
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
