#include "driver.h"

#include <winternl.h>

#include <cstdio>

namespace e2e {

// --- processes --------------------------------------------------------------

Process::Process(const std::string& exe, const std::string& folder) {
  const std::string path = windows_path(exe);
  std::string command = "\"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info_)) {
    info_ = {};
  }
}

Process::~Process() {
  if (!started()) return;
  if (running()) {
    TerminateProcess(info_.hProcess, 0xDEAD);
    WaitForSingleObject(info_.hProcess, kPatience);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Process::running() const {
  return started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD Process::wait_exit(DWORD timeout_ms) const {
  if (!started() || WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0) {
    return STILL_ACTIVE;
  }
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

namespace {

// The head of a process's parameter block up to its current directory, which
// winternl.h leaves out; the same on 32 and 64 bits with pointer-sized handles.
struct ProcessParametersHead {
  ULONG maximum_length, length, flags, debug_flags;
  HANDLE console;
  ULONG console_flags;
  HANDLE std_input, std_output, std_error;
  UNICODE_STRING current_directory;
};

template <typename T>
bool read_memory(HANDLE process, const void* at, T* into, size_t size = sizeof(T)) {
  return ReadProcessMemory(process, at, into, size, nullptr) != FALSE;
}

std::string narrow(const std::wstring& text) {
  std::string out(text.size() * 2, '\0');
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                    out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return out;
}

}  // namespace

std::string current_directory_of(const Process& process) {
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process.handle(), ProcessBasicInformation, &basic, sizeof basic,
                                nullptr) != 0) {
    return {};
  }
  PEB peb{};
  ProcessParametersHead head{};
  if (!read_memory(process.handle(), basic.PebBaseAddress, &peb) ||
      !read_memory(process.handle(), peb.ProcessParameters, &head)) {
    return {};
  }
  std::wstring folder(head.current_directory.Length / sizeof(wchar_t), L'\0');
  if (!read_memory(process.handle(), head.current_directory.Buffer, folder.data(),
                   folder.size() * sizeof(wchar_t))) {
    return {};
  }
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return narrow(folder);
}

std::string windows_path(const std::string& path) {
  char full[MAX_PATH];
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return n > 0 && n < sizeof full ? std::string(full, n) : path;
}

std::string folder_of(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string own_folder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return folder_of(std::string(path, n < sizeof path ? n : 0));
}

// --- windows ----------------------------------------------------------------

std::string class_of(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string text_of(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string control_text_of(HWND control) {
  char text[512] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, kPatience, &ignored);
  return text;
}

std::string message_text_of(HWND box) {
  constexpr int kMessageTextId = 0xFFFF;
  char text[512] = {};
  GetDlgItemTextA(box, kMessageTextId, text, sizeof text);
  return text;
}

// Wine's message box always has an icon control (a static of style SS_ICON),
// also when no icon was asked for: only what it holds tells.
bool message_box_shows_icon(HWND box) {
  for (HWND child : children_of(box)) {
    if (lstrcmpiA(class_of(child).c_str(), "Static") != 0) continue;
    if ((style_of(child) & SS_TYPEMASK) != SS_ICON) continue;
    DWORD_PTR icon = 0;
    SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kPatience, &icon);
    if (icon) return true;
  }
  return false;
}

RECT window_rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT rect_in_parent(HWND control) {
  RECT r = window_rect(control);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LONG style_of(HWND window) { return GetWindowLongA(window, GWL_STYLE); }
LONG ex_style_of(HWND window) { return GetWindowLongA(window, GWL_EXSTYLE); }

namespace {

struct Search {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_if_owned(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->pid) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK collect_child(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> top_windows_of(DWORD pid) {
  Search search{pid, {}};
  EnumWindows(collect_if_owned, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND find_top_window(DWORD pid, const char* cls, const char* title) {
  for (HWND window : top_windows_of(pid)) {
    if (class_of(window) == cls && (!title || text_of(window) == title)) return window;
  }
  return nullptr;
}

HWND wait_top_window(DWORD pid, const char* cls, const char* title) {
  HWND found = nullptr;
  wait_until([&] {
    found = find_top_window(pid, cls, title);
    return found && IsWindowVisible(found);
  });
  return found && IsWindowVisible(found) ? found : nullptr;
}

HWND wait_message_box(DWORD pid) { return wait_top_window(pid, "#32770"); }

HWND wait_checker_window(const Process& process) {
  return wait_top_window(process.id(), kWindowClass, kCheckerTitle);
}

HWND wait_offer_window(const Process& process) {
  return wait_top_window(process.id(), kWindowClass, "");
}

CheckerWindow wait_checker(const Process& process) {
  CheckerWindow c;
  c.window = wait_checker_window(process);
  if (!c.window) return {};
  c.button = find_child(c.window, "Button");
  c.edit = find_child(c.window, "Edit");
  return c.button && c.edit ? c : CheckerWindow{};
}

bool wait_gone(HWND window) {
  return wait_until([&] { return !IsWindow(window); });
}

std::vector<HWND> children_of(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(parent, collect_child, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> direct;
  for (HWND child : all) {
    if (GetParent(child) == parent) direct.push_back(child);
  }
  return direct;
}

HWND find_child(HWND parent, const char* cls, const char* text) {
  for (HWND child : children_of(parent)) {
    if (lstrcmpiA(class_of(child).c_str(), cls) == 0 && (!text || text_of(child) == text)) {
      return child;
    }
  }
  return nullptr;
}

GUITHREADINFO gui_thread_info(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

HWND focus_of(HWND window) { return gui_thread_info(window).hwndFocus; }

std::string place_text(const RECT& r) {
  char text[64];
  std::snprintf(text, sizeof text, "%ld,%ld %ldx%ld", r.left, r.top, r.right - r.left,
                r.bottom - r.top);
  return text;
}

// --- input ------------------------------------------------------------------

namespace {

// Absolute mouse coordinates run from 0 to 65535 across the screen; aim at the
// middle of the pixel so that rounding either way lands on it.
LONG absolute(int pixel, int screen_size) {
  return MulDiv(2 * pixel + 1, 65536, 2 * screen_size);
}

INPUT mouse_at(POINT at, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = absolute(at.x, GetSystemMetrics(SM_CXSCREEN));
  in.mi.dy = absolute(at.y, GetSystemMetrics(SM_CYSCREEN));
  in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return in;
}

INPUT key_event(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

void send(std::vector<INPUT> events) {
  SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

}  // namespace

void prime_input() {
  send({mouse_at({1, 1}, 0)});
  Sleep(300);
}

void click(POINT at) {
  send({mouse_at(at, 0), mouse_at(at, MOUSEEVENTF_LEFTDOWN), mouse_at(at, MOUSEEVENTF_LEFTUP)});
}

void click_centre(HWND window) {
  const RECT r = window_rect(window);
  click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

LRESULT hit_test(HWND window, POINT at) {
  DWORD_PTR hit = HTNOWHERE;
  SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y), SMTO_ABORTIFHUNG,
                      kPatience, &hit);
  return static_cast<LRESULT>(hit);
}

// Paced like a hand: sent in one go, the steps can reach Wine's window-move loop
// together with the release, which then ends the move short of the last steps.
void drag(POINT from, POINT to) {
  constexpr int kSteps = 8;
  constexpr DWORD kStepPause = 10;  // ms
  send({mouse_at(from, 0), mouse_at(from, MOUSEEVENTF_LEFTDOWN)});
  for (int i = 1; i <= kSteps; ++i) {
    Sleep(kStepPause);
    send({mouse_at({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps}, 0)});
  }
  Sleep(kStepPause);
  send({mouse_at(to, MOUSEEVENTF_LEFTUP)});
}

bool click_close_box(HWND window) {
  const RECT r = window_rect(window);
  const POINT middle{
      r.right - GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CXSIZE) / 2,
      r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  if (hit_test(window, middle) != HTCLOSE) return false;
  click(middle);
  return true;
}

void press(WORD key, std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> events;
  for (WORD m : modifiers) events.push_back(key_event(m, false));
  events.push_back(key_event(key, false));
  events.push_back(key_event(key, true));
  for (auto m = modifiers.end(); m != modifiers.begin();) events.push_back(key_event(*--m, true));
  send(events);
}

void type_text(const char* text) {
  for (const char* c = text; *c; ++c) {
    const SHORT scan = VkKeyScanA(*c);
    const WORD key = LOBYTE(scan);
    if (HIBYTE(scan) & 1) {
      press(key, {VK_SHIFT});
    } else {
      press(key);
    }
  }
}

// --- screen -----------------------------------------------------------------

namespace {

// The screen's device context, released when it goes out of scope.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() { ReleaseDC(nullptr, dc_); }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

COLORREF screen_pixel(int x, int y) { return GetPixel(ScreenDC().get(), x, y); }

SIZE text_extent(const char* text) {
  const ScreenDC screen;
  const HGDIOBJ previous = SelectObject(screen.get(), GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32A(screen.get(), text, lstrlenA(text), &size);
  SelectObject(screen.get(), previous);
  return size;
}

}  // namespace e2e
