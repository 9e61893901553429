#include "MessageSink.h"

#include <atomic>

namespace {
std::atomic<MessageSink*> installedSink{nullptr};
}

void setMessageSink(MessageSink* sink) { installedSink.store(sink); }

bool postMessage(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    MessageSink* sink = installedSink.load();
    if (window == 0 || sink == nullptr) return false;
    sink->post(window, message, wParam, lParam);
    return true;
}
