#include "dialogs/CProgressWnd.h"

#include "graphics/BitmapResource.h"
#include "graphics/PackedDib.h"
#include "model/CIconTable.h"
#include "model/CTrace.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

// Icon 0, the program's emblem, transparent through its mask.
QPixmap emblem()
{
    const CIconTableRow &row = CIconTable::Row(0);
    const QByteArray colour = LoadDIBFromResource(row.m_res32);
    const QByteArray mask = LoadDIBFromResource(row.m_mask32);
    if (colour.isEmpty() || mask.isEmpty())
        return {};
    QImage picture = DecodePackedDib(colour).convertToFormat(QImage::Format_ARGB32);
    const QImage m = DecodePackedDib(mask);
    if (picture.isNull() || m.size() != picture.size())
        return {};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(m.pixel(x, y)) >= 128)
                picture.setPixel(x, y, qRgba(0, 0, 0, 0));
    return QPixmap::fromImage(picture);
}

} // namespace

CProgressWnd::CProgressWnd(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("progressWnd"));
    setWindowTitle(tr("Kestrelmark -- Please wait..."));
    setModal(false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("emblem"));
    picture->setPixmap(emblem());
    picture->setAlignment(Qt::AlignTop);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setWordWrap(true);
    // About forty characters a line; the window grows down to the last line.
    m_text->setFixedWidth(qMax(320, m_text->fontMetrics().averageCharWidth() * 44));
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progress"));
    m_bar->setTextVisible(false);
    m_bar->setRange(0, 0);

    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(m_text, 1);
    auto *layout = new QVBoxLayout(this);
    // The window always has the size its text needs, whatever the text and
    // the font: a longer text makes it taller, never clipped.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addWidget(m_bar);
}

void CProgressWnd::SetText(const QString &text) { m_text->setText(text); }

QString CProgressWnd::Text() const { return m_text->text(); }

void CProgressWnd::SetMaxGraphics(int n)
{
    m_max = n;
    m_steps = 0;
    Trace(QStringLiteral("MaxGraphics is %1.\n").arg(n));
    m_bar->setRange(0, n);
    m_bar->setValue(0);
}

void CProgressWnd::StepGraphics()
{
    ++m_steps;
    if (m_steps < m_max)
        m_bar->setValue(m_steps);
}

void CProgressWnd::InstallFactory()
{
    CProgressSink::SetFactory([]() -> std::unique_ptr<CProgressSink> {
        auto window = std::make_unique<CProgressWnd>(QApplication::activeWindow());
        window->show();
        window->raise();
        return window;
    });
}
