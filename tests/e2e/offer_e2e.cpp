// The offer window reached from outside as a user reaches it: the check button,
// the verdict box that holds the checker window off, then the offer window in
// its place, owned by the hidden owner window, with the checker window disabled
// until Esc closes it.
//
//   offer_e2e QUORVEL_EXE
#include <windows.h>

#include <cstdio>
#include <string>

#include "check.h"
#include "driver.h"
#include "registry.h"

using namespace e2e;

namespace {

// GBK bytes of the texts seen here.
constexpr char kInfoCaption[] = "\xd0\xc5\xcf\xa2\xa3\xba";  // 信息：
constexpr char kIsNotCurrent[] =                             // 您的IE浏览器不是最新版本！
    "\xc4\xfa\xb5\xc4" "IE" "\xe4\xaf\xc0\xc0\xc6\xf7\xb2\xbb\xca\xc7\xd7\xee\xd0\xc2\xb0\xe6\xb1\xbe\xa3\xa1";
constexpr char kUpdateButton[] = "\xc1\xa2\xbf\xcc\xb8\xfc\xd0\xc2";   // 立刻更新
constexpr char kDeclineButton[] = "\xb2\xbb\xc1\xcb\xd0\xbb\xd0\xbb";  // 不了谢谢

const void* as_pointer(HWND window) { return window; }

void check_offer_window(HWND offer, HWND checker) {
  CHECK_EQ("394,339 236x90", place_text(window_rect(offer)));
  const HWND owner = GetWindow(offer, GW_OWNER);
  CHECK(owner != nullptr);
  CHECK(owner != checker);
  CHECK_EQ(WS_EX_TOOLWINDOW, ex_style_of(owner) & WS_EX_TOOLWINDOW);
  CHECK(!IsWindowVisible(owner));
  const HWND update = find_child(offer, "Button", kUpdateButton);
  CHECK(update != nullptr);
  CHECK(find_child(offer, "Button", kDeclineButton) != nullptr);
  CHECK(wait_until([&] { return focus_of(offer) == update; }));
  CHECK(wait_until([&] { return !IsWindowEnabled(checker); }));
}

// Clicks the check button: the verdict box holds the checker window off; Enter
// closes it, and the offer window follows.
HWND open_offer(const Process& quorvel, const CheckerWindow& c) {
  click_centre(c.button);
  const HWND box = wait_message_box(quorvel.id());
  if (!CHECK(box)) return nullptr;
  CHECK_EQ(kInfoCaption, text_of(box));
  CHECK_EQ(kIsNotCurrent, message_text_of(box));
  CHECK(!IsWindowEnabled(c.window));
  if (!CHECK(wait_until([&] { return GetForegroundWindow() == box; }))) return nullptr;
  press(VK_RETURN);
  if (!CHECK(wait_gone(box))) return nullptr;
  const HWND offer = wait_offer_window(quorvel);
  CHECK(offer);
  return offer;
}

// A click on the disabled checker window does nothing: after it, Tab in the
// offer window moves the focus there, which shows that the click was handled
// first, and still no second verdict box is up.
void check_checker_unresponsive(const Process& quorvel, const CheckerWindow& c, HWND offer) {
  click_centre(c.button);
  press(VK_TAB);
  const HWND decline = find_child(offer, "Button", kDeclineButton);
  CHECK(wait_until([&] { return focus_of(offer) == decline; }));
  CHECK_EQ(as_pointer(nullptr), find_top_window(quorvel.id(), "#32770"));
}

void check_offer_then_back(const std::string& exe) {
  const ScopedBrowserVersion version(VersionState::Text, kOriginalBrowserVersion);
  if (!CHECK(version.applied())) return;
  Process quorvel(exe);
  const CheckerWindow c = wait_checker(quorvel);
  if (!CHECK(c.window)) return;
  const HWND offer = open_offer(quorvel, c);
  if (!offer) return;
  check_offer_window(offer, c.window);
  CHECK_EQ(kOriginalBrowserVersion, control_text_of(c.edit));
  check_checker_unresponsive(quorvel, c, offer);

  press(VK_ESCAPE);
  if (!CHECK(wait_gone(offer))) return;
  CHECK(IsWindowEnabled(c.window));
  CHECK(quorvel.running());
  CHECK_EQ(kOriginalBrowserVersion, control_text_of(c.edit));
  CHECK(click_close_box(c.window));
  CHECK_EQ(0ul, quorvel.wait_exit());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: offer_e2e QUORVEL_EXE\n");
    return 2;
  }
  prime_input();
  check_offer_then_back(argv[1]);
  return check::finish();
}
