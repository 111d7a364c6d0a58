#pragma once

#include <QObject>

// Shift+F10 opens the context menu of the control with the keyboard, as
// the Menu key does. Installed once on the application.
class CContextMenuKey : public QObject
{
    Q_OBJECT

public:
    static void Install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
