#pragma once

#include <QObject>

class QGroupBox;
class QWidget;

// The underlined letter of a group box's title takes the keyboard to a
// control of the group, where the dialog's controls are siblings of the
// box rather than its children (Qt looks among the children only).
class CMnemonicFocus : public QObject
{
    Q_OBJECT

public:
    static void Attach(QGroupBox *group, QWidget *target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CMnemonicFocus(QGroupBox *group, QWidget *target);

    QWidget *m_target;
};
