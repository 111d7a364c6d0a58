#include "storage/CPackDataName.h"

#include "l10n/CNotes.h"
#include "model/CImportedNames.h"

#include <QStringList>

bool CPackDataName::Check(const QString &name, QString *relative, QString *reason)
{
    QString folder;
    QString rest;
    if (name.startsWith(QLatin1String("icons\\"))) {
        folder = QStringLiteral("icons");
        rest = name.mid(6);
    } else if (name.startsWith(QLatin1String("sounds\\"))) {
        folder = QStringLiteral("sounds");
        rest = name.mid(7);
    } else {
        if (reason)
            *reason = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "not in icons or sounds"));
        return false;
    }
    QStringList parts;
    if (!CImportedNames::Split(rest, &parts, reason))
        return false;
    if (relative)
        *relative = folder + QLatin1Char('/') + parts.join(QLatin1Char('/'));
    return true;
}

QString CPackDataName::ForIcon(const QString &iconName)
{
    QString name = iconName;
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QStringLiteral("icons\\") + name;
}

QString CPackDataName::ForSound(const QString &fileName) { return QStringLiteral("sounds\\") + fileName; }
