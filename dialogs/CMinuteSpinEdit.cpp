#include "dialogs/CMinuteSpinEdit.h"

#include "dialogs/CNewEventForm.h"

#include <QLineEdit>

CMinuteSpinEdit::CMinuteSpinEdit(QWidget *parent) : CSpinEdit(parent)
{
    setRange(0, 59);
    setWrapping(true);
}

void CMinuteSpinEdit::stepBy(int steps)
{
    setValueText(CNewEventForm::StepMinute(valueText(), steps));
    lineEdit()->selectAll();
}

void CMinuteSpinEdit::Pad()
{
    const QString padded = CNewEventForm::PadMinute(valueText());
    if (padded != valueText())
        setValueText(padded);
}

void CMinuteSpinEdit::focusInEvent(QFocusEvent *event)
{
    Pad();
    CSpinEdit::focusInEvent(event);
}

void CMinuteSpinEdit::focusOutEvent(QFocusEvent *event)
{
    CSpinEdit::focusOutEvent(event);
    Pad();
}
