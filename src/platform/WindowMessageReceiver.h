#pragma once

#include <cstdint>

// A window that takes posted window messages (progress, completion, key events, tray icon).
// Messages arrive on the UI thread, in the order they were posted.
class WindowMessageReceiver {
public:
    virtual ~WindowMessageReceiver() = default;
    virtual void onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};
