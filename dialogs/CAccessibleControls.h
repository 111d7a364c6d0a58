#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// What the program's painted controls are to a screen reader: the picture
// buttons are push buttons, the two-picture button a toggle button, the
// text displays static text, the alert an alert whose text is its message.
// (The skinned list is a QListWidget and is read as a list of its lines.)
class CAccessibleControls
{
public:
    // The factory for QAccessible::installFactory; null for other classes.
    static QAccessibleInterface *Create(const QString &className, QObject *object);
};
