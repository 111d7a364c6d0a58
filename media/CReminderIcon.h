#pragma once

#include "graphics/CDIB.h"

#include <QImage>
#include <QString>
#include <memory>

// One icon of the icon library: its name, its place in the two image sets,
// its masks (black where the icon is opaque, white elsewhere) and its
// shadows once they are made.
class CReminderIcon
{
public:
    QString m_name;
    std::unique_ptr<CDIB> m_shadows[2];
    int m_imageIndex[2] = {-1, -1};
    QImage m_mask32;
    QImage m_mask16;
};
