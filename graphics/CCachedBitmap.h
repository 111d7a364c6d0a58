#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <memory>

class CPalette;
class QPainter;

// A bitmap resource held by number: loaded on first use, able to give up
// its pixels at any time (minimise, palette change) and loaded again when
// next drawn. A drawing is SelectIn, copies from Source(), SelectOut; Draw
// does all three.
class CCachedBitmap
{
public:
    CCachedBitmap() = default;
    explicit CCachedBitmap(int resourceId) : m_resourceId(resourceId) {}
    ~CCachedBitmap();
    CCachedBitmap(const CCachedBitmap &) = delete;
    CCachedBitmap &operator=(const CCachedBitmap &) = delete;

    // Loads resource id: 1, or 0 (also for id -1).
    int LoadBitmap(int id, const CPalette *palette);
    // Makes the picture ready as a copy source, loading it again when it
    // was unloaded: 1, or 0.
    int SelectIn(QPainter *reference, const CPalette *palette);
    void SelectOut();
    // Frees the pixels but keeps the number.
    void Unload();

    // The picture while selected in; a null pixmap otherwise.
    const QPixmap &Source() const;
    bool IsSelected() const { return m_selected; }
    bool IsLoaded() const { return m_loaded != 0; }
    int ResourceId() const { return m_resourceId; }
    // Sets the number without loading (the next SelectIn loads it).
    void SetResourceId(int id) { m_resourceId = id; }
    // In window pixels (a 2x picture, on screens above 100 %, has twice as
    // many device pixels).
    QSize Size() const;

    // SelectIn, a 1:1 copy of the source block to target at `at`, SelectOut.
    // The whole picture when source is null. 1, or 0 when it cannot load.
    int Draw(QPainter &target, QPoint at, const CPalette *palette, QRect source = QRect());

private:
    std::unique_ptr<QPixmap> m_bitmap;
    quint32 m_loaded = 0;
    bool m_selected = false;
    int m_resourceId = -1;
    QString m_text;
    const CPalette *m_palette = nullptr;
};
