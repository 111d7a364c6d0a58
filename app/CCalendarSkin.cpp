#include "app/CCalendarSkin.h"

#if __has_include("calendar/CCalendarArt.h")

#include "dialogs/CSkinBitmap.h"
#include "media/CIconNameMap.h"
#include "media/CIconTable.h"

#include <QPainter>

#if __has_include("graphics/CDisplayState.h")
#include "graphics/CDisplayState.h"
#endif
#if __has_include("media/CIconLibrary.h")
#include "media/CIconLibrary.h"
#define KM_SKIN_LIBRARY 1
#endif

namespace {
int Key(int number, int sizeClass) { return number * 2 + (sizeClass ? 1 : 0); }

QImage LoadResource(int resource)
{
    QImage image;
    if (resource >= 0)
        image.load(CSkinBitmap::ResourcePath(resource));
    return image;
}
} // namespace

CCalendarSkin::CCalendarSkin(CIconLibrary *library) : m_library(library)
{
    m_backgrounds.Load(kBackgrounds[0], kBackgrounds[1], kBackgrounds[2], kBackgrounds[3], QSize(372, 295));
}

int CCalendarSkin::Generation() const
{
#ifdef KM_SKIN_LIBRARY
    if (m_library)
        return m_library->GetGeneration();
#endif
    return 1;
}

int CCalendarSkin::Lookup(const QString &name) const
{
#ifdef KM_SKIN_LIBRARY
    if (m_library)
        return m_library->Lookup(name);
#endif
    return CIconNameMap::Instance().Lookup(name);
}

bool CCalendarSkin::DrawBackground(QPainter &painter, int state, const QRect &rect)
{
    if (state < 0 || state > 3)
        state = 0;
    CSkinBitmap &bitmap = m_backgrounds[state];
    if (bitmap.IsStandIn())
        return false;
    painter.drawPixmap(rect, bitmap.Pixmap(), rect);
    return true;
}

QImage CCalendarSkin::Masked(const QImage &colour, const QImage &mask)
{
    if (colour.isNull())
        return QImage();
    QImage out = colour.convertToFormat(QImage::Format_ARGB32);
    if (mask.isNull() || mask.size() != colour.size())
        return out;
    const QImage m = mask.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        const auto *mrow = reinterpret_cast<const QRgb *>(m.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qGray(mrow[x]) >= 128)
                row[x] = qRgba(0, 0, 0, 0);
        }
    }
    return out;
}

QImage CCalendarSkin::IconImage(int number, int sizeClass)
{
    const int key = Key(number, sizeClass);
    const auto it = m_icons.constFind(key);
    if (it != m_icons.constEnd())
        return it.value();
    QImage image;
#ifdef KM_SKIN_LIBRARY
    if (m_library) {
        image = m_library->Image(number, sizeClass);
        m_icons.insert(key, image);
        return image;
    }
#endif
    if (CIconTable::IsBuiltin(number)) {
        const CIconTableRow &row = CIconTable::Row(number);
        image = sizeClass == 0 ? Masked(LoadResource(row.m_res32), LoadResource(row.m_mask32))
                               : Masked(LoadResource(row.m_res16), LoadResource(row.m_mask16));
    }
    m_icons.insert(key, image);
    return image;
}

void CCalendarSkin::DrawIcon(QPainter &painter, int number, int sizeClass, const QPoint &at)
{
#ifdef KM_SKIN_LIBRARY
    if (m_library) {
        m_library->Draw(painter, number, at, sizeClass);
        return;
    }
#endif
    const QImage image = IconImage(number, sizeClass);
    if (!image.isNull())
        painter.drawImage(at, image);
}

QImage CCalendarSkin::ShadowMap(int number, int sizeClass)
{
    const int key = Key(number, sizeClass);
    const auto it = m_shadows.constFind(key);
    if (it != m_shadows.constEnd())
        return it.value();
    const QImage icon = IconImage(number, sizeClass);
    QImage map;
    if (!icon.isNull()) {
        const int side = sizeClass == 0 ? 40 : 25;
        // The silhouette 4 pixels right and below, softened by a box blur.
        QImage alpha(side, side, QImage::Format_Grayscale8);
        alpha.fill(0);
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                if (qAlpha(icon.pixel(x, y)) >= 128 && x + 4 < side && y + 4 < side)
                    alpha.setPixel(x + 4, y + 4, qRgb(255, 255, 255));
            }
        }
        map = QImage(side, side, QImage::Format_Grayscale8);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                int sum = 0, n = 0;
                for (int dy = -2; dy <= 2; ++dy) {
                    for (int dx = -2; dx <= 2; ++dx) {
                        const int xx = x + dx, yy = y + dy;
                        if (xx >= 0 && yy >= 0 && xx < side && yy < side)
                            sum += alpha.constScanLine(yy)[xx];
                        ++n;
                    }
                }
                map.scanLine(y)[x] = static_cast<uchar>(255 - sum / n);
            }
        }
    }
    m_shadows.insert(key, map);
    return map;
}

bool CCalendarSkin::DrawShadow(QImage &target, int number, int sizeClass, const QPoint &at, double amount)
{
#ifdef KM_SKIN_LIBRARY
    if (m_library)
        return m_library->DrawShadow(target, number, sizeClass, at, amount);
#endif
    const QImage map = ShadowMap(number, sizeClass);
    if (map.isNull())
        return false;
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < map.height(); ++y) {
        const int ty = at.y() + y;
        if (ty < 0 || ty >= target.height())
            continue;
        auto *row = reinterpret_cast<QRgb *>(target.scanLine(ty));
        const uchar *mrow = map.constScanLine(y);
        for (int x = 0; x < map.width(); ++x) {
            const int tx = at.x() + x;
            if (tx < 0 || tx >= target.width())
                continue;
            const double f = (1.0 - amount) + amount * mrow[x] / 255.0;
            const QRgb c = row[tx];
            row[tx] = qRgba(int(qRed(c) * f + 0.5), int(qGreen(c) * f + 0.5), int(qBlue(c) * f + 0.5), qAlpha(c));
        }
    }
    return true;
}

bool CCalendarSkin::ShadowsOn() const
{
#if __has_include("graphics/CDisplayState.h")
    return CDisplayState::Instance().ShadowsOn();
#else
    return true;
#endif
}

void CCalendarSkin::Preload()
{
    for (int i = 0; i < 4; ++i)
        m_backgrounds[i].Pixmap();
}

void CCalendarSkin::Release()
{
    m_backgrounds.Release();
    m_icons.clear();
#ifdef KM_SKIN_LIBRARY
    if (m_library)
        m_library->Clear();
#endif
    m_shadows.clear();
}

#endif
