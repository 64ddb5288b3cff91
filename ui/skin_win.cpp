// The control skin: push buttons and edit boxes of the GUI thread are
// subclassed, and the skin draws them from their state flags. Controls that
// exist when the skin goes on are found by walking the thread's windows; later
// ones are caught by a thread hook as they are created, before their first message.
#include "ui/skin.h"

#include <windows.h>
#include <windowsx.h>

#include <vector>

#include "app/scoped.h"
#include "ui/skin_paint.h"
#include "ui/skin_palette.h"

namespace quorvel {
namespace {

enum class Kind { PushButton, EditBox };

struct Entry {
  HWND window = nullptr;
  Kind kind = Kind::PushButton;
  // Only what messages tell: mouse over, ticked and indeterminate. The flags
  // the window itself can tell are read each time it is drawn.
  SkinState tracked;
  WNDPROC previous = nullptr;
  HBRUSH parent_brush = nullptr;  // the last one the parent supplied
  // Forwarding only: the window is being destroyed, or the skin went off while
  // a later subclass sat above it and unhooking would have cut that one out.
  bool passive = false;
};

// A WH_CBT hook on the calling thread. It is called on window creation and a
// few other events, not on every message sent, as a WH_CALLWNDPROC hook would be:
// under Wine each hook call is a round trip to the server.
class ThreadHook {
 public:
  ThreadHook() = default;
  ThreadHook(const ThreadHook&) = delete;
  ThreadHook& operator=(const ThreadHook&) = delete;
  ~ThreadHook() { remove(); }

  bool install(HOOKPROC proc) {
    handle_ = SetWindowsHookExA(WH_CBT, proc, nullptr, GetCurrentThreadId());
    return handle_ != nullptr;
  }
  // True when a hook was installed.
  bool remove() {
    if (!handle_) return false;
    UnhookWindowsHookEx(handle_);
    handle_ = nullptr;
    return true;
  }
  HHOOK get() const { return handle_; }

 private:
  HHOOK handle_ = nullptr;
};

// Only the GUI thread touches these. Any call that sends a message may add or
// remove entries, so no Entry pointer is kept across one.
std::vector<Entry> g_entries;
const SkinScheme* g_scheme = nullptr;  // set whenever an entry is active
ThreadHook g_hook;

LRESULT CALLBACK skin_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

Entry* find_entry(HWND window) {
  for (Entry& entry : g_entries) {
    if (entry.window == window) return &entry;
  }
  return nullptr;
}

void forget(HWND window) {
  if (const Entry* entry = find_entry(window)) g_entries.erase(g_entries.begin() + (entry - g_entries.data()));
}

bool class_is(HWND window, const char* name) {
  char found[32];
  return window && GetClassNameA(window, found, sizeof found) > 0 && lstrcmpiA(found, name) == 0;
}

DWORD style_of(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

// `has_text` is asked only of a window whose style alone cannot tell.
bool is_push_button(HWND window, bool (*has_text)(HWND)) {
  const DWORD style = style_of(window);
  const DWORD type = style & BS_TYPEMASK;
  if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) return false;  // owner-drawn is a type too
  if (style & BS_BITMAP) return false;
  // A bare tab-stop child without text and no other style is a placeholder.
  // WS_VISIBLE is not part of the test: the platform adds it only after
  // creation, so the hook and the walk would otherwise judge alike windows apart.
  return (style & ~WS_VISIBLE) != (WS_CHILD | WS_TABSTOP) || has_text(window);
}

// The skin knows which kind a window is, or that it leaves the window alone.
bool skinnable_kind(HWND window, bool (*has_text)(HWND), Kind& kind) {
  if (class_is(window, "Button") && is_push_button(window, has_text)) {
    kind = Kind::PushButton;
    return true;
  }
  // An IP-address control draws the frames of its fields itself.
  if (class_is(window, "Edit") && !class_is(GetParent(window), "SysIPAddress32")) {
    kind = Kind::EditBox;
    return true;
  }
  return false;
}

// A hidden window is not redrawn: showing it, or its parent, invalidates it,
// and its next paint is the skin's anyway.
void redraw(HWND window) {
  if (!IsWindowVisible(window)) return;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

// The state to draw: the tracked flags of `entry` and those the window itself
// tells now. `pressed` is asked of a button before, as asking sends a message.
SkinState drawn_state(HWND window, const Entry& entry, bool pressed) {
  const bool button = entry.kind == Kind::PushButton;
  const DWORD style = style_of(window);
  SkinState state = entry.tracked;
  state.disabled = !IsWindowEnabled(window);
  state.focused = GetFocus() == window;
  state.pressed = button && pressed;
  // Button and edit styles share bit values, so each reads only its own.
  state.default_button = button && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  state.read_only = !button && (style & ES_READONLY) != 0;
  return state;
}

// True when the window was taken now or was already an entry.
bool take_if_qualifies(HWND window, bool (*has_text)(HWND)) {
  if (Entry* entry = find_entry(window)) {
    entry->passive = false;
  } else {
    Kind kind;
    if (!skinnable_kind(window, has_text, kind)) return false;
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    g_entries.push_back({window, kind, {}, previous, nullptr, false});
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(skin_proc));
  }
  return true;
}

bool window_has_text(HWND window) { return GetWindowTextLengthA(window) > 0; }

// An existing window may be on screen in the platform's look: it is redrawn.
void skin_if_qualifies(HWND window) {
  if (take_if_qualifies(window, window_has_text)) redraw(window);
}

void unskin(HWND window) {
  Entry* entry = find_entry(window);
  if (!entry) return;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != skin_proc) {
    entry->passive = true;
    return;
  }
  const WNDPROC previous = entry->previous;
  forget(window);
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  redraw(window);
}

void unskin_all() {
  std::vector<HWND> windows;
  for (const Entry& entry : g_entries) windows.push_back(entry.window);
  for (const HWND window : windows) unskin(window);
}

BOOL CALLBACK skin_child(HWND window, LPARAM) {
  skin_if_qualifies(window);
  return TRUE;
}

BOOL CALLBACK skin_top_level(HWND window, LPARAM) {
  skin_if_qualifies(window);
  EnumChildWindows(window, skin_child, 0);  // all descendants, not just children
  return TRUE;
}

// The name a window is being created with; the hook runs before it is set as
// the window's text. Only a creation hook on this thread reads it.
const CREATESTRUCTA* g_creating = nullptr;

// A name given as a resource ordinal is content too.
bool creation_has_text(HWND) {
  const char* name = g_creating->lpszName;
  return name && (IS_INTRESOURCE(name) || name[0] != '\0');
}

// A window being created is not shown yet, so it needs no redraw: its first
// paint is already the skin's.
LRESULT CALLBACK creation_hook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    g_creating = reinterpret_cast<const CBT_CREATEWNDA*>(lparam)->lpcs;
    take_if_qualifies(reinterpret_cast<HWND>(wparam), creation_has_text);
    g_creating = nullptr;
  }
  return CallNextHookEx(g_hook.get(), code, wparam, lparam);
}

