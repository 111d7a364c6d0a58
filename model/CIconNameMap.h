#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// Icon name to icon number, in 27 buckets chosen by the ELF hash of the
// name's bytes. The first registration of a name wins; names compare
// exactly. The icon library fills it as it loads icons.
class CIconNameMap
{
public:
    static constexpr int kBuckets = 27;
    static constexpr int kFailed = -2; // an icon file that failed to import

    // The one map of the running program.
    static CIconNameMap &Instance();

    static unsigned ElfHash(const QByteArray &bytes);

    void Register(const QString &name, int number);
    void RemoveAll();
    // The number registered for name; 0 (the emblem) for an unknown name
    // or one registered as failed.
    int Lookup(const QString &name) const;
    // Registered number or kNotFound, without the fallback or the trace.
    static constexpr int kNotFound = -1;
    int Find(const QString &name) const;
    int GetCount() const;

    // What a complete load of the built-in icons registers: each built-in
    // name with its table number. Used where no pictures are loaded.
    void RegisterBuiltinNames();

private:
    static QByteArray Key(const QString &name);
    std::vector<std::pair<QByteArray, int>> m_buckets[kBuckets];
};
