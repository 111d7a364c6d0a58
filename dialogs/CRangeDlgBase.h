#pragma once

#include "dialogs/CDateRangeCheck.h"
#include "model/COleDateTime.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QLabel;
class QVBoxLayout;
class CSpinEdit;

// What the print and delete range dialogs share: a "From" and a "To" date,
// each a month list, a day and a year with up-down buttons. The caller sets
// m_From and m_To (only their dates are shown) and reads them back after OK,
// both valid and at 00:00, in whichever order the user gave them.
class CRangeDlgBase : public QDialog
{
    Q_OBJECT

public:
    COleDateTime m_To;
    COleDateTime m_From;
    int m_FromDay = 0;
    int m_FromYear = 0;
    int m_ToDay = 0;
    int m_ToYear = 0;

    // The fields as they stand (tests and OK read them the same way).
    CDateRangeFields Fields() const;

    static QStringList MonthNames();

protected:
    CRangeDlgBase(const QString &caption, const QString &prompt, QWidget *parent);

    // Moves m_From and m_To into the controls; runs once, when first shown.
    virtual void InitDialog();
    // Reads the controls after the dates were accepted (the delete dialog
    // adds its check box).
    virtual void ReadExtra() {}

    void showEvent(QShowEvent *event) override;
    void accept() override;

    QVBoxLayout *m_layout = nullptr;

private:
    QWidget *FieldWidget(CDateRangeCheck::Field field) const;

    CSpinEdit *m_ToYearSpin = nullptr;
    CSpinEdit *m_FromYearSpin = nullptr;
    CSpinEdit *m_ToDaySpin = nullptr;
    CSpinEdit *m_FromDaySpin = nullptr;
    QComboBox *m_ToMonthList = nullptr;
    QComboBox *m_FromMonthList = nullptr;
    bool m_initialised = false;
};
