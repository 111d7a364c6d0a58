#include "dialogs/CTwoStateButton.h"

#include "model/CTrace.h"

#include <QPainter>

CTwoStateButton::CTwoStateButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CTwoStateButton::Load(int normalResource, int pressedResource)
{
    m_normal.SetResource(normalResource, QSize(32, 32), QColor(210, 210, 210));
    m_pressed.SetResource(pressedResource, QSize(32, 32), QColor(170, 170, 170));
    updateGeometry();
    update();
}

QPoint CTwoStateButton::PictureOrigin(QSize s) const
{
    return QPoint((width() - s.width()) / 2, (height() - s.height()) / 2);
}

QSize CTwoStateButton::sizeHint() const
{
    QSize s = const_cast<CSkinBitmap &>(m_normal).Size();
    return s.isValid() ? s : QSize(32, 32);
}

void CTwoStateButton::paintEvent(QPaintEvent *)
{
    const bool pressed = isDown();
    Trace(QStringLiteral("state = %1\n").arg(pressed ? 1 : 0));
    CSkinBitmap &bitmap = pressed ? m_pressed : m_normal;
    const QPixmap &pixmap = bitmap.Pixmap();
    QPainter painter(this);
    if (!pixmap.isNull())
        painter.drawPixmap(PictureOrigin(pixmap.deviceIndependentSize().toSize()), pixmap);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
