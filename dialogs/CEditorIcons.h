#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// What the reminder editor and the day list need of the icon library:
// numbers, names, pictures, and importing the icons folder again. The
// program gives them the real library (CLibraryEditorIcons); tests give
// them a few painted squares.
class CEditorIcons
{
public:
    virtual ~CEditorIcons() = default;

    virtual int Count() const = 0;
    virtual QString Name(int number) const = 0;
    // The number for a name; 0 (the emblem) for one the library lacks.
    virtual int Lookup(const QString &name) const = 0;
    // Whether the name stands for an icon that loaded (not an unknown name,
    // not a file that failed to import).
    virtual bool Holds(const QString &name) const = 0;
    // Reads the icon files of the icons folder that are new since last time.
    virtual void ImportIcons() = 0;
    // Grows whenever an import added icons.
    virtual int Generation() const = 0;
    // Set 0 is 32 x 32, set 1 is 16 x 16; a null pixmap for no such icon.
    virtual QPixmap Picture(int number, int set) const = 0;
    // The same at twice the pixels (device pixel ratio 2) for screens above
    // 100 %; a null pixmap where the icon has none.
    virtual QPixmap SharpPicture(int, int) const { return QPixmap(); }

    // What a device of the given pixel ratio draws: above 1, the picture at
    // twice the pixels where there is one.
    QPixmap PictureFor(int number, int set, qreal ratio) const
    {
        const QPixmap sharp = ratio > 1.0 ? SharpPicture(number, set) : QPixmap();
        return sharp.isNull() ? Picture(number, set) : sharp;
    }
    // Both pictures, so that a view takes the one its screen needs.
    QIcon IconFor(int number, int set) const
    {
        QIcon icon(Picture(number, set));
        const QPixmap sharp = SharpPicture(number, set);
        if (!icon.isNull() && !sharp.isNull())
            icon.addPixmap(sharp);
        return icon;
    }
};
