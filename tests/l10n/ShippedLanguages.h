#pragma once

#include "l10n/CTranslations.h"

#include <QDir>
#include <QStringList>

// The languages whose catalogues the programs carry (the pseudo one aside),
// as the resource folder lists them.
inline QStringList ShippedLanguages()
{
    QStringList languages;
    const QString prefix = QString::fromLatin1(CTranslations::kCatalogue) + QLatin1Char('_');
    for (const QString &file :
         QDir(QString::fromLatin1(CTranslations::kResourceFolder)).entryList({ prefix + QStringLiteral("*.qm") })) {
        const QString language = file.mid(prefix.size()).chopped(3);
        if (language != QLatin1String("pseudo"))
            languages << language;
    }
    return languages;
}
