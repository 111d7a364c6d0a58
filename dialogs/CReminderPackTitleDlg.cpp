#include "dialogs/CReminderPackTitleDlg.h"

#include "l10n/KmTranslate.h"

#include "graphics/CMessageBox.h"
#include "storage/CReminderExchange.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CReminderPackTitleDlg::CReminderPackTitleDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CReminderPackTitleDlg"));
    setWindowTitle(tr("Reminder Pack Title"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *prompt = new QLabel(tr("Please enter a &title for this Reminder Pack:"), this);
    layout->addWidget(prompt);
    m_edit = new QLineEdit(this);
    prompt->setBuddy(m_edit);
    m_edit->setObjectName(QStringLiteral("IDC_EDIT_TITLE"));
    m_edit->setMinimumWidth(260);
    layout->addWidget(m_edit);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CReminderPackTitleDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CReminderPackTitleDlg::reject);
    layout->addWidget(buttons);
}

QString CReminderPackTitleDlg::ForbiddenCharacters() { return QStringLiteral(".:;'\\/\""); }

bool CReminderPackTitleDlg::IsAcceptableTitle(const QString &title)
{
    if (!CReminderExchange::IsValidPackTitle(title))
        return false;
    // A control character (a pasted line break, a NUL) has no place in a
    // file name either.
    for (const QChar c : title) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString CReminderPackTitleDlg::RefusalMessage() { return KmTranslate("CReminderExchange", CReminderExchange::kTitleMessage); }

void CReminderPackTitleDlg::showEvent(QShowEvent *event)
{
    m_edit->setText(m_Title);
    m_edit->setFocus();
    QDialog::showEvent(event);
}

void CReminderPackTitleDlg::accept()
{
    m_Title = m_edit->text();
    if (!IsAcceptableTitle(m_Title)) {
        CMessageBox::Show(RefusalMessage(), CMessageSink::Ok, CMessageSink::Warning);
        m_Title.clear();
        m_edit->clear();
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}
