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
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "literal" + string at -O3.
    std::string text = "[";
    text.append(static_cast<std::size_t>(filled), '#');
    text.append(static_cast<std::size_t>(kWidth - filled), '-');
    text += "] ";
    const std::string number = std::to_string(percent);
    text.append(3 - std::min<std::size_t>(number.size(), 3), ' ');
    text += number;
    text += '%';
    return text;
}
