#include "dialogs/CSpinEdit.h"

#include "dialogs/CIntegerField.h"

#include <QLineEdit>
#include <algorithm>

CSpinEdit::CSpinEdit(QWidget *parent) : QAbstractSpinBox(parent)
{
    setAccelerated(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void CSpinEdit::setRange(int low, int high)
{
    m_min = low;
    m_max = high;
}

void CSpinEdit::setValueText(const QString &text) { lineEdit()->setText(text); }

void CSpinEdit::setValue(int value) { setValueText(QString::number(value)); }

QString CSpinEdit::valueText() const { return lineEdit()->text(); }

int CSpinEdit::StepValue(const QString &text, int steps, int low, int high, bool wrap)
{
    int value = 0;
    if (!CIntegerField::Parse(text, value))
        return low;
    value = qBound(low, value, high);
    const long long span = static_cast<long long>(high) - low + 1;
    long long next = static_cast<long long>(value) + steps;
    if (wrap) {
        long long offset = (next - low) % span;
        if (offset < 0)
            offset += span;
        next = low + offset;
    } else {
        next = std::clamp<long long>(next, low, high);
    }
    return static_cast<int>(next);
}

void CSpinEdit::stepBy(int steps)
{
    setValue(StepValue(valueText(), steps, m_min, m_max, wrapping()));
    lineEdit()->selectAll();
}

QValidator::State CSpinEdit::validate(QString &input, int &) const
{
    // A number edit: digits only; empty is allowed while typing.
    for (const QChar c : input) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}
