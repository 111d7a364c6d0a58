#include "dialogs/CLogoWnd.h"

#include "dialogs/CDialogUnits.h"
#include "model/CTrace.h"

#include <QMouseEvent>
#include <QPainter>

CLogoWnd::CLogoWnd(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setToolTip(QStringLiteral("Kestrelmark"));
}

void CLogoWnd::SetBitmap(int resource, int value)
{
    m_picture.SetResource(resource, size(), QColor(0, 0, 0, 0));
    m_value = value;
    update();
}

void CLogoWnd::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap &pixmap = m_picture.Pixmap();
    if (!m_picture.IsStandIn()) {
        painter.drawPixmap(0, 0, pixmap);
        return;
    }
    // No logo picture: the program's name in its place.
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(CDialogUnits::ScaledFont(QStringLiteral("Arial"), 17.0, true));
    painter.setPen(QColor(0, 0, 0, 140));
    painter.drawText(rect().translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kestrelmark"));
    painter.setPen(QColor(250, 250, 255));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kestrelmark"));
}

void CLogoWnd::OpenManual()
{
    Trace("Launching browser...\n");
    emit manualRequested();
}

void CLogoWnd::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        emit contextMenuRequested(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void CLogoWnd::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        OpenManual();
    QWidget::mouseDoubleClickEvent(event);
}

void CLogoWnd::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(this);
    QWidget::mouseMoveEvent(event);
}
