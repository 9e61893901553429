#include "TerminalProgressBar.h"

#include <algorithm>

void TerminalProgressBar::post(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t)
{
    if (!terminal_ || window != kWindow || message != kMsgProgress) return;
    const auto clamped = std::min<std::uintptr_t>(wParam, kProgressComplete);
    const int percent = static_cast<int>(clamped * 100 / kProgressComplete);
    std::lock_guard lock(mutex_);
    std::string bar = render(percent);
    if (bar != shown_) {
        out_ << '\r' << bar;
        shown_ = std::move(bar);
    }
    if (percent == 100) {
        out_ << '\n';
        shown_.clear();
    }
    out_.flush();
}

void TerminalProgressBar::finish()
{
    std::lock_guard lock(mutex_);
    if (shown_.empty()) return;
    out_ << '\n';
    out_.flush();
    shown_.clear();
}

std::string TerminalProgressBar::render(int percent)
{
    const int filled = percent * kWidth / 100;
    // Built by appending: GCC 12 at -O3 warns falsely about chains of string concatenations.
    const std::string number = std::to_string(percent);
    std::string text = "[";
    text.append(static_cast<std::size_t>(filled), '#').append(static_cast<std::size_t>(kWidth - filled), '-').append("] ");
    text.append(3 - number.size(), ' ').append(number).append("%");
    return text;
}
