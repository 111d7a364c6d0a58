#include "WindowArt.h"

#include "Emblem.h"
#include "Fonts.h"
#include "ImageOps.h"
#include "Theme.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {
namespace {

using namespace theme;

// A w x h picture (in the window's pixels) drawn at scale times the pixels.
QImage canvas(int w, int h, int scale)
{
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::black);
    return img;
}

void shadowedText(QPainter &p, const QRectF &r, int flags, const QString &text, const QColor &colour,
                  const QColor &shadow = QColor(0, 0, 0, 150))
{
    p.setPen(shadow);
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

// A recessed panel: darker inside, a dark line at the top and left and a faint
// light one at the bottom and right, as if pressed into the window.
void paintPanel(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 18, 26, 70));
    p.drawRoundedRect(r, 7, 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawRoundedRect(r.adjusted(0.5, 1.5, -0.5, -0.5), 7, 7);
    p.setPen(QPen(QColor(8, 14, 20, 140), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -1.5), 7, 7);
    p.restore();
}

} // namespace

void WindowArt::paintWell(QPainter &p, const QRect &inner, int radius)
{
    // A black display window with a thin bezel, for the month, year and today
    // displays, which fill their own area (and 2 pixels around it) with black.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(inner).adjusted(-2.5, -2.5, 2.5, 2.5);
    p.setPen(QPen(QColor(255, 255, 255, 55), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.translated(0, 1), radius + 2, radius + 2);
    p.setPen(QPen(QColor(12, 18, 24), 1));
    QLinearGradient bezel(0, outer.top(), 0, outer.bottom());
    bezel.setColorAt(0, QColor(20, 28, 36));
    bezel.setColorAt(1, QColor(46, 62, 76));
    p.setBrush(bezel);
    p.drawRoundedRect(outer, radius + 2, radius + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(inner), radius, radius);
    p.restore();
}

QImage WindowArt::background(int scale)
{
    QImage img = canvas(614, 408, scale);
    QPainter p(&img);
    QLinearGradient base(0, 0, 0, 408);
    base.setColorAt(0, slateTop);
    base.setColorAt(1, slateBottom);
    p.fillRect(layout::client, base);
    QRadialGradient light(QPointF(150, -60), 460);
    light.setColorAt(0, QColor(255, 255, 255, 36));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(layout::client, light);

    p.setRenderHint(QPainter::Antialiasing);

    // Panels behind the upcoming list and the calendar, each with a heading.
    paintPanel(p, QRectF(7, 80, 210, 322));
    paintPanel(p, QRectF(223, 80, 386, 322));
    p.setFont(Fonts::sans(11, true));
    shadowedText(p, QRectF(18, 84, 190, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Upcoming reminders"), cream);
    static const char *const days[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int c = 0; c < 7; ++c) {
        const QRectF r(layout::calendar.left() + c * layout::cellWidth, 84, layout::cellWidth, 16);
        shadowedText(p, r, Qt::AlignCenter, QString::fromLatin1(days[c]), (c == 0 || c == 6) ? gold : cream);
    }

    // Frames just outside the list and the grid. The grid's last pixel column
    // and row lie outside every cell and show this background: grid lines.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(layout::calendar, cellLine);
    p.setPen(QColor(14, 22, 30));
    p.setBrush(Qt::NoBrush);
    p.drawRect(layout::calendar.adjusted(-1, -1, 0, 0));
    p.fillRect(layout::upcoming, QColor(28, 44, 57));
    p.drawRect(layout::upcoming.adjusted(-1, -1, 0, 0));

    // The logo floats a little above the window.
    // Its control is one pixel wider and higher than the picture, so the
    // shadow shows in that column and row and one more.
    const QRect logo = layout::logo;
    p.fillRect(QRect(logo.right() + 1, logo.top() + 2, 2, logo.height()), QColor(0, 0, 0, 60));
    p.fillRect(QRect(logo.left() + 2, logo.bottom() + 1, logo.width() - 2, 2), QColor(0, 0, 0, 60));

    // Display windows: month and year with their spins, and today.
    paintWell(p, QRect(328, 54, 177, 27), 3);
    paintWell(p, QRect(522, 33, 80, 33), 3);
    p.end();
    return img;
}

QImage WindowArt::cells(CellState state, int scale)
{
    QImage img = canvas(372, 295, scale);
    img.fill(cellLine);
    QPainter p(&img);
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            const int x0 = c * layout::cellWidth;
            const int y0 = r * layout::cellHeight;
            const bool weekend = c == 0 || c == 6;
            QColor top, bottom;
            switch (state) {
            case CellState::Normal:
                top = weekend ? cellWeekend : cellNormal;
                bottom = weekend ? mix(cellNormalLow, QColor(240, 222, 210), 0.5) : cellNormalLow;
                break;
            case CellState::Hover:
                top = cellHover;
                bottom = cellHoverLow;
                break;
            case CellState::Selected:
                top = cellSelected;
                bottom = cellSelectedLow;
                break;
            case CellState::Outside:
                top = cellOutside;
                bottom = cellOutsideLow;
                break;
            }
            // The tile: 52 x 48 inside a one-pixel grid line on the right and bottom.
            const QRect tile(x0, y0, layout::cellWidth - 1, layout::cellHeight - 1);
            QLinearGradient g(0, y0, 0, y0 + tile.height());
            g.setColorAt(0, top);
            g.setColorAt(1, bottom);
            p.fillRect(tile, g);
            p.fillRect(QRect(x0, y0, tile.width(), 1), mix(top, Qt::white, 0.7));
            p.fillRect(QRect(x0, y0, 1, tile.height()), mix(top, Qt::white, 0.5));

            if (state == CellState::Outside) {
                // Days of other months: quiet diagonal hatching, no number.
                p.save();
                p.setClipRect(tile.adjusted(1, 1, 0, 0));
                p.setPen(QPen(mix(bottom, slateLight, 0.35), 1));
                for (int k = -tile.height(); k < tile.width(); k += 6)
                    p.drawLine(x0 + k, y0 + tile.height(), x0 + k + tile.height(), y0);
                p.restore();
                continue;
            }
            // A lighter tab in the top right corner carries the day number.
            const QRect tab(x0 + tile.width() - 19, y0 + 1, 19, 14);
            p.fillRect(tab, mix(top, Qt::white, 0.55));
            p.fillRect(QRect(tab.left(), tab.bottom(), tab.width(), 1), mix(bottom, cellLine, 0.45));
            p.fillRect(QRect(tab.left(), tab.top(), 1, tab.height()), mix(bottom, cellLine, 0.45));
            // The rims keep to the outer pixels, clear of the day number,
            // which starts two pixels down and ends four from the right.
            if (state == CellState::Hover) {
                p.setPen(rufousLight);
                p.setBrush(Qt::NoBrush);
                p.drawRect(tile.adjusted(1, 1, -2, -2));
            } else if (state == CellState::Selected) {
                p.fillRect(QRect(x0, y0, tile.width(), 2), cellSelectedRim);
                p.fillRect(QRect(x0, y0 + tile.height() - 2, tile.width(), 2), cellSelectedRim);
                p.fillRect(QRect(x0, y0, 2, tile.height()), cellSelectedRim);
                p.fillRect(QRect(x0 + tile.width() - 2, y0, 2, tile.height()), cellSelectedRim);
            }
        }
    }
    p.end();
    return img;
}

QImage WindowArt::upcomingList(bool selected, int scale)
{
    QImage img = canvas(layout::upcoming.width(), layout::upcoming.height(), scale);
    const QRect area(QPoint(0, 0), layout::upcoming.size());
    QPainter p(&img);
    if (!selected) {
        QLinearGradient g(0, 0, 0, area.height());
        g.setColorAt(0, QColor(36, 55, 71));
        g.setColorAt(1, QColor(26, 40, 52));
        p.fillRect(area, g);
        QLinearGradient side(0, 0, area.width(), 0);
        side.setColorAt(0, QColor(255, 255, 255, 14));
        side.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(area, side);
    } else {
        // Only across: every selected line, wherever it is, looks the same.
        QLinearGradient g(0, 0, area.width(), 0);
        g.setColorAt(0, QColor(186, 88, 40));
        g.setColorAt(1, QColor(140, 62, 28));
        p.fillRect(area, g);
    }
    p.end();
    return img;
}

QImage WindowArt::logo(int scale)
{
    // A cream name plate: it reads on the slate window and prints cleanly as
    // the title of every printed page.
    QImage img = canvas(layout::logo.width(), layout::logo.height(), scale);
    const QRect area(QPoint(0, 0), layout::logo.size());
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, area.height());
    g.setColorAt(0, QColor(255, 252, 244));
    g.setColorAt(1, creamShade);
    p.fillRect(area, g);
    p.setPen(ink);
    p.drawRect(area.adjusted(0, 0, -1, -1));
    p.setPen(QPen(rufous, 1));
    p.drawRect(area.adjusted(3, 3, -4, -4));

    Emblem::paint(p, QRectF(9, 6, 40, 40));

    p.setRenderHint(QPainter::Antialiasing);
    const QFont word = Fonts::serif(31, true);
    p.setFont(word);
    const QFontMetrics fm(word);
    const QString first = QStringLiteral("Kestrel");
    const QString second = QStringLiteral("mark");
    const int x = 58;
    const int baseline = 32;
    p.setPen(ink);
    p.drawText(x, baseline, first);
    p.setPen(rufous);
    p.drawText(x + fm.horizontalAdvance(first), baseline, second);

    QFont tag = Fonts::sans(9, true);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    p.setFont(tag);
    p.setPen(QColor(92, 108, 122));
    p.drawText(x + 1, 44, QStringLiteral("PERSONAL REMINDER SOFTWARE"));
    p.end();
    return img;
}

