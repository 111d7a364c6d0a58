#pragma once

#include <QString>
#include <functional>

// The sync account's password in the desktop's secret store, never in the
// settings file. Both calls answer on the event loop; an error text is
// empty on success.
class CSyncPassword
{
public:
    static const QString kService; // "Kestrelmark"

    using ReadDone = std::function<void(const QString &password, const QString &error)>;
    using WriteDone = std::function<void(const QString &error)>;

    // key: the user and server the password belongs to.
    static void read(const QString &key, ReadDone done);
    static void write(const QString &key, const QString &password, WriteDone done);
};
