#pragma once

#include <QString>

// Sound output of the program. Every play returns at once; a new play cuts
// off the one before it. With no sound device nothing fails: the sound is
// simply not heard. Tests install a player that records what it was asked.
class CSoundPlayer
{
public:
    virtual ~CSoundPlayer() = default;

    // A sound file by its full path.
    virtual void PlayFile(const QString &path) = 0;
    // A named system sound ("SystemQuestion").
    virtual void PlayAlias(const QString &alias) = 0;
    // A sound built into the program ("IDR_WAVE_CLICK2").
    virtual void PlayResource(const QString &name) = 0;
    virtual void Stop() = 0;

    // The path rule: an empty name gives an empty path; a name that holds a
    // ':' (a path from an old file) or starts with '/' is used as it stands;
    // any other name is taken from soundFolder.
    static QString ResolveSoundName(const QString &name, const QString &soundFolder);

    // The freedesktop sound event a system alias stands for.
    static QString EventForAlias(const QString &alias);

    // The program's one player (a silent one until the application sets
    // its own); not owned.
    static CSoundPlayer &Current();
    static void SetCurrent(CSoundPlayer *player);

    // Interface clicks (calendar, picture buttons): on at every start,
    // toggled from the menu, never stored.
    static bool InterfaceSounds();
    static void SetInterfaceSounds(bool on);
    // Plays the click "IDR_WAVE_CLICK2" when interface sounds are on.
    static void PlayClick();
};

// A player that plays nothing.
class CSilentSoundPlayer : public CSoundPlayer
{
public:
    void PlayFile(const QString &) override {}
    void PlayAlias(const QString &) override {}
    void PlayResource(const QString &) override {}
    void Stop() override {}
};
