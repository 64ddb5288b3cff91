#include <windows.h>

#include "app/window_layer.h"
#include "ui/placement.h"
#include "ui/top_window.h"
#include "ui/window_keys.h"

namespace quorvel {
namespace {

Key key_of(WPARAM vk) {
  switch (vk) {
    case VK_TAB: return Key::Tab;
    case VK_ESCAPE: return Key::Escape;
    case VK_RETURN: return Key::Enter;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return Key::Arrow;
    case VK_F1: return Key::F1;
  }
  return Key::Other;
}

Modifiers modifiers_now() {
  const auto down = [](int vk) { return (GetKeyState(vk) & 0x8000) != 0; };
  return {down(VK_SHIFT), down(VK_CONTROL), down(VK_MENU)};
}

bool usable(HWND control) { return IsWindowVisible(control) && IsWindowEnabled(control); }

bool is_default_button(HWND control) {
  return control && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON &&
         IsWindowEnabled(control);
}

FocusedControl describe(HWND focus) {
  char cls[16] = {};
  GetClassNameA(focus, cls, sizeof cls);
  const LONG style = GetWindowLongA(focus, GWL_STYLE);
  const bool multiline_edit = lstrcmpiA(cls, "Edit") == 0 && (style & ES_MULTILINE) && !(style & ES_READONLY);
  return {multiline_edit, is_default_button(focus)};
}

HWND first_default_button(const TopWindow& w) {
  for (HWND control : w.controls) {
    if (is_default_button(control)) return control;
  }
  return nullptr;
}

size_t index_of(const TopWindow& w, HWND control) {
  for (size_t i = 0; i < w.controls.size(); ++i) {
    if (w.controls[i] == control) return i;
  }
  return SIZE_MAX;
}

// Steps through the tab order from `from`, passing over controls that are
// hidden or disabled now.
void move_focus(const TopWindow& w, HWND from, bool forward) {
  const std::vector<size_t> order = tab_order(w.layout->controls, w.layout->control_count);
  size_t at = index_of(w, from);
  for (size_t tries = 0; tries < order.size(); ++tries) {
    at = next_in_tab_order(order, at, forward);
    if (usable(w.controls[at])) {
      SetFocus(w.controls[at]);
      return;
    }
  }
}

}  // namespace

void focus_first_control(HWND window) {
  if (const TopWindow* w = top_window_of(window)) move_focus(*w, nullptr, true);
}

bool handle_window_key(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  const HWND window = GetAncestor(msg.hwnd, GA_ROOT);
  const TopWindow* w = top_window_of(window);
  if (!w) return false;

  const HWND focus = GetFocus();
  const KeyAction action = decide_key(key_of(msg.wParam), modifiers_now(), *w->layout,
                                      describe(focus), first_default_button(*w) != nullptr);
  switch (action) {
    case KeyAction::PassToControl: return false;
    case KeyAction::FocusNext: move_focus(*w, focus, true); break;
    case KeyAction::FocusPrevious: move_focus(*w, focus, false); break;
    case KeyAction::Close: SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case KeyAction::ClickFocused: SendMessageA(focus, BM_CLICK, 0, 0); break;
    case KeyAction::ClickDefault: SendMessageA(first_default_button(*w), BM_CLICK, 0, 0); break;
    case KeyAction::Swallow: break;
  }
  return true;
}

}  // namespace quorvel
