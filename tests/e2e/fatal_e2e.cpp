// Builds of the program whose frame fails at start, one without readable
// layouts and one whose checker window cannot be created: each shows an error
// box and nothing else, and ends with exit code 0xFFFFFFFF once it is closed.
//
//   fatal_e2e WITHOUT_LAYOUTS_EXE WITHOUT_CHECKER_EXE
#include <windows.h>

#include <cstdio>
#include <string>

#include "check.h"
#include "driver.h"

using check::Site;
using namespace e2e;

namespace {

constexpr char kErrorCaption[] = "\xb4\xed\xce\xf3";  // 错误

int visible_windows_besides(DWORD pid, HWND box) {
  int count = 0;
  for (HWND window : top_windows_of(pid)) {
    if (window != box && IsWindowVisible(window)) ++count;
  }
  return count;
}

void check_fatal_start(Site at, const char* exe) {
  std::printf("failing build: %s\n", exe);
  Process quorvel(exe);
  if (!CHECK_AT(at, quorvel.started())) return;
  const HWND box = wait_message_box(quorvel.id());
  if (!CHECK_AT(at, box)) return;
  CHECK_EQ_AT(at, kErrorCaption, text_of(box));
  CHECK_AT(at, !message_text_of(box).empty());
  CHECK_AT(at, message_box_shows_icon(box));
  CHECK_EQ_AT(at, 0, visible_windows_besides(quorvel.id(), box));
  CHECK_EQ_AT(at, static_cast<const void*>(nullptr), find_top_window(quorvel.id(), kWindowClass));

  const HWND ok = GetDlgItem(box, IDOK);
  if (!CHECK_AT(at, ok)) return;
  click_centre(ok);
  CHECK_EQ_AT(at, 0xFFFFFFFFul, quorvel.wait_exit());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::printf("usage: fatal_e2e WITHOUT_LAYOUTS_EXE WITHOUT_CHECKER_EXE\n");
    return 2;
  }
  prime_input();
  check_fatal_start(HERE, argv[1]);
  check_fatal_start(HERE, argv[2]);
  return check::finish();
}
