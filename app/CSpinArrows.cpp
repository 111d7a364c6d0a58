#include "app/CSpinArrows.h"

#include "dialogs/CFocusRing.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

CSpinArrows::CSpinArrows(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    // Reached by Tab; a click does not take the keyboard from the calendar.
    setFocusPolicy(Qt::TabFocus);
    m_repeat.setInterval(120);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        m_repeat.setInterval(60);
        StepBy(m_pressed);
    });
}

void CSpinArrows::SetRange(int low, int high)
{
    m_low = qMin(low, high);
    m_high = qMax(low, high);
    m_pos = qBound(m_low, m_pos, m_high);
    update();
}

void CSpinArrows::SetPos(int pos)
{
    const int old = m_pos;
    m_pos = qBound(m_low, pos, m_high);
    update();
    if (m_pos != old)
        announce();
}

void CSpinArrows::announce()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent change(this, m_pos);
    QAccessible::updateAccessibility(&change);
}

void CSpinArrows::StepBy(int delta)
{
    const int pos = qBound(m_low, m_pos + delta, m_high);
    if (pos == m_pos)
        return;
    m_pos = pos;
    update();
    announce();
    emit positionChanged(m_pos);
}

void CSpinArrows::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int h = height() / 2;
    const QRect up(0, 0, width(), h);
    const QRect down(0, h, width(), height() - h);
    for (int half = 0; half < 2; ++half) {
        const QRect r = (half == 0 ? up : down).adjusted(0, 0, -1, -1);
        const bool held = (half == 0 && m_pressed > 0) || (half == 1 && m_pressed < 0);
        const bool atEnd = half == 0 ? m_pos >= m_high : m_pos <= m_low;
        painter.setPen(QColor(20, 28, 36));
        painter.setBrush(held ? QColor(100, 126, 148) : QColor(70, 92, 112));
        painter.drawRoundedRect(r, 2, 2);
        QPainterPath arrow;
        const QPointF c = QRectF(r).center();
        const double s = 3.0;
        if (half == 0) {
            arrow.moveTo(c.x() - s, c.y() + 1.5);
            arrow.lineTo(c.x() + s, c.y() + 1.5);
            arrow.lineTo(c.x(), c.y() - 2.0);
        } else {
            arrow.moveTo(c.x() - s, c.y() - 1.5);
            arrow.lineTo(c.x() + s, c.y() - 1.5);
            arrow.lineTo(c.x(), c.y() + 2.0);
        }
        arrow.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(atEnd ? QColor(140, 150, 160) : QColor(251, 245, 230));
        painter.drawPath(arrow);
    }
    if (hasFocus())
        CFocusRing::Draw(painter, rect().adjusted(1, 1, -1, -1));
}

void CSpinArrows::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Plus:
        StepBy(1);
        return;
    case Qt::Key_Down:
    case Qt::Key_Minus:
        StepBy(-1);
        return;
    case Qt::Key_PageUp:
        StepBy(10);
        return;
    case Qt::Key_PageDown:
        StepBy(-10);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

QString CSpinArrows::ValueText() const { return m_valueText ? m_valueText(m_pos) : QString::number(m_pos); }

void CSpinArrows::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = event->position().y() < height() / 2 ? 1 : -1;
    StepBy(m_pressed);
    m_repeat.setInterval(400);
    m_repeat.start();
    update();
}

void CSpinArrows::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = 0;
    m_repeat.stop();
    update();
}

void CSpinArrows::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(this);
    QWidget::mouseMoveEvent(event);
}

void CSpinArrows::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps)
        StepBy(steps);
    event->accept();
}
