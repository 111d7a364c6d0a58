#pragma once

#include "graphics/CPalette.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

class CConversionProgress;

// What the picture code needs to know about the display, settled once at
// start-up: the screen depth, the program palette and from these the active
// palette (used at 15 bits per pixel or less) and the shadows flag (more
// than 15); the bitmap cache folder and the program file time that cache
// files are compared with; the start-up conversion while it runs.
//
// Today's displays are all true-colour; "--screen-depth N" on the command
// line or KESTRELMARK_SCREEN_DEPTH=N in the environment pretend another depth
// so that the 256-colour path can be used and tested.
class CDisplayState
{
public:
    static constexpr int kPaletteDepthLimit = 15;
    static constexpr int kDefaultDepth = 24;

    static CDisplayState &Instance();

    // Start-up: builds the program palette (showing its failures), reads the
    // program file time, then the primary screen's depth unless arguments or the environment
    // override it.
    void Settle(const QStringList &arguments);
    // The depth asked for by "--screen-depth N" / "--screen-depth=N" (which
    // wins) or the environment value; -1 when neither gives a usable number.
    static int ScreenDepthOverride(const QStringList &arguments, const QByteArray &environment);
    // The primary screen's depth, or 24 without a screen.
    static int PrimaryScreenDepth();

    int ScreenDepth() const { return m_screenDepth; }
    void SetScreenDepth(int depth) { m_screenDepth = depth; }
    bool ShadowsOn() const { return m_screenDepth > kPaletteDepthLimit; }
    // The program palette on a palette display (when it could be built),
    // else null.
    const CPalette *ActivePalette() const;

    const CPalette &ProgramPalette() const { return m_programPalette; }
    void SetProgramPalette(const CPalette &palette) { m_programPalette = palette; }

    // The folder of the cached 256-colour pictures, ending in '/'.
    QString CacheFolder() const { return m_cacheFolder; }
    void SetCacheFolder(const QString &folder);
    // The file name of the cached picture of resource n.
    QString CacheFileName(int n) const;

    // Cache files older than this are made again; invalid (the time could
    // not be read) counts every cache file as fresh.
    QDateTime ProgramFileTime() const { return m_programFileTime; }
    void SetProgramFileTime(const QDateTime &time) { m_programFileTime = time; }
    // The modification time of the running program file.
    static QDateTime ReadProgramFileTime();

    // The start-up conversion, while it runs.
    CConversionProgress *Conversion() const { return m_conversion; }
    void SetConversion(CConversionProgress *conversion) { m_conversion = conversion; }

    // Lets the window system deliver pending events (user input excepted),
    // so that a please-wait window stays drawn during long work. Only while
    // such a window is shown, and never from inside itself: pumping at any
    // other time could run one window's paint handler inside another's.
    static void PumpMessages();

private:
    int m_screenDepth = kDefaultDepth;
    CPalette m_programPalette;
    QString m_cacheFolder;
    QDateTime m_programFileTime;
    CConversionProgress *m_conversion = nullptr;
};
