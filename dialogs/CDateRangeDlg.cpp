#include "dialogs/CDateRangeDlg.h"

CDateRangeDlg::CDateRangeDlg(QWidget *parent)
    : CRangeDlgBase(tr("Print reminders"),
                    tr("Reminders for the following date range will be printed:"), parent)
{
    setObjectName(QStringLiteral("CDateRangeDlg"));
}
