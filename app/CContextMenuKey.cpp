#include "app/CContextMenuKey.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

void CContextMenuKey::Install()
{
    static CContextMenuKey *filter = nullptr;
    if (filter)
        return;
    filter = new CContextMenuKey(qApp);
    qApp->installEventFilter(filter);
}

bool CContextMenuKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
        return false;
    QWidget *target = QApplication::focusWidget();
    if (!target || watched != target)
        return false;
    // As the Menu key: a keyboard request at the middle of the control,
    // which the control or one of its parents answers.
    const QPoint middle = target->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, middle, target->mapToGlobal(middle), key->modifiers());
    QApplication::sendEvent(target, &menu);
    return true;
}
