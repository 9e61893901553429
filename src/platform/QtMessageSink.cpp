#include "QtMessageSink.h"

#include "WindowMessageReceiver.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

const QEvent::Type kWindowMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

struct WindowMessageEvent final : QEvent {
    WindowMessageEvent(WindowHandle w, unsigned m, std::uintptr_t wp, std::intptr_t lp)
        : QEvent(kWindowMessageEvent), window(w), message(m), wParam(wp), lParam(lp) {}
    WindowHandle window;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

}  // namespace

// Lives on the UI thread as a child of the application object and hands each message to its
// window there.
class MessageRouter final : public QObject {
public:
    MessageRouter(QtMessageSink& sink, QObject* parent) : QObject(parent), sink_(sink)
    {
        std::lock_guard lock(sink_.mutex_);
        sink_.router_ = this;
    }

    ~MessageRouter() override
    {
        std::lock_guard lock(sink_.mutex_);
        sink_.router_ = nullptr;
    }

    bool event(QEvent* e) override
    {
        if (e->type() != kWindowMessageEvent) return QObject::event(e);
        // Pairs with the lock in post(): Qt's queue already orders the hand-over, this makes it
        // visible to race detectors, which do not see into Qt.
        { std::lock_guard lock(sink_.mutex_); }
        const auto* m = static_cast<WindowMessageEvent*>(e);
        if (WindowMessageReceiver* window = WindowRegistry::find(m->window))
            window->onWindowMessage(m->message, m->wParam, m->lParam);
        return true;
    }

private:
    QtMessageSink& sink_;
};

void QtMessageSink::install()
{
    // Never freed on purpose: worker threads may still hold it while the process ends.
    static QtMessageSink* const sink = new QtMessageSink;
    {
        std::lock_guard lock(sink->mutex_);
        if (sink->router_ != nullptr) return;
    }
    if (QCoreApplication::instance() == nullptr) return;
    new MessageRouter(*sink, QCoreApplication::instance());
    setMessageSink(sink);
}

void QtMessageSink::post(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    // Holding the lock keeps the router alive until the event is queued.
    std::lock_guard lock(mutex_);
    if (router_ == nullptr) return;
    QCoreApplication::postEvent(router_, new WindowMessageEvent(window, message, wParam, lParam));
}
