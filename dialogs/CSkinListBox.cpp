#include "dialogs/CSkinListBox.h"

#include "dialogs/CFocusRing.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

class CSkinListDelegate : public QStyledItemDelegate
{
public:
    explicit CSkinListDelegate(CSkinListBox *list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QRect r = option.rect;
        m_list->DrawBackground(*painter, selected ? 0 : 1, r);
        const QString text = CSkinListBox::ShortenText(index.data(Qt::DisplayRole).toString(), option.fontMetrics, r.width());
        painter->save();
        painter->setFont(option.font);
        const QRect textRect = r.adjusted(2, 0, 0, 0);
        painter->setPen(Qt::black);
        painter->drawText(textRect.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->setPen(Qt::white);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
        if ((option.state & QStyle::State_HasFocus) && m_list->hasFocus())
            CFocusRing::Draw(*painter, r.adjusted(1, 1, -2, -2));
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return QSize(m_list->viewport()->width(), option.fontMetrics.height() + 2);
    }

private:
    CSkinListBox *m_list;
};

CSkinListBox::CSkinListBox(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new CSkinListDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    setSortingEnabled(false);
    setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(40, 60, 110));
    setPalette(pal);
}

void CSkinListBox::AddLine(const QString &text, int data)
{
    auto *item = new QListWidgetItem(text, this);
    item->setData(kIndexRole, data);
}

int CSkinListBox::LineData(int row) const
{
    const QListWidgetItem *it = item(row);
    return it ? it->data(kIndexRole).toInt() : -1;
}

QString CSkinListBox::ShortenText(const QString &text, const QFontMetrics &metrics, int itemWidth)
{
    // Whole characters only (never half of a surrogate pair or of a
    // combined character), and one real ellipsis.
    return metrics.elidedText(text, Qt::ElideRight, qMax(0, itemWidth - 20));
}

void CSkinListBox::DrawBackground(QPainter &painter, int which, const QRect &rect)
{
    // The pictures match the list's client area: copy the same region.
    if (m_bitmaps && m_bitmaps->Count() > which) {
        const QPixmap &pixmap = (*m_bitmaps)[which].Pixmap();
        if (!pixmap.isNull()) {
            const QPoint offset = viewport()->mapTo(this, QPoint(0, 0));
            // The source block in the picture's own pixels (twice as many
            // for a 2x picture).
            const QRect from = rect.translated(offset);
            const qreal ratio = pixmap.devicePixelRatio();
            painter.drawPixmap(QRectF(rect), pixmap, QRectF(QPointF(from.topLeft()) * ratio, QSizeF(from.size()) * ratio));
            return;
        }
    }
    painter.fillRect(rect, which == 0 ? QColor(90, 120, 190) : palette().color(QPalette::Base));
}

void CSkinListBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(viewport());
        DrawBackground(painter, 1, viewport()->rect());
    }
    QListWidget::paintEvent(event);
    // With no line to be current the list itself shows that it has the keyboard.
    if (count() == 0 && hasFocus()) {
        QPainter painter(viewport());
        CFocusRing::Draw(painter, viewport()->rect().adjusted(1, 1, -2, -2));
    }
}

void CSkinListBox::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void CSkinListBox::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

void CSkinListBox::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(this);
    QListWidget::mouseMoveEvent(event);
}

void CSkinListBox::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    // A click on a line picks it, even the current one again.
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid())
        emit linePicked(at.row());
}

void CSkinListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() >= 0 && currentRow() != before)
        emit linePicked(currentRow());
}
