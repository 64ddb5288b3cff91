#include <windows.h>

#include "app/scoped.h"
#include "app/text_buffer.h"
#include "app/window_layer.h"
#include "ui/edit_box.h"
#include "ui/placement.h"

namespace quorvel {
namespace {

// The procedure under the geometry subclass lives in the box's user data, which
// is read without a trip to the window server (a window property is not).
WNDPROC previous_proc(HWND edit) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_USERDATA)); }

// The height of one line of the box's font, measured as the platform measures
// a character of it.
int32_t line_height(HWND edit) {
  WindowDC dc(edit);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
  ScopedSelect selected(dc.get(), font ? font : GetStockObject(SYSTEM_FONT));
  SIZE size{};
  GetTextExtentPoint32A(dc.get(), "0", 1, &size);
  return size.cy;
}

void narrow_to_text_line(HWND edit, RECT& client) {
  const Span line = centred_text_line({client.top, client.bottom}, line_height(edit));
  client.top = line.top;
  client.bottom = line.bottom;
}

// Window-relative rectangles: the area inside the border, and the client area.
void frame_areas(HWND edit, RECT& inside_border, RECT& client) {
  RECT window;
  GetWindowRect(edit, &window);
  GetClientRect(edit, &client);
  MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  const int edge = client.left;  // the border is as thick at the top as at the side
  SetRect(&inside_border, edge, edge, window.right - window.left - edge, window.bottom - window.top - edge);
}

// The strips above and below the text line take the box's background, asked of
// its parent like the text area's.
void paint_strips(HWND edit) {
  RECT inside, client;
  frame_areas(edit, inside, client);
  WindowDC dc(edit, WindowDC::Area::Whole);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(GetParent(edit), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(edit)));
  const RECT above{inside.left, inside.top, inside.right, client.top};
  const RECT below{inside.left, client.bottom, inside.right, inside.bottom};
  const HBRUSH fill = brush ? brush : GetSysColorBrush(COLOR_WINDOW);
  FillRect(dc.get(), &above, fill);
  FillRect(dc.get(), &below, fill);
}

void grow_to_minimum_height(HWND edit) {
  RECT r;
  GetWindowRect(edit, &r);
  const int32_t minimum = minimum_edit_height(line_height(edit), GetSystemMetrics(SM_CYEDGE));
  const int width = r.right - r.left;
  const int height = r.bottom - r.top < minimum ? minimum : r.bottom - r.top;
  // Also recomputes the client area for the new font's line.
  SetWindowPos(edit, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT on_calc_size(HWND edit, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = CallWindowProcA(previous_proc(edit), edit, WM_NCCALCSIZE, wparam, lparam);
  RECT& client = wparam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                        : *reinterpret_cast<RECT*>(lparam);
  narrow_to_text_line(edit, client);
  return result;
}

LRESULT on_hit_test(HWND edit, WPARAM wparam, LPARAM lparam) {
  const LRESULT hit = CallWindowProcA(previous_proc(edit), edit, WM_NCHITTEST, wparam, lparam);
  // A press in the strips is a press on the border, which does nothing.
  return hit == HTCLIENT || hit == HTTRANSPARENT ? hit : HTBORDER;
}

LRESULT CALLBACK edit_geometry_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
  const WNDPROC previous = previous_proc(edit);
  switch (message) {
    case WM_NCCALCSIZE:
      return on_calc_size(edit, wparam, lparam);
    case WM_NCPAINT:
      paint_strips(edit);
      break;
    case WM_NCHITTEST:
      return on_hit_test(edit, wparam, lparam);
    case WM_SETFONT: {
      const LRESULT result = CallWindowProcA(previous, edit, message, wparam, lparam);
      grow_to_minimum_height(edit);
      return result;
    }
  }
  return CallWindowProcA(previous, edit, message, wparam, lparam);
}

}  // namespace

void attach_edit_geometry(HWND edit) {
  SetWindowLongPtrA(edit, GWLP_USERDATA, GetWindowLongPtrA(edit, GWLP_WNDPROC));
  SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(edit_geometry_proc));
  SetWindowPos(edit, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void set_edit_text(WindowId window, const char* name, const char* text) {
  // Setting the text raises the box's change notification, as a user's edit does.
  if (const HWND edit = find_control(window, name)) SetWindowTextA(edit, text ? text : "");
}

char* get_edit_text(WindowId window, const char* name) {
  const HWND edit = find_control(window, name);
  const int length = edit ? GetWindowTextLengthA(edit) : 0;
  char* text = allocate_text(static_cast<size_t>(length) + 1);
  if (edit) GetWindowTextA(edit, text, length + 1);
  return text;
}

}  // namespace quorvel
