#pragma once

#include "WindowHandle.h"

class WindowMessageReceiver;

// Hands out the WindowHandle numbers of the windows and finds the window behind a number.
// Numbers start at 1 and are never reused, so a number whose window is gone finds nothing.
// UI thread only: worker threads never look windows up, they post (see QtMessageSink).
class WindowRegistry {
public:
    static WindowHandle add(WindowMessageReceiver* window);
    static void remove(WindowHandle handle);
    // nullptr when the window is gone or the number was never handed out.
    static WindowMessageReceiver* find(WindowHandle handle);
};
