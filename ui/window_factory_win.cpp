#include <windows.h>

#include <cstring>
#include <vector>

#include "app/scoped.h"
#include "ui/edit_box.h"
#include "ui/label.h"
#include "ui/placement.h"
#include "ui/top_window.h"
#include "ui/window_factory.h"

namespace quorvel {
namespace {

constexpr char kDefaultClass[] = "WTWindow";
constexpr char kProgramIcon[] = "DEFAULT_ICON";

const char* class_name_of(const WindowLayout& layout) {
  return layout.class_name[0] ? layout.class_name : kDefaultClass;
}

bool register_window_class(const char* name) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = top_window_proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = name;  // no background brush: the window paints its own
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Icons loaded from the executable's resources, kept until the program ends.
struct IconPair {
  const char* resource;
  ScopedIcon big;
  ScopedIcon small;
};

std::vector<IconPair>& icon_cache() {
  static std::vector<IconPair> cache;
  return cache;
}

HICON load_icon(const char* resource, int metric_x, int metric_y) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), resource, IMAGE_ICON,
                                       GetSystemMetrics(metric_x), GetSystemMetrics(metric_y), 0));
}

const IconPair* icons_from(const char* resource) {
  for (const IconPair& pair : icon_cache()) {
    if (std::strcmp(pair.resource, resource) == 0) return &pair;
  }
  IconPair pair{resource, ScopedIcon(load_icon(resource, SM_CXICON, SM_CYICON)),
                ScopedIcon(load_icon(resource, SM_CXSMICON, SM_CYSMICON))};
  if (!pair.big || !pair.small) return nullptr;
  icon_cache().push_back(std::move(pair));
  return &icon_cache().back();
}

// A window's own icon, or the program icon when it has none or it cannot be loaded.
void set_icons(HWND window, const WindowLayout& layout) {
  const IconPair* icons = layout.icon_resource ? icons_from(layout.icon_resource) : nullptr;
  if (!icons) icons = icons_from(kProgramIcon);
  if (!icons) return;
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons->big.get()));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons->small.get()));
}

DWORD window_style(const WindowLayout& layout) {
  DWORD style = WS_CLIPCHILDREN;
  if (layout.title[0] || layout.close_box) style |= WS_CAPTION;
  if (layout.close_box) style |= WS_SYSMENU;
  if (layout.minimise_box) style |= WS_MINIMIZEBOX;
  if (layout.maximise_box) style |= WS_MAXIMIZEBOX;
  switch (layout.frame) {
    case Frame::Fixed: style |= WS_DLGFRAME; break;
    case Frame::Sizable: style |= WS_THICKFRAME; break;
    case Frame::None: break;
  }
  return style;
}

DWORD control_style(const ControlLayout& c) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (c.tab_stop) style |= WS_TABSTOP;
  if (!c.enabled) style |= WS_DISABLED;
  switch (c.kind) {
    case ControlKind::Label:
      break;
    case ControlKind::Button:
      style |= c.button.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      if (c.button.multiline) style |= BS_MULTILINE;
      style |= c.button.align == Align::Centre ? BS_CENTER : c.button.align == Align::Left ? BS_LEFT : BS_RIGHT;
      style |= c.button.valign == VAlign::Centre ? BS_VCENTER : c.button.valign == VAlign::Top ? BS_TOP : BS_BOTTOM;
      break;
    case ControlKind::EditBox:
      style |= ES_LEFT | (c.edit.multiline ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL);
      if (c.edit.read_only) style |= ES_READONLY;
      if (!c.edit.hide_selection) style |= ES_NOHIDESEL;
      if (c.edit.border == EditBorder::Flat) style |= WS_BORDER;
      break;
  }
  return style;
}

const char* control_class(const ControlLayout& c) {
  switch (c.kind) {
    case ControlKind::Label: return label_class();
    case ControlKind::Button: return "BUTTON";
    case ControlKind::EditBox: return "EDIT";
  }
  return nullptr;
}

DWORD control_ex_style(const ControlLayout& c) {
  return c.kind == ControlKind::EditBox && c.edit.border == EditBorder::Sunken ? WS_EX_CLIENTEDGE : 0;
}

HWND create_control(HWND parent, const ControlLayout& c, size_t index, HFONT font) {
  const char* cls = control_class(c);
  if (!cls) return nullptr;
  // Labels read their settings from the creation parameter.
  void* params = c.kind == ControlKind::Label ? const_cast<LabelSettings*>(&c.label) : nullptr;
  const HWND control = CreateWindowExA(
      control_ex_style(c), cls, c.text, control_style(c), c.box.left, c.box.top, c.box.width,
      c.box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(index + 1)),
      GetModuleHandleA(nullptr), params);
  if (!control) return nullptr;
  if (c.kind == ControlKind::EditBox) {
    attach_edit_geometry(control);
    SendMessageA(control, EM_LIMITTEXT, 0, 0);  // no length limit of the program's own
  }
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // Each control goes below the ones before it: the first listed is on top.
  SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return control;
}

bool create_controls(HWND window, TopWindow& w) {
  const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (size_t i = 0; i < w.layout->control_count; ++i) {
    const HWND control = create_control(window, w.layout->controls[i], i, font);
    if (!control) return false;
    w.controls.push_back(control);
  }
  for (size_t i = 0; i < w.controls.size(); ++i) {
    if (w.layout->controls[i].visible) ShowWindow(w.controls[i], SW_SHOWNA);
  }
  return true;
}

// The platform may adjust a window's outer size at creation; the layout's wins.
void enforce_outer_size(HWND window, Point at, const Box& box) {
  RECT r;
  GetWindowRect(window, &r);
  if (r.left != at.x || r.top != at.y || r.right - r.left != box.width || r.bottom - r.top != box.height) {
    SetWindowPos(window, nullptr, at.x, at.y, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void remove_move_command(HWND window) {
  if (const HMENU menu = GetSystemMenu(window, FALSE)) DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
}

}  // namespace

HWND create_window(const WindowLayout& layout, HWND owner) {
  const char* cls = class_name_of(layout);
  if (!register_window_class(cls)) return nullptr;

  const Point at = initial_position(layout, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  // The window takes ownership of its object at WM_NCCREATE and deletes it at
  // WM_NCDESTROY, also when creation fails after that point.
  bool attached = false;
  auto* object = new TopWindow{&layout, {}, {}, nullptr, &attached};
  object->control_brushes.resize(layout.control_count);
  const HWND window = CreateWindowExA(layout.always_on_top ? WS_EX_TOPMOST : 0, cls, layout.title,
                                      window_style(layout), at.x, at.y, layout.box.width,
                                      layout.box.height, owner, nullptr, GetModuleHandleA(nullptr),
                                      object);
  if (!window) {
    if (!attached) delete object;
    return nullptr;
  }
  TopWindow& w = *object;

  enforce_outer_size(window, at, layout.box);
  set_icons(window, layout);
  if (!layout.movable) remove_move_command(window);
  if (!create_controls(window, w)) {
    DestroyWindow(window);
    return nullptr;
  }
  return window;
}

HWND control_of(HWND window, const char* name) {
  const TopWindow* w = top_window_of(window);
  if (!w) return nullptr;
  for (size_t i = 0; i < w->controls.size(); ++i) {
    if (std::strcmp(w->layout->controls[i].name, name) == 0) return w->controls[i];
  }
  return nullptr;
}

const WindowLayout* layout_of(HWND window) {
  const TopWindow* w = top_window_of(window);
  return w ? w->layout : nullptr;
}

void release_window_resources() { icon_cache().clear(); }

}  // namespace quorvel
