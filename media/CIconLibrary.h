#pragma once

#include "media/CImageList.h"
#include "media/CReminderIcon.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CDIB;
struct CIconResource;
class CIconNameMap;
class QPainter;

// The program's one collection of reminder icons: the 63 built-in icons from
// the artwork, then the icons of the icon files in the icons folder and its
// subfolders, numbered from 63 in the order they are found. Each icon is
// drawn at 32 x 32 (set 0) or 16 x 16 (set 1). Numbers are positions and may
// change between runs; names are stable: a built-in icon's name, or an
// imported icon's path relative to the icons folder with backslashes
// ("birthdays\cake.ico").
//
// Loading fills CIconNameMap::Instance(). Drawing loads on demand, so Clear
// (at minimise) costs only the next drawing.
class CIconLibrary
{
public:
    static constexpr int kMaxImportsPerRun = 400;
    static constexpr int kInitialImages = 73;
    static constexpr int kGrowBy = 10;
    static constexpr int kShadowSize[2] = {40, 25};

    // iconsFolder: where imported icon files are looked for (may be set later).
    explicit CIconLibrary(const QString &iconsFolder = QString());
    ~CIconLibrary();
    CIconLibrary(const CIconLibrary &) = delete;
    CIconLibrary &operator=(const CIconLibrary &) = delete;

    void SetIconsFolder(const QString &folder) { m_iconsFolder = folder; }
    QString IconsFolder() const { return m_iconsFolder; }

    // Fills the library unless it is loaded: the built-in icons, then the
    // icon files not known yet.
    void Load();
    bool IsLoaded() const { return m_loaded; }
    // Adds a built-in icon from its four bitmap resources: its number, or -1.
    int AddIconFromResource(int colour32, int colour16, int mask32, int mask16);
    // Adds the icon files of the icons folder that the name map does not
    // hold yet (at most 400 a run); a file that fails is registered as -2
    // and not tried again until the next Load. The generation grows when
    // icons were added.
    void ImportIcons();
    // Adds the icon of one icon file: its number, or -1.
    int AddIconFromICOFile(const QString &path);
    // Deletes every icon; the name map stays as it is.
    void Clear();

    // The number of a name; 0 for one the library does not hold.
    int Lookup(const QString &name) const;
    int GetCount() const { return int(m_icons.size()); }
    // The name of an icon; empty for a number the library does not hold.
    QString GetName(int number) const;
    // Grows each time an import adds icons: numbers found before may have
    // changed.
    int GetGeneration() const { return m_generation; }

    // Draws icon number transparently with its top-left corner at (x, y);
    // set 0 is 32 x 32, 1 (or anything above) 16 x 16. Nothing for a number
    // the library does not hold. A painter on a device above 100 % gets the
    // icon's 2x picture where it has one (scaled smoothly at other ratios).
    void Draw(QPainter &painter, int number, int x, int y, int set);
    void Draw(QPainter &painter, int number, QPoint at, int set) { Draw(painter, number, at.x(), at.y(), set); }
    // Copies the icon's mask (black where opaque, white elsewhere) unchanged.
    void DrawMask(QPainter &painter, int number, int x, int y, int set);

    // The shadow mask of an icon for size class 0 (40 x 40) or 1 (25 x 25):
    // its silhouette at (4, 4), softened four times; white means no shadow.
    // Made on first use and kept with the icon; null when there is none.
    CDIB *GetShadowDIB(int number, int sizeClass);
    // Darkens target under the icon's shadow placed at `at`, cut to clip
    // (the cell), by amount (0.5 in the calendar, 0.45 for the drag image).
    // False when there is no shadow to draw. A target of device pixel ratio 2
    // is darkened under the shadow of the icon's 2x picture (at and clip in
    // its window pixels).
    bool DrawShadow(QImage &target, int number, int sizeClass, QPoint at, double amount, QRect clip = QRect());

    // The icon with its transparency, 32 x 32 and 16 x 16; null for a number
    // the library does not hold.
    QImage LargeImage(int number);
    QImage SmallImage(int number);
    QImage Image(int number, int set);
    // The icon's 2x picture for set 0 or 1 (device pixel ratio 2) while a
    // screen is above 100 % and the icon has one, else Image.
    QImage SharpImage(int number, int set);
    // The icon's 2x picture for set 0 or 1 whatever the screens; null when
    // it has none (palette displays draw the 1x pictures only).
    QImage TwiceImage(int number, int set);
    // The icon's mask for set 0 or 1; null when there is none.
    QImage MaskImage(int number, int set);

    // The main window is disabled during an import when it was enabled.
    void SetWindowEnabler(std::function<bool()> isEnabled, std::function<void(bool)> setEnabled);
    // True while an import runs anywhere in the program.
    static bool IsImportRunning();

private:
    CReminderIcon *Entry(int number);
    int Append(std::unique_ptr<CReminderIcon> icon);
    void AddToImageLists(CReminderIcon &icon, const QImage &colour32, const QImage &colour16);
    // The 2x pictures of an icon, from twice-sized colours and masks.
    void AddSharp(CReminderIcon &icon, const QImage (&colour)[2], const QImage (&mask)[2]);
    void AddSharpFromFile(CReminderIcon &icon, const CIconResource &file);
    // Reads a built-in icon's 2x pictures when they are first needed.
    void LoadPendingSharp(CReminderIcon &icon);
    CDIB *SharpShadow(CReminderIcon &icon, int sizeClass);

    QString m_iconsFolder;
    int m_generation = 1;
    std::vector<std::unique_ptr<CReminderIcon>> m_icons;
    CImageList m_images[2];
    CImageList m_sharp[2];
    bool m_sharpWanted = false;
    bool m_loaded = false;
    std::function<bool()> m_windowEnabled;
    std::function<void(bool)> m_setWindowEnabled;
};