std::vector<char> window_text(HWND window) {
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return text;
}

HBRUSH ask_parent_for_brush(HWND button, HDC dc) {
  const HWND parent = GetParent(button);
  if (!parent) return nullptr;
  return reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(button)));
}

void paint_button(HWND window, HDC dc) {
  RECT rect;
  GetClientRect(window, &rect);
  const std::vector<char> text = window_text(window);
  ButtonContent content;
  content.text = text.data();
  content.font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  content.style = style_of(window);
  const HBRUSH asked = ask_parent_for_brush(window, dc);
  const bool pressed = (SendMessageA(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  Entry* entry = find_entry(window);
  if (!entry) return;
  if (asked) entry->parent_brush = asked;
  content.background = entry->parent_brush ? entry->parent_brush : GetSysColorBrush(COLOR_BTNFACE);
  const ButtonLook look =
      button_look(*g_scheme, drawn_state(window, *entry, pressed), GetSysColor(COLOR_BTNFACE));
  paint_skinned_button(dc, rect, look, content);
}

// Painted off screen and copied in one go, so the layers never flicker.
void paint_button_buffered(HWND window, HDC dc) {
  RECT rect;
  GetClientRect(window, &rect);
  ScopedMemoryDC memory(CreateCompatibleDC(dc));
  ScopedBitmap bitmap(CreateCompatibleBitmap(dc, rect.right, rect.bottom));
  if (!memory || !bitmap) {
    paint_button(window, dc);
    return;
  }
  ScopedSelect selected(memory.get(), bitmap.get());
  paint_button(window, memory.get());
  BitBlt(dc, 0, 0, rect.right, rect.bottom, memory.get(), 0, 0, SRCCOPY);
}

LRESULT on_button_paint(HWND window) {
  PaintScope paint(window);
  paint_button_buffered(window, paint.dc());
  return 0;
}

// Draws over what the platform's button has just drawn of itself, at once and
// as directly as it did: invalidating would cost a round of paint messages.
void repaint_button(HWND window) {
  if (!IsWindowVisible(window)) return;
  WindowDC dc(window);
  if (dc.get()) paint_button_buffered(window, dc.get());
}

void set_mouse_over(HWND window, bool over) {
  Entry* entry = find_entry(window);
  if (!entry || entry->tracked.mouse_over == over) return;
  entry->tracked.mouse_over = over;
  if (over) {
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window, 0};
    TrackMouseEvent(&leave);
  }
  repaint_button(window);
}

void on_mouse_move(HWND window, LPARAM lparam) {
  RECT client;
  GetClientRect(window, &client);
  // While the button holds the capture, moves outside it arrive here too.
  set_mouse_over(window, PtInRect(&client, POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}) != FALSE);
}

