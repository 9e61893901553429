#pragma once

#include "MessageSink.h"

#include <mutex>
#include <ostream>
#include <string>

// Shows the keyboard's progress messages (0x467, wParam 0..150) for the tool's own window as a
// bar on a terminal, redrawn in place. When the stream is not a terminal it writes nothing, so
// piped or logged output stays clean.
class TerminalProgressBar : public MessageSink {
public:
    static constexpr WindowHandle kWindow = 1;
    static constexpr int kWidth = 40;

    TerminalProgressBar(std::ostream& out, bool isTerminal) : out_(out), terminal_(isTerminal) {}

    void post(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

    // Ends a bar that stopped short of complete, so what follows starts on a line of its own.
    void finish();

private:
    static std::string render(int percent);

    std::mutex mutex_;
    std::ostream& out_;
    bool terminal_;
    std::string shown_;  // the bar on the current line; empty when no bar is open
};
