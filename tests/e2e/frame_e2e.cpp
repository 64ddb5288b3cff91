// The checker window as it stands on the screen right after start: its place
// and fixed but movable frame, the executable's icon, its controls, the
// label's pixels, and the program's folder as current directory.
//
//   frame_e2e QUORVEL_EXE
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <iterator>
#include <string>

#include "check.h"
#include "driver.h"

using check::Site;
using namespace e2e;

namespace {

// GBK bytes of the checker window's texts.
constexpr char kVersionLabel[] = "\xb0\xe6\xb1\xbe\xba\xc5\xa3\xba";             // 版本号：
constexpr char kCheckButton[] = "\xd2\xbb\xbc\xfc\xbc\xec\xb2\xe9\xb8\xfc\xd0\xc2";  // 一键检查更新

struct StyleBit {
  Site at;
  LONG bit;
  bool present;
};

void check_style_bits(LONG style, const StyleBit* rows, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    CHECK_EQ_AT(rows[i].at, rows[i].present, (style & rows[i].bit) == rows[i].bit);
  }
}

void check_frame(HWND checker) {
  CHECK_EQ("304,339 415x89", place_text(window_rect(checker)));
  CHECK_EQ(kCheckerTitle, text_of(checker));
  CHECK_EQ(kWindowClass, class_of(checker));
  constexpr StyleBit kFrame[] = {
      {HERE, WS_CAPTION, true},
      {HERE, WS_SYSMENU, true},
      {HERE, WS_DLGFRAME, true},
      {HERE, WS_CLIPCHILDREN, true},
      {HERE, WS_THICKFRAME, false},
      {HERE, WS_MINIMIZEBOX, false},
      {HERE, WS_MAXIMIZEBOX, false},
      {HERE, WS_CHILD, false},
  };
  check_style_bits(style_of(checker), kFrame, std::size(kFrame));
  CHECK_EQ(0L, ex_style_of(checker) & WS_EX_TOOLWINDOW);
  CHECK_EQ(static_cast<const void*>(nullptr), GetWindow(checker, GW_OWNER));
}

// Group icon directory of an icon resource, as stored in the executable.
#pragma pack(push, 2)
struct GroupIconHeader {
  WORD reserved, type, count;
};
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

class DataModule {
 public:
  explicit DataModule(const std::string& path)
      : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~DataModule() {
    if (module_) FreeLibrary(module_);
  }
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;
  HMODULE get() const { return module_; }

  const void* resource(const char* name, const char* type) const {
    const HRSRC found = FindResourceA(module_, name, type);
    const HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
    return loaded ? LockResource(loaded) : nullptr;
  }

 private:
  HMODULE module_;
};

void check_icon_resource(const std::string& exe) {
  const DataModule module(windows_path(exe));
  if (!CHECK(module.get())) return;
  const auto* group =
      static_cast<const GroupIconHeader*>(module.resource("DEFAULT_ICON", RT_GROUP_ICON));
  if (!CHECK(group)) return;
  if (!CHECK_EQ(1, group->count)) return;
  const auto& entry = *reinterpret_cast<const GroupIconEntry*>(group + 1);
  CHECK_EQ(32, entry.width);
  CHECK_EQ(32, entry.height);
  CHECK_EQ(32, entry.bits);
  const auto* image = static_cast<const BITMAPINFOHEADER*>(
      module.resource(MAKEINTRESOURCEA(entry.id), RT_ICON));
  if (!CHECK(image)) return;
  CHECK_EQ(32, image->biWidth);
  CHECK_EQ(32, image->biBitCount);
}

struct ControlRow {
  Site at;
  const char* cls;
  const char* text;
  const char* place;  // client coordinates of the checker window
};

constexpr ControlRow kControls[] = {
    {HERE, "WTLabel", kVersionLabel, "104,16 56x32"},
    {HERE, "Button", kCheckButton, "6,14 87x32"},
    {HERE, "Edit", "", "164,14 220x32"},
};

void check_controls(HWND checker) {
  CHECK_EQ(std::size(kControls), children_of(checker).size());
  for (const ControlRow& row : kControls) {
    const HWND control = find_child(checker, row.cls);
    if (!CHECK_AT(row.at, control)) continue;
    CHECK_EQ_AT(row.at, row.place, place_text(rect_in_parent(control)));
    CHECK_EQ_AT(row.at, row.text, control_text_of(control));
    CHECK_AT(row.at, IsWindowVisible(control) && IsWindowEnabled(control));
  }
}

void check_control_styles(HWND checker) {
  const HWND button = find_child(checker, "Button");
  const HWND edit = find_child(checker, "Edit");
  const HWND label = find_child(checker, "WTLabel");
  if (!CHECK(button && edit && label)) return;
  CHECK_EQ(BS_PUSHBUTTON, style_of(button) & BS_TYPEMASK);
  constexpr StyleBit kButton[] = {
      {HERE, BS_MULTILINE, true},
      {HERE, BS_CENTER, true},
      {HERE, BS_VCENTER, true},
      {HERE, WS_TABSTOP, true},
  };
  check_style_bits(style_of(button), kButton, std::size(kButton));
  constexpr StyleBit kEdit[] = {
      {HERE, ES_AUTOHSCROLL, true},
      {HERE, WS_TABSTOP, true},
      {HERE, ES_MULTILINE, false},
      {HERE, ES_READONLY, false},
      {HERE, ES_PASSWORD, false},
  };
  check_style_bits(style_of(edit), kEdit, std::size(kEdit));
  CHECK_EQ(WS_EX_CLIENTEDGE, ex_style_of(edit) & WS_EX_CLIENTEDGE);
  CHECK_EQ(0L, style_of(label) & WS_TABSTOP);
}