// A push button ignores its check state, so the skin keeps it.
void on_set_check(HWND window, WPARAM check) {
  if (Entry* entry = find_entry(window)) {
    entry->tracked.ticked = check == BST_CHECKED;
    entry->tracked.indeterminate = check == BST_INDETERMINATE;
  }
}

// Messages on which the platform's button draws itself at once, outside WM_PAINT.
bool button_draws_itself_on(UINT message) {
  switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_UPDATEUISTATE:
      return true;
    default:
      return false;
  }
}

LRESULT button_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, WNDPROC previous) {
  switch (message) {
    case WM_PAINT:
      return on_button_paint(window);
    case WM_PRINTCLIENT:
      paint_button(window, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the painter covers every pixel
    case WM_MOUSEMOVE:
      on_mouse_move(window, lparam);
      break;
    case WM_MOUSELEAVE:
      set_mouse_over(window, false);
      break;
    case BM_SETCHECK:
      on_set_check(window, wparam);
      break;
  }
  const LRESULT result = CallWindowProcA(previous, window, message, wparam, lparam);
  if (button_draws_itself_on(message)) repaint_button(window);
  return result;
}

void frame_edit(HWND window, HDC dc) {
  const DWORD extended = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  if (!(style_of(window) & WS_BORDER) && !(extended & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE))) return;
  const Entry* entry = find_entry(window);
  if (!entry) return;
  RECT rect;
  GetWindowRect(window, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  paint_edit_frame(dc, rect, edit_frame_look(*g_scheme, drawn_state(window, *entry, false),
                                             GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOW)));
}

// The edit control may leave its client area clipped on a DC it is handed.
LRESULT print_keeping_dc(HWND window, HDC dc, LPARAM flags, WNDPROC previous) {
  SavedDC saved(dc);
  return CallWindowProcA(previous, window, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
}

LRESULT on_edit_print(HWND window, HDC dc, LPARAM flags, WNDPROC previous) {
  const LRESULT result = print_keeping_dc(window, dc, flags, previous);
  if ((flags & PRF_NONCLIENT) && !((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(window))) {
    frame_edit(window, dc);
  }
  return result;
}

// The edit control paints itself; the skin only draws over its frame afterwards.
LRESULT edit_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, WNDPROC previous) {
  if (message == WM_PRINT) return on_edit_print(window, reinterpret_cast<HDC>(wparam), lparam, previous);
  const LRESULT result = CallWindowProcA(previous, window, message, wparam, lparam);
  switch (message) {
    case WM_NCPAINT:
      frame_edit(window, WindowDC(window, WindowDC::Area::Whole).get());
      break;
    case WM_ENABLE:
    case EM_SETREADONLY:
      redraw(window);
      break;
  }
  return result;
}

// The window's last message. The entry only forwards while the previous
// procedure handles it and is dropped afterwards; the window procedure is not
// put back, as nothing reaches the window any more.
LRESULT on_nc_destroy(HWND window, WPARAM wparam, LPARAM lparam) {
  Entry* entry = find_entry(window);
  entry->passive = true;
  const WNDPROC previous = entry->previous;
  const LRESULT result = CallWindowProcA(previous, window, WM_NCDESTROY, wparam, lparam);
  forget(window);
  return result;
}

LRESULT CALLBACK skin_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const Entry* entry = find_entry(window);
  if (!entry) return DefWindowProcA(window, message, wparam, lparam);
  const WNDPROC previous = entry->previous;
  if (message == WM_NCDESTROY) return on_nc_destroy(window, wparam, lparam);
  if (entry->passive) return CallWindowProcA(previous, window, message, wparam, lparam);
  if (entry->kind == Kind::PushButton) return button_message(window, message, wparam, lparam, previous);
  return edit_message(window, message, wparam, lparam, previous);
}

}  // namespace

bool switch_control_skin(int scheme) {
  const bool hook_removed = g_hook.remove();
  unskin_all();
  g_scheme = skin_scheme(scheme);
  if (!g_scheme) return hook_removed;
  EnumThreadWindows(GetCurrentThreadId(), skin_top_level, 0);
  // Without the hook, controls created from now on would stay plain.
  return g_hook.install(creation_hook);
}

size_t skinned_control_count() { return g_entries.size(); }

}  // namespace quorvel
