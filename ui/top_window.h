// The object behind every top-level window made from a layout. The window owns
// it (GWLP_USERDATA) and deletes it when it is finally destroyed.
#pragma once

#include <windows.h>

#include <vector>

#include "app/scoped.h"
#include "ui/layout.h"

namespace quorvel {

struct TopWindow {
  const WindowLayout* layout = nullptr;
  std::vector<HWND> controls;               // by listed order; control id = index + 1
  std::vector<ScopedBrush> control_brushes; // background brushes, made on first use
  HWND saved_focus = nullptr;               // the focused control when activation was lost
  bool* attached = nullptr;                 // set true once the window has taken ownership
};

// The object of a window made by the factory, or nullptr for any other window.
TopWindow* top_window_of(HWND window);

// The window procedure of the program's top-level window class.
LRESULT CALLBACK top_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace quorvel
