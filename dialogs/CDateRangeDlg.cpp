#include "dialogs/CDateRangeDlg.h"

CDateRangeDlg::CDateRangeDlg(QWidget *parent)
    : CRangeDlgBase(QStringLiteral("Print reminders"),
                    QStringLiteral("Reminders for the following date range will be printed:"), parent)
{
    setObjectName(QStringLiteral("CDateRangeDlg"));
}
