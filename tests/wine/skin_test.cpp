// The control skin on real controls: which windows it takes, the pixels it
// paints for each state (read from WM_PRINTCLIENT / WM_PRINT into a memory
// bitmap, and from the controls' own surfaces after the messages on which the
// platform repaints), the hook for later controls and message boxes, and that
// every entry is freed again.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "app/scoped.h"
#include "check.h"
#include "ui/layout.h"
#include "ui/skin.h"

namespace quorvel {
namespace {

using check::Site;

constexpr Colour kBorder = rgb(0, 60, 115);
constexpr Colour kEditLine = rgb(123, 158, 189);
constexpr Colour kDisabledFill = rgb(245, 244, 234);
constexpr Colour kParentBrush = rgb(200, 0, 200);  // what the host answers WM_CTLCOLORBTN with
constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kDimmedText = rgb(165, 162, 148);
// A gradient's last row stops one step short of its bottom colour.
constexpr int kGradientStep = 8;

constexpr int kWidth = 90;
constexpr int kHeight = 30;

Colour sys(int index) { return static_cast<Colour>(GetSysColor(index)); }

// The system face colour less 0x20 per channel, the border of a disabled control.
Colour dimmed_face() {
  const Colour face = sys(COLOR_BTNFACE);
  Colour out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int channel = static_cast<int>((face >> shift) & 0xFF) - 0x20;
    out |= static_cast<Colour>(std::max(channel, 0)) << shift;
  }
  return out;
}

std::string show(Colour c) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "(%u,%u,%u)", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}

bool close_to(Colour a, Colour b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

void expect_colour(Site at, const std::string& what, Colour expected, Colour actual, int tolerance = 0) {
  check::record(close_to(expected, actual, tolerance), at,
                what + ": expected " + show(expected) + ", got " + show(actual));
}

// ---- a host window and its controls ----

ScopedBrush g_parent_brush;

LRESULT CALLBACK host_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CTLCOLORBTN) return reinterpret_cast<LRESULT>(g_parent_brush.get());
  return DefWindowProcA(window, message, wparam, lparam);
}

void register_classes() {
  g_parent_brush.reset(CreateSolidBrush(kParentBrush));
  WNDCLASSA host{};
  host.lpfnWndProc = host_proc;
  host.hInstance = GetModuleHandleA(nullptr);
  host.hCursor = LoadCursor(nullptr, IDC_ARROW);
  host.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  host.lpszClassName = "SkinTestHost";
  RegisterClassA(&host);
  // Only the name matters to the skin; it stands in for the common control.
  host.lpszClassName = "SysIPAddress32";
  RegisterClassA(&host);
}

HWND g_host;
ScopedFont g_font;  // crisp, so that text pixels carry exactly the text colour
ScopedFont g_big_font;

ScopedFont crisp_font(int height) {
  return ScopedFont(CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                NONANTIALIASED_QUALITY, 0, "Tahoma"));
}

HWND make(const char* cls, const char* text, DWORD style, DWORD ex_style = 0, int x = 10, int y = 10,
          int w = kWidth, int h = kHeight, HWND parent = nullptr) {
  const HWND window = CreateWindowExA(ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                      parent ? parent : g_host, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(g_font.get()), TRUE);
  return window;
}

HWND make_button(const char* text = "OK", DWORD style = BS_PUSHBUTTON | WS_TABSTOP) {
  return make("Button", text, style);
}

void pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

// ---- reading pixels ----

