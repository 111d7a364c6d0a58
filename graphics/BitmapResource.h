#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>

class CPalette;

// The program's own pictures: bitmap resource n is the bitmap file
// ":/bitmaps/n.bmp" compiled into the program.

// The packed bitmap of resource id (the file less its 14-byte header), kept
// for the rest of the run; null when there is none. Each failing step is
// shown to the user: "FindResource failed!", "LoadResource failed!",
// "LockResource failed!".
const QByteArray *LoadDIBFromResource(int id);

// A device bitmap of resource id in out (1), or 0. On a palette display the
// picture goes through the bitmap cache; while the please-wait window is up
// it advances by one step per picture.
int LoadDIB(int id, QPixmap *out, const CPalette *palette);

// Where the resources are read from: ":/bitmaps/" unless a test points it to
// a folder of its own (which ends the resources kept so far).
void SetBitmapResourceRoot(const QString &root);
QString BitmapResourceRoot();
// Forgets the resources kept so far.
void ClearBitmapResources();
