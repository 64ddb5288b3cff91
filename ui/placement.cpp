#include "ui/placement.h"

#include <algorithm>
#include <cstdint>

namespace quorvel {

Point centred_position(int32_t screen_width, int32_t screen_height, int32_t width,
                       int32_t height) {
  // Widen first: a hostile size must not overflow the subtraction.
  const int64_t x = (int64_t{screen_width} - width) / 2;
  const int64_t y = (int64_t{screen_height} - height) / 2;
  const auto clamp32 = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return {clamp32(x), clamp32(y)};
}

Point initial_position(const WindowLayout& layout, int32_t screen_width, int32_t screen_height) {
  if (layout.display == DisplayState::Centred) {
    return centred_position(screen_width, screen_height, layout.box.width, layout.box.height);
  }
  return {layout.box.left, layout.box.top};
}

std::vector<size_t> tab_order(const ControlLayout* controls, size_t count) {
  std::vector<size_t> order;
  for (size_t i = count; i-- > 0;) {
    const ControlLayout& c = controls[i];
    if (c.visible && c.enabled && c.tab_stop) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [controls](size_t a, size_t b) {
    return controls[a].tab_order_key < controls[b].tab_order_key;
  });
  return order;
}

size_t next_in_tab_order(const std::vector<size_t>& order, size_t current, bool forward) {
  if (order.empty()) return SIZE_MAX;
  const auto it = std::find(order.begin(), order.end(), current);
  if (it == order.end()) return forward ? order.front() : order.back();
  const size_t at = static_cast<size_t>(it - order.begin());
  const size_t n = order.size();
  return order[forward ? (at + 1) % n : (at + n - 1) % n];
}

namespace {
bool plain(Modifiers m) { return !m.shift && !m.ctrl && !m.alt; }
}  // namespace

KeyAction decide_key(Key key, Modifiers mods, const WindowLayout& layout,
                     FocusedControl focused, bool has_default_button) {
  if (key == Key::Enter && focused.claims_enter) return KeyAction::PassToControl;
  switch (key) {
    case Key::Tab:
      if (mods.ctrl || mods.alt) return KeyAction::PassToControl;
      return mods.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    case Key::Escape:
      if (plain(mods) && layout.esc_closes) return KeyAction::Close;
      return KeyAction::PassToControl;
    case Key::Enter:
      if (!plain(mods)) return KeyAction::PassToControl;
      if (focused.is_default_button) return KeyAction::ClickFocused;
      if (layout.enter_moves_focus) return KeyAction::FocusNext;
      if (has_default_button) return KeyAction::ClickDefault;
      // A lone Enter has no meaning here; swallowing it keeps an edit box from beeping.
      return KeyAction::Swallow;
    case Key::F1:
      // No help file is ever opened; the key is the control's as usual.
    case Key::Arrow:
      // Arrows move focus only among option buttons, and layouts have none.
    case Key::Other:
      break;
  }
  return KeyAction::PassToControl;
}

Span centred_text_line(Span client, int32_t line_height) {
  const int64_t height = int64_t{client.bottom} - client.top;
  const int32_t line = static_cast<int32_t>(std::clamp<int64_t>(line_height, 0, std::max<int64_t>(height, 0)));
  const int32_t top = static_cast<int32_t>(client.top + (height - line) / 2);
  return {top, top + line};
}

int32_t minimum_edit_height(int32_t text_height, int32_t edge_height) {
  return text_height + 2 * edge_height;
}

}  // namespace quorvel
