// The keyboard step of the event loop: a window sees a key before its focused
// control does (Tab order, Esc, Enter).
#pragma once

#include <windows.h>

namespace quorvel {

// True when the key was handled by the window and must not reach the control.
bool handle_window_key(const MSG& msg);

// Moves the focus to the first control of the window's tab order.
void focus_first_control(HWND window);

}  // namespace quorvel
