#pragma once

#include <QString>

class QFile;

// Opens a file for reading only when it is a regular file. The open does
// not wait (a FIFO with no writer, a device or a socket would block it or
// never end), the kind is checked on the descriptor itself, and only then
// is it read as usual, so that whatever stands at the path is refused at
// once with a reason the user can act on.
class CRegularFile
{
public:
    enum Status { Opened, Missing, NotRegular, Failed };

    // On Opened, file holds the descriptor (and the path as its name);
    // otherwise error says why, as a clause ("it is not a regular file").
    static Status OpenForReading(QFile &file, const QString &path, QString &error);
};
