#include "app/CCommandTable.h"

void CCommandTable::Register(int id, Handler handler)
{
    if (handler)
        m_handlers[id] = std::move(handler);
    else
        m_handlers.erase(id);
}

void CCommandTable::Unregister(int id) { m_handlers.erase(id); }

bool CCommandTable::Contains(int id) const { return m_handlers.count(id) != 0; }

bool CCommandTable::Run(int id)
{
    const auto it = m_handlers.find(id);
    if (it == m_handlers.end())
        return false;
    // Copy: the handler may register or unregister commands while it runs.
    const Handler handler = it->second;
    handler();
    return true;
}
