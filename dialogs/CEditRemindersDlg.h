#pragma once

#include "dialogs/CEditorContext.h"

#include <QDialog>
#include <QString>

class QPushButton;
class QTreeWidget;

// The reminders of one day, one row each with its icon, message, kind,
// time and advance notice, with New, Edit and Delete. Each row carries
// the reminder's id, so the list may move while the dialog is open (an
// outside change, a sync): a row's reminder is found wherever it is, and
// one deleted meanwhile is left alone.
class CEditRemindersDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CEditRemindersDlg(const CEditorContext &context, QWidget *parent = nullptr);

    // Heading of the first column, set by the caller before the dialog runs.
    QString m_ColumnTitle;

    void OnInitDialog();
    void FillList();
    // The list index of the selected row's reminder now, -1 when none is
    // selected or it is gone.
    int GetSelectedReminder() const;
    QTreeWidget *List() const { return m_list; }

    void OnNew();
    void OnEdit();
    void OnDelete();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void SizeColumns();

    CEditorContext m_context;
    COleDateTime m_SelectedDay { 0.0 };
    bool m_initialised = false;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_new = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_delete = nullptr;
};
