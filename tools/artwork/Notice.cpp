#include "Notice.h"

#include "IconTable.h"

#include <QFile>
#include <QStringList>

namespace art {

bool makeNotice(QByteArray *notice, QString *error)
{
    const QString licencePath = QStringLiteral("/usr/share/common-licenses/Apache-2.0");
    QFile licence(licencePath);
    if (!licence.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(licencePath);
        return false;
    }
    QStringList fromEmoji;
    for (const IconRow &row : iconTable()) {
        if (row.source == IconRow::Source::Emoji)
            fromEmoji.append(QStringLiteral("%1 \"%2\"").arg(row.number).arg(QString::fromLatin1(row.name)));
    }
    QString text = QStringLiteral(
        "Kestrelmark: artwork and sounds\n"
        "===============================\n"
        "\n"
        "The pictures in resources/bitmaps/, the program icon in resources/icons/ and\n"
        "the click sounds in resources/sounds/ are made by the program in\n"
        "tools/artwork/ (kestrelmark-artwork) and are part of Kestrelmark.\n"
        "\n"
        "Pictures of things in the built-in icons\n"
        "----------------------------------------\n"
        "The pictures of these built-in icons are drawn from the images of the\n"
        "Noto Color Emoji font (https://github.com/googlefonts/noto-emoji),\n"
        "Copyright 2013-2017 Google Inc.:\n"
        "\n%1\n\n"
        "The emoji images are licensed under the Apache License, Version 2.0 (its\n"
        "text follows below); the font is licensed under the SIL Open Font License,\n"
        "Version 1.1 (https://openfontlicense.org). Kestrelmark changed the images:\n"
        "they were scaled down to 32 x 32 and 16 x 16 pixels, their colours and\n"
        "edges were strengthened for the small size, and they were given a dark\n"
        "outline and a 1-bit mask.\n"
        "\n"
        "Lettering\n"
        "---------\n"
        "The letters in the logo, the about picture, the buttons and the window\n"
        "background are rendered in Liberation Serif and Liberation Sans,\n"
        "Copyright (c) 2012 Red Hat, Inc., licensed under the SIL Open Font License,\n"
        "Version 1.1. No font files are included.\n"
        "\n"
        "Everything else\n"
        "---------------\n"
        "The emblem, the squares, diamonds and circles, the cross, the Easter egg,\n"
        "the menorah, the backgrounds, buttons and dialog pictures, the palette and\n"
        "the click sounds were made for Kestrelmark.\n"
        "\n"
        "\n"
        "Apache License, Version 2.0\n"
        "===========================\n"
        "\n");
    QString list;
    for (int i = 0; i < fromEmoji.size(); ++i)
        list += (i % 4 == 0 ? QStringLiteral("  ") : QStringLiteral(", ")) + fromEmoji[i]
                + ((i % 4 == 3 && i + 1 < fromEmoji.size()) ? QStringLiteral(",\n") : QString());
    *notice = text.arg(list).toUtf8() + licence.readAll();
    return true;
}

} // namespace art
