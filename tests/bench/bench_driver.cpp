// bench_driver: measures quorvel.exe against the floor program on Wine's
// virtual desktop and prints the medians side by side with their ratio and the
// targets. It asserts nothing about time: it fails only when a run cannot be
// completed (a window that never appears, a process that does not end).
//
//   bench_driver RUNS QUORVEL_X64 FLOOR_X64 QUORVEL_X86 FLOOR_X86
//
// A run starts the program, waits until its window is painted, clicks, waits
// for the message box, dismisses it (and the offer window after quorvel's
// verdict), reads the peak working set, asks the window to close and waits
// until the process has ended. The two programs take turns, so that a slow
// spell of the machine falls on both. The x86 builds cannot run here; only
// their sizes are read.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"

using namespace e2e;

namespace {

// One program under measurement and what the driver knows of its window.
struct Subject {
  const char* name;
  std::string exe;
  const char* window_class;
  const char* title;
  // Client points that show the painted window. quorvel's window clips its
  // children, so one point in each of its three controls: the window counts
  // as painted once every control has painted its part.
  std::vector<POINT> probes;
  POINT click_at;      // client point whose click brings up the message box
  bool offer_follows;  // quorvel's verdict on this prefix's version opens the offer window
};

// Where the probes of a subject's window land on the screen and the colours
// they show once it is painted, taken from one settled window of the program.
struct Calibration {
  COLORREF desktop;
  std::vector<POINT> points;
  std::vector<COLORREF> painted;
  POINT click;
};

struct Sample {
  double paint_ms;
  double verdict_ms;
  double exit_ms;
  double peak_kib;
};

double now_ms() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Like e2e::wait_until, but looks every millisecond: its step is the
// resolution of the figures.
template <typename Condition>
bool poll(Condition condition) {
  const double deadline = now_ms() + kPatience;
  while (!condition()) {
    if (now_ms() > deadline) return false;
    Sleep(1);
  }
  return true;
}

bool failed(const Subject& s, const char* what) {
  std::printf("%s: %s\n", s.name, what);
  return false;
}

// The pointer rests in the desktop's corner, so that no control of the next
// window is drawn as hovered.
void park_pointer() { SetCursorPos(1, 1); }

bool all_show(const Calibration& c, const std::vector<COLORREF>& colours) {
  for (size_t i = 0; i < c.points.size(); ++i) {
    if (screen_pixel(c.points[i].x, c.points[i].y) != colours[i]) return false;
  }
  return true;
}

bool shows_desktop(const Calibration& c) {
  return all_show(c, std::vector<COLORREF>(c.points.size(), c.desktop));
}

POINT on_screen(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

// Starts the program once, lets its window settle and notes what it shows.
// Also the warm-up: the first start reads the executable from disk.
bool calibrate(const Subject& s, Calibration* c) {
  c->desktop = screen_pixel(2, 2);
  Process p(s.exe);
  const HWND window = p.started() ? wait_top_window(p.id(), s.window_class, s.title) : nullptr;
  if (!window) return failed(s, "no window at the first start");
  Sleep(1000);
  for (POINT probe : s.probes) {
    c->points.push_back(on_screen(window, probe));
    c->painted.push_back(screen_pixel(c->points.back().x, c->points.back().y));
    if (c->painted.back() == c->desktop) return failed(s, "a probe shows the desktop's colour");
  }
  c->click = on_screen(window, s.click_at);
  PostMessageA(window, WM_CLOSE, 0, 0);
  return p.wait_exit() == 0 || failed(s, "did not end after the first start");
}

// Dismisses the message box and, after quorvel's verdict, the offer window;
// true once `window` is enabled again.
bool dismiss_box(const Subject& s, const Process& p, HWND box, HWND window) {
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  if (!wait_gone(box)) return failed(s, "the message box stayed");
  if (s.offer_follows) {
    const HWND offer = wait_offer_window(p);
    if (!offer) return failed(s, "no offer window after the verdict");
    PostMessageA(offer, WM_CLOSE, 0, 0);
    if (!wait_gone(offer)) return failed(s, "the offer window stayed");
  }
  return wait_until([&] { return IsWindowEnabled(window) != FALSE; }) ||
         failed(s, "the window stayed disabled");
}

bool run_once(const Subject& s, const Calibration& c, Sample* out) {
  if (!poll([&] { return shows_desktop(c); })) return failed(s, "the screen did not clear");

  const double start = now_ms();
  Process p(s.exe);
  if (!p.started()) return failed(s, "could not be started");
  if (!poll([&] { return all_show(c, c.painted); })) return failed(s, "the window was not painted");
  out->paint_ms = now_ms() - start;
  const HWND window = find_top_window(p.id(), s.window_class, s.title);
  if (!window || !IsWindowVisible(window)) return failed(s, "painted, but no visible window");

  HWND box = nullptr;
  const double clicked = now_ms();
  click(c.click);
  if (!poll([&] {
        box = find_top_window(p.id(), "#32770");
        return box && IsWindowVisible(box);
      })) {
    return failed(s, "no message box after the click");
  }
  out->verdict_ms = now_ms() - clicked;
  park_pointer();
  if (!dismiss_box(s, p, box, window)) return false;

  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(p.handle(), &memory, sizeof memory)) {
    return failed(s, "no memory counters");
  }
  out->peak_kib = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;

  const double closed = now_ms();
  PostMessageA(window, WM_CLOSE, 0, 0);
  const DWORD code = p.wait_exit();
  out->exit_ms = now_ms() - closed;
  return code == 0 || failed(s, "did not end with exit code 0 after the close request");
}

double median(const std::vector<Sample>& samples, double Sample::*field) {
  std::vector<double> values;
  for (const Sample& sample : samples) values.push_back(sample.*field);
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double file_kib(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(windows_path(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  return static_cast<double>((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) /
         1024.0;
}

// One line of the table: both figures and their ratio, then the target, if
// the line has one, and whether it was met.
void print_row(const char* what, const char* unit, double quorvel, double floor,
               const char* target = nullptr, bool met = true) {
  std::printf("%-22s %9.1f %-3s %9.1f %-3s %6.2f", what, quorvel, unit, floor, unit,
              floor > 0 ? quorvel / floor : 0);
  if (target) std::printf("   %-22s %s", target, met ? "met" : "MISSED");
  std::printf("\n");
}

void print_ratio_row(const char* what, const char* unit, double quorvel, double floor) {
  constexpr double kMaxRatio = 1.10;  // against the floor, times and working set alike
  print_row(what, unit, quorvel, floor, "ratio <= 1.10", quorvel <= kMaxRatio * floor);
}

void print_table(const std::vector<Sample>& q, const std::vector<Sample>& f, char** exes) {
  constexpr double kMaxX64Kib = 64;
  std::printf("\nMedians of %zu runs each, Wine virtual desktop 1024x768\n\n", q.size());
  std::printf("%-22s %13s %13s %6s   %s\n", "", "quorvel.exe", "floor", "ratio", "target");
  print_ratio_row("start to first paint", "ms", median(q, &Sample::paint_ms), median(f, &Sample::paint_ms));
  print_ratio_row("check to verdict", "ms", median(q, &Sample::verdict_ms), median(f, &Sample::verdict_ms));
  print_ratio_row("close to exit", "ms", median(q, &Sample::exit_ms), median(f, &Sample::exit_ms));
  print_ratio_row("peak working set", "KiB", median(q, &Sample::peak_kib), median(f, &Sample::peak_kib));
  const double x64 = file_kib(exes[0]);
  print_row("executable x64", "KiB", x64, file_kib(exes[1]), "quorvel.exe <= 64 KiB", x64 <= kMaxX64Kib);
  print_row("executable x86", "KiB", file_kib(exes[2]), file_kib(exes[3]));
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc == 6 ? std::atoi(argv[1]) : 0;
  if (runs < 1) {
    std::printf("usage: bench_driver RUNS QUORVEL_X64 FLOOR_X64 QUORVEL_X86 FLOOR_X86\n");
    return 2;
  }
  // Client points: quorvel's label (clear of its text), check button (inside
  // its frame, left of its text) and edit box (right of the caret); the
  // floor's empty client area.
  const Subject quorvel{"quorvel.exe", argv[2], kWindowClass, kCheckerTitle,
                        {{106, 18}, {9, 30}, {370, 30}}, {49, 30}, true};
  const Subject floor{"floor", argv[3], "BenchFloor", "Floor", {{200, 30}}, {200, 30}, false};

  prime_input();
  park_pointer();
  Calibration q_cal, f_cal;
  if (!calibrate(quorvel, &q_cal) || !calibrate(floor, &f_cal)) return 1;

  std::vector<Sample> q(static_cast<size_t>(runs)), f(static_cast<size_t>(runs));
  for (int r = 0; r < runs; ++r) {
    if (!run_once(quorvel, q_cal, &q[r]) || !run_once(floor, f_cal, &f[r])) return 1;
    std::printf(".");
    std::fflush(stdout);
  }
  print_table(q, f, argv + 2);
  return 0;
}
