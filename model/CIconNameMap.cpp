#include "model/CIconNameMap.h"

#include "model/CArchive.h"
#include "model/CIconTable.h"
#include "model/CTrace.h"

CIconNameMap &CIconNameMap::Instance()
{
    static CIconNameMap map;
    return map;
}

unsigned CIconNameMap::ElfHash(const QByteArray &bytes)
{
    unsigned h = 0;
    for (char c : bytes) {
        h = (h << 4) + static_cast<unsigned char>(c);
        const unsigned g = h & 0xF0000000u;
        if (g)
            h ^= g >> 24;
        h &= ~0xF0000000u;
    }
    return h;
}

// Names are hashed over their bytes as the files hold them (ANSI); text
// beyond that code page is hashed as UTF-8, which only moves its bucket.
QByteArray CIconNameMap::Key(const QString &name)
{
    return CArchive::IsAnsiRepresentable(name) ? CArchive::ToAnsi(name) : name.toUtf8();
}

void CIconNameMap::Register(const QString &name, int number)
{
    const QByteArray key = Key(name);
    auto &bucket = m_buckets[ElfHash(key) % kBuckets];
    for (const auto &entry : bucket)
        if (entry.first == key)
            return;
    bucket.emplace_back(key, number);
}

void CIconNameMap::RemoveAll()
{
    for (auto &bucket : m_buckets)
        bucket.clear();
}

int CIconNameMap::Find(const QString &name) const
{
    const QByteArray key = Key(name);
    for (const auto &entry : m_buckets[ElfHash(key) % kBuckets])
        if (entry.first == key)
            return entry.second;
    return kNotFound;
}

int CIconNameMap::Lookup(const QString &name) const
{
    const int number = Find(name);
    if (number < 0) {
        Trace(QStringLiteral("Couldn't find icon ") + name + QStringLiteral(" --- returning 0!\n"));
        return 0;
    }
    return number;
}

int CIconNameMap::GetCount() const
{
    int count = 0;
    for (const auto &bucket : m_buckets)
        count += static_cast<int>(bucket.size());
    return count;
}

void CIconNameMap::RegisterBuiltinNames()
{
    for (int i = 0; i < CIconTable::kBuiltinCount; ++i)
        Register(CIconTable::Name(i), i);
}
