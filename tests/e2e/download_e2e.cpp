// The offer window from outside: "立刻更新" hands the installer address to the
// shell once per press, with or without a window titled "Microsoft Internet
// Explorer" open, and leaves the window open and modal; "不了谢谢" then ends the
// program quietly; closing the offer window in other ways gives the checker
// window back. Every way out ends with exit code 0.
//
//   download_e2e QUORVEL_EXE   (recorder.exe next to this program)
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "check.h"
#include "driver.h"
#include "registry.h"
#include "system/download_page.h"
#include "ui/texts.h"

using check::Site;
using namespace e2e;
namespace texts = quorvel::texts;

namespace {

constexpr char kBrowserTitle[] = "Microsoft Internet Explorer";

// The shell starts the recorder without waiting for it: an opening too many
// would show only a while after the expected ones.
constexpr DWORD kSettle = 1500;

// A window titled like a running Internet Explorer: a plain top-level window of
// the driver, on a thread of its own that keeps its messages flowing whatever
// the driver waits for. Shown in a corner, away from the program's windows,
// and without taking the activation from them.
class BrowserWindow {
 public:
  BrowserWindow() : ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = CreateThread(nullptr, 0, run, this, 0, &thread_id_);
    if (thread_) WaitForSingleObject(ready_, kPatience);
  }
  ~BrowserWindow() {
    if (thread_) {
      PostThreadMessageA(thread_id_, WM_QUIT, 0, 0);
      WaitForSingleObject(thread_, kPatience);
      CloseHandle(thread_);
    }
    CloseHandle(ready_);
  }
  BrowserWindow(const BrowserWindow&) = delete;
  BrowserWindow& operator=(const BrowserWindow&) = delete;

 private:
  static DWORD WINAPI run(void* param) {
    auto* self = static_cast<BrowserWindow*>(param);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the queue that WM_QUIT is posted to
    const HWND window = CreateWindowExA(0, "STATIC", kBrowserTitle, WS_OVERLAPPEDWINDOW, 0, 0,
                                        240, 120, nullptr, nullptr, nullptr, nullptr);
    if (window) ShowWindow(window, SW_SHOWNOACTIVATE);
    SetEvent(self->ready_);
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    if (window) DestroyWindow(window);
    return 0;
  }

  HANDLE ready_;
  HANDLE thread_ = nullptr;
  DWORD thread_id_ = 0;
};

// The program started with a version that is not current and its offer window
// opened as a user would: the check button, then OK on the verdict.
struct OfferSession {
  CheckerWindow checker;
  HWND offer = nullptr;
  HWND update = nullptr;
  HWND decline = nullptr;
};

OfferSession open_offer(Site at, const Process& quorvel) {
  OfferSession s;
  s.checker = wait_checker(quorvel);
  if (!CHECK_AT(at, s.checker.window)) return {};
  click_centre(s.checker.button);
  const HWND box = wait_message_box(quorvel.id());
  if (!CHECK_AT(at, box)) return {};
  CHECK_EQ_AT(at, texts::kIsNotCurrent, message_text_of(box));
  click_centre(GetDlgItem(box, IDOK));
  s.offer = wait_offer_window(quorvel);
  if (!CHECK_AT(at, s.offer)) return {};
  s.update = find_child(s.offer, "Button", texts::kUpdateButton);
  s.decline = find_child(s.offer, "Button", texts::kDeclineButton);
  if (!CHECK_AT(at, s.update && s.decline)) return {};
  return s;
}

// How many addresses the recorder holds once `expected` have come in (or the
// wait is over), and a settling while later.
size_t settled_count(const ScopedRecorderAsBrowser& recorder, size_t expected) {
  wait_until([&] { return recorder.lines().size() >= expected; });
  Sleep(kSettle);
  return recorder.lines().size();
}

// What was seen while the program ended.
struct Ending {
  DWORD exit_code = STILL_ACTIVE;
  bool message_box = false;
  bool checker_enabled = false;
};

Ending watch_ending(const Process& quorvel, HWND checker) {
  Ending seen;
  wait_until([&] {
    seen.message_box |= find_top_window(quorvel.id(), "#32770") != nullptr;
    seen.checker_enabled |= IsWindowEnabled(checker) != FALSE;
    return !quorvel.running();
  });
  seen.exit_code = quorvel.wait_exit(0);
  return seen;
}

