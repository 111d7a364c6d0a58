#pragma once

#include <functional>
#include <map>

// Commands of the main window by number: menu entries, picture buttons and
// the context menus all end up here. Other parts of the program register
// the handlers for the commands they own.
class CCommandTable
{
public:
    using Handler = std::function<void()>;

    // A later registration for the same number replaces the earlier one.
    void Register(int id, Handler handler);
    void Unregister(int id);
    bool Contains(int id) const;
    // Runs the handler of id; false when none is registered.
    bool Run(int id);

private:
    std::map<int, Handler> m_handlers;
};
