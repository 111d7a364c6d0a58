#include "dialogs/CIconChoiceList.h"

#include "dialogs/CEditorIcons.h"
#include "model/CTrace.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Each cell: the highlight colour when selected, the background otherwise,
// the 32 x 32 icon two pixels in from the top-left corner, and a black
// outline around a selected cell.
class CIconCellDelegate : public QStyledItemDelegate
{
public:
    CIconCellDelegate(CIconChoiceList *list) : QStyledItemDelegate(list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return QSize(CIconChoiceList::kCellSize, CIconChoiceList::kCellSize);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette &pal = option.palette;
        const QColor fill = selected ? pal.color(QPalette::Active, QPalette::Highlight) : pal.color(QPalette::Base);
        const QRect r = option.rect;
        painter->save();
        painter->fillRect(r, fill);
        if (CEditorIcons *icons = m_list->Icons()) {
            const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
            const QPixmap picture = icons->PictureFor(index.data(Qt::UserRole).toInt(), 0, ratio);
            // The 2x picture is drawn smoothly down between 100 and 200 %.
            painter->setRenderHint(QPainter::SmoothPixmapTransform);
            if (!picture.isNull())
                painter->drawPixmap(r.left() + 2, r.top() + 2, picture);
        }
        if (selected) {
            painter->setPen(QPen(Qt::black, 1));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }
        if (option.state & QStyle::State_HasFocus && m_list->hasFocus()) {
            painter->setPen(QPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text), 1, Qt::DotLine));
            painter->drawRect(r.adjusted(1, 1, -2, -2));
        }
        painter->restore();
    }

private:
    CIconChoiceList *m_list;
};

} // namespace

CIconChoiceList::CIconChoiceList(CEditorIcons *icons, QWidget *parent) : QListWidget(parent), m_icons(icons)
{
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setSpacing(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setItemDelegate(new CIconCellDelegate(this));
}

void CIconChoiceList::Fill(const QList<int> &numbers)
{
    clear();
    for (const int number : numbers) {
        auto *item = new QListWidgetItem();
        item->setData(Qt::UserRole, number);
        if (m_icons) {
            // A screen reader says the icon's name, as the tip shows it.
            item->setToolTip(m_icons->Name(number));
            item->setData(Qt::AccessibleTextRole, m_icons->Name(number));
        }
        addItem(item);
    }
}

void CIconChoiceList::SelectNumber(int number)
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(Qt::UserRole).toInt() == number) {
            setCurrentRow(row);
            scrollToItem(item(row));
            return;
        }
    }
    clearSelection();
}

int CIconChoiceList::SelectedNumber() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(Qt::UserRole).toInt();
}

QList<int> CIconChoiceList::Numbers() const
{
    QList<int> numbers;
    for (int row = 0; row < count(); ++row)
        numbers.append(item(row)->data(Qt::UserRole).toInt());
    return numbers;
}

QRect CIconChoiceList::CellRect(int number) const
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(Qt::UserRole).toInt() == number)
            return visualItemRect(item(row));
    }
    return QRect();
}
