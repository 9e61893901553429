#include "WindowRegistry.h"

#include <unordered_map>

namespace {
WindowHandle lastHandle = 0;

std::unordered_map<WindowHandle, WindowMessageReceiver*>& windows()
{
    static std::unordered_map<WindowHandle, WindowMessageReceiver*> table;
    return table;
}
}  // namespace

WindowHandle WindowRegistry::add(WindowMessageReceiver* window)
{
    const WindowHandle handle = ++lastHandle;
    windows()[handle] = window;
    return handle;
}

void WindowRegistry::remove(WindowHandle handle) { windows().erase(handle); }

WindowMessageReceiver* WindowRegistry::find(WindowHandle handle)
{
    const auto it = windows().find(handle);
    return it == windows().end() ? nullptr : it->second;
}
