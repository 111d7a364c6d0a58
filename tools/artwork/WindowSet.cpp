#include "WindowSet.h"

#include "ButtonArt.h"
#include "PaletteArt.h"
#include "WindowArt.h"

namespace art {
namespace {

void addButton(ArtworkSet &set, const QImage &background, const QRect &where, ButtonArt::Glyph glyph,
               const QString &text, const QList<int> &ids)
{
    static const char *const roles[6] = {"idle", "lit", "pressed", "fading 1", "fading 2", "fading 3"};
    const QList<QImage> frames = ButtonArt::frames(background, where, glyph, text);
    for (int i = 0; i < 6; ++i)
        set.addColour(ids[i], frames[i], QStringLiteral("%1 %2").arg(text, QString::fromLatin1(roles[i])));
}

} // namespace

void makeWindowArt(ArtworkSet &set, int scale)
{
    using State = WindowArt::CellState;
    const QImage background = WindowArt::background(scale);
    set.addColour(179, background, QStringLiteral("window"));
    set.addColour(233, WindowArt::cells(State::Normal, scale), QStringLiteral("day"));
    set.addColour(234, WindowArt::cells(State::Hover, scale), QStringLiteral("day under mouse"));
    set.addColour(236, WindowArt::cells(State::Selected, scale), QStringLiteral("selected day"));
    set.addColour(232, WindowArt::cells(State::Outside, scale), QStringLiteral("other month"));
    set.addColour(197, WindowArt::upcomingList(false, scale), QStringLiteral("list"));
    set.addColour(198, WindowArt::upcomingList(true, scale), QStringLiteral("list, selected"));
    set.addColour(150, WindowArt::logo(scale), QStringLiteral("logo"));
    addButton(set, background, layout::newButton, ButtonArt::Glyph::Plus, QStringLiteral("New"),
              {477, 482, 481, 480, 479, 478});
    addButton(set, background, layout::dayButton, ButtonArt::Glyph::List, QStringLiteral("Reminders"),
              {392, 476, 489, 475, 394, 393});
    addButton(set, background, layout::todayButton, ButtonArt::Glyph::Today, QStringLiteral("Today"),
              {483, 488, 487, 486, 485, 484});
    set.addColour(538, WindowArt::about(scale), QStringLiteral("about"));
    set.addColour(551, ButtonArt::recurrence(scale), QStringLiteral("how often"));
    set.addColour(552, ButtonArt::message(scale), QStringLiteral("message"));
    set.addColour(553, ButtonArt::addIcon(false, scale), QStringLiteral("add icon"));
    set.addColour(554, ButtonArt::addIcon(true, scale), QStringLiteral("add icon, pressed"));
    set.addColour(556, ButtonArt::play(scale), QStringLiteral("play"));

    // The palette serves the pictures converted on 256-colour displays,
    // which draw the pictures at their own size.
    if (scale != 1)
        return;
    QList<QImage> converted;
    for (int id : {179, 233, 234, 236, 232, 197, 198, 150, 477, 482, 392, 476, 483, 488, 538})
        converted.append(set.image(id));
    const QList<QRgb> table = buildPalette(converted);
    set.addPalette(493, palettePicture(table), table, QStringLiteral("palette"));
}

} // namespace art
