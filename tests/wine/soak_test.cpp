// Soak: 300 rounds of the whole check on the real checker window: the check
// button's click, the verdict box closed with OK, the offer window closed. The
// browser version is not current, so every round opens the offer window. After
// every round the program must hold what it held before: its skinned controls,
// its loaded windows, the thread's windows, the process's GDI objects and its
// kernel handles. The steps run from thread timers inside the program's own
// loops (the verdict box's and the offer window's nested one).
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "app/scoped.h"
#include "app/window_layer.h"
#include "check.h"
#include "ui/layouts.h"
#include "ui/skin.h"

namespace quorvel {
namespace {

using check::Site;

constexpr int kRounds = 300;
// SetTimer raises anything below USER_TIMER_MINIMUM (10 ms) to it: the shortest step.
constexpr UINT kStepMs = 1;
// A step whose window is not there yet looks again, this many times at most.
constexpr int kMaxAttempts = 500;

// ---- what the process holds --------------------------------------------------

// GetGuiResources counts nothing under Wine. Its gdi32 does accept a handle value
// whose high word is zero as naming the entry of the process's GDI handle table
// given by the low word, so asking GetObjectType about every 16-bit index finds
// every live GDI object of the process: brushes, fonts, bitmaps, DCs, regions,
// stock objects included. (Windows takes no such values; this runs under Wine.)
size_t gdi_object_count() {
  size_t count = 0;
  for (uintptr_t index = 1; index <= 0xFFFF; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  }
  return count;
}

// GetProcessHandleCount answers 0 under Wine. ntdll's table of the system's
// handles does list this process's handles, one entry each.
struct HandleEntry {
  ULONG owner_pid;
  BYTE object_type;
  BYTE flags;
  USHORT value;
  PVOID object;
  ACCESS_MASK access;
};
struct HandleTable {
  ULONG count;
  HandleEntry entries[ANYSIZE_ARRAY];
};
using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

long long handle_count() {
  // Through void (*)(), the type that stands for "any function" in a cast.
  static const auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  static std::vector<BYTE> buffer(1 << 16);
  LONG status = kInfoLengthMismatch;
  while (query && (status = query(kSystemHandleInformation, buffer.data(),
                                  static_cast<ULONG>(buffer.size()), nullptr)) == kInfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return -1;
  const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
  if (offsetof(HandleTable, entries) + table->count * sizeof(HandleEntry) > buffer.size()) return -1;
  long long count = 0;
  for (ULONG i = 0; i < table->count; ++i) {
    if (table->entries[i].owner_pid == GetCurrentProcessId()) ++count;
  }
  return count;
}

BOOL CALLBACK add_window(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

// The top-level windows of this thread, hidden ones included.
std::vector<HWND> thread_windows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), add_window, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND thread_message_box() {
  for (HWND window : thread_windows()) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770") return window;
  }
  return nullptr;
}

struct Holdings {
  long long skinned;
  long long loaded;
  long long windows;
  long long gdi_objects;
  long long handles;
};

Holdings holdings() {
  return {static_cast<long long>(skinned_control_count()),
          (loaded_window(WindowId::Checker) ? 1 : 0) + (loaded_window(WindowId::Offer) ? 1 : 0),
          static_cast<long long>(thread_windows().size()),
          static_cast<long long>(gdi_object_count()), handle_count()};
}

// ---- the browser version -----------------------------------------------------

constexpr char kBrowserKey[] = "SOFTWARE\\Microsoft\\Internet Explorer";
constexpr char kVersionValue[] = "Version";
constexpr char kNotCurrent[] = "11.0.9600.16384";

void close_key(HKEY key) { RegCloseKey(key); }
using ScopedKey = Scoped<HKEY, close_key>;

// "Version" holds a text that is not current for the test's life; the value
// found before comes back afterwards.
class NotCurrentVersion {
 public:
  NotCurrentVersion() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kBrowserKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    key_.reset(key);
    had_value_ = RegQueryValueExA(key, kVersionValue, nullptr, &type_, saved_, &size_) == ERROR_SUCCESS;
    applied_ = RegSetValueExA(key, kVersionValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(kNotCurrent),
                              sizeof kNotCurrent) == ERROR_SUCCESS;
  }
  ~NotCurrentVersion() {
    if (!applied_) return;
    if (had_value_) {
      RegSetValueExA(key_.get(), kVersionValue, 0, type_, saved_, size_);
    } else {
      RegDeleteValueA(key_.get(), kVersionValue);
    }
  }
  NotCurrentVersion(const NotCurrentVersion&) = delete;
  NotCurrentVersion& operator=(const NotCurrentVersion&) = delete;

  bool applied() const { return applied_; }

