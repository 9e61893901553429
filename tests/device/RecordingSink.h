#pragma once

#include "MessageSink.h"

#include <cstdint>
#include <mutex>
#include <vector>

// Records every posted message while it is installed as the process-wide sink.
class RecordingSink : public MessageSink {
public:
    struct Message {
        WindowHandle window;
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };

    RecordingSink() { setMessageSink(this); }
    ~RecordingSink() override { setMessageSink(nullptr); }

    void post(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override
    {
        std::lock_guard lock(mutex_);
        messages_.push_back({window, message, wParam, lParam});
    }

    std::vector<Message> messages() const
    {
        std::lock_guard lock(mutex_);
        return messages_;
    }

    // The wParams of the progress messages to `window`, in order.
    std::vector<int> progressTo(WindowHandle window) const
    {
        std::vector<int> values;
        for (const Message& m : messages())
            if (m.window == window && m.message == kMsgProgress) values.push_back(static_cast<int>(m.wParam));
        return values;
    }

    void clear()
    {
        std::lock_guard lock(mutex_);
        messages_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<Message> messages_;
};
