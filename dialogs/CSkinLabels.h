#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

// Words painted into the artwork (the main window's button labels, the
// headings over the upcoming list and the calendar) are English; another
// language, or a week that begins on another day, paints its own words
// over them. The artwork's band under the words is rebuilt from the
// text-free pixels at its two ends (the faces are gradients), then the
// words are drawn in the artwork's font and colours, smaller where they
// would not fit, never clipped.
class CSkinLabels
{
public:
    struct Label
    {
        QRectF m_Box;        // in window pixels
        QString m_Text;
        QColor m_Colour;
        int m_Flags = 0;     // Qt::Alignment
        // Where the band (the box's rows) is rebuilt from: the columns at
        // these x, text-free in the artwork; none when they are equal. A
        // label without text only rebuilds its band.
        qreal m_LeftSample = 0;
        qreal m_RightSample = 0;
        QColor m_Shadow { 0, 0, 0, 150 };
        QPointF m_ShadowOffset { 1, 1 };
    };

    // The artwork's face for labels: Liberation Sans bold, 11 pixels.
    static QFont Font(int pixelSize = 11);
    // The largest size from 11 down to 7 pixels at which text fits width.
    static int FittingSize(const QString &text, qreal width);

    // image with each label's band rebuilt and its words painted, with the
    // artwork's shadow one pixel down and right.
    static QImage Paint(const QImage &image, const QList<Label> &labels);
    // The lightest pixel of the box: the colour the artwork's words have.
    static QColor TextColour(const QImage &image, const QRectF &box);
};
