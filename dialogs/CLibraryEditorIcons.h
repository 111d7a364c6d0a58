#pragma once

#include "dialogs/CEditorIcons.h"

#include <QHash>

// The editor's view of the program's icon library. Until the library is
// there (a build without it), the 63 built-in icons are read straight from
// the artwork through their masks, so the dialogs still show real icons.
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

    // A built-in icon from its picture and mask resources (set 0 or 1).
    static QPixmap BuiltinPicture(int number, int set);

private:
    class CIconLibrary *m_library = nullptr;
    mutable QHash<int, QPixmap> m_cache;
};
