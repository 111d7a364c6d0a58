#include "calendar/CTipWnd.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int kMaxText = 512;
const QColor kBackground(255, 255, 210);
} // namespace

CTipWnd::CTipWnd(const QString &text, const QPoint &pos, QWidget *owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , m_text(text.left(kMaxText))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setWindowTitle(m_text);
    QRect geometry(pos, SizeForText(m_text));
    QScreen *screen = QGuiApplication::screenAt(pos);
    if (!screen)
        screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        geometry = FitToScreen(geometry, screen->geometry());
    setGeometry(geometry);
    show();
}

QFont CTipWnd::TipFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(15);
    return font;
}

QSize CTipWnd::SizeForText(const QString &text)
{
    const QFontMetrics metrics(TipFont());
    return QSize(metrics.horizontalAdvance(text) + 10, metrics.height() + 5);
}

QRect CTipWnd::FitToScreen(const QRect &geometry, const QRect &screen)
{
    QRect fitted = geometry;
    const int overlap = geometry.right() - screen.right();
    if (overlap > 0)
        fitted.moveLeft(geometry.left() - overlap);
    return fitted;
}

void CTipWnd::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    p.setPen(QColor(0, 0, 0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(TipFont());
    p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_text);
}

void CTipWnd::mouseMoveEvent(QMouseEvent *)
{
    close();
}
