#pragma once

#include "WindowHandle.h"

#include <cstdint>

// Where posted window messages go. The window program installs a sink that turns them into
// events of its windows; the command-line tool draws a progress bar; tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void post(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// Installs the process-wide sink (nullptr removes it). Thread-safe.
void setMessageSink(MessageSink* sink);

// Posts a message to a window through the installed sink. Callable from any thread.
// Returns false when the window is 0 or no sink is installed; the message is then dropped.
bool postMessage(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
