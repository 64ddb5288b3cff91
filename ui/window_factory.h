// Turning a window layout into a live top-level window with its controls.
#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace quorvel {

// Creates the window hidden, placed and sized as its layout says, with its
// icons, font and controls (visible ones shown). nullptr when it cannot be made.
HWND create_window(const WindowLayout& layout, HWND owner);

// The control `name` of a window made by create_window, or nullptr.
HWND control_of(HWND window, const char* name);

// The layout a window made by create_window was made from, or nullptr for any
// other window.
const WindowLayout* layout_of(HWND window);

// The icons the factory created; called once when the program ends.
void release_window_resources();

}  // namespace quorvel
