// The check button from outside, case by case: the verdict box with its
// caption, text, missing icon and skinned OK button; the checker window held
// off while the box is up; the offer window after it, or none; and the whole
// action once more after the offer window was closed.
//
//   check_e2e QUORVEL_EXE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "check.h"
#include "driver.h"
#include "registry.h"
#include "ui/texts.h"

using check::Site;
using namespace e2e;
namespace texts = quorvel::texts;

namespace {

// The skin's blue scheme on a focused push button: the border one pixel inside
// the button, and the 2-pixel ring inside that, a gradient from top to bottom.
constexpr COLORREF kButtonBorder = RGB(0, 60, 115);
constexpr COLORREF kFocusRingTop = RGB(206, 231, 255);
constexpr COLORREF kFocusRingBottom = RGB(105, 130, 238);
// A gradient's outermost rows come within a step of its end colours.
constexpr int kGradientSlack = 12;

std::string rgb_text(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "%d,%d,%d", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

bool close_to(COLORREF expected, COLORREF actual) {
  return std::abs(GetRValue(expected) - GetRValue(actual)) <= kGradientSlack &&
         std::abs(GetGValue(expected) - GetGValue(actual)) <= kGradientSlack &&
         std::abs(GetBValue(expected) - GetBValue(actual)) <= kGradientSlack;
}

// Visible top-level windows of `pid` with this class and, unless `title` is
// null, this title.
int visible_windows(DWORD pid, const char* cls, const char* title = nullptr) {
  int count = 0;
  for (HWND window : top_windows_of(pid)) {
    if (IsWindowVisible(window) && class_of(window) == cls && (!title || text_of(window) == title)) {
      ++count;
    }
  }
  return count;
}

int message_boxes(DWORD pid) { return visible_windows(pid, "#32770"); }
int offer_windows(DWORD pid) { return visible_windows(pid, kWindowClass, ""); }

// The first pixel of the button's skin border that is not the border colour,
// or the border colour when none is off. The border runs one pixel inside the
// button's rectangle; its four corner pixels are trimmed.
COLORREF off_border_pixel(const RECT& r) {
  for (LONG x = r.left + 2; x < r.right - 2; ++x) {
    for (LONG y : {r.top + 1, r.bottom - 2}) {
      const COLORREF c = screen_pixel(x, y);
      if (c != kButtonBorder) return c;
    }
  }
  for (LONG y = r.top + 2; y < r.bottom - 2; ++y) {
    for (LONG x : {r.left + 1, r.right - 2}) {
      const COLORREF c = screen_pixel(x, y);
      if (c != kButtonBorder) return c;
    }
  }
  return kButtonBorder;
}

// The OK button wears the skin, in its focused look. The mouse never goes near
// it in these tests (the boxes are closed with Enter), since hovering takes
// precedence over focus in the ring's colour.
void check_skinned_ok(Site at, HWND box) {
  const HWND ok = GetDlgItem(box, IDOK);
  if (!CHECK_AT(at, ok)) return;
  const RECT r = window_rect(ok);
  CHECK_AT(at, wait_until([&] { return focus_of(box) == ok; }));
  CHECK_AT(at, wait_until([&] { return off_border_pixel(r) == kButtonBorder; }));
  CHECK_EQ_AT(at, rgb_text(kButtonBorder), rgb_text(off_border_pixel(r)));

  const LONG middle = (r.left + r.right) / 2;
  const COLORREF top = screen_pixel(middle, r.top + 2);
  const COLORREF bottom = screen_pixel(middle, r.bottom - 3);
  if (!CHECK_AT(at, close_to(kFocusRingTop, top) && close_to(kFocusRingBottom, bottom))) {
    std::printf("  ring from %s to %s, expected about %s to %s\n", rgb_text(top).c_str(),
                rgb_text(bottom).c_str(), rgb_text(kFocusRingTop).c_str(),
                rgb_text(kFocusRingBottom).c_str());
  }
}

struct CheckRow {
  Site at;
  VersionState state;
  const char* version;  // in the registry
  const char* typed;    // into the edit box before the press
  const char* shown;    // in the edit box after the press
  const char* verdict;
  bool offer;           // the offer window follows the verdict
};

// Typed text that would give the other verdict is replaced before the comparison.
constexpr CheckRow kChecks[] = {
    {HERE, VersionState::Text, "11", "12.5", "11", texts::kIsCurrent, false},
    {HERE, VersionState::Text, "11.0.9600.16384", "11", "11.0.9600.16384", texts::kIsNotCurrent,
     true},
    {HERE, VersionState::NoKey, "", "11", "", texts::kIsNotCurrent, true},
};

// Presses the check button and checks the verdict box it brings up, and that a
// further click on the check button meanwhile reaches nothing. Returns the box.
HWND press_check(const CheckRow& row, const Process& quorvel, const CheckerWindow& c) {
  click_centre(c.button);
  const HWND box = wait_message_box(quorvel.id());
  if (!CHECK_AT(row.at, box)) return nullptr;
  CHECK_EQ_AT(row.at, texts::kMessageCaption, text_of(box));
  CHECK_EQ_AT(row.at, row.verdict, message_text_of(box));
  CHECK_AT(row.at, !message_box_shows_icon(box));
  CHECK_EQ_AT(row.at, row.shown, control_text_of(c.edit));
  CHECK_AT(row.at, wait_until([&] { return GetForegroundWindow() == box; }));
  check_skinned_ok(row.at, box);

  // Whether this click did anything shows once the box is gone: the click was
  // handled before the Enter on OK that follows, on the same thread.
  click_centre(c.button);
  CHECK_EQ_AT(row.at, 1, message_boxes(quorvel.id()));
  CHECK_AT(row.at, !IsWindowEnabled(c.window));
  CHECK_EQ_AT(row.at, row.shown, control_text_of(c.edit));
  return box;
}

// Enter presses OK, the box's focused button.
bool press_ok(Site at, HWND box) {
  press(VK_RETURN);
  return CHECK_AT(at, wait_gone(box));
}

// The verdict box, OK, and what follows: the offer window, or the checker
// window usable again. Returns the offer window, if one is expected.
HWND check_once(const CheckRow& row, const Process& quorvel, const CheckerWindow& c) {
  const HWND box = press_check(row, quorvel, c);
  if (!box || !press_ok(row.at, box)) return nullptr;
  if (!row.offer) {
    // The checker window is active again, with the keyboard where it was.
    CHECK_AT(row.at, wait_until([&] {
      return GetForegroundWindow() == c.window && focus_of(c.window) == c.button;
    }));
    CHECK_EQ_AT(row.at, 0, offer_windows(quorvel.id()));
    CHECK_EQ_AT(row.at, 0, message_boxes(quorvel.id()));
    CHECK_AT(row.at, IsWindowEnabled(c.window));
    return nullptr;
  }
  const HWND offer = wait_offer_window(quorvel);
  if (!CHECK_AT(row.at, offer)) return nullptr;
  CHECK_EQ_AT(row.at, 1, offer_windows(quorvel.id()));
  CHECK_EQ_AT(row.at, 0, message_boxes(quorvel.id()));
  CHECK_AT(row.at, wait_until([&] { return !IsWindowEnabled(c.window); }));
  return offer;
}

bool close_offer(Site at, const CheckerWindow& c, HWND offer) {
  if (!CHECK_AT(at, wait_until([&] { return GetForegroundWindow() == offer; }))) return false;
  press(VK_ESCAPE);
  return CHECK_AT(at, wait_gone(offer)) && CHECK_AT(at, IsWindowEnabled(c.window));
}

// Where an offer window follows, the action is done twice: a second press after
// it was closed brings the verdict and a fresh offer window again. The checker
// window is closed last, which ends the program with exit code 0.
void check_action(const std::string& exe, const CheckRow& row) {
  const ScopedBrowserVersion version(row.state, row.version);
  if (!CHECK_AT(row.at, version.applied())) return;
  Process quorvel(exe);
  const CheckerWindow c = wait_checker(quorvel);
  if (!CHECK_AT(row.at, c.window)) return;
  CHECK_AT(row.at, wait_until([&] { return focus_of(c.window) == c.edit; }));
  type_text(row.typed);
  CHECK_AT(row.at, wait_until([&] { return control_text_of(c.edit) == row.typed; }));

  for (int round = 1; round <= (row.offer ? 2 : 1); ++round) {
    const HWND offer = check_once(row, quorvel, c);
    if (offer && !close_offer(row.at, c, offer)) return;
  }
  CHECK_EQ_AT(row.at, row.shown, control_text_of(c.edit));
  CHECK_AT(row.at, click_close_box(c.window));
  CHECK_EQ_AT(row.at, 0ul, quorvel.wait_exit());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: check_e2e QUORVEL_EXE\n");
    return 2;
  }
  prime_input();
  for (const CheckRow& row : kChecks) check_action(argv[1], row);
  return check::finish();
}
