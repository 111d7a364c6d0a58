#include "model/CRuntimeClass.h"

#include <vector>

namespace {
std::vector<const CRuntimeClass *> &registry()
{
    static std::vector<const CRuntimeClass *> classes;
    return classes;
}
} // namespace

void CRuntimeClass::Register(const CRuntimeClass *cls)
{
    for (const CRuntimeClass *c : registry())
        if (c == cls)
            return;
    registry().push_back(cls);
}

const CRuntimeClass *CRuntimeClass::Find(const QByteArray &name)
{
    for (const CRuntimeClass *c : registry())
        if (name == c->m_lpszClassName)
            return c;
    return nullptr;
}