QImage WindowArt::about(int scale)
{
    QImage img = canvas(440, 255, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A dawn sky over the credits.
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, slateBottom);
    sky.setColorAt(0.55, slateTop);
    sky.setColorAt(1, QColor(214, 160, 118));
    p.fillRect(QRect(0, 0, 440, 170), sky);
    QRadialGradient sun(QPointF(360, 175), 150);
    sun.setColorAt(0, QColor(255, 226, 170, 170));
    sun.setColorAt(1, QColor(255, 226, 170, 0));
    p.fillRect(QRect(0, 0, 440, 170), sun);
    Emblem::paintKestrel(p, QRectF(334, 62, 92, 64), QColor(30, 42, 54, 170), true);

    Emblem::paint(p, QRectF(22, 24, 72, 72));
    p.setFont(Fonts::serif(40, true));
    shadowedText(p, QRectF(108, 22, 320, 48), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kestrelmark"), cream,
                 QColor(0, 0, 0, 160));
    p.setFont(Fonts::sans(14, true));
    shadowedText(p, QRectF(110, 68, 320, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Personal Reminder Software"),
                 QColor(250, 236, 214));
    p.setFont(Fonts::sans(12));
    shadowedText(p, QRectF(110, 90, 320, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Version 2.0"),
                 QColor(250, 236, 214));

    // Credits on a cream band.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 170, 440, 85), cream);
    p.fillRect(QRect(0, 170, 440, 2), rufous);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(ink);
    p.setFont(Fonts::sans(11, true));
    p.drawText(QRectF(16, 178, 410, 15), Qt::AlignLeft, QStringLiteral("Artwork"));
    p.setFont(Fonts::sans(10));
    const QString credits = QStringLiteral(
        "Pictures of things in the icons from Noto Color Emoji, \u00A9 Google LLC: images under the "
        "Apache License 2.0, font under the SIL Open Font License 1.1.\n"
        "Lettering in Liberation Serif and Liberation Sans (SIL Open Font License 1.1).\n"
        "Emblem, shapes, buttons and backgrounds drawn for Kestrelmark.");
    p.drawText(QRectF(16, 194, 410, 50), Qt::AlignLeft | Qt::TextWordWrap, credits);
    p.setPen(QColor(120, 110, 96));
    p.setFont(Fonts::sans(9));
    p.drawText(QRectF(16, 238, 406, 13), Qt::AlignRight, QStringLiteral("Click anywhere to close"));
    p.end();
    return img;
}

} // namespace art
