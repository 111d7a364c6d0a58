#include "ContactSheet.h"

#include "Compose.h"
#include "Fonts.h"
#include "IconTable.h"

#include <QPainter>
#include <QPicture>

#include <algorithm>

namespace art {
namespace {

const int sheetWidth = 1880;
const int margin = 20;
const QColor sheetBackground(246, 246, 244);
const QColor darkBackground(28, 30, 34);

// Places pictures left to right, wrapping to a new row when the width is used.
class Flow
{
public:
    Flow(QPainter &p, int top) : m_p(p), m_x(margin), m_y(top) {}

    void heading(const QString &text)
    {
        newRow();
        m_y += 16;
        m_p.setPen(QColor(30, 30, 30));
        m_p.setFont(Fonts::sans(22, true));
        m_p.drawText(margin, m_y + 22, text);
        m_y += 36;
    }

    void place(const QImage &picture, const QString &caption)
    {
        const int w = std::max(picture.width(), 150);
        if (m_x + w > sheetWidth - margin && m_x > margin)
            newRow();
        m_p.drawImage(m_x, m_y, picture);
        m_p.setPen(QColor(40, 40, 40));
        m_p.setFont(Fonts::sans(13));
        m_p.drawText(QRect(m_x, m_y + picture.height() + 2, w + 40, 18), Qt::AlignLeft, caption);
        m_x += w + 24;
        m_rowHeight = std::max(m_rowHeight, picture.height() + 24);
    }

    void newRow()
    {
        if (m_x > margin)
            m_y += m_rowHeight + 10;
        m_x = margin;
        m_rowHeight = 0;
    }

