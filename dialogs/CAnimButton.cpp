#include "dialogs/CAnimButton.h"

#include "dialogs/CFocusRing.h"

#include "media/CSoundPlayer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

CAnimButton::CAnimButton(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void CAnimButton::Setup(const int *frames, int frameCount, const int *sequence, int sequenceLength, int commandId)
{
    m_CommandId = commandId;
    m_FrameCount = qBound(0, frameCount, kMaxFrames);
    m_SequenceLength = qBound(1, sequenceLength, kMaxFrames);
    for (int i = 0; i < m_SequenceLength; ++i)
        m_Sequence[static_cast<size_t>(i)] = sequence[i];
    // Shades of the button face stand in for frames the program lacks: the
    // lit frame lighter, so the button still answers the mouse.
    for (int i = 0; i < m_FrameCount; ++i) {
        const QColor standIn = i == 1 ? QColor(120, 160, 220) : QColor(70, 100, 160).lighter(100 + 8 * i);
        m_frames[static_cast<size_t>(i)].SetResource(frames[i], size(), standIn);
    }
    m_State = 0;
    m_Frame = 0;
    update();
}

void CAnimButton::SetLabel(const QString &label, const QString &artworkLabel)
{
    // The artwork's label box right of the glyph (see the artwork
    // generator's button frames); the pressed frame (2) is one pixel down
    // and right.
    for (int i = 0; i < m_FrameCount; ++i) {
        QList<CSkinLabels::Label> labels;
        if (label != artworkLabel) {
            const qreal shift = i == 2 ? 1 : 0;
            CSkinLabels::Label l;
            l.m_Box = QRectF(24.5 + shift, 5 + shift, width() - 30, 16);
            l.m_Text = label;
            l.m_Flags = Qt::AlignCenter;
            l.m_LeftSample = 23 + shift;
            l.m_RightSample = width() - 5 + shift;
            l.m_Shadow = QColor(10, 16, 22, 170);
            l.m_ShadowOffset = QPointF(0, 1);
            labels << l;
        }
        m_frames[static_cast<size_t>(i)].SetLabels(labels);
    }
    update();
}

void CAnimButton::FreeFrames()
{
    for (CSkinBitmap &frame : m_frames)
        frame.Release();
}

void CAnimButton::Preload()
{
    for (int i = 0; i < m_FrameCount; ++i)
        m_frames[static_cast<size_t>(i)].Pixmap();
}

int CAnimButton::ShownFrame() const
{
    if (m_State != 0 && m_State != 1)
        return -1;
    if (m_Frame < 0 || m_Frame >= m_FrameCount)
        return -1;
    return m_State == 1 ? 1 : m_Frame;
}

void CAnimButton::paintEvent(QPaintEvent *)
{
    const int frame = ShownFrame();
    if (frame < 0 || frame >= m_FrameCount)
        return;
    QPainter painter(this);
    const QPixmap &pixmap = m_frames[static_cast<size_t>(frame)].Pixmap();
    if (!pixmap.isNull())
        painter.drawPixmap(0, 0, pixmap);
    if (m_frames[static_cast<size_t>(frame)].IsStandIn()) {
        // Without the artwork the command still has to be readable.
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, toolTip());
    }
    if (hasFocus())
        CFocusRing::Draw(painter, rect().adjusted(3, 3, -4, -4));
}

void CAnimButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            Press();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CAnimButton::StartRelease()
{
    m_Step = 0;
    m_Frame = m_Sequence[0];
    m_timer.start(m_Period, this);
}

void CAnimButton::HoverMove(const QPoint &p)
{
    if (m_State < 0)
        return;
    const int hot = (p.x() >= 0 && p.y() >= 0) ? 1 : 0;
    if (hot != m_State) {
        m_State = hot;
        if (hot)
            m_Frame = 1;
        else
            StartRelease();
        repaint();
    }
    if (hot)
        emit hovered(this);
}

void CAnimButton::Press()
{
    if (m_State < 0)
        return;
    if (m_CommandId)
        emit command(m_CommandId);
    m_State = 0;
    StartRelease();
    repaint();
    CSoundPlayer::PlayClick();
}

void CAnimButton::Step()
{
    ++m_Step;
    if (m_Step >= m_SequenceLength) {
        m_Step = m_SequenceLength - 1;
        m_timer.stop();
    }
    m_Frame = m_Sequence[static_cast<size_t>(m_Step)];
    repaint();
}

void CAnimButton::mouseMoveEvent(QMouseEvent *event)
{
    HoverMove(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void CAnimButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Press();
    QWidget::mousePressEvent(event);
}

void CAnimButton::leaveEvent(QEvent *event)
{
    HoverMove(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

void CAnimButton::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        Step();
    else
        QWidget::timerEvent(event);
}
