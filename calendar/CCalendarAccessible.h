#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

class CCalendarWnd;

// The month grid as a screen reader sees it: a table of 6 rows of 7 days
// whose cells are named with their full date and the reminders on it. The
// selected day is the selected cell and, while the grid has the keyboard,
// the focused one.
class CCalendarAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit CCalendarAccessible(CCalendarWnd *calendar);
    ~CCalendarAccessible() override;

    // The factory for QAccessible::installFactory.
    static QAccessibleInterface *Create(const QString &className, QObject *object);

    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

    CCalendarWnd *Calendar() const;

private:
    mutable std::vector<QAccessible::Id> m_cells;
};
