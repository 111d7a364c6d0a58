#pragma once

#include "dialogs/CSpinEdit.h"

// The editor's minute field: always shown with two digits once the user
// moves into or out of it, and its buttons wrap from 59 to 00 and back.
class CMinuteSpinEdit : public CSpinEdit
{
    Q_OBJECT

public:
    explicit CMinuteSpinEdit(QWidget *parent = nullptr);

    void stepBy(int steps) override;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void Pad();
};
