#pragma once

#include "dialogs/CEditorIcons.h"

#include <QHash>

// The editor's view of the program's icon library. Without a library (a
// window made without the application object), the 63 built-in icons are
// read straight from the artwork through their masks.
class CLibraryEditorIcons : public CEditorIcons
{
public:
    // library may be null; then the built-in icons are used.
    explicit CLibraryEditorIcons(class CIconLibrary *library = nullptr) : m_library(library) {}

    int Count() const override;
    QString Name(int number) const override;
    int Lookup(const QString &name) const override;
    bool Holds(const QString &name) const override;
    void ImportIcons() override;
    int Generation() const override;
    QPixmap Picture(int number, int set) const override;
    QPixmap SharpPicture(int number, int set) const override;

    // A built-in icon from its picture and mask resources (set 0 or 1), or
    // from their 2x pictures (device pixel ratio 2; null on a palette
    // display, which draws the pictures as they are).
    static QPixmap BuiltinPicture(int number, int set, bool sharp = false);

private:
    // Without a library: the built-in table and the artwork.
    static int BuiltinCount();
    static QString BuiltinName(int number);
    static int BuiltinLookup(const QString &name);
    static bool BuiltinHolds(const QString &name);
    QPixmap BuiltinPictureCached(int number, int set, bool sharp) const;

    class CIconLibrary *m_library = nullptr;
    mutable QHash<int, QPixmap> m_cache;
};
