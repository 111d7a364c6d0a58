#pragma once
// The 63 built-in icons: number, name, the four bitmap resources and what the
// picture is drawn from.
#include <QList>
#include <QString>

namespace art {

struct IconRow
{
    enum class Source { Emblem, Emoji, Square, Diamond, Circle, Cross, EasterEgg, Menorah };

    int number;
    const char *name;
    int colour32;
    int colour16;
    int mask32;
    int mask16;
    Source source;
    const char *emoji;  // UTF-8, for Source::Emoji
    const char *emoji16; // another glyph that reads better at 16 x 16, or nullptr
    int hue;            // 0..5 (red .. violet) for the drawn shapes
};

const QList<IconRow> &iconTable();

} // namespace art
