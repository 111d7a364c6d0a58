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

void CCommandTable::RegisterFiles(Files arrival, FilesHandler handler)
{
    if (handler)
        m_fileHandlers[arrival] = std::move(handler);
    else
        m_fileHandlers.erase(arrival);
}

bool CCommandTable::RunFiles(Files arrival, const QStringList &paths)
{
    const auto it = m_fileHandlers.find(arrival);
    if (it == m_fileHandlers.end())
        return false;
    const FilesHandler handler = it->second;
    handler(paths);
    return true;
}
