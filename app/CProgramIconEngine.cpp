#include "app/CProgramIconEngine.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace {
const int kDesktopSides[] = { 16, 22, 24, 32, 48, 64, 128, 256 };
}

CProgramIconEngine::CProgramIconEngine(std::vector<Picture> pictures) : m_pictures(std::move(pictures))
{
    std::stable_sort(m_pictures.begin(), m_pictures.end(),
                     [](const Picture &a, const Picture &b) { return a.m_Side < b.m_Side; });
}

std::vector<CProgramIconEngine::Picture> CProgramIconEngine::ProgramPictures()
{
    std::vector<Picture> pictures;
    for (const int side : kDesktopSides) {
        const QString path = QStringLiteral(":/icons/kestrelmark-%1.png").arg(side);
        if (QFile::exists(path))
            pictures.push_back({ path, side, 1 });
        // The same size drawn at twice the pixels, for screens above 100 %.
        const QString sharp = QStringLiteral(":/icons/kestrelmark-%1@2x.png").arg(side);
        if (QFile::exists(sharp))
            pictures.push_back({ sharp, 2 * side, 2 });
    }
    return pictures;
}

const CProgramIconEngine::Picture *CProgramIconEngine::best(int side) const
{
    if (m_pictures.empty())
        return nullptr;
    for (const Picture &picture : m_pictures) {
        if (picture.m_Side >= side)
            return &picture;
    }
    return &m_pictures.back();
}

QSize CProgramIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const Picture *picture = best(qMax(size.width(), size.height()));
    if (!picture)
        return QSize();
    // Never drawn larger than the largest picture.
    return size.boundedTo(QSize(picture->m_Side, picture->m_Side));
}

QPixmap CProgramIconEngine::pixmap(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int side = qMax(size.width(), size.height());
    const Picture *picture = best(side);
    if (!picture || side <= 0)
        return QPixmap();
    const auto kept = m_kept.find(side);
    if (kept != m_kept.end())
        return kept->second;
    QImageReader reader(picture->m_Path);
    const QSize shown = QSize(side, side).boundedTo(QSize(picture->m_Side, picture->m_Side));
    if (shown != QSize(picture->m_Side, picture->m_Side))
        reader.setScaledSize(shown);
    const QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    QPixmap result = QPixmap::fromImage(image);
    if (side <= kKeptSide)
        m_kept.emplace(side, result);
    return result;
}

QPixmap CProgramIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    // size is in pixels already: the logical size times scale.
    QPixmap result = pixmap(size, mode, state);
    result.setDevicePixelRatio(scale);
    return result;
}

void CProgramIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QPixmap picture = scaledPixmap(rect.size() * ratio, mode, state, ratio);
    if (picture.isNull())
        return;
    const QSize shown = picture.deviceIndependentSize().toSize();
    const QRect target(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2, (rect.height() - shown.height()) / 2), shown);
    painter->drawPixmap(target, picture);
}

QList<QSize> CProgramIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    // The twice-as-sharp pictures are the same sizes on a scaled screen.
    QList<QSize> sizes;
    for (const Picture &picture : m_pictures) {
        if (picture.m_Scale == 1)
            sizes.append(QSize(picture.m_Side, picture.m_Side));
    }
    return sizes;
}

QIconEngine *CProgramIconEngine::clone() const { return new CProgramIconEngine(m_pictures); }

QString CProgramIconEngine::key() const { return QStringLiteral("CProgramIconEngine"); }
