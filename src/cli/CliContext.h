#pragma once

#include "WindowHandle.h"

#include <ostream>
#include <string_view>

class CZelkHWI;

// What a command works with: the tool's output streams, the keyboard, and the window handle
// under which the keyboard's progress reaches the terminal's progress bar.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    CZelkHWI& device;
    WindowHandle progressWindow = 0;

    // Reports a failure the way every command does: one line on the error stream, status 1.
    int fail(std::string_view message) const
    {
        err << message << '\n';
        return 1;
    }
};
