#include "media/CSoundPlayer.h"

#include <QDir>

QString CSoundPlayer::ResolveSoundName(const QString &name, const QString &soundFolder)
{
    if (name.isEmpty())
        return QString();
    if (name.contains(QLatin1Char(':')) || name.startsWith(QLatin1Char('/')))
        return name;
    // Names written by older packs may carry Windows separators.
    QString bare = name;
    bare.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(soundFolder).filePath(bare);
}

QString CSoundPlayer::EventForAlias(const QString &alias)
{
    if (alias.compare(QLatin1String("SystemQuestion"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("dialog-question");
    if (alias.compare(QLatin1String("SystemExclamation"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("dialog-warning");
    if (alias.compare(QLatin1String("SystemHand"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("dialog-error");
    if (alias.compare(QLatin1String("SystemAsterisk"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("dialog-information");
    return QStringLiteral("bell");
}
