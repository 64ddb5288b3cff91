// Decisions about where things go and what keys do, free of any window system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/layout.h"

namespace quorvel {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
};

// Top-left corner of a window of the given outer size centred on the full
// screen; both halves truncate toward zero, as integer division does.
Point centred_position(int32_t screen_width, int32_t screen_height, int32_t width,
                       int32_t height);

// Where a window is placed before it is first shown.
Point initial_position(const WindowLayout& layout, int32_t screen_width, int32_t screen_height);

// Indices of the controls that take part in Tab navigation, in the order Tab
// visits them: ascending tab order key, equal keys in reverse of listed order.
std::vector<size_t> tab_order(const ControlLayout* controls, size_t count);

// The control Tab (forward) or Shift+Tab (backward) moves to from `current`,
// wrapping at both ends. `current` may be outside the order (nothing focused).
// Returns SIZE_MAX when the order is empty.
size_t next_in_tab_order(const std::vector<size_t>& order, size_t current, bool forward);

enum class Key { Tab, Escape, Enter, Arrow, F1, Other };

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

enum class KeyAction {
  PassToControl,  // the focused control gets the key as usual
  FocusNext,
  FocusPrevious,
  Close,          // a close request, as from the close box
  ClickFocused,   // the focused default push button is clicked
  ClickDefault,   // the first enabled default push button is clicked
  Swallow,        // the window handles the key by doing nothing
};

struct FocusedControl {
  bool claims_enter = false;         // a multi-line, editable edit box
  bool is_default_button = false;    // an enabled default push button
};

// What a window does with a key press before its focused control sees it.
KeyAction decide_key(Key key, Modifiers mods, const WindowLayout& layout,
                     FocusedControl focused, bool has_default_button);

struct Span {
  int32_t top = 0;
  int32_t bottom = 0;
};

// The one text line a single-line edit box shows, centred in its client area.
Span centred_text_line(Span client, int32_t line_height);

// The least outer height at which a single-line edit box shows its text line.
int32_t minimum_edit_height(int32_t text_height, int32_t edge_height);

}  // namespace quorvel
