#pragma once

#include <QAbstractSpinBox>

// A number edit with its up-down buttons. Unlike QSpinBox the text is the
// field's value, whatever the user typed (only digits are let in), so the
// dialog's OK can judge it; the buttons step within their range, either
// stopping at the ends or wrapping around.
class CSpinEdit : public QAbstractSpinBox
{
    Q_OBJECT

public:
    explicit CSpinEdit(QWidget *parent = nullptr);

    void setRange(int low, int high);
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }

    void setValueText(const QString &text);
    void setValue(int value);
    QString valueText() const;

    // The value one press of steps (positive up) gives from text: a text
    // that is not a number starts at the low end, one outside the range
    // is first brought into it.
    static int StepValue(const QString &text, int steps, int low, int high, bool wrap);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_min = 0;
    int m_max = 100;
};
