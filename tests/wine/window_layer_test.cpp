// The window layer's frame, in-process: start-up, load window, the modal life
// with its nested loop and disabled windows, the close path, and the quit rule.
// Windows are made from small test layouts; the steps run from thread timers
// inside the real event loops.
#include <windows.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "app/window_layer.h"
#include "check.h"

namespace quorvel {
namespace {

std::vector<std::string> events;
void note(const std::string& e) { events.push_back(e); }

bool allow_close() {
  note("close query");
  return true;
}

bool refuse_close() {
  note("close refused");
  return false;
}

const ControlLayout kOneButton[] = {
    {.kind = ControlKind::Button, .name = "b", .box = {10, 10, 80, 30}, .text = "B", .tab_stop = true},
};

const WindowLayout kMainLayout{.id = WindowId::Checker, .box = {0, 0, 300, 120}, .title = "main",
                               .controls = kOneButton, .control_count = 1};
const WindowLayout kModalLayout{.id = WindowId::Offer, .box = {0, 0, 200, 100}, .title = "modal",
                                .on_close_query = allow_close, .controls = kOneButton,
                                .control_count = 1};
const WindowLayout kStubbornLayout{.id = WindowId::Offer, .box = {0, 0, 200, 100},
                                   .title = "stubborn", .on_close_query = refuse_close};

HWND main_window() { return loaded_window(WindowId::Checker); }
HWND modal_window() { return loaded_window(WindowId::Offer); }

// Runs `step` once from the running loop after a short delay.
void after(UINT ms, TIMERPROC step) { SetTimer(nullptr, 0, ms, step); }
#define STEP(name) void CALLBACK name(HWND, UINT, UINT_PTR id, DWORD) { KillTimer(nullptr, id);
#define END_STEP }

// Records, for the modal window's destruction, whether the main window was
// already enabled again at that moment.
HHOOK destroy_hook;
LRESULT CALLBACK watch_destroy(int code, WPARAM wparam, LPARAM lparam) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && m->message == WM_DESTROY && m->hwnd == modal_window()) {
    note(std::string("modal destroyed, main enabled=") + (IsWindowEnabled(main_window()) ? "1" : "0"));
  }
  return CallNextHookEx(destroy_hook, code, wparam, lparam);
}

STEP(close_modal)
  CHECK(!IsWindowEnabled(main_window()));
  CHECK_EQ(modal_window(), current_modal_window());
  CHECK_EQ(hidden_owner_window(), GetWindow(modal_window(), GW_OWNER));
  PostMessageA(modal_window(), WM_CLOSE, 0, 0);
END_STEP

STEP(post_quit_in_nested_loop)
  PostQuitMessage(7);
END_STEP

STEP(try_to_close_stubborn)
  SendMessageA(modal_window(), WM_CLOSE, 0, 0);
  CHECK(IsWindow(modal_window()));
  CHECK(!IsWindowEnabled(main_window()));  // a refused close keeps the modal life
  DestroyWindow(modal_window());           // destroyed without a close request
END_STEP

STEP(open_modals)
  after(50, close_modal);
  note(std::string("modal returned ") + (load_window(kModalLayout, {.modal = true}) ? "1" : "0"));
  CHECK(IsWindowEnabled(main_window()));
  CHECK_EQ(nullptr, current_modal_window());

  // A window that was disabled before the modal window opened stays disabled.
  EnableWindow(main_window(), FALSE);
  after(50, close_modal);
  load_window(kModalLayout, {.modal = true});
  CHECK(!IsWindowEnabled(main_window()));
  EnableWindow(main_window(), TRUE);

  // A modal window destroyed without the close path leaves its loop too, and
  // still gives back what it disabled.
  after(50, try_to_close_stubborn);
  note(std::string("stubborn returned ") + (load_window(kStubbornLayout, {.modal = true}) ? "1" : "0"));
  CHECK(IsWindowEnabled(main_window()));

  // A quit message in the nested loop ends it, and then the outer loop.
  after(50, post_quit_in_nested_loop);
  note(std::string("quit modal returned ") + (load_window(kModalLayout, {.modal = true}) ? "1" : "0"));
  CHECK(IsWindow(modal_window()));  // the window itself is still there
  note("handler resumed");
END_STEP

void start_up_takes_the_program_folder() {
  SetCurrentDirectoryA("C:\\");
  start_window_layer();
  char exe[MAX_PATH], cwd[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  *strrchr(exe, '\\') = '\0';
  GetCurrentDirectoryA(MAX_PATH, cwd);
  CHECK_EQ(std::string(exe), cwd);

  const HWND owner = hidden_owner_window();
  CHECK(IsWindow(owner));
  CHECK(!IsWindowVisible(owner));
  CHECK((GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0);
}

void load_window_fails_without_a_layout() {
  CHECK(!load_window(static_cast<WindowId>(42)));
  CHECK(!load_window(static_cast<WindowId>(42), {.modal = true}));
  CHECK_EQ(nullptr, current_modal_window());
}

void modal_life_and_loops() {
  CHECK(load_window(kMainLayout));
  CHECK(IsWindowVisible(main_window()));
  CHECK_EQ(nullptr, GetWindow(main_window(), GW_OWNER));
  destroy_hook = SetWindowsHookExA(WH_CALLWNDPROC, watch_destroy, nullptr, GetCurrentThreadId());

  after(50, open_modals);
  const int quit_code = run_main_loop();
  CHECK_EQ(7, quit_code);

  const char* const expected[] = {
      "close query", "modal destroyed, main enabled=1", "modal returned 1",
      "close query", "modal destroyed, main enabled=0",
      "close refused", "modal destroyed, main enabled=0", "stubborn returned 1",
      "quit modal returned 1", "handler resumed",
  };
  CHECK_EQ(std::size(expected), events.size());
  for (size_t i = 0; i < std::size(expected) && i < events.size(); ++i) {
    CHECK_EQ_AT(HERE, expected[i], events[i]);
  }
  UnhookWindowsHookEx(destroy_hook);
}

bool quit_posted(WPARAM* code) {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  *code = msg.wParam;
  return true;
}

void quit_rule_after_the_last_window() {
  WPARAM code = 99;
  DestroyWindow(modal_window());
  CHECK(!quit_posted(&code));  // the main window is still there
  DestroyWindow(main_window());
  CHECK(quit_posted(&code));
  CHECK_EQ(0u, static_cast<unsigned>(code));
  CHECK_EQ(nullptr, main_window());
}

}  // namespace
}  // namespace quorvel

int main() {
  using namespace quorvel;
  start_up_takes_the_program_folder();
  load_window_fails_without_a_layout();
  modal_life_and_loops();
  quit_rule_after_the_last_window();
  return check::finish();
}