// What a control paints for WM_PRINTCLIENT (client) or WM_PRINT (whole window),
// captured in a 32-bit bitmap first filled with a colour nothing paints.
class Picture {
 public:
  static Picture client(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return Picture(window, r.right, r.bottom, WM_PRINTCLIENT, PRF_CLIENT | PRF_ERASEBKGND);
  }
  static Picture whole(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return Picture(window, r.right - r.left, r.bottom - r.top, WM_PRINT,
                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  }

  int width() const { return width_; }
  int height() const { return height_; }
  Colour at(int x, int y) const {
    const uint32_t bgra = pixels_[static_cast<size_t>(y) * width_ + x];
    return rgb((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
  }
  // Bounds of the pixels of colour `c`; empty (right <= left) when there are none.
  RECT bounds_of(Colour c) const {
    RECT r{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (at(x, y) != c) continue;
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
    }
    return r;
  }

 private:
  Picture(HWND window, int w, int h, UINT message, LPARAM flags) : width_(w), height_(h) {
    BITMAPINFO info{};
    info.bmiHeader = {static_cast<DWORD>(sizeof(BITMAPINFOHEADER)), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ScopedMemoryDC dc(CreateCompatibleDC(nullptr));
    ScopedBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ScopedSelect selected(dc.get(), bitmap.get());
    const RECT all{0, 0, w, h};
    ScopedBrush sentinel(CreateSolidBrush(rgb(1, 2, 3)));
    FillRect(dc.get(), &all, sentinel.get());
    SendMessageA(window, message, reinterpret_cast<WPARAM>(dc.get()), flags);
    GdiFlush();
    const auto* first = static_cast<const uint32_t*>(bits);
    pixels_.assign(first, first + static_cast<size_t>(w) * h);
  }

  int width_;
  int height_;
  std::vector<uint32_t> pixels_;
};

// A pixel of what the window shows now, read from its own surface.
Colour shown_at(HWND window, int x, int y, WindowDC::Area area = WindowDC::Area::Client) {
  WindowDC dc(window, area);
  return static_cast<Colour>(GetPixel(dc.get(), x, y));
}

// ---- which windows the skin takes ----

void walk_takes_existing_controls_and_leaves_the_rest() {
  const HWND button = make_button();
  const HWND edit = make("Edit", "", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 10, 50, 120, 24);
  const HWND label = make("Static", "label", SS_LEFT, 0, 10, 90, 60, 20);
  const LONG_PTR label_proc = GetWindowLongPtrA(label, GWLP_WNDPROC);
  const LONG_PTR button_proc = GetWindowLongPtrA(button, GWLP_WNDPROC);

  CHECK_EQ(size_t{0}, skinned_control_count());
  CHECK(switch_control_skin(1));
  CHECK_EQ(size_t{2}, skinned_control_count());
  CHECK_EQ(label_proc, GetWindowLongPtrA(label, GWLP_WNDPROC));
  CHECK(button_proc != GetWindowLongPtrA(button, GWLP_WNDPROC));
  expect_colour(HERE, "walked button border", kBorder, Picture::client(button).at(45, 1));
  expect_colour(HERE, "walked edit frame", kEditLine, Picture::whole(edit).at(60, 0));

  // Switching on again starts over instead of stacking a second subclass.
  CHECK(switch_control_skin(1));
  CHECK_EQ(size_t{2}, skinned_control_count());

  // Off: the platform's procedure is back and the entries are gone.
  CHECK(switch_control_skin(0));
  CHECK(!switch_control_skin(0));
  CHECK_EQ(size_t{0}, skinned_control_count());
  CHECK_EQ(button_proc, GetWindowLongPtrA(button, GWLP_WNDPROC));
  CHECK(Picture::client(button).at(45, 1) != kBorder);
  CHECK(Picture::whole(edit).at(60, 0) != kEditLine);

  for (const HWND w : {button, edit, label}) DestroyWindow(w);
}

void hook_takes_qualifying_new_controls() {
  struct Row {
    Site at;
    const char* cls;
    const char* text;
    DWORD style;
    bool skinned;
  };
  const Row rows[] = {
      {HERE, "Button", "OK", BS_PUSHBUTTON, true},
      {HERE, "BUTTON", "OK", BS_DEFPUSHBUTTON, true},
      {HERE, "button", "", WS_TABSTOP, false},  // bare text-less tab-stop child
      {HERE, "Button", "x", WS_TABSTOP, true},
      {HERE, "Button", "", WS_TABSTOP | BS_MULTILINE, true},
      {HERE, "Button", "OK", BS_PUSHBUTTON | BS_BITMAP, false},
      {HERE, "Button", "OK", BS_OWNERDRAW, false},
      {HERE, "Button", "OK", BS_AUTOCHECKBOX, false},
      {HERE, "Button", "OK", BS_AUTORADIOBUTTON, false},
      {HERE, "Button", "OK", BS_GROUPBOX, false},
      {HERE, "Edit", "", ES_AUTOHSCROLL, true},
      {HERE, "EDIT", "", ES_READONLY | WS_BORDER, true},
      {HERE, "Static", "OK", SS_LEFT, false},
  };
  CHECK(switch_control_skin(1));
  for (const Row& row : rows) {
    const size_t before = skinned_control_count();
    const HWND w = make(row.cls, row.text, row.style);
    CHECK_EQ_AT(row.at, before + (row.skinned ? 1 : 0), skinned_control_count());
    DestroyWindow(w);
    CHECK_EQ_AT(row.at, before, skinned_control_count());
  }

  // An edit inside an IP-address control is left to it.
  const HWND ip = make("SysIPAddress32", "", 0, 0, 10, 10, 200, 30);
  const size_t before = skinned_control_count();
  make("Edit", "", 0, 0, 0, 0, 40, 20, ip);
  CHECK_EQ(before, skinned_control_count());
  DestroyWindow(ip);
  CHECK(switch_control_skin(0));
}

// ---- button pixels by state ----

struct ButtonRow {
  Site at;
  const char* state;
  void (*apply)(HWND);
  Colour ring_top, ring_bottom, face_top, face_bottom;
};

void normal(HWND) {}
void focused(HWND b) { SetFocus(b); }
void defaulted(HWND b) { SendMessageA(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE); }
void hovered(HWND b) { SendMessageA(b, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }
void pressed(HWND b) { SendMessageA(b, BM_SETSTATE, TRUE, 0); }
void ticked(HWND b) { SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0); }
void ticked_and_focused(HWND b) {
  ticked(b);
  focused(b);
}
void pressed_under_mouse(HWND b) {
  hovered(b);
  pressed(b);
}
void hovered_and_ticked(HWND b) {
  ticked(b);
  hovered(b);
}

constexpr Colour kFaceTop = rgb(252, 252, 251);
constexpr Colour kFaceBottom = rgb(236, 235, 230);
constexpr Colour kPushedFace = rgb(231, 227, 222);

const ButtonRow kButtonRows[] = {
    {HERE, "normal", normal, rgb(255, 255, 255), rgb(226, 223, 214), kFaceTop, kFaceBottom},
    {HERE, "focused", focused, rgb(206, 231, 255), rgb(105, 130, 238), kFaceTop, kFaceBottom},
    {HERE, "default", defaulted, rgb(206, 231, 255), rgb(105, 130, 238), kFaceTop, kFaceBottom},
    {HERE, "mouse over", hovered, rgb(255, 240, 207), rgb(229, 151, 0), kFaceTop, kFaceBottom},
    {HERE, "pressed", pressed, rgb(209, 204, 193), rgb(242, 241, 238), kPushedFace, kPushedFace},
    {HERE, "ticked", ticked, rgb(214, 203, 189), rgb(247, 243, 239), kPushedFace, kPushedFace},
    {HERE, "ticked, focused", ticked_and_focused, rgb(214, 203, 189), rgb(247, 243, 239), kPushedFace,
     kPushedFace},
    {HERE, "pressed under the mouse", pressed_under_mouse, rgb(209, 204, 193), rgb(242, 241, 238),
     kPushedFace, kPushedFace},
    {HERE, "mouse over, ticked", hovered_and_ticked, rgb(255, 240, 207), rgb(229, 151, 0), kPushedFace,
     kPushedFace},
};

// Rectangle R of the button: x or y 0 frame, 1 border, 2-3 ring, 4.. face.
void expect_button_layers(Site at, const std::string& state, const Picture& p, Colour border,
                          Colour ring_top, Colour ring_bottom, Colour face_top, Colour face_bottom) {
  const int w = p.width(), h = p.height(), mid = w / 2;
  expect_colour(at, state + ": frame", sys(COLOR_BTNFACE), p.at(mid, 0));
  expect_colour(at, state + ": border top", border, p.at(mid, 1));
  expect_colour(at, state + ": border left", border, p.at(1, h / 2));
  expect_colour(at, state + ": border bottom", border, p.at(mid, h - 2));
  expect_colour(at, state + ": ring top", ring_top, p.at(2, 2));
  expect_colour(at, state + ": ring bottom", ring_bottom, p.at(mid, h - 3), kGradientStep);
  expect_colour(at, state + ": face top", face_top, p.at(6, 4));
  expect_colour(at, state + ": face bottom", face_bottom, p.at(6, h - 5), kGradientStep);
}

void button_colours_by_state() {
  for (const ButtonRow& row : kButtonRows) {
    const HWND b = make_button();
    row.apply(b);
    expect_button_layers(row.at, row.state, Picture::client(b), kBorder, row.ring_top, row.ring_bottom,
                         row.face_top, row.face_bottom);
    DestroyWindow(b);
    SetFocus(g_host);
  }

  const HWND b = make_button();
  EnableWindow(b, FALSE);
  expect_button_layers(HERE, "disabled", Picture::client(b), dimmed_face(), kDisabledFill,
                       kDisabledFill, kDisabledFill, kDisabledFill);
  DestroyWindow(b);
}

void button_corners_and_ticked_top_edge() {
  const HWND b = make_button();
  const Picture p = Picture::client(b);
  const int r = kWidth - 1, d = kHeight - 1;
  for (const POINT corner : {POINT{0, 0}, POINT{r, 0}, POINT{0, d}, POINT{r, d}}) {
    expect_colour(HERE, "trimmed corner shows the parent's brush", kParentBrush, p.at(corner.x, corner.y));
  }
  for (const POINT corner : {POINT{1, 1}, POINT{r - 1, 1}, POINT{1, d - 1}, POINT{r - 1, d - 1}}) {
    expect_colour(HERE, "trimmed border corner shows the frame", sys(COLOR_BTNFACE), p.at(corner.x, corner.y));
  }
  expect_colour(HERE, "border next to a corner", kBorder, p.at(2, 1));
  expect_colour(HERE, "plain face has no marked corner", kFaceTop, p.at(kWidth - 5, 4));

  pressed(b);
  expect_colour(HERE, "pressed face top-right pixel", rgb(231, 231, 231), Picture::client(b).at(kWidth - 5, 4));
  SendMessageA(b, BM_SETSTATE, FALSE, 0);
  ticked(b);
  const Picture t = Picture::client(b);
  expect_colour(HERE, "ticked ring top left", rgb(214, 203, 189), t.at(2, 2));
  expect_colour(HERE, "ticked ring top right", rgb(214, 207, 198), t.at(kWidth - 3, 2), 1);
  expect_colour(HERE, "ticked face top-right pixel", rgb(231, 231, 231), t.at(kWidth - 5, 4));
  DestroyWindow(b);
}

// Pixels on the row 1 px inside the face's top that differ from the face.
int dotted_pixels(const Picture& p) {
  int n = 0;
  for (int x = 6; x < p.width() - 6; ++x) n += p.at(x, 5) != p.at(4, 5);
  return n;
}

void focus_rectangle_only_while_focused() {
  const HWND b = make_button();
  CHECK_EQ(0, dotted_pixels(Picture::client(b)));
  SetFocus(b);
  CHECK(dotted_pixels(Picture::client(b)) > 10);
  SetFocus(g_host);
  CHECK_EQ(0, dotted_pixels(Picture::client(b)));
  DestroyWindow(b);
}

// ---- button text ----

RECT text_bounds(HWND b, Colour colour) { return Picture::client(b).bounds_of(colour); }
bool empty(const RECT& r) { return r.right <= r.left; }

void text_colour_place_and_font() {
  const HWND b = make_button("Skin");
  const RECT plain = text_bounds(b, kBlack);
  CHECK(!empty(plain));
  CHECK(std::abs((plain.left + plain.right) - kWidth) <= 4);  // centred

  pressed(b);
  const RECT down = text_bounds(b, kBlack);
  CHECK_EQ(plain.left + 1, down.left);
  CHECK_EQ(plain.top + 1, down.top);
  SendMessageA(b, BM_SETSTATE, FALSE, 0);

  SendMessageA(b, BM_SETCHECK, BST_INDETERMINATE, 0);
  CHECK(empty(text_bounds(b, kBlack)));
  CHECK(!empty(text_bounds(b, kDimmedText)));
  SendMessageA(b, BM_SETCHECK, BST_UNCHECKED, 0);

  EnableWindow(b, FALSE);
  CHECK(empty(text_bounds(b, kBlack)));
  CHECK_EQ(plain.left, text_bounds(b, kDimmedText).left);
  EnableWindow(b, TRUE);

  // The button's own font: a bigger one gives taller text.
  SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(g_big_font.get()), TRUE);
  const RECT big = text_bounds(b, kBlack);
  CHECK(big.bottom - big.top > plain.bottom - plain.top);
  DestroyWindow(b);

  const HWND left = make_button("Skin", BS_PUSHBUTTON | BS_LEFT);
  CHECK(text_bounds(left, kBlack).left <= 6);
  DestroyWindow(left);

  const char* long_text = "wrap wrap wrap wrap wrap";
  const HWND one_line = make_button(long_text, BS_PUSHBUTTON);
  const HWND wrapped = make_button(long_text, BS_PUSHBUTTON | BS_MULTILINE);
  const RECT single = text_bounds(one_line, kBlack), multi = text_bounds(wrapped, kBlack);
  CHECK(multi.bottom - multi.top > 3 * (single.bottom - single.top) / 2);
  DestroyWindow(one_line);
  DestroyWindow(wrapped);
}

// ---- what the control shows after the platform's own repaints ----

// A change made to a button, and the border and ring colours it shows afterwards.
struct ChangeRow {
  Site at;
  const char* change;
  void (*apply)(HWND);
  Colour border, ring_top;
};

void platform_repaints_end_in_the_skin() {
  ShowWindow(g_host, SW_SHOW);
  SetForegroundWindow(g_host);
  const HWND b = make_button();
  UpdateWindow(g_host);
  const ChangeRow rows[] = {
      {HERE, "shown", normal, kBorder, rgb(255, 255, 255)},
      {HERE, "BM_SETSTATE down", pressed, kBorder, rgb(209, 204, 193)},
      {HERE, "BM_SETSTATE up", [](HWND w) { SendMessageA(w, BM_SETSTATE, FALSE, 0); }, kBorder,
       rgb(255, 255, 255)},
      {HERE, "WM_SETFOCUS", focused, kBorder, rgb(206, 231, 255)},
      {HERE, "WM_KILLFOCUS", [](HWND) { SetFocus(g_host); }, kBorder, rgb(255, 255, 255)},
      {HERE, "WM_SETTEXT", [](HWND w) { SetWindowTextA(w, "Again"); }, kBorder, rgb(255, 255, 255)},
      {HERE, "BM_SETSTYLE", defaulted, kBorder, rgb(206, 231, 255)},
      {HERE, "WM_ENABLE off", [](HWND w) { EnableWindow(w, FALSE); }, dimmed_face(), kDisabledFill},
      {HERE, "WM_ENABLE on", [](HWND w) { EnableWindow(w, TRUE); }, kBorder, rgb(206, 231, 255)},
  };
  for (const ChangeRow& row : rows) {
    row.apply(b);
    expect_colour(row.at, std::string(row.change) + ": border shown", row.border, shown_at(b, 45, 1));
    expect_colour(row.at, std::string(row.change) + ": ring shown", row.ring_top, shown_at(b, 4, 2));
  }
  DestroyWindow(b);
}

// A hidden button is not drawn when its state changes, so its place on the
// parent keeps the parent's colour; once shown, it shows the state it has then.
void changes_while_hidden_show_once_shown() {
  const ChangeRow rows[] = {
      {HERE, "pressed", pressed, kBorder, rgb(209, 204, 193)},
      {HERE, "made default", defaulted, kBorder, rgb(206, 231, 255)},
      {HERE, "disabled", [](HWND w) { EnableWindow(w, FALSE); }, dimmed_face(), kDisabledFill},
  };
  for (const ChangeRow& row : rows) {
    const HWND b = make_button();
    ShowWindow(b, SW_HIDE);
    UpdateWindow(g_host);
    const Colour before = shown_at(g_host, 10 + 4, 10 + 2);
    row.apply(b);
    expect_colour(row.at, std::string(row.change) + " while hidden: the parent", before,
                  shown_at(g_host, 10 + 4, 10 + 2));
    ShowWindow(b, SW_SHOW);
    UpdateWindow(b);
    expect_colour(row.at, std::string(row.change) + ", then shown: border", row.border, shown_at(b, 45, 1));
    expect_colour(row.at, std::string(row.change) + ", then shown: ring", row.ring_top, shown_at(b, 4, 2));
    DestroyWindow(b);
  }
}

// Real input: the platform tracks the leaving only of a window the cursor is over.
void move_mouse(POINT to) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = to.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = to.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

// The ring's top colour once it is `expected`, or after a generous wait.
Colour ring_top_eventually(HWND b, Colour expected) {
  const DWORD end = GetTickCount() + 3000;
  Colour seen = Picture::client(b).at(4, 2);
  while (seen != expected && static_cast<LONG>(GetTickCount() - end) < 0) {
    pump(20);
    seen = Picture::client(b).at(4, 2);
  }
  return seen;
}

void mouse_over_follows_the_cursor() {
  const HWND b = make_button();
  POINT centre{kWidth / 2, kHeight / 2};
  ClientToScreen(b, &centre);
  move_mouse(centre);
  expect_colour(HERE, "cursor over", rgb(255, 240, 207), ring_top_eventually(b, rgb(255, 240, 207)));
  move_mouse({0, 0});
  expect_colour(HERE, "cursor gone", rgb(255, 255, 255), ring_top_eventually(b, rgb(255, 255, 255)));
  DestroyWindow(b);
}

// ---- edit frames ----

// An edit created with WS_BORDER drops the style and draws that line in its
// client area; one that gets WS_BORDER later has it as a frame.
void add_border(HWND e) {
  SetWindowLongA(e, GWL_STYLE, GetWindowLongA(e, GWL_STYLE) | WS_BORDER);
  SetWindowPos(e, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}
void disable(HWND w) { EnableWindow(w, FALSE); }

void edit_frames() {
  struct Row {
    Site at;
    const char* state;
    DWORD style, ex_style;
    void (*apply)(HWND);
    Colour outer, inner;
  };
  const Colour face = sys(COLOR_BTNFACE), window = sys(COLOR_WINDOW);
  const Row rows[] = {
      {HERE, "client edge", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, normal, kEditLine, window},
      {HERE, "static edge", ES_AUTOHSCROLL, WS_EX_STATICEDGE, normal, kEditLine, window},
      {HERE, "border", ES_AUTOHSCROLL, 0, add_border, kEditLine, window},
      {HERE, "read-only", ES_READONLY, WS_EX_CLIENTEDGE, normal, kEditLine, face},
      {HERE, "disabled", 0, WS_EX_CLIENTEDGE, disable, dimmed_face(), face},
  };
  for (const Row& row : rows) {
    const HWND e = make("Edit", "text", row.style, row.ex_style, 10, 50, 120, 24);
    row.apply(e);
    const Picture p = Picture::whole(e);
    const std::string state = row.state;
    expect_colour(row.at, state + ": outer top", row.outer, p.at(60, 0));
    expect_colour(row.at, state + ": outer left", row.outer, p.at(0, 12));
    expect_colour(row.at, state + ": outer bottom right", row.outer, p.at(119, 23));
    expect_colour(row.at, state + ": inner top", row.inner, p.at(60, 1));
    expect_colour(row.at, state + ": inner right", row.inner, p.at(118, 12));
    DestroyWindow(e);
  }

  const HWND borderless = make("Edit", "text", 0, 0, 10, 50, 120, 24);
  CHECK(Picture::whole(borderless).at(60, 0) != kEditLine);
  DestroyWindow(borderless);

  // On the screen, after the platform drew its frame, and after a state change.
  const HWND e = make("Edit", "text", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 10, 50, 120, 24);
  RedrawWindow(e, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  expect_colour(HERE, "shown outer", kEditLine, shown_at(e, 60, 0, WindowDC::Area::Whole));
  expect_colour(HERE, "shown inner", window, shown_at(e, 60, 1, WindowDC::Area::Whole));
  SendMessageA(e, EM_SETREADONLY, TRUE, 0);
  expect_colour(HERE, "shown read-only inner", face, shown_at(e, 60, 1, WindowDC::Area::Whole));
  DestroyWindow(e);
}

// ---- entries come and go ----

void entries_are_freed() {
  const size_t start = skinned_control_count();
  for (int i = 0; i < 200; ++i) {
    DestroyWindow(make_button());
    DestroyWindow(make("Edit", "", 0, WS_EX_CLIENTEDGE));
  }
  CHECK_EQ(start, skinned_control_count());

  // Destroying the parent takes its controls' entries with it.
  const HWND panel = make("SkinTestHost", "", 0, 0, 0, 0, 200, 100);
  make("Button", "a", BS_PUSHBUTTON, 0, 0, 0, 50, 20, panel);
  make("Edit", "", 0, WS_EX_CLIENTEDGE, 0, 30, 50, 20, panel);
  CHECK_EQ(start + 2, skinned_control_count());
  DestroyWindow(panel);
  CHECK_EQ(start, skinned_control_count());
}

// A subclass made after the skin's sits above it in the chain.
WNDPROC g_skin_below;
int g_seen_above;
LRESULT CALLBACK above_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  ++g_seen_above;
  return CallWindowProcA(g_skin_below, w, m, wp, lp);
}

void switching_off_under_a_later_subclass_keeps_the_chain() {
  const HWND b = make_button("Chain");
  g_skin_below = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(b, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(above_proc)));
  CHECK(switch_control_skin(0));
  CHECK_EQ(size_t{1}, skinned_control_count());  // still in the chain, forwarding only
  char text[16] = "";
  g_seen_above = 0;
  GetWindowTextA(b, text, sizeof text);
  CHECK_EQ("Chain", text);
  CHECK(g_seen_above > 0);
  CHECK(Picture::client(b).at(45, 1) != kBorder);

  CHECK(switch_control_skin(1));  // takes it back
  CHECK_EQ(size_t{1}, skinned_control_count());
  expect_colour(HERE, "skinned again", kBorder, Picture::client(b).at(45, 1));
  DestroyWindow(b);
  CHECK_EQ(size_t{0}, skinned_control_count());
}

// ---- a message box shown while the skin is on ----

struct BoxVisit {
  bool found = false;
  size_t count_while_shown = 0;
  Colour ok_border = 0;
  Colour ok_ring = 0;
  int ticks = 0;
};
BoxVisit g_box;

BOOL CALLBACK find_box(HWND window, LPARAM found) {
  char cls[16];
  if (GetClassNameA(window, cls, sizeof cls) && lstrcmpA(cls, "#32770") == 0) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK visit_box(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), find_box, reinterpret_cast<LPARAM>(&box));
  const HWND ok = box ? GetDlgItem(box, IDOK) : nullptr;
  if (!ok && ++g_box.ticks < 100) return;
  KillTimer(nullptr, id);
  if (!ok) return;
  g_box.found = true;
  g_box.count_while_shown = skinned_control_count();
  const Picture p = Picture::client(ok);
  g_box.ok_border = p.at(p.width() / 2, 1);
  g_box.ok_ring = p.at(4, 2);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void message_box_ok_button_is_skinned() {
  const size_t before = skinned_control_count();
  SetTimer(nullptr, 0, 50, visit_box);
  MessageBoxA(nullptr, "skin", "box", MB_OK);
  CHECK(g_box.found);
  CHECK(g_box.count_while_shown > before);
  expect_colour(HERE, "OK border", kBorder, g_box.ok_border);
  expect_colour(HERE, "OK ring: focused default button", rgb(206, 231, 255), g_box.ok_ring);
  CHECK_EQ(before, skinned_control_count());
}

}  // namespace
}  // namespace quorvel

int main() {
  using namespace quorvel;
  move_mouse({0, 0});  // no control starts under the mouse; spends the first input
  register_classes();
  g_font = crisp_font(13);
  g_big_font = crisp_font(24);
  g_host = CreateWindowExA(0, "SkinTestHost", "skin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);

  walk_takes_existing_controls_and_leaves_the_rest();
  hook_takes_qualifying_new_controls();

  CHECK(switch_control_skin(1));
  button_colours_by_state();
  button_corners_and_ticked_top_edge();
  focus_rectangle_only_while_focused();
  text_colour_place_and_font();
  platform_repaints_end_in_the_skin();
  changes_while_hidden_show_once_shown();
  mouse_over_follows_the_cursor();
  edit_frames();
  entries_are_freed();
  message_box_ok_button_is_skinned();
  switching_off_under_a_later_subclass_keeps_the_chain();

  CHECK(switch_control_skin(0));
  CHECK(!switch_control_skin(0));
  DestroyWindow(g_host);
  return check::finish();
}
