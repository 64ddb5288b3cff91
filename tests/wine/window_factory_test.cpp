// The real checker window as the factory builds it, checked in-process: place,
// styles, icons, controls, the label's pixels, the edit box's text line, the
// created event before the first showing, and where the focus goes.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/scoped.h"
#include "app/window_layer.h"
#include "check.h"
#include "driver.h"
#include "ui/layouts.h"
#include "ui/skin.h"
#include "ui/texts.h"

namespace quorvel {
namespace {

// How many controls the skin had subclassed when the window was first shown.
HHOOK show_hook;
size_t skinned_when_shown = 0;
LRESULT CALLBACK watch_show(int code, WPARAM wparam, LPARAM lparam) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && m->message == WM_SHOWWINDOW && m->wParam && !GetParent(m->hwnd) &&
      m->hwnd == loaded_window(WindowId::Checker)) {
    skinned_when_shown = skinned_control_count();
  }
  return CallNextHookEx(show_hook, code, wparam, lparam);
}

void pump_messages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void checker_window_frame(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  CHECK_EQ(std::string("304,339 415x89"), e2e::place_text(r));  // the prefix's desktop is 1024 x 768
  const LONG style = GetWindowLongA(w, GWL_STYLE);
  const LONG wanted = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;
  CHECK_EQ(wanted, style & wanted);
  CHECK_EQ(0L, style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD));
  CHECK_EQ(0L, GetWindowLongA(w, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
  CHECK_EQ(nullptr, GetWindow(w, GW_OWNER));
  CHECK_EQ(std::string("WTWindow"), e2e::class_of(w));
  char title[32] = {};
  GetWindowTextA(w, title, sizeof title);
  CHECK_EQ(std::string("Quorvel"), title);
  CHECK(SendMessageA(w, WM_GETICON, ICON_BIG, 0) != 0);
  CHECK(SendMessageA(w, WM_GETICON, ICON_SMALL, 0) != 0);
  const HMENU menu = GetSystemMenu(w, FALSE);
  CHECK(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND) != static_cast<UINT>(-1));
}

struct ControlRow {
  check::Site at;
  const char* name;
  const char* cls;
  const char* place;
  const char* text;
};

void checker_controls(HWND w) {
  const ControlRow rows[] = {
      {HERE, kLabel1, "WTLabel", "104,16 56x32", texts::kVersionLabel},
      {HERE, kButton1, "Button", "6,14 87x32", texts::kCheckButton},
      {HERE, kEditBox1, "Edit", "164,14 220x32", ""},
  };
  const HFONT gui_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlRow& row : rows) {
    const HWND c = find_control(WindowId::Checker, row.name);
    CHECK_AT(row.at, c != nullptr);
    if (!c) continue;
    CHECK_EQ_AT(row.at, std::string(row.cls), e2e::class_of(c));
    CHECK_EQ_AT(row.at, std::string(row.place), e2e::place_text(e2e::rect_in_parent(c)));
    char text[64] = {};
    GetWindowTextA(c, text, sizeof text);
    CHECK_EQ_AT(row.at, std::string(row.text), text);
    CHECK_AT(row.at, IsWindowVisible(c) && IsWindowEnabled(c));
    CHECK_EQ_AT(row.at, static_cast<const void*>(gui_font),
                reinterpret_cast<const void*>(SendMessageA(c, WM_GETFONT, 0, 0)));
  }
  // Listed first, stacked on top.
  CHECK_EQ(find_control(WindowId::Checker, kLabel1), GetWindow(w, GW_CHILD));
  CHECK(find_control(WindowId::Checker, "no such control") == nullptr);

  const LONG button = GetWindowLongA(find_control(WindowId::Checker, kButton1), GWL_STYLE);
  const LONG button_bits = WS_TABSTOP | BS_MULTILINE | BS_CENTER | BS_VCENTER;
  CHECK_EQ(button_bits, button & button_bits);
  CHECK_EQ(static_cast<LONG>(BS_PUSHBUTTON), button & BS_TYPEMASK);
  const HWND edit = find_control(WindowId::Checker, kEditBox1);
  CHECK((GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
  CHECK((GetWindowLongA(edit, GWL_STYLE) & (ES_AUTOHSCROLL | WS_TABSTOP)) == (ES_AUTOHSCROLL | WS_TABSTOP));
  CHECK((GetWindowLongA(edit, GWL_STYLE) & (ES_MULTILINE | ES_READONLY | ES_NOHIDESEL | ES_PASSWORD)) == 0);
}

// The label drawn into a memory DC: face colour all round, black text in the middle.
void label_pixels(HWND label) {
  RECT r;
  GetClientRect(label, &r);
  WindowDC screen(nullptr);
  ScopedMemoryDC dc(CreateCompatibleDC(screen.get()));
  ScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), r.right, r.bottom));
  ScopedSelect selected(dc.get(), bitmap.get());
  SendMessageA(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  CHECK_EQ(face, GetPixel(dc.get(), 0, 0));
  CHECK_EQ(face, GetPixel(dc.get(), r.right - 1, r.bottom - 1));
  RECT ink{r.right, r.bottom, -1, -1};
  bool black = false;
  for (int y = 0; y < r.bottom; ++y) {
    for (int x = 0; x < r.right; ++x) {
      const COLORREF c = GetPixel(dc.get(), x, y);
      black |= c == RGB(0, 0, 0);
      if (GetRValue(c) > 96 || GetGValue(c) > 96 || GetBValue(c) > 96) continue;  // not dark ink
      ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x),
             std::max<LONG>(ink.bottom, y)};
    }
  }
  CHECK(black);  // the text colour, where a glyph covers whole pixels
  CHECK(ink.right >= ink.left);

  // Centred: the text's cell, as the font measures it, sits in the middle, and
  // the ink starts at its left edge and stays inside it. (The ink itself is not
  // symmetric: the full-width colon draws in the left half of its cell.)
  SIZE extent{};
  {
    ScopedSelect font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32A(dc.get(), texts::kVersionLabel, static_cast<int>(std::strlen(texts::kVersionLabel)), &extent);
  }
  const LONG cell_left = (r.right - extent.cx) / 2;
  const LONG cell_top = (r.bottom - extent.cy) / 2;
  CHECK(std::abs(ink.left - cell_left) <= 2);
  CHECK(ink.right < cell_left + extent.cx);
  CHECK(ink.top >= cell_top && ink.bottom < cell_top + extent.cy);
}

