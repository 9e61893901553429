#pragma once

#include "WindowHandle.h"

// The computer-wide key hook of the device library. While installed, every key press and
// release reaches the given window as message 0x466 (wParam bits 0-7 virtual-key code, bit 31
// release; lParam bit 24 extended key). The window layer provides the actual hook.
class KeyHookProvider {
public:
    virtual ~KeyHookProvider() = default;
    virtual bool install(WindowHandle window) = 0;
    virtual bool uninstall() = 0;
};

// Installs the process-wide provider (nullptr removes it).
void setKeyHookProvider(KeyHookProvider* provider);

bool InstallHook(WindowHandle window);
bool UninstallHook();
