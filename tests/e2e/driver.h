// Driving a real quorvel.exe from outside, the way a user would: start it, find
// its windows, click and type with real input, read what is on the screen, and
// wait for it to end. Links nothing of the program; runs under Wine on the same
// virtual desktop as the program.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

// How long to wait for something the program should do. Wine's timing varies
// a lot, so this is generous; a passing test never waits for it.
constexpr DWORD kPatience = 15000;

// Polls `condition` until it holds or `timeout_ms` have passed; true if it held.
template <typename Condition>
bool wait_until(Condition condition, DWORD timeout_ms = kPatience) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}

// A started program. Whatever a test leaves running is terminated when this
// goes out of scope, so a failed test cannot disturb the next one.
class Process {
 public:
  // Starts `exe` (a Windows or Unix path) in `folder`, or in the driver's own
  // current directory when `folder` is empty. Check started() afterwards.
  explicit Process(const std::string& exe, const std::string& folder = {});
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  DWORD id() const { return info_.dwProcessId; }
  HANDLE handle() const { return info_.hProcess; }
  bool running() const;
  // Waits for the process to end; its exit code, or STILL_ACTIVE if it did not.
  DWORD wait_exit(DWORD timeout_ms = kPatience) const;

 private:
  PROCESS_INFORMATION info_{};
};

// The current directory of a running process, without a final backslash.
std::string current_directory_of(const Process& process);

// The full Windows path of `path`, which may be a Unix path on Wine's Z: drive.
std::string windows_path(const std::string& path);
// The folder of a full path, without the final backslash.
std::string folder_of(const std::string& path);
// The folder of the running driver executable.
std::string own_folder();

// --- windows of a process ---------------------------------------------------

std::string class_of(HWND window);
std::string text_of(HWND window);          // GetWindowTextA
std::string control_text_of(HWND control); // WM_GETTEXT: what the control itself says it holds
std::string message_text_of(HWND box);     // the text of a message box
bool message_box_shows_icon(HWND box);     // whether its icon control holds an icon
RECT window_rect(HWND window);             // screen coordinates
RECT rect_in_parent(HWND control);         // client coordinates of its parent
LONG style_of(HWND window);
LONG ex_style_of(HWND window);

// Top-level windows of process `pid`, hidden ones included.
std::vector<HWND> top_windows_of(DWORD pid);
// The first top-level window of `pid` with this class and, unless `title` is
// null, this title; nullptr if there is none.
HWND find_top_window(DWORD pid, const char* cls, const char* title = nullptr);
// The same, waited for until it is visible.
HWND wait_top_window(DWORD pid, const char* cls, const char* title = nullptr);
// A visible message box of `pid`, waited for.
HWND wait_message_box(DWORD pid);
// Waits until `window` no longer exists.
bool wait_gone(HWND window);
// The direct children of `parent`, in z-order.
std::vector<HWND> children_of(HWND parent);
// The first child of `parent` with this class (compared without case) and, unless
// `text` is null, this text.
HWND find_child(HWND parent, const char* cls, const char* text = nullptr);

// The program's two top-level windows, of its own class: the checker window
// titled "Quorvel" and the offer window with an empty title.
inline constexpr char kWindowClass[] = "WTWindow";
inline constexpr char kCheckerTitle[] = "Quorvel";
HWND wait_checker_window(const Process& process);
HWND wait_offer_window(const Process& process);

// The checker window with its check button and edit box; all nullptr unless
// all three are there.
struct CheckerWindow {
  HWND window = nullptr;
  HWND button = nullptr;
  HWND edit = nullptr;
};
CheckerWindow wait_checker(const Process& process);

// Focus and caret of the thread that owns `window`.
GUITHREADINFO gui_thread_info(HWND window);
HWND focus_of(HWND window);

// "left,top widthxheight": a place compared as one value.
std::string place_text(const RECT& r);

// --- input ------------------------------------------------------------------

// The first input on a fresh desktop can be lost: spend a harmless move on it.
void prime_input();
// A left click at a screen point: move, press, release, each with its position.
void click(POINT at);
// A left click in the middle of a window.
void click_centre(HWND window);
// What a window says is at a screen point (WM_NCHITTEST): HTCAPTION, HTCLOSE, ...
LRESULT hit_test(HWND window, POINT at);
// Presses the left button at `from`, moves to `to` in a few steps and releases.
void drag(POINT from, POINT to);
// Clicks the close box of a top-level window, found from the frame and caption
// metrics; false, without a click, if the window says the point is not its
// close box.
bool click_close_box(HWND window);
// Presses and releases `key` while `modifiers` (virtual keys) are held.
void press(WORD key, std::initializer_list<WORD> modifiers = {});
// Types ASCII text key by key.
void type_text(const char* text);

// --- screen -----------------------------------------------------------------

COLORREF screen_pixel(int x, int y);
// The size of one line of `text` in the default GUI font, which all the
// program's windows use.
SIZE text_extent(const char* text);

}  // namespace e2e
