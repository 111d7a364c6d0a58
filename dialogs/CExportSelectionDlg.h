#pragma once

#include "dialogs/CIconSource.h"
#include "model/CReminder.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class CReminderList;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

// "Choose reminders to export as a Reminder Pack": all reminders on the
// left, the chosen ones on the right, moved across with the arrow buttons
// or a double-click. Ends with "Save..." or "Mail to..."; the export
// command then reads m_Selected and m_MailTo.
class CExportSelectionDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CExportSelectionDlg(CReminderList &list, QWidget *parent = nullptr);

    void SetIconSource(const CIconSource &icons) { m_icons = icons; }

    int m_MailTo = 0;
    std::vector<CReminder> m_ReminderArray;
    // One byte per reminder of the list, by index: 1 = chosen.
    std::vector<unsigned char> m_Selected;

    // The three column texts of a reminder's row.
    static QStringList RowTexts(const CReminder &reminder);

    static QString NothingToExportMessage();   // "First, please select ..."
    static QString NothingToAddMessage();      // "Please select one or more reminders to export first."
    static QString NothingToRemoveMessage();

    QTreeWidget *LeftList() const { return m_left; }
    QTreeWidget *RightList() const { return m_right; }

    // What the buttons do (also reachable from tests without clicks).
    void OnAdd();
    void OnRemove();
    void OnSave();
    void OnMail();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void InitDialog();
    void SetUpList(QTreeWidget *view);
    void FillList(QTreeWidget *view, unsigned char which);
    void FillBoth();
    bool MoveSelected(QTreeWidget *from, unsigned char to);

    CReminderList &m_list;
    CIconSource m_icons;
    QTreeWidget *m_right = nullptr;
    QTreeWidget *m_left = nullptr;
    bool m_initialised = false;
};
