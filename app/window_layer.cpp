#include "app/window_layer.h"

#include <ole2.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/event_loop.h"
#include "app/scoped.h"
#include "ui/layouts.h"
#include "ui/texts.h"
#include "ui/window_factory.h"

namespace quorvel {
namespace {

struct LoadedWindow {
  const WindowLayout* layout;
  HWND handle;
  bool modal_mark = false;
};

struct DisabledWindow {
  HWND handle;
  bool was_enabled;
};

// Everything the frame holds for the life of the process. All of it is touched
// only on the GUI thread.
struct LayerState {
  bool ole_initialised = false;
  ScopedWindow hidden_owner;
  std::vector<LoadedWindow> loaded;
  std::vector<DisabledWindow> disabled;
  HWND current_modal = nullptr;
  bool loop_started = false;
  bool ending = false;
  Handler end_routine = nullptr;
};

LayerState& layer() {
  static LayerState f;
  return f;
}

LoadedWindow* find_loaded(HWND handle) {
  for (LoadedWindow& w : layer().loaded) {
    if (w.handle == handle) return &w;
  }
  return nullptr;
}

// The executable's full path, however long; empty if it cannot be had.
std::string executable_path() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) return path.substr(0, n);
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

void enter_program_folder() {
  const std::string path = executable_path();
  const size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) return;
  SetCurrentDirectoryA(path.substr(0, slash).c_str());
}

ATOM register_owner_class() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = "WTOwner";
  return RegisterClassExA(&wc);
}

HWND create_hidden_owner() {
  static const ATOM atom = register_owner_class();
  return CreateWindowExA(WS_EX_TOOLWINDOW, MAKEINTATOM(atom), "", 0, 0, 0, 0, 0, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool layouts_readable() {
  return find_layout(WindowId::Checker) != nullptr && find_layout(WindowId::Offer) != nullptr;
}

void show_as_layout_says(HWND window, const WindowLayout& layout) {
  if (!layout.visible) return;
  switch (layout.display) {
    case DisplayState::Minimised: ShowWindow(window, SW_SHOWMINIMIZED); break;
    case DisplayState::Maximised: ShowWindow(window, SW_SHOWMAXIMIZED); break;
    case DisplayState::StoredPosition:
    case DisplayState::Centred: ShowWindow(window, SW_SHOWNORMAL); break;
  }
  UpdateWindow(window);
}

// A modal window never takes the caller's parent: owned by the hidden owner, it
// has no taskbar button and is not tied to the window whose handler opened it.
HWND owner_for(const WindowLayout& layout, LoadArgs args) {
  if (args.modal) return layer().hidden_owner.get();
  if (args.parent) return args.parent;
  return layout.show_in_taskbar ? nullptr : layer().hidden_owner.get();
}

// Disables every other top-level window of the program that has no owner,
// remembering whether each was enabled.
void disable_other_windows(HWND modal) {
  for (const LoadedWindow& w : layer().loaded) {
    if (w.handle == modal || !IsWindow(w.handle)) continue;
    if (GetParent(w.handle) || GetWindow(w.handle, GW_OWNER)) continue;
    layer().disabled.push_back({w.handle, IsWindowEnabled(w.handle) != FALSE});
    EnableWindow(w.handle, FALSE);
  }
}

void restore_disabled_windows() {
  for (const DisabledWindow& d : std::exchange(layer().disabled, {})) {
    if (IsWindow(d.handle)) EnableWindow(d.handle, d.was_enabled);
  }
}

bool run_modal(HWND window) {
  find_loaded(window)->modal_mark = true;
  disable_other_windows(window);
  const HWND saved = std::exchange(layer().current_modal, window);
  run_event_loop(LoopKind::Nested);
  layer().current_modal = saved;
  return true;
}

}  // namespace

void start_window_layer() {
  LayerState& f = layer();
  f.ole_initialised = SUCCEEDED(OleInitialize(nullptr));
  enter_program_folder();
  f.hidden_owner.reset(create_hidden_owner());
  if (!layouts_readable()) fail_fatally(texts::kLayoutsUnreadable);
}

bool load_window(WindowId id, LoadArgs args) {
  const WindowLayout* layout = find_layout(id);
  return layout && load_window(*layout, args);
}

bool load_window(const WindowLayout& layout, LoadArgs args) {
  const HWND window = create_window(layout, owner_for(layout, args));
  if (!window) return false;
  layer().loaded.push_back({&layout, window});
  if (layout.on_created) layout.on_created();
  if (!IsWindow(window)) return true;  // its created handler already closed it
  show_as_layout_says(window, layout);
  return args.modal ? run_modal(window) : true;
}

HWND loaded_window(WindowId id) {
  for (const LoadedWindow& w : layer().loaded) {
    if (w.layout->id == id) return w.handle;
  }
  return nullptr;
}

HWND find_control(WindowId window, const char* name) {
  const HWND handle = loaded_window(window);
  return handle ? control_of(handle, name) : nullptr;
}

HWND hidden_owner_window() { return layer().hidden_owner.get(); }

HWND current_modal_window() { return layer().current_modal; }

int run_main_loop() {
  layer().loop_started = true;
  return layer().loaded.empty() ? 0 : run_event_loop(LoopKind::Outer);
}

void close_window(HWND window) {
  LoadedWindow* w = find_loaded(window);
  if (w && w->layout->on_close_query && !w->layout->on_close_query()) return;
  if (w && w->modal_mark) {
    // The windows it disabled come back before it goes, so the system has an
    // enabled window to activate next.
    restore_disabled_windows();
    w->modal_mark = false;
  }
  DestroyWindow(window);
}

void forget_window(HWND window) {
  LayerState& f = layer();
  // A modal window destroyed without a close request still gives back what it
  // disabled, unless the program is ending and nothing is to come back.
  const LoadedWindow* w = find_loaded(window);
  if (w && w->modal_mark && !f.ending) restore_disabled_windows();
  f.loaded.erase(std::remove_if(f.loaded.begin(), f.loaded.end(),
                                [window](const LoadedWindow& w) { return w.handle == window; }),
                 f.loaded.end());
  if (f.current_modal == window) f.current_modal = nullptr;
  if (f.loaded.empty() && f.loop_started && !f.ending) PostQuitMessage(0);
}

void register_end_routine(Handler routine) { layer().end_routine = routine; }

void end_program(uint32_t exit_code) {
  LayerState& f = layer();
  f.ending = true;
  // No idle work is ever registered, and the layouts are constant data: steps
  // that have nothing to release.
  if (const Handler routine = std::exchange(f.end_routine, nullptr)) routine();
  f.hidden_owner.reset();  // takes every window it owns with it
  release_window_resources();
  if (f.ole_initialised) OleUninitialize();
  ExitProcess(exit_code);
}

void fail_fatally(const char* message) {
  MessageBoxA(nullptr, message, texts::kErrorCaption, MB_OK | MB_ICONERROR);
  layer().end_routine = nullptr;
  end_program(0xFFFFFFFFu);
}

}  // namespace quorvel
