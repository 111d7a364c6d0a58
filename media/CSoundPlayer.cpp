#include "media/CSoundPlayer.h"

#include <QDir>

namespace {
CSilentSoundPlayer s_noSound;
CSoundPlayer *s_current = &s_noSound;
bool s_interfaceSounds = true;
} // namespace

CSoundPlayer &CSoundPlayer::Current() { return *s_current; }

void CSoundPlayer::SetCurrent(CSoundPlayer *player) { s_current = player ? player : &s_noSound; }

bool CSoundPlayer::InterfaceSounds() { return s_interfaceSounds; }

void CSoundPlayer::SetInterfaceSounds(bool on) { s_interfaceSounds = on; }

void CSoundPlayer::PlayClick()
{
    if (s_interfaceSounds)
        s_current->PlayResource(QStringLiteral("IDR_WAVE_CLICK2"));
}

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
