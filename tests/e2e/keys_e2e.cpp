// The checker window at the keyboard and the ways out of the program: where the
// focus starts, Tab and Shift+Tab, Enter that does nothing, typing, and closing
// with Esc, the close box and Alt+F4.
//
//   keys_e2e QUORVEL_EXE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "check.h"
#include "driver.h"

using check::Site;
using namespace e2e;

namespace {

// The checker window of a freshly started program; keys go to it once it is
// the active window, as a newly shown window should be.
CheckerWindow wait_ready(Site at, const Process& quorvel) {
  const CheckerWindow c = wait_checker(quorvel);
  if (!CHECK_AT(at, c.window)) return {};
  CHECK_AT(at, wait_until([&] { return GetForegroundWindow() == c.window; }));
  return c;
}

void check_initial_focus(const CheckerWindow& c) {
  CHECK(wait_until([&] { return focus_of(c.window) == c.edit; }));
  CHECK(wait_until([&] { return gui_thread_info(c.window).hwndCaret == c.edit; }));
  const GUITHREADINFO info = gui_thread_info(c.window);
  CHECK_EQ(static_cast<const void*>(c.edit), info.hwndCaret);
  // The one text line stands in the middle of the 32-pixel box.
  RECT caret = info.rcCaret;
  MapWindowPoints(c.edit, HWND_DESKTOP, reinterpret_cast<POINT*>(&caret), 2);
  const RECT box = window_rect(c.edit);
  if (!CHECK(std::abs((caret.top + caret.bottom) - (box.top + box.bottom)) <= 2)) {
    std::printf("  caret %s in the box at %s\n", place_text(caret).c_str(), place_text(box).c_str());
  }
}

enum class Target { Edit, Button };

struct KeyStep {
  Site at;
  WORD key;
  bool shift;
  Target focus_after;
};

// Enter is always followed by a key that moves the focus: once that move shows,
// the Enter before it has been handled too, so "nothing happened" is known.
constexpr KeyStep kTabWalk[] = {
    {HERE, VK_TAB, false, Target::Button},
    {HERE, VK_TAB, false, Target::Edit},
    {HERE, VK_TAB, true, Target::Button},
    {HERE, VK_TAB, true, Target::Edit},
    {HERE, VK_RETURN, false, Target::Edit},
    {HERE, VK_TAB, false, Target::Button},
    {HERE, VK_RETURN, false, Target::Button},
    {HERE, VK_TAB, true, Target::Edit},
};

void check_tab_walk(const Process& quorvel, const CheckerWindow& c) {
  for (const KeyStep& step : kTabWalk) {
    if (step.shift) {
      press(step.key, {VK_SHIFT});
    } else {
      press(step.key);
    }
    const HWND expected = step.focus_after == Target::Edit ? c.edit : c.button;
    if (!CHECK_AT(step.at, wait_until([&] { return focus_of(c.window) == expected; }))) return;
  }
  // Enter clicked nothing: no message box, no second window, still running.
  CHECK_EQ(static_cast<const void*>(nullptr), find_top_window(quorvel.id(), "#32770"));
  CHECK_EQ(static_cast<const void*>(nullptr), find_top_window(quorvel.id(), kWindowClass, ""));
  CHECK(quorvel.running());
  CHECK(IsWindowEnabled(c.window));
}

// Longer than the box is wide: the line scrolls instead of refusing keys.
constexpr char kTyped[] = "Typed 11.0 into the box, and on past its right edge: 0123456789";

void check_typing(const CheckerWindow& c) {
  type_text(kTyped);
  CHECK(wait_until([&] { return control_text_of(c.edit) == kTyped; }));
  CHECK_EQ(kTyped, control_text_of(c.edit));
}

void check_keyboard(const std::string& exe) {
  Process quorvel(exe);
  if (!CHECK(quorvel.started())) return;
  const CheckerWindow c = wait_ready(HERE, quorvel);
  if (!c.window) return;
  check_initial_focus(c);
  check_tab_walk(quorvel, c);
  check_typing(c);
}

void close_with_esc(HWND) { press(VK_ESCAPE); }
void close_with_alt_f4(HWND) { press(VK_F4, {VK_MENU}); }
void close_with_close_box(HWND window) { CHECK(click_close_box(window)); }

struct WayOut {
  Site at;
  const char* name;
  void (*close)(HWND checker);
};

constexpr WayOut kWaysOut[] = {
    {HERE, "Esc", close_with_esc},
    {HERE, "close box", close_with_close_box},
    {HERE, "Alt+F4", close_with_alt_f4},
};

void check_way_out(const std::string& exe, const WayOut& way) {
  std::printf("way out: %s\n", way.name);
  Process quorvel(exe);
  if (!CHECK_AT(way.at, quorvel.started())) return;
  const CheckerWindow c = wait_ready(way.at, quorvel);
  if (!c.window) return;
  way.close(c.window);
  CHECK_EQ_AT(way.at, 0ul, quorvel.wait_exit());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: keys_e2e QUORVEL_EXE\n");
    return 2;
  }
  prime_input();
  check_keyboard(argv[1]);
  for (const WayOut& way : kWaysOut) check_way_out(argv[1], way);
  return check::finish();
}
