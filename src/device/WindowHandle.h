#pragma once

#include <cstdint>

// A window as the device library and the worker threads see it: an opaque number handed out
// by the window layer. 0 is "no window". Numbers are never reused, so a message to a window
// that is gone can be recognised and dropped.
using WindowHandle = std::uint64_t;

// Window messages that travel between threads and the windows.
inline constexpr unsigned kMsgTrayIcon = 0x465;  // notification-area icon
inline constexpr unsigned kMsgKeyEvent = 0x466;  // key event from the key hook
inline constexpr unsigned kMsgProgress = 0x467;  // progress, wParam 0..150
inline constexpr unsigned kMsgFinished = 0x468;  // operation finished, wParam result code
inline constexpr unsigned kMsgDeviceChange = 0x219;  // a device was plugged in or out, wParam below

// wParam of kMsgDeviceChange.
inline constexpr unsigned kDeviceArrival = 0x8000;
inline constexpr unsigned kDeviceRemoveComplete = 0x8004;

// wParam of kMsgProgress when an operation is complete.
inline constexpr int kProgressComplete = 150;
