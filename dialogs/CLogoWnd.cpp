#include "dialogs/CLogoWnd.h"

#include "dialogs/CDialogUnits.h"
#include "model/CTrace.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

const char *const CLogoWnd::kWebPage = "https://kestrelmark.quendrake.example/";

namespace {
bool DesktopBrowser(const QUrl &url) { return QDesktopServices::openUrl(url); }
CLogoWnd::Browser s_browser = &DesktopBrowser;
} // namespace

void CLogoWnd::SetBrowser(Browser browser) { s_browser = browser ? browser : &DesktopBrowser; }

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

void CLogoWnd::OpenWebPage()
{
    Trace("Launching browser...\n");
    const QString url = QString::fromLatin1(kWebPage);
    emit webPageRequested(url);
    // A failing browser start is of no consequence.
    s_browser(QUrl(url));
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
        OpenWebPage();
    QWidget::mouseDoubleClickEvent(event);
}

void CLogoWnd::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(this);
    QWidget::mouseMoveEvent(event);
}
