#include "dialogs/CDeleteRangeDlg.h"

#include <QCheckBox>
#include <QVBoxLayout>

CDeleteRangeDlg::CDeleteRangeDlg(QWidget *parent)
    : CRangeDlgBase(tr("Delete reminders"),
                    tr("Reminders for the following date range will be deleted:"), parent)
{
    setObjectName(QStringLiteral("CDeleteRangeDlg"));
    m_OneTimeOnlyBox = new QCheckBox(tr("Delete &one-time reminders only."), this);
    m_OneTimeOnlyBox->setObjectName(QStringLiteral("oneTimeOnly"));
    // Below the dates, above the stretch and the buttons.
    m_layout->insertWidget(2, m_OneTimeOnlyBox);
}

void CDeleteRangeDlg::InitDialog()
{
    CRangeDlgBase::InitDialog();
    m_OneTimeOnlyBox->setChecked(m_OneTimeOnly == 1);
}

void CDeleteRangeDlg::ReadExtra()
{
    m_OneTimeOnly = m_OneTimeOnlyBox->isChecked() ? 1 : 0;
}
