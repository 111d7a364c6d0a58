#include "storage/CPackDataName.h"

#include <QStringList>

namespace {

bool badCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F)
        return true;
    // Characters the program's other file systems cannot hold either, so a
    // pack never carries a name that could not be sent on.
    switch (u) {
    case ':': case '*': case '?': case '"': case '<': case '>': case '|':
        return true;
    default:
        return false;
    }
}

bool fail(QString *reason, const char *text)
{
    if (reason)
        *reason = QString::fromLatin1(text);
    return false;
}

} // namespace

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
        return fail(reason, "not in icons or sounds");
    }
    if (!rest.isValidUtf16())
        return fail(reason, "not valid text");
    QString normalised = rest;
    normalised.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QStringList parts = normalised.split(QLatin1Char('\\'));
    if (parts.size() > kMaxDirectories + 1)
        return fail(reason, "too many folders");
    for (const QString &part : parts) {
        if (part.isEmpty())
            return fail(reason, "empty or absolute path");
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return fail(reason, "relative folder reference");
        for (QChar c : part)
            if (badCharacter(c))
                return fail(reason, "character not allowed in file names");
        if (part.toUtf8().size() > kMaxComponentBytes)
            return fail(reason, "name too long");
    }
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
