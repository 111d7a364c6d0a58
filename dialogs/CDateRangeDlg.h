#pragma once

#include "dialogs/CRangeDlgBase.h"

// "Print reminders": the range of days whose reminders are printed.
class CDateRangeDlg : public CRangeDlgBase
{
    Q_OBJECT

public:
    explicit CDateRangeDlg(QWidget *parent = nullptr);
};
