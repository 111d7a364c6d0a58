#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class CPalette;

// The program's own pictures: bitmap resource n is the bitmap file
// ":/bitmaps/n.bmp" compiled into the program.

// The packed bitmap of resource id (the file less its 14-byte header); empty
// when there is none. It is read anew at every call (the pictures made of
// it are what is kept), so it costs no memory once they are made. Each
// failing step is shown to the user: "FindResource failed!", "LoadResource
// failed!", "LockResource failed!".
QByteArray LoadDIBFromResource(int id);

// A device bitmap of resource id in out (1), or 0. On a palette display the
// picture goes through the bitmap cache; while the please-wait window is up
// it advances by one step per picture.
int LoadDIB(int id, QPixmap *out, const CPalette *palette);

// Every picture is also carried at twice its pixels, ":/bitmaps/n@2x.bmp",
// for screens shown at more than 100 %.
//
// 2 while a screen shows more than one device pixel per window pixel and no
// palette is active (palette displays draw the pictures as they are), else 1.
int ArtworkScale();
// The 2x picture of resource id with a device pixel ratio of 2; null when
// there is none or when it is not exactly twice logicalSize.
QImage LoadSharpImage(int id, QSize logicalSize);
// LoadDIB, then at ArtworkScale 2 the 2x picture in its place where there is
// one; its size() is in device pixels, deviceIndependentSize() as at 1x.
int LoadArtwork(int id, QPixmap *out, const CPalette *palette);

// Where the resources are read from: ":/bitmaps/" unless a test points it to
// a folder of its own.
void SetBitmapResourceRoot(const QString &root);
QString BitmapResourceRoot();
