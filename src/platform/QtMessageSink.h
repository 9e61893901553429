#pragma once

#include "MessageSink.h"

#include <mutex>

class QObject;

// Delivers postMessage() calls from any thread to the addressed window on the UI thread:
// each message becomes a Qt event posted to a router object, which looks the window up in
// WindowRegistry when the event is processed. A message whose window is gone by then is
// dropped.
//
// install() is called by every skinned window and by the application; it needs a
// QCoreApplication. The sink itself is never freed, so a worker thread that is still posting
// while the process ends can never call into freed memory; once the application object is
// gone, posts are dropped.
class QtMessageSink final : public MessageSink {
public:
    static void install();

    void post(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    QtMessageSink() = default;
    friend class MessageRouter;

    std::mutex mutex_;
    QObject* router_ = nullptr;  // guarded by mutex_; cleared when the router dies
};