// What the label shows: the face colour with the text's ink somewhere in it.
struct LabelPixels {
  bool edges_face = true;  // its outermost rows and columns are all face colour
  int dark = 0;            // pixels of black ink
  RECT ink{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};  // inclusive, label coordinates
};

bool is_dark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 0x60; }

LabelPixels read_label(const RECT& at, COLORREF face) {
  LabelPixels seen;
  const LONG w = at.right - at.left;
  const LONG h = at.bottom - at.top;
  for (LONG y = 0; y < h; ++y) {
    for (LONG x = 0; x < w; ++x) {
      const COLORREF c = screen_pixel(at.left + x, at.top + y);
      if (c == face) continue;
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) seen.edges_face = false;
      if (is_dark(c)) ++seen.dark;
      seen.ink = {std::min(seen.ink.left, x), std::min(seen.ink.top, y),
                  std::max(seen.ink.right, x), std::max(seen.ink.bottom, y)};
    }
  }
  return seen;
}

// The text is centred as a line of its font: its advance box, not its ink,
// stands in the middle ("：" fills only the left of its cell). So the ink starts
// at the left of that box and lies within it, and its middle is the label's
// vertical middle; a couple of pixels either way for glyph bearings.
void check_label_pixels(HWND checker) {
  const HWND label = find_child(checker, "WTLabel");
  if (!CHECK(label)) return;
  const RECT at = window_rect(label);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  LabelPixels seen;
  CHECK(wait_until([&] {
    seen = read_label(at, face);
    return seen.edges_face && seen.dark > 20;
  }));
  CHECK(seen.edges_face);
  CHECK(seen.dark > 20);

  constexpr LONG kSlack = 2;
  const LONG w = at.right - at.left;
  const LONG h = at.bottom - at.top;
  const SIZE text = text_extent(kVersionLabel);
  const LONG text_left = (w - text.cx) / 2;
  const bool centred = std::abs(seen.ink.left - text_left) <= kSlack &&
                       seen.ink.right < text_left + text.cx + kSlack &&
                       std::abs(seen.ink.top + seen.ink.bottom - (h - 1)) <= 2 * kSlack;
  if (!CHECK(centred)) {
    std::printf("  ink from %ld,%ld to %ld,%ld in a %ldx%ld label; text %ldx%ld\n",
                seen.ink.left, seen.ink.top, seen.ink.right, seen.ink.bottom, w, h, text.cx,
                text.cy);
  }
}

// Points of the frame, from the window rectangle, and what the window must say
// is there: plain border all round (no sizing), the caption at the top.
struct FramePoint {
  Site at;
  POINT (*where)(const RECT& r);
  LRESULT expected;
};

LONG caption_middle(const RECT& r) {
  return r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
}

constexpr FramePoint kFramePoints[] = {
    {HERE, [](const RECT& r) { return POINT{r.left, (r.top + r.bottom) / 2}; }, HTBORDER},
    {HERE, [](const RECT& r) { return POINT{r.right - 1, (r.top + r.bottom) / 2}; }, HTBORDER},
    {HERE, [](const RECT& r) { return POINT{(r.left + r.right) / 2, r.bottom - 1}; }, HTBORDER},
    {HERE, [](const RECT& r) { return POINT{r.right - 1, r.bottom - 1}; }, HTBORDER},
    {HERE, [](const RECT& r) { return POINT{r.left, r.top}; }, HTBORDER},
    {HERE, [](const RECT& r) { return POINT{(r.left + r.right) / 2, caption_middle(r)}; }, HTCAPTION},
};

// Fixed, but movable: its caption drags it.
void check_fixed_frame(HWND checker) {
  const RECT r = window_rect(checker);
  for (const FramePoint& point : kFramePoints) {
    CHECK_EQ_AT(point.at, point.expected, hit_test(checker, point.where(r)));
  }
  const POINT grip{(r.left + r.right) / 2, caption_middle(r)};
  drag(grip, {grip.x + 60, grip.y + 40});
  CHECK(wait_until([&] { return window_rect(checker).left == r.left + 60; }));
  CHECK_EQ("364,379 415x89", place_text(window_rect(checker)));
}

void check_started_window(const std::string& exe) {
  Process quorvel(exe);
  if (!CHECK(quorvel.started())) return;
  const HWND checker = wait_checker_window(quorvel);
  if (!CHECK(checker)) return;
  check_frame(checker);
  check_controls(checker);
  check_control_styles(checker);
  check_label_pixels(checker);
  check_fixed_frame(checker);
}

// Windows paths compare without regard to case.
std::string upper(std::string text) {
  CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// Started from another folder, the program works in its own folder.
void check_current_directory(const std::string& exe) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  Process quorvel(exe, windows);
  if (!CHECK(quorvel.started())) return;
  if (!CHECK(wait_checker_window(quorvel))) return;
  CHECK_EQ(upper(folder_of(windows_path(exe))), upper(current_directory_of(quorvel)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: frame_e2e QUORVEL_EXE\n");
    return 2;
  }
  prime_input();
  // Every place below is on the virtual desktop of the test prefix.
  CHECK_EQ(1024, GetSystemMetrics(SM_CXSCREEN));
  CHECK_EQ(768, GetSystemMetrics(SM_CYSCREEN));
  check_icon_resource(argv[1]);
  check_started_window(argv[1]);
  check_current_directory(argv[1]);
  return check::finish();
}