// The edit box's client area is one text line, centred in the 32-pixel box, and
// a press above or below it is a press on the border.
void edit_text_line(HWND edit) {
  RECT window, client;
  GetWindowRect(edit, &window);
  GetClientRect(edit, &client);
  POINT origin{0, 0};
  ClientToScreen(edit, &origin);
  CHECK_EQ(32L, window.bottom - window.top);

  TEXTMETRICA tm{};
  {
    WindowDC dc(edit);
    ScopedSelect font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), "0", 1, &size);
    tm.tmHeight = size.cy;
  }
  CHECK_EQ(tm.tmHeight, client.bottom);
  const LONG above = origin.y - (window.top + 2);
  const LONG below = (window.bottom - 2) - (origin.y + client.bottom);
  CHECK(above >= 0 && below >= 0 && std::abs(above - below) <= 1);

  const LPARAM in_strip = MAKELPARAM(origin.x + 5, window.top + 3);
  CHECK_EQ(static_cast<LRESULT>(HTBORDER), SendMessageA(edit, WM_NCHITTEST, 0, in_strip));
  const LPARAM on_line = MAKELPARAM(origin.x + 5, origin.y + 1);
  CHECK_EQ(static_cast<LRESULT>(HTCLIENT), SendMessageA(edit, WM_NCHITTEST, 0, on_line));
}

// A box lower than its font needs grows to the least height that shows a line.
void low_edit_box_grows() {
  const ControlLayout low[] = {{.kind = ControlKind::EditBox, .name = "e", .box = {5, 5, 100, 4}, .tab_stop = true}};
  const WindowLayout layout{.id = WindowId::Offer, .box = {0, 0, 200, 80}, .visible = false,
                            .controls = low, .control_count = 1};
  CHECK(load_window(layout));
  const HWND edit = find_control(WindowId::Offer, "e");
  RECT r, client;
  GetWindowRect(edit, &r);
  GetClientRect(edit, &client);
  CHECK_EQ(client.bottom + 2 * GetSystemMetrics(SM_CYEDGE), r.bottom - r.top);
  DestroyWindow(loaded_window(WindowId::Offer));
}

void focus_goes_to_the_edit_box_and_comes_back(HWND w) {
  const HWND edit = find_control(WindowId::Checker, kEditBox1);
  const HWND button = find_control(WindowId::Checker, kButton1);
  SetForegroundWindow(w);
  pump_messages();
  CHECK_EQ(edit, GetFocus());

  SetFocus(button);
  const HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                                     100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  SetActiveWindow(other);
  pump_messages();
  SetActiveWindow(w);
  pump_messages();
  CHECK_EQ(button, GetFocus());  // the control that had it when activation was lost
  DestroyWindow(other);
}

}  // namespace
}  // namespace quorvel

int main() {
  using namespace quorvel;
  start_window_layer();
  show_hook = SetWindowsHookExA(WH_CALLWNDPROC, watch_show, nullptr, GetCurrentThreadId());
  CHECK(load_window(WindowId::Checker));
  UnhookWindowsHookEx(show_hook);
  CHECK(skinned_when_shown >= 2);  // the created handler ran before the window was shown

  const HWND w = loaded_window(WindowId::Checker);
  CHECK(IsWindowVisible(w));
  checker_window_frame(w);
  checker_controls(w);
  label_pixels(find_control(WindowId::Checker, kLabel1));
  edit_text_line(find_control(WindowId::Checker, kEditBox1));
  low_edit_box_grows();
  focus_goes_to_the_edit_box_and_comes_back(w);
  return check::finish();
}
