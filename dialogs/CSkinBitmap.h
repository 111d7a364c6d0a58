#pragma once

#include "dialogs/CSkinLabels.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QSize>

// One picture of the program's artwork by its resource number
// (":/bitmaps/N.bmp"), loaded on first use and released on demand (it
// loads again when next drawn). A picture the program does not carry
// gives a plain stand-in of the expected size, so a window never shows
// garbage or crashes for want of artwork.
class CSkinBitmap
{
public:
    CSkinBitmap() = default;
    explicit CSkinBitmap(int resource, QSize expected = QSize(), QColor standIn = QColor(200, 200, 200))
        : m_resource(resource), m_expected(expected), m_standIn(standIn)
    {
    }

    void SetResource(int resource, QSize expected = QSize(), QColor standIn = QColor(200, 200, 200));
    // Words painted over the artwork's own when it loads (another language's,
    // see CSkinLabels); none by default. A label without a colour takes the
    // one of the artwork's words in its box.
    void SetLabels(const QList<CSkinLabels::Label> &labels);
    int Resource() const { return m_resource; }

    // The picture (loading it when needed); a null pixmap only when no
    // resource is set and no size is known. On screens above 100 % it is the
    // 2x picture (device pixel ratio 2).
    const QPixmap &Pixmap();
    // In window pixels, whatever the picture's device pixel ratio.
    QSize Size();
    bool IsLoaded() const { return m_loaded; }
    // The artwork was not found and the stand-in is shown.
    bool IsStandIn();
    void Release();

    static QString ResourcePath(int resource);
    static bool Exists(int resource);

private:
    void Load();

    int m_resource = -1;
    QSize m_expected;
    QColor m_standIn;
    QList<CSkinLabels::Label> m_labels;
    QPixmap m_pixmap;
    bool m_loaded = false;
    bool m_isStandIn = false;
};
