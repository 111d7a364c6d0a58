#include "model/CImportedNames.h"

#include "l10n/CNotes.h"
#include "model/CReminder.h"
#include "model/CTrace.h"

#include <algorithm>

namespace {

bool badCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F)
        return true;
    // Characters the program's other file systems cannot hold either, so a
    // name never names a file that could not be sent on.
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
        *reason = CNotes::Note(text);
    return false;
}

QStringList piecesOf(const QString &name)
{
    QString normalised = name;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return normalised.split(QLatin1Char('/'));
}

bool isDots(const QString &piece) { return piece == QLatin1String(".") || piece == QLatin1String(".."); }

// An icon name is a key the icon library looks up, which may hold any
// text; only one that would lead out of the icons folder is cut.
QString reducedIcon(const QString &name)
{
    if (!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !isDots(name))
        return name; // most names: a word or two
    const QStringList pieces = piecesOf(name);
    if (!pieces.front().isEmpty() && std::none_of(pieces.cbegin(), pieces.cend(), isDots))
        return name;
    return isDots(pieces.back()) ? QString() : pieces.back();
}

QString reducedSound(const QString &name)
{
    const QString file = piecesOf(name).back();
    return CImportedNames::Split(file) ? file : QString();
}

bool reduce(QString &name, QString (*rule)(const QString &), const char *what)
{
    if (name.isEmpty())
        return false;
    const QString reduced = rule(name);
    if (reduced == name)
        return false;
    Trace(QStringLiteral("Imported %1 name %2 taken as \"%3\".\n").arg(QLatin1String(what), name, reduced));
    name = reduced;
    return true;
}

} // namespace

bool CImportedNames::Split(const QString &name, QStringList *pieces, QString *reason)
{
    if (!name.isValidUtf16())
        return fail(reason, QT_TRANSLATE_NOOP("CNotes", "not valid text"));
    const QStringList parts = piecesOf(name);
    if (parts.size() > kMaxDirectories + 1)
        return fail(reason, QT_TRANSLATE_NOOP("CNotes", "too many folders"));
    for (const QString &part : parts) {
        if (part.isEmpty())
            return fail(reason, QT_TRANSLATE_NOOP("CNotes", "empty or absolute path"));
        if (isDots(part))
            return fail(reason, QT_TRANSLATE_NOOP("CNotes", "relative folder reference"));
        if (std::any_of(part.cbegin(), part.cend(), badCharacter))
            return fail(reason, QT_TRANSLATE_NOOP("CNotes", "character not allowed in file names"));
        if (part.toUtf8().size() > kMaxComponentBytes)
            return fail(reason, QT_TRANSLATE_NOOP("CNotes", "name too long"));
    }
    if (pieces)
        *pieces = parts;
    return true;
}

bool CImportedNames::Reduce(CReminder &r)
{
    const bool icon = reduce(r.m_IconName, reducedIcon, "icon");
    const bool sound = reduce(r.m_SoundFileName, reducedSound, "sound");
    return icon || sound;
}
