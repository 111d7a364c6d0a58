#pragma once

#include <QByteArray>
#include <memory>

class CObject;

// What an archive knows of a storable class: its name as written in
// class records, its schema, and how to make a default instance.
struct CRuntimeClass
{
    static constexpr unsigned VERSIONABLE_SCHEMA = 0x80000000u;

    const char *m_lpszClassName = nullptr;
    unsigned m_wSchema = 0; // may carry VERSIONABLE_SCHEMA
    std::unique_ptr<CObject> (*m_pfnCreateObject)() = nullptr;
    const CRuntimeClass *m_pBaseClass = nullptr;

    unsigned Schema() const { return m_wSchema & ~VERSIONABLE_SCHEMA; }
    bool IsVersionable() const { return (m_wSchema & VERSIONABLE_SCHEMA) != 0; }
    bool IsDerivedFrom(const CRuntimeClass *base) const
    {
        for (const CRuntimeClass *c = this; c; c = c->m_pBaseClass)
            if (c == base)
                return true;
        return false;
    }

    // The registry of classes that loading may create, by exact name.
    static void Register(const CRuntimeClass *cls);
    static const CRuntimeClass *Find(const QByteArray &name);
};
