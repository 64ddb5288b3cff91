// Messages of a top-level window made from a layout: background, control
// colours, clicks, focus memory, close and destroy.
#include <windows.h>

#include <utility>


#include "app/window_layer.h"
#include "ui/top_window.h"
#include "ui/window_keys.h"

namespace quorvel {
namespace {

COLORREF resolve(Paint paint) {
  return paint.system_face ? GetSysColor(COLOR_BTNFACE) : paint.colour;
}

// Fills the client area with the layout's background; shared by erasing and
// printing, so a capture into a memory DC looks like the screen.
void paint_background(const TopWindow& w, HDC dc, const RECT& area) {
  ScopedBrush brush(CreateSolidBrush(resolve(w.layout->background)));
  FillRect(dc, &area, brush.get());
}

LRESULT on_erase_background(HWND window, const TopWindow& w, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  paint_background(w, dc, client);
  return 1;
}

int control_index(const TopWindow& w, HWND control) {
  for (size_t i = 0; i < w.controls.size(); ++i) {
    if (w.controls[i] == control) return static_cast<int>(i);
  }
  return -1;
}

void on_command(const TopWindow& w, HWND control, UINT code) {
  const int i = control_index(w, control);
  if (i < 0 || code != BN_CLICKED) return;
  if (const Handler click = w.layout->controls[i].on_click) click();
}

// Edit boxes take their text and background colours from their layouts.
LRESULT on_control_colour(HWND window, TopWindow& w, HDC dc, HWND control, UINT message) {
  const int i = control_index(w, control);
  if (i < 0 || w.layout->controls[i].kind != ControlKind::EditBox) {
    return DefWindowProcA(window, message, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  const EditSettings& edit = w.layout->controls[i].edit;
  ScopedBrush& brush = w.control_brushes[i];
  if (!brush) brush.reset(CreateSolidBrush(edit.background));
  SetTextColor(dc, edit.text_colour);
  SetBkColor(dc, edit.background);
  return reinterpret_cast<LRESULT>(brush.get());
}

bool is_own_control(HWND window, HWND control) {
  return control && GetAncestor(control, GA_ROOT) == window && control != window;
}

void on_activate(HWND window, TopWindow& w, WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (is_own_control(window, focus)) w.saved_focus = focus;
  }
}

// The window itself never keeps the focus: it goes back to the control that had
// it, or to the first control of the tab order.
void on_set_focus(HWND window, const TopWindow& w) {
  const HWND saved = w.saved_focus;
  if (is_own_control(window, saved) && IsWindowVisible(saved) && IsWindowEnabled(saved)) {
    SetFocus(saved);
  } else {
    focus_first_control(window);
  }
}

LRESULT on_hit_test(HWND window, const TopWindow& w, WPARAM wparam, LPARAM lparam) {
  const LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wparam, lparam);
  return hit == HTCLIENT && w.layout->drag_by_client_area ? HTCAPTION : hit;
}

void on_destroyed(HWND window, TopWindow* w) {
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  delete w;
  forget_window(window);
}

}  // namespace

TopWindow* top_window_of(HWND window) {
  if (!window || GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(top_window_proc)) {
    return nullptr;
  }
  return reinterpret_cast<TopWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK top_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<TopWindow*>(reinterpret_cast<const CREATESTRUCTA*>(lparam)->lpCreateParams);
    *std::exchange(created->attached, nullptr) = true;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* w = reinterpret_cast<TopWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!w) return DefWindowProcA(window, message, wparam, lparam);

  switch (message) {
    case WM_ERASEBKGND:
      return on_erase_background(window, *w, reinterpret_cast<HDC>(wparam));
    case WM_PRINTCLIENT:
      on_erase_background(window, *w, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_COMMAND:
      on_command(*w, reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return on_control_colour(window, *w, reinterpret_cast<HDC>(wparam),
                               reinterpret_cast<HWND>(lparam), message);
    case WM_ACTIVATE:
      on_activate(window, *w, wparam);
      break;
    case WM_SETFOCUS:
      on_set_focus(window, *w);
      return 0;
    case WM_NCACTIVATE:
      if (w->layout->keep_title_active) wparam = TRUE;
      break;
    case WM_NCHITTEST:
      return on_hit_test(window, *w, wparam, lparam);
    case WM_CLOSE:
      close_window(window);
      return 0;
    case WM_NCDESTROY:
      on_destroyed(window, w);
      return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace quorvel
