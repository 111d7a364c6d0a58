#include "calendar/CCalendarAccessible.h"

#include "calendar/CCalendarKeys.h"
#include "calendar/CCalendarWnd.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// One day cell; it lives as long as the table's interface.
class CDayCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface, public QAccessibleActionInterface
{
public:
    CDayCellAccessible(CCalendarAccessible *table, int index) : m_table(table), m_index(index) {}

    bool isValid() const override { return m_table->Calendar() != nullptr; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_table->window(); }
    QAccessibleInterface *parent() const override { return m_table; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        const CCalendarWnd *calendar = m_table->Calendar();
        if (!calendar)
            return QString();
        const CCalendarCell &cell = calendar->Month().cells[static_cast<size_t>(m_index)];
        if (!cell.InMonth())
            return QString();
        if (t == QAccessible::Name)
            return CCalendarKeys::DayName(cell.date, calendar->Reminders());
        if (t == QAccessible::Description && cell.IsToday())
            return QCoreApplication::translate("CCalendarAccessible", "Today");
        return QString();
    }

    QRect rect() const override
    {
        const CCalendarWnd *calendar = m_table->Calendar();
        if (!calendar)
            return QRect();
        const QRect r = calendar->Month().cells[static_cast<size_t>(m_index)].rect;
        return QRect(calendar->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const CCalendarWnd *calendar = m_table->Calendar();
        if (!calendar) {
            s.invalid = true;
            return s;
        }
        const CCalendarMonth &month = calendar->Month();
        if (!month.cells[static_cast<size_t>(m_index)].InMonth()) {
            s.disabled = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = month.selectedCell == m_index;
        s.focused = s.selected && calendar->hasFocus();
        s.active = s.selected;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_index % CCalendarMonth::kColumns; }
    int rowIndex() const override { return m_index / CCalendarMonth::kColumns; }
    bool isSelected() const override { return state().selected; }
    QAccessibleInterface *table() const override { return m_table; }

    // QAccessibleActionInterface: select the day, open it.
    QStringList actionNames() const override { return { setFocusAction(), pressAction() }; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &name) override
    {
        CCalendarWnd *calendar = m_table->Calendar();
        if (!calendar || !calendar->Month().cells[static_cast<size_t>(m_index)].InMonth())
            return;
        calendar->setFocus(Qt::OtherFocusReason);
        calendar->MoveSelection(calendar->Month().cells[static_cast<size_t>(m_index)].date);
        if (name == pressAction())
            calendar->OpenSelectedDay();
    }

private:
    CCalendarAccessible *m_table;
    int m_index;
};

} // namespace

CCalendarAccessible::CCalendarAccessible(CCalendarWnd *calendar) : QAccessibleWidget(calendar, QAccessible::Table) {}

CCalendarAccessible::~CCalendarAccessible()
{
    for (const QAccessible::Id id : m_cells)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *CCalendarAccessible::Create(const QString &, QObject *object)
{
    if (auto *calendar = qobject_cast<CCalendarWnd *>(object))
        return new CCalendarAccessible(calendar);
    return nullptr;
}

CCalendarWnd *CCalendarAccessible::Calendar() const { return qobject_cast<CCalendarWnd *>(object()); }

int CCalendarAccessible::childCount() const { return CCalendarMonth::kCells; }

QAccessibleInterface *CCalendarAccessible::child(int index) const
{
    if (index < 0 || index >= CCalendarMonth::kCells)
        return nullptr;
    if (m_cells.empty()) {
        for (int k = 0; k < CCalendarMonth::kCells; ++k)
            m_cells.push_back(QAccessible::registerAccessibleInterface(
                new CDayCellAccessible(const_cast<CCalendarAccessible *>(this), k)));
    }
    return QAccessible::accessibleInterface(m_cells[static_cast<size_t>(index)]);
}

int CCalendarAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (size_t k = 0; k < m_cells.size(); ++k) {
        if (QAccessible::accessibleInterface(m_cells[k]) == child)
            return static_cast<int>(k);
    }
    return -1;
}

QAccessibleInterface *CCalendarAccessible::focusChild() const
{
    const CCalendarWnd *calendar = Calendar();
    if (!calendar || !calendar->hasFocus())
        return nullptr;
    return child(calendar->Month().selectedCell);
}

QAccessibleInterface *CCalendarAccessible::childAt(int x, int y) const
{
    const CCalendarWnd *calendar = Calendar();
    if (!calendar)
        return nullptr;
    const QPoint p = calendar->mapFromGlobal(QPoint(x, y));
    for (int k = 0; k < CCalendarMonth::kCells; ++k) {
        if (calendar->Month().cells[static_cast<size_t>(k)].rect.contains(p))
            return child(k);
    }
    return nullptr;
}

void *CCalendarAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *CCalendarAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= CCalendarMonth::kRows || column < 0 || column >= CCalendarMonth::kColumns)
        return nullptr;
    return child(row * CCalendarMonth::kColumns + column);
}

int CCalendarAccessible::selectedCellCount() const { return selectedCells().size(); }

QList<QAccessibleInterface *> CCalendarAccessible::selectedCells() const
{
    const CCalendarWnd *calendar = Calendar();
    if (!calendar || !calendar->Month().IsValidCell(calendar->Month().selectedCell))
        return {};
    return { child(calendar->Month().selectedCell) };
}

QString CCalendarAccessible::columnDescription(int column) const
{
    const CCalendarWnd *calendar = Calendar();
    const int weekday = calendar ? calendar->Month().WeekdayOfColumn(column) : column + 1;
    // 1 = Sunday here; Qt counts Monday = 1 to Sunday = 7.
    return QLocale().dayName(weekday == 1 ? 7 : weekday - 1);
}

int CCalendarAccessible::columnCount() const { return CCalendarMonth::kColumns; }

int CCalendarAccessible::rowCount() const { return CCalendarMonth::kRows; }
