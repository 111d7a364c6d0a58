#pragma once

#include "graphics/CDIB.h"

#include <QImage>
#include <QString>
#include <memory>

// One icon of the icon library: its name, its place in the two image sets,
// its masks (black where the icon is opaque, white elsewhere) and its
// shadows once they are made, and its pictures for screens above 100 %.
class CReminderIcon
{
public:
    QString m_name;
    std::unique_ptr<CDIB> m_shadows[2];
    int m_imageIndex[2] = {-1, -1};
    QImage m_mask32;
    QImage m_mask16;
    // For screens above 100 %: the places of both sizes at twice the pixels
    // in the library's 2x image sets (-1 where the icon has no larger
    // picture), their masks and their shadows.
    int m_sharpIndex[2] = {-1, -1};
    // A built-in icon's 2x pictures are read when first drawn: the
    // resources of its colours and masks (32 and 16) until then.
    int m_sharpPending[4] = {-1, -1, -1, -1};
    QImage m_sharpMask[2];
    std::unique_ptr<CDIB> m_sharpShadows[2];
};