 private:
  ScopedKey key_;
  bool applied_ = false;
  bool had_value_ = false;
  DWORD type_ = REG_SZ;
  BYTE saved_[256] = {};
  DWORD size_ = sizeof saved_;
};

// ---- the rounds ----------------------------------------------------------------

int g_boxes_closed = 0;
int g_offers_closed = 0;
bool g_stuck = false;  // a step gave up waiting for its window
int g_attempts = 0;

void after(UINT ms, TIMERPROC step) { SetTimer(nullptr, 0, ms, step); }

// True when the step should wait for its window: it is armed again unless it
// has waited too long already.
bool wait_again(HWND window, TIMERPROC step) {
  if (window) {
    g_attempts = 0;
    return false;
  }
  if (++g_attempts < kMaxAttempts) {
    after(kStepMs, step);
  } else {
    g_stuck = true;
  }
  return true;
}

// Runs in the offer window's nested loop: a close request, as its close box makes.
void CALLBACK close_offer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const HWND offer = loaded_window(WindowId::Offer);
  if (wait_again(offer, close_offer)) return;
  ++g_offers_closed;
  SendMessageA(offer, WM_CLOSE, 0, 0);
}

// Runs in the verdict box's loop: the box's OK button, which then opens the
// offer window.
void CALLBACK close_verdict(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const HWND box = thread_message_box();
  if (wait_again(box, close_verdict)) return;
  ++g_boxes_closed;
  after(kStepMs, close_offer);
  SendMessageA(box, WM_COMMAND, IDOK, 0);
}

bool same(Site at, int round, const char* what, long long expected, long long actual) {
  return check::record(expected == actual, at,
                       std::string(what) + " after round " + std::to_string(round) + ": expected " +
                           std::to_string(expected) + ", got " + std::to_string(actual));
}

// The skinned controls, the loaded windows and the thread's windows are back to
// where they stood before the first round. GDI objects and handles are compared
// with the first round's end: that round also makes what the platform keeps for
// the process's life (the message box's resources, handles opened on first use).
bool round_held(int round, const Holdings& start, const Holdings& settled) {
  const Holdings now = holdings();
  // Every check is evaluated, so that one round reports everything it broke.
  const bool held[] = {
      same(HERE, round, "verdict boxes closed", round, g_boxes_closed),
      same(HERE, round, "offer windows closed", round, g_offers_closed),
      same(HERE, round, "skinned controls", start.skinned, now.skinned),
      same(HERE, round, "loaded windows", 1, now.loaded),
      same(HERE, round, "windows of the thread", start.windows, now.windows),
      same(HERE, round, "GDI objects", settled.gdi_objects, now.gdi_objects),
      same(HERE, round, "handles", settled.handles, now.handles),
      check::record(!g_stuck, HERE, "round " + std::to_string(round) + ": a step waited in vain for its window"),
  };
  return std::all_of(std::begin(held), std::end(held), [](bool ok) { return ok; });
}

void CALLBACK run_rounds(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const HWND checker = loaded_window(WindowId::Checker);
  const HWND check_button = find_control(WindowId::Checker, kButton1);
  const Holdings start = holdings();
  Holdings settled = start;
  for (int round = 1; round <= kRounds; ++round) {
    after(kStepMs, close_verdict);
    SendMessageA(check_button, BM_CLICK, 0, 0);  // returns once the offer window is gone
    if (round == 1) settled = holdings();
    if (!round_held(round, start, settled)) break;
  }
  std::printf("held through the rounds: %lld skinned controls, %lld thread windows, "
              "%lld GDI objects (%lld before the first), %lld handles (%lld before the first)\n",
              start.skinned, start.windows, settled.gdi_objects, start.gdi_objects, settled.handles,
              start.handles);
  SendMessageA(checker, WM_CLOSE, 0, 0);  // the last window: the outer loop ends
}

// The two counters that have no platform count under Wine see a new object.
void counters_see_new_objects() {
  const size_t gdi = gdi_object_count();
  {
    const ScopedBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    CHECK_EQ(gdi + 1, gdi_object_count());
  }
  CHECK_EQ(gdi, gdi_object_count());

  const long long handles = handle_count();
  CHECK(handles > 0);
  const HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  CHECK_EQ(handles + 1, handle_count());
  CloseHandle(event);
  CHECK_EQ(handles, handle_count());
}

}  // namespace
}  // namespace quorvel

int main() {
  using namespace quorvel;
  counters_see_new_objects();
  const NotCurrentVersion version;
  if (!CHECK(version.applied())) return check::finish();
  start_window_layer();
  if (!CHECK(load_window(WindowId::Checker))) return check::finish();
  CHECK(find_control(WindowId::Checker, kButton1) != nullptr);
  after(kStepMs, run_rounds);
  CHECK_EQ(0, run_main_loop());
  CHECK_EQ(kRounds, g_offers_closed);
  return check::finish();
}
