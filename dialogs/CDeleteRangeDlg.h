#pragma once

#include "dialogs/CRangeDlgBase.h"

class QCheckBox;

// "Delete reminders": the range of days whose reminders are deleted, and
// whether only the one-time ones go.
class CDeleteRangeDlg : public CRangeDlgBase
{
    Q_OBJECT

public:
    explicit CDeleteRangeDlg(QWidget *parent = nullptr);

    int m_OneTimeOnly = 1;

protected:
    void InitDialog() override;
    void ReadExtra() override;

private:
    QCheckBox *m_OneTimeOnlyBox = nullptr;
};
