#pragma once

#include "media/CSoundPlayer.h"

#include <QStringList>

// Records every sound it is asked to play as "file:PATH", "alias:NAME" or
// "resource:NAME", and installs itself as the program's player while it
// lives.
class CRecordingSoundPlayer : public CSoundPlayer
{
public:
    CRecordingSoundPlayer() { CSoundPlayer::SetCurrent(this); }
    ~CRecordingSoundPlayer() override { CSoundPlayer::SetCurrent(nullptr); }

    void PlayFile(const QString &path) override { m_played << QStringLiteral("file:") + path; }
    void PlayAlias(const QString &alias) override { m_played << QStringLiteral("alias:") + alias; }
    void PlayResource(const QString &name) override { m_played << QStringLiteral("resource:") + name; }
    void Stop() override { m_played << QStringLiteral("stop"); }

    QStringList m_played;
};
