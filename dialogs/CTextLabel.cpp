#include "dialogs/CTextLabel.h"

#include "dialogs/CDialogUnits.h"

#include <QMouseEvent>
#include <QPainter>

CTextLabel::CTextLabel(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void CTextLabel::SetValue(int value)
{
    if (m_ListMode) {
        const int last = qMax(0, static_cast<int>(m_Lines.size()) - 1);
        const int v = qMin(value, last);
        if (v != m_Value) {
            m_Value = v;
            repaint();
        }
    } else if (m_NumberMode) {
        if (value != m_Value) {
            m_Value = value;
            repaint();
        }
    }
}

void CTextLabel::SetText(const QString &text)
{
    if (text == m_Text)
        return;
    m_Text = text;
    update();
}

QString CTextLabel::DisplayText() const
{
    QString text = m_Text;
    if (m_ListMode)
        text = (m_Value >= 0 && m_Value < m_Lines.size()) ? m_Lines.at(m_Value) : QString();
    else if (m_NumberMode)
        text = QString::number(m_Value);
    return m_Upper ? text.toUpper() : text;
}

QFont CTextLabel::DrawFont() const { return CDialogUnits::ScaledFont(m_Face, m_Size, m_Bold); }

void CTextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // A transparent back colour lets the window's picture show through.
    if (m_BackColour.alpha() > 0)
        painter.fillRect(rect().adjusted(-2, -2, 2, 2), m_BackColour);
    painter.setFont(DrawFont());
    const QString text = DisplayText();
    const int flags = m_Format | Qt::AlignVCenter;
    if (m_Shadow) {
        painter.setPen(m_ShadowColour);
        painter.drawText(rect().translated(m_ShadowOffset, m_ShadowOffset), flags, text);
    }
    painter.setPen(m_TextColour);
    painter.drawText(rect(), flags, text);
}

void CTextLabel::mousePressEvent(QMouseEvent *event)
{
    if (m_CommandOnClick && event->button() == Qt::LeftButton && m_CommandId != -1)
        emit command(m_CommandId);
    QWidget::mousePressEvent(event);
}

void CTextLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_CommandId != -1 && !m_CommandOnClick) {
        emit command(m_CommandId);
        QWidget::mouseDoubleClickEvent(event);
    }
}

void CTextLabel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (p.x() >= 0 && p.y() >= 0)
        emit hovered(this);
    QWidget::mouseMoveEvent(event);
}
