#pragma once

#include <QStringList>
#include <functional>
#include <map>

// Commands of the main window by number: menu entries, picture buttons and
// the context menus all end up here, and so do the files the window is
// handed. Other parts of the program register the handlers for the
// commands they own.
class CCommandTable
{
public:
    using Handler = std::function<void()>;
    // Files opened with the program (or handed over by a second start), and
    // files dropped on the window.
    enum class Files { Opened, Dropped };
    using FilesHandler = std::function<void(const QStringList &paths)>;

    // A later registration for the same number replaces the earlier one.
    void Register(int id, Handler handler);
    void Unregister(int id);
    bool Contains(int id) const;
    // Runs the handler of id; false when none is registered.
    bool Run(int id);

    void RegisterFiles(Files arrival, FilesHandler handler);
    // Hands paths to the handler of their arrival; false when none is registered.
    bool RunFiles(Files arrival, const QStringList &paths);

private:
    std::map<int, Handler> m_handlers;
    std::map<Files, FilesHandler> m_fileHandlers;
};