struct DownloadRow {
  Site at;
  size_t presses;       // of "立刻更新"
  bool browser_window;  // a window titled "Microsoft Internet Explorer" is open
};

constexpr DownloadRow kDownloads[] = {
    {HERE, 1, false},
    {HERE, 2, false},
    {HERE, 2, true},
};

// Each press hands exactly the installer address to the shell once; the offer
// window stays open and modal. "不了谢谢" then ends the program with exit code
// 0 at once, with no message and without enabling the checker window again.
void check_download(const std::string& exe, const DownloadRow& row) {
  const ScopedBrowserVersion version(VersionState::Text, kOriginalBrowserVersion);
  const ScopedRecorderAsBrowser recorder;
  if (!CHECK_AT(row.at, version.applied() && recorder.applied())) return;
  std::optional<BrowserWindow> browser;
  if (row.browser_window) browser.emplace();
  CHECK_EQ_AT(row.at, row.browser_window,
              FindWindowExA(nullptr, nullptr, nullptr, kBrowserTitle) != nullptr);

  Process quorvel(exe);
  const OfferSession s = open_offer(row.at, quorvel);
  if (!s.offer) return;
  for (size_t n = 1; n <= row.presses; ++n) {
    click_centre(s.update);
    CHECK_EQ_AT(row.at, n, settled_count(recorder, n));
  }
  for (const std::string& address : recorder.lines()) {
    CHECK_EQ_AT(row.at, quorvel::kInstallerAddress, address);
  }
  CHECK_AT(row.at, IsWindowVisible(s.offer) && IsWindowEnabled(s.offer));
  CHECK_AT(row.at, !IsWindowEnabled(s.checker.window));

  click_centre(s.decline);
  const Ending ending = watch_ending(quorvel, s.checker.window);
  CHECK_EQ_AT(row.at, 0ul, ending.exit_code);
  CHECK_AT(row.at, !ending.message_box);
  CHECK_AT(row.at, !ending.checker_enabled);
  CHECK_EQ_AT(row.at, row.presses, recorder.lines().size());
}

bool close_by_close_box(HWND offer) { return click_close_box(offer); }
bool close_by_alt_f4(HWND) {
  press(VK_F4, {VK_MENU});
  return true;
}

// Ways to close the offer window other than "不了谢谢"; Esc is in offer_e2e.
struct OfferClosing {
  Site at;
  const char* name;
  bool (*close)(HWND offer);  // false if it could not be tried
};

constexpr OfferClosing kClosings[] = {
    {HERE, "close box", close_by_close_box},
    {HERE, "Alt+F4", close_by_alt_f4},
};

// Only the offer window goes: the checker window is enabled again, keeps the
// version text and the program runs on; closing the checker window then ends
// it with exit code 0.
void check_closing(const std::string& exe, const OfferClosing& way) {
  std::printf("closing the offer window: %s\n", way.name);
  const ScopedBrowserVersion version(VersionState::Text, kOriginalBrowserVersion);
  if (!CHECK_AT(way.at, version.applied())) return;
  Process quorvel(exe);
  const OfferSession s = open_offer(way.at, quorvel);
  if (!s.offer) return;
  if (!CHECK_AT(way.at, wait_until([&] { return GetForegroundWindow() == s.offer; }))) return;
  if (!CHECK_AT(way.at, way.close(s.offer))) return;
  if (!CHECK_AT(way.at, wait_gone(s.offer))) return;
  CHECK_AT(way.at, IsWindowEnabled(s.checker.window));
  CHECK_AT(way.at, IsWindowVisible(s.checker.window));
  CHECK_AT(way.at, quorvel.running());
  CHECK_EQ_AT(way.at, kOriginalBrowserVersion, control_text_of(s.checker.edit));
  CHECK_EQ_AT(way.at, static_cast<const void*>(nullptr), find_top_window(quorvel.id(), "#32770"));

  CHECK_AT(way.at, click_close_box(s.checker.window));
  CHECK_EQ_AT(way.at, 0ul, quorvel.wait_exit());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: download_e2e QUORVEL_EXE\n");
    return 2;
  }
  prime_input();
  for (const DownloadRow& row : kDownloads) check_download(argv[1], row);
  for (const OfferClosing& way : kClosings) check_closing(argv[1], way);
  return check::finish();
}
