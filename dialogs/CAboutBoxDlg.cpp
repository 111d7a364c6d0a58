#include "dialogs/CAboutBoxDlg.h"

#include "dialogs/CDialogUnits.h"
#include "model/CTrace.h"

#include <QMouseEvent>
#include <QPainter>

CAboutBoxDlg::CAboutBoxDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    Trace("CABoutBoxDlg::OnInitDialog()\n");
    setWindowTitle(tr("About Kestrelmark"));
    // Without its picture the box keeps the size it was designed with.
    const QSize designed(CDialogUnits::X(296), CDialogUnits::Y(175));
    m_picture.SetResource(kPicture, designed, QColor(30, 50, 90));
    const QSize s = m_picture.IsStandIn() ? designed : ClientSizeFor(m_picture.Size());
    setFixedSize(s);
}

void CAboutBoxDlg::paintEvent(QPaintEvent *)
{
    Trace("CAboutBoxDlg::OnPaint()\n");
    QPainter painter(this);
    const QPixmap &pixmap = m_picture.Pixmap();
    if (!pixmap.isNull())
        painter.drawPixmap(0, 0, pixmap);
    if (m_picture.IsStandIn()) {
        painter.setPen(Qt::white);
        painter.setFont(CDialogUnits::ScaledFont(QStringLiteral("Arial"), 14.0, true));
        painter.drawText(rect(), Qt::AlignCenter, tr("Kestrelmark\nPersonal Reminder Software"));
    }
    // The thin border of the box.
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CAboutBoxDlg::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        accept();
    else
        QDialog::mousePressEvent(event);
}
