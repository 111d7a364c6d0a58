#include "dialogs/CSkinBitmap.h"

#include "graphics/BitmapResource.h"
#include "graphics/CDisplayState.h"
#include "model/CTrace.h"

#include <QFile>
#include <QPainter>

void CSkinBitmap::SetResource(int resource, QSize expected, QColor standIn)
{
    m_resource = resource;
    m_expected = expected;
    m_standIn = standIn;
    Release();
}

QString CSkinBitmap::ResourcePath(int resource)
{
    return QStringLiteral(":/bitmaps/%1.bmp").arg(resource);
}

bool CSkinBitmap::Exists(int resource) { return QFile::exists(ResourcePath(resource)); }

void CSkinBitmap::Load()
{
    m_loaded = true;
    m_isStandIn = false;
    // Through the program's one picture loader: on a palette display the
    // picture comes in the program's colours (and from the cache).
    if (m_resource >= 0 && Exists(m_resource)
        && LoadArtwork(m_resource, &m_pixmap, CDisplayState::Instance().ActivePalette()) && !m_pixmap.isNull()) {
        if (!m_labels.isEmpty()) {
            const QImage artwork = m_pixmap.toImage();
            QList<CSkinLabels::Label> labels = m_labels;
            for (CSkinLabels::Label &label : labels)
                if (!label.m_Colour.isValid())
                    label.m_Colour = CSkinLabels::TextColour(artwork, label.m_Box);
            m_pixmap = QPixmap::fromImage(CSkinLabels::Paint(artwork, labels));
        }
        return;
    }
    if (m_resource >= 0)
        Trace(QStringLiteral("CSkinBitmap: no picture %1\n").arg(m_resource));
    m_isStandIn = true;
    if (!m_expected.isValid() || m_expected.isEmpty()) {
        m_pixmap = QPixmap();
        return;
    }
    m_pixmap = QPixmap(m_expected);
    m_pixmap.fill(m_standIn);
    QPainter p(&m_pixmap);
    p.setPen(m_standIn.darker(130));
    p.drawRect(QRect(QPoint(0, 0), m_expected).adjusted(0, 0, -1, -1));
}

void CSkinBitmap::SetLabels(const QList<CSkinLabels::Label> &labels)
{
    m_labels = labels;
    Release();
}

const QPixmap &CSkinBitmap::Pixmap()
{
    if (!m_loaded)
        Load();
    return m_pixmap;
}

QSize CSkinBitmap::Size() { return Pixmap().deviceIndependentSize().toSize(); }

bool CSkinBitmap::IsStandIn()
{
    if (!m_loaded)
        Load();
    return m_isStandIn;
}

void CSkinBitmap::Release()
{
    m_pixmap = QPixmap();
    m_loaded = false;
}
