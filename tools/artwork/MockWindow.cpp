#include "MockWindow.h"

#include "Compose.h"
#include "Fonts.h"
#include "IconTable.h"
#include "Theme.h"
#include "WindowArt.h"

#include <QFontMetrics>
#include <QPainter>

namespace art {
namespace {

void drawDisplay(QPainter &p, const QRect &r, const QString &text, int px)
{
    p.fillRect(r.adjusted(-2, -2, 2, 2), Qt::black);
    p.setFont(Fonts::sans(px, true));
    p.setPen(theme::labelShadow);
    p.drawText(r.translated(2, 2), Qt::AlignCenter, text);
    p.setPen(theme::labelText);
    p.drawText(r, Qt::AlignCenter, text);
}

void drawSpin(QPainter &p, const QRect &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int half = 0; half < 2; ++half) {
        const QRectF b(r.left() + 0.5, r.top() + half * r.height() / 2 + 0.5, r.width() - 1, r.height() / 2 - 1);
        p.setPen(QColor(20, 28, 36));
        p.setBrush(QColor(70, 92, 112));
        p.drawRoundedRect(b, 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(theme::cream);
        const QPointF c = b.center();
        QPolygonF tri;
        if (half == 0)
            tri << QPointF(c.x() - 3, c.y() + 1.5) << QPointF(c.x() + 3, c.y() + 1.5) << QPointF(c.x(), c.y() - 2);
        else
            tri << QPointF(c.x() - 3, c.y() - 1.5) << QPointF(c.x() + 3, c.y() - 1.5) << QPointF(c.x(), c.y() + 2);
        p.drawPolygon(tri);
    }
    p.restore();
}

} // namespace

QImage makeMainWindowMock(const ArtworkSet &set)
{
    QImage img = set.image(179).convertToFormat(QImage::Format_RGB32);

    // March 2025: the 1st is a Saturday, so the month uses all six rows.
    const int firstCell = 6, days = 31, today = 4, selected = 12, hover = 20;
    struct DayIcons { int day; QList<int> icons; };
    const QList<DayIcons> reminders = {
        {4, {1}}, {8, {10}}, {12, {7, 3}}, {14, {19, 20, 21}}, {17, {8}}, {20, {40}},
        {23, {33, 34, 22, 27, 28, 31}}, {26, {0}}, {30, {9}}, {2, {62}}, {27, {47, 53, 59}},
    };
    QImage grid(372, 295, QImage::Format_RGB32);
    grid.fill(theme::cellLine);
    QPainter gp(&grid);
    for (int k = 0; k < 42; ++k) {
        const int day = k - firstCell + 1;
        const bool inMonth = day >= 1 && day <= days;
        const QRect cell((k % 7) * layout::cellWidth, (k / 7) * layout::cellHeight, layout::cellWidth, layout::cellHeight);
        const int bitmap = !inMonth ? 232 : day == selected ? 236 : day == hover ? 234 : 233;
        gp.drawImage(cell.topLeft(), set.image(bitmap).copy(cell));
        if (!inMonth)
            continue;
        for (const DayIcons &d : reminders) {
            if (d.day != day)
                continue;
            const QList<IconRow> &rows = iconTable();
            for (int i = 0; i < d.icons.size(); ++i) {
                const IconRow &row = rows[d.icons[i]];
                if (d.icons.size() == 1)
                    drawMasked(grid, cell.left() + 8, cell.top() + 11, set.image(row.colour32), set.image(row.mask32));
                else
                    drawMasked(grid, cell.left() + 2 + 17 * (i % 3), cell.top() + 11 + 17 * (i / 3),
                               set.image(row.colour16), set.image(row.mask16));
            }
        }
        drawDayNumber(gp, cell, day, day == today);
    }
    gp.end();

    QPainter p(&img);
    p.drawImage(layout::calendar.topLeft(), grid.copy(0, 0, 371, 294));

    // The upcoming list: background picture, one selected line.
    p.drawImage(layout::upcoming.topLeft(), set.image(197));
    const QStringList lines = {
        QStringLiteral("3/4/2025 Anna's birthday"), QStringLiteral("3/8/2025 Flag day at school"),
        QStringLiteral("3/12/2025 Anniversary dinner"), QStringLiteral("3/12/2025 Pick up the present"),
        QStringLiteral("3/14/2025 Pay the electricity bill and the gas"), QStringLiteral("3/14/2025 Meeting at ten"),
        QStringLiteral("3/14/2025 Call the garage"), QStringLiteral("3/17/2025 St Patrick's parade"),
        QStringLiteral("3/20/2025 Basketball final"),
    };
    const int itemHeight = 16;
    p.setFont(Fonts::sans(12));
    const QFontMetrics fm = p.fontMetrics();
    for (int i = 0; i < lines.size(); ++i) {
        const QRect item(layout::upcoming.left(), layout::upcoming.top() + i * itemHeight, layout::upcoming.width(), itemHeight);
        if (i == 2)
            p.drawImage(item.topLeft(), set.image(198).copy(item.translated(-layout::upcoming.topLeft())));
        const QString text = fm.elidedText(lines[i], Qt::ElideRight, item.width() - 20);
        p.setPen(Qt::black);
        p.drawText(item.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        p.setPen(Qt::white);
        p.drawText(item.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    p.drawImage(layout::newButton.topLeft(), set.image(477));
    p.drawImage(layout::dayButton.topLeft(), set.image(476)); // lit: the mouse is over it
    p.drawImage(layout::todayButton.topLeft(), set.image(483));
    p.drawImage(layout::logo.topLeft(), set.image(150));
    drawDisplay(p, layout::monthDisplay, QStringLiteral("March"), 15);
    drawDisplay(p, layout::yearDisplay, QStringLiteral("2025"), 15);
    drawDisplay(p, layout::todayDisplay, QStringLiteral("Tuesday\n3/4/2025"), 11);
    drawSpin(p, layout::monthSpin);
    drawSpin(p, layout::yearSpin);
    p.end();
    return img;
}

} // namespace art
