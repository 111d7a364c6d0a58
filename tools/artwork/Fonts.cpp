#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace art {
namespace {

const char *const fontFiles[] = {
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf",
    "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf",
};

QFont make(const QString &family, int pixelSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace

bool Fonts::load(QString *error)
{
    for (const char *file : fontFiles) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) {
            *error = QStringLiteral("cannot load font %1 (run tools/deps.sh)").arg(QString::fromLatin1(file));
            return false;
        }
    }
    return true;
}

QFont Fonts::sans(int pixelSize, bool bold)
{
    return make(QStringLiteral("Liberation Sans"), pixelSize, bold, false);
}

QFont Fonts::serif(int pixelSize, bool bold, bool italic)
{
    return make(QStringLiteral("Liberation Serif"), pixelSize, bold, italic);
}

QFont Fonts::emoji(int pixelSize)
{
    return make(QStringLiteral("Noto Color Emoji"), pixelSize, false, false);
}

} // namespace art
