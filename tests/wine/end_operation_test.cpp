// The end operation called from inside a nested loop, in-process: the end
// routine runs once, before the window layer lets go of its windows; the modal
// window then goes with the hidden owner without enabling the window it
// disabled; and the code that opened the modal window never resumes.
//
// The process ends inside end_program, so the last check prints the closing
// line from the modal window's final message; ctest reads that line.
#include <windows.h>

#include <cstdio>

#include "app/window_layer.h"
#include "check.h"

namespace quorvel {
namespace {

const WindowLayout kMainLayout{.id = WindowId::Checker, .box = {0, 0, 300, 120}, .title = "main"};
const WindowLayout kModalLayout{.id = WindowId::Offer, .box = {0, 0, 200, 100}, .title = "modal"};

HWND main_window;
HWND modal_window;
int end_routine_calls = 0;

void end_routine() {
  ++end_routine_calls;
  CHECK_EQ(1, end_routine_calls);
  // The windows are still there: the routine runs before the layer releases them.
  CHECK(IsWindow(hidden_owner_window()));
  CHECK(IsWindow(modal_window));
}

// Sees the modal window's last message after the window layer has handled it.
HHOOK destroy_hook;
LRESULT CALLBACK watch_destroy(int code, WPARAM wparam, LPARAM lparam) {
  const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
  if (code == HC_ACTION && m->message == WM_NCDESTROY && m->hwnd == modal_window) {
    CHECK_EQ(1, end_routine_calls);
    CHECK(!IsWindowEnabled(main_window));  // nothing comes back when the program ends
    check::finish();
  }
  return CallNextHookEx(destroy_hook, code, wparam, lparam);
}

void CALLBACK end_from_nested_loop(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  modal_window = current_modal_window();
  CHECK(modal_window != nullptr);
  end_program(0);
}

}  // namespace
}  // namespace quorvel

int main() {
  using namespace quorvel;
  start_window_layer();
  register_end_routine(end_routine);
  CHECK(load_window(kMainLayout));
  main_window = loaded_window(WindowId::Checker);
  destroy_hook = SetWindowsHookExA(WH_CALLWNDPROCRET, watch_destroy, nullptr, GetCurrentThreadId());
  SetTimer(nullptr, 0, 50, end_from_nested_loop);
  load_window(kModalLayout, {.modal = true});
  std::printf("resumed after the end operation\n");
  return check::finish() + 1;
}
