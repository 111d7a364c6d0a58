#pragma once

#include "media/CSoundPlayer.h"

#include <QHash>
#include <QString>
#include <memory>

struct ca_context;

// Sound output through libcanberra: files by path, system sounds as
// freedesktop sound events, built-in sounds from the program's resources
// (written once to a temporary file, as the library plays files only).
// Without the library, or without a sound device, it stays silent.
class CSoundCanberra : public CSoundPlayer
{
public:
    CSoundCanberra();
    ~CSoundCanberra() override;
    CSoundCanberra(const CSoundCanberra &) = delete;
    CSoundCanberra &operator=(const CSoundCanberra &) = delete;

    void PlayFile(const QString &path) override;
    void PlayAlias(const QString &alias) override;
    void PlayResource(const QString &name) override;
    void Stop() override;

    // Whether a sound context could be made.
    bool IsAvailable() const { return m_context != nullptr; }

    // Path of a resource sound written out for playing; empty when the
    // program carries no sound of that name.
    QString ResourceFile(const QString &name);

private:
    ca_context *m_context = nullptr;
    QHash<QString, QString> m_extracted;
    std::unique_ptr<class QTemporaryDir> m_tempDir;
};
