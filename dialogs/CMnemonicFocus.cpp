#include "dialogs/CMnemonicFocus.h"

#include <QEvent>
#include <QGroupBox>

CMnemonicFocus::CMnemonicFocus(QGroupBox *group, QWidget *target) : QObject(group), m_target(target) {}

void CMnemonicFocus::Attach(QGroupBox *group, QWidget *target)
{
    group->installEventFilter(new CMnemonicFocus(group, target));
}

bool CMnemonicFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut && m_target->isEnabled()) {
        m_target->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
