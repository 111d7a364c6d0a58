#include "dialogs/CEditorContext.h"

#include <QFileDialog>

QString CEditorContext::ChooseFile(QWidget *parent, const QString &caption, const QString &initial,
                                   const QString &filter, const QString &suffix) const
{
    if (m_ChooseFile)
        return m_ChooseFile(parent, caption, initial, filter, suffix);
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!initial.isEmpty())
        dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
