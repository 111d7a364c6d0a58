#include "dialogs/CIconPreview.h"

#include "dialogs/CEditorIcons.h"

#include <QPainter>

CIconPreview::CIconPreview(CEditorIcons *icons, QWidget *parent) : QFrame(parent), m_icons(icons)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void CIconPreview::SetIconNumber(int number)
{
    m_number = number;
    repaint();
}

void CIconPreview::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!m_icons)
        return;
    const QPixmap picture = m_icons->PictureFor(m_number, 0, devicePixelRatio());
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(PictureOrigin(), picture);
}
