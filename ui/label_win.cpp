#include <windows.h>

#include <string>

#include "app/scoped.h"
#include "ui/label.h"

namespace quorvel {
namespace {

// Extra window bytes: the control's layout settings and its font.
constexpr int kSettingsSlot = 0;
constexpr int kFontSlot = sizeof(LONG_PTR);

const LabelSettings& settings_of(HWND label) {
  static const LabelSettings kDefault{};
  const auto* s = reinterpret_cast<const LabelSettings*>(GetWindowLongPtrA(label, kSettingsSlot));
  return s ? *s : kDefault;
}

std::string text_of(HWND label) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(label)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(label, text.data(), static_cast<int>(text.size()))));
  return text;
}

void paint_into(HWND label, HDC dc) {
  RECT area;
  GetClientRect(label, &area);
  const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, kFontSlot));
  paint_label(dc, area, settings_of(label), font, text_of(label).c_str());
}

UINT draw_text_format(const LabelSettings& s) {
  UINT format = DT_NOCLIP;
  format |= s.align == Align::Centre ? DT_CENTER : s.align == Align::Right ? DT_RIGHT : DT_LEFT;
  if (s.word_wrap) return format | DT_WORDBREAK;
  format |= DT_SINGLELINE;
  format |= s.valign == VAlign::Centre ? DT_VCENTER : s.valign == VAlign::Bottom ? DT_BOTTOM : DT_TOP;
  return format;
}

LRESULT CALLBACK label_proc(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      SetWindowLongPtrA(label, kSettingsSlot, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_ERASEBKGND:
      return 1;  // painting fills the whole label
    case WM_PAINT: {
      PaintScope paint(label);
      paint_into(label, paint.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      paint_into(label, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_SETFONT:
      SetWindowLongPtrA(label, kFontSlot, static_cast<LONG_PTR>(wparam));
      if (LOWORD(lparam)) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrA(label, kFontSlot);
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcA(label, message, wparam, lparam);
      InvalidateRect(label, nullptr, TRUE);
      return r;
    }
  }
  return DefWindowProcA(label, message, wparam, lparam);
}

ATOM register_label_class() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = label_proc;
  wc.cbWndExtra = 2 * sizeof(LONG_PTR);
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = "WTLabel";
  return RegisterClassExA(&wc);
}

}  // namespace

const char* label_class() {
  static const ATOM atom = register_label_class();
  return atom ? "WTLabel" : nullptr;
}

void paint_label(HDC dc, const RECT& area, const LabelSettings& s, HFONT font, const char* text) {
  // The face colour is looked up at every paint so a new colour scheme shows.
  const COLORREF back = s.background.system_face ? GetSysColor(COLOR_BTNFACE) : s.background.colour;
  ScopedBrush brush(CreateSolidBrush(back));
  FillRect(dc, &area, brush.get());
  ScopedSelect selected(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, s.text_colour);
  RECT box = area;
  DrawTextA(dc, text, -1, &box, draw_text_format(s));
}

}  // namespace quorvel