    int bottom()
    {
        newRow();
        return m_y;
    }

private:
    QPainter &m_p;
    int m_x;
    int m_y;
    int m_rowHeight = 0;
};

QImage cellOf(const ArtworkSet &set, int id, const QColor &fallback)
{
    if (set.contains(id))
        return set.image(id).copy(53, 49, 53, 49).convertToFormat(QImage::Format_RGB32);
    QImage img(53, 49, QImage::Format_RGB32);
    img.fill(fallback);
    return img;
}

// One calendar cell with the icon as the calendar places it: one 32 x 32 icon,
// or 16 x 16 icons in the small grid.
QImage iconCell(const QImage &background, const ArtworkSet &set, const IconRow &row, bool small, int day, bool today)
{
    QImage cell = background.copy();
    if (small) {
        for (int i = 0; i < 3; ++i)
            drawMasked(cell, 2 + 17 * i, 11 + 17 * (i == 2 ? 1 : 0), set.image(row.colour16), set.image(row.mask16));
    } else {
        drawMasked(cell, 8, 11, set.image(row.colour32), set.image(row.mask32));
    }
    QPainter p(&cell);
    drawDayNumber(p, QRect(0, 0, 53, 49), day, today);
    return cell;
}

QImage plate(const QColor &colour, const ArtworkSet &set, const IconRow &row)
{
    QImage img(56, 36, QImage::Format_RGB32);
    img.fill(colour);
    drawMasked(img, 2, 2, set.image(row.colour32), set.image(row.mask32));
    drawMasked(img, 38, 10, set.image(row.colour16), set.image(row.mask16));
    return img;
}

int drawIconTiles(QPainter &p, const ArtworkSet &set, int top)
{
    const QImage normal = cellOf(set, 233, QColor(252, 248, 237));
    const QImage selected = cellOf(set, 236, QColor(219, 236, 249));
    const QImage hover = cellOf(set, 234, QColor(255, 238, 196));
    const int tileWidth = (sheetWidth - 2 * margin) / 2;
    const int tileHeight = 128;
    const QList<IconRow> &rows = iconTable();
    for (int k = 0; k < rows.size(); ++k) {
        const IconRow &row = rows[k];
        const int x0 = margin + (k % 2) * tileWidth;
        const int y0 = top + (k / 2) * tileHeight;
        p.setPen(QColor(30, 30, 30));
        p.setFont(Fonts::sans(13, true));
        p.drawText(x0, y0 + 13, QStringLiteral("%1  \"%2\"").arg(row.number).arg(QString::fromLatin1(row.name)));
        p.setFont(Fonts::sans(11));
        int x = x0;
        const int y = y0 + 20;
        auto put = [&](const QImage &img, const QString &label) {
            p.drawImage(x, y, enlarged(img, 2));
            p.setPen(QColor(70, 70, 70));
            p.drawText(x, y + img.height() * 2 + 12, label);
            x += img.width() * 2 + 8;
        };
        put(set.image(row.colour32), QString::number(row.colour32));
        put(set.image(row.mask32), QString::number(row.mask32));
        put(set.image(row.colour16), QString::number(row.colour16));
        put(set.image(row.mask16), QString::number(row.mask16));
        x += 6;
        put(plate(Qt::white, set, row), QStringLiteral("white"));
        put(plate(darkBackground, set, row), QStringLiteral("dark, masked"));
        put(iconCell(normal, set, row, false, 14, false), QStringLiteral("233"));
        put(iconCell(hover, set, row, true, 15, true), QStringLiteral("234"));
        put(iconCell(selected, set, row, false, 16, false), QStringLiteral("236"));
        put(iconCell(selected, set, row, true, 17, true), QStringLiteral("236"));
    }
    return top + ((rows.size() + 1) / 2) * tileHeight;
}

} // namespace

QImage makeContactSheet(const ArtworkSet &set, const QList<QImage> &programIcons)
{
    // Lay out once to measure the height, then draw for real.
    auto render = [&](QPainter &p) {
        Flow flow(p, margin);
        p.setPen(QColor(20, 20, 20));
        p.setFont(Fonts::sans(28, true));
        p.drawText(margin, margin + 28, QStringLiteral("Kestrelmark artwork: every bitmap resource at 2x"));
        flow.heading(QString());
        flow.heading(QStringLiteral("Built-in icons: 32 colour, 32 mask, 16 colour, 16 mask; on white and dark through the masks; in calendar cells"));
        int y = drawIconTiles(p, set, flow.bottom());
        Flow rest(p, y);
        auto section = [&](const QString &title, const QList<int> &ids) {
            rest.heading(title);
            for (int id : ids) {
                if (!set.contains(id))
                    continue;
                const Bitmap &b = set.at(id);
                QImage img = b.image.convertToFormat(QImage::Format_RGB32);
                const int factor = (b.kind == Bitmap::Kind::Palette) ? 8 : 2;
                rest.place(enlarged(img, factor), QStringLiteral("%1  %2 (%3 x %4)").arg(id).arg(b.caption).arg(img.width()).arg(img.height()));
            }
        };
        section(QStringLiteral("Main window background"), {179});
        section(QStringLiteral("Calendar cell backgrounds"), {233, 234, 236, 232});
        section(QStringLiteral("Upcoming list and logo"), {197, 198, 150});
        section(QStringLiteral("New-reminder button: idle, lit, pressed and back"), {477, 482, 481, 480, 479, 478});
        section(QStringLiteral("Reminders-of-the-day button"), {392, 476, 489, 475, 394, 393});
        section(QStringLiteral("Go-to-today button"), {483, 488, 487, 486, 485, 484});
        section(QStringLiteral("About picture"), {538});
        section(QStringLiteral("Reminder editor and dialogs; palette picture (8x)"), {551, 552, 553, 554, 556, 493});
        if (set.contains(493)) {
            const QList<QRgb> &table = set.at(493).table;
            QImage swatches(18 * 24, 18 * ((int(table.size()) + 23) / 24), QImage::Format_RGB32);
            swatches.fill(sheetBackground);
            QPainter sp(&swatches);
            for (int i = 0; i < table.size(); ++i)
                sp.fillRect((i % 24) * 18, (i / 24) * 18, 16, 16, QColor(table[i]));
            sp.end();
            rest.place(swatches, QStringLiteral("the 236 colours of 493, in table order"));
        }
        rest.heading(QStringLiteral("Program icon (resource 128) at 16, 22, 24, 32, 48, 64, 128, 256"));
        for (const QImage &icon : programIcons) {
            QImage onWhite(icon.size(), QImage::Format_RGB32);
            onWhite.fill(Qt::white);
            QPainter ip(&onWhite);
            ip.drawImage(0, 0, icon);
            ip.end();
            rest.place(onWhite, QStringLiteral("%1 px").arg(icon.width()));
        }
        return rest.bottom() + margin;
    };
    // Record once to learn the height, then play the recording onto the sheet.
    QPicture picture;
    int height = 0;
    {
        QPainter p(&picture);
        height = render(p);
    }
    QImage sheet(sheetWidth, height, QImage::Format_RGB32);
    sheet.fill(sheetBackground);
    QPainter p(&sheet);
    p.drawPicture(0, 0, picture);
    p.end();
    return sheet;
}

} // namespace art
