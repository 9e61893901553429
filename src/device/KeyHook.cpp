#include "KeyHook.h"

#include <atomic>

namespace {
std::atomic<KeyHookProvider*> installedProvider{nullptr};
}

void setKeyHookProvider(KeyHookProvider* provider) { installedProvider.store(provider); }

bool InstallHook(WindowHandle window)
{
    KeyHookProvider* provider = installedProvider.load();
    return provider != nullptr && provider->install(window);
}

bool UninstallHook()
{
    KeyHookProvider* provider = installedProvider.load();
    return provider != nullptr && provider->uninstall();
}
