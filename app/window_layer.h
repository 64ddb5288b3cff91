// The window layer: the program's frame around its windows. It loads windows
// from their layouts, opens them as modal windows with a nested event loop,
// closes them, applies the quit rule, and ends the program.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/layout.h"

namespace quorvel {

struct LoadArgs {
  HWND parent = nullptr;  // a modal window never takes it: it is owned by the hidden owner
  bool modal = false;     // run a nested event loop until the window is gone
};

// Start-up: process heap, OLE, the program folder as current directory, the
// hidden owner window, the GUI thread, the layouts. Fails fatally when the
// layouts cannot be read.
void start_window_layer();

// Creates the window from its layout, raises its created event and shows it.
// Modal: returns once the window is gone. False when there is no layout or the
// window cannot be created.
bool load_window(WindowId id, LoadArgs args = {});
bool load_window(const WindowLayout& layout, LoadArgs args = {});

// The live window loaded from `id`'s layout, or nullptr.
HWND loaded_window(WindowId id);

// The live control `name` of a loaded window, or nullptr.
HWND find_control(WindowId window, const char* name);

// The invisible tool window that owns modal windows and windows kept off the taskbar.
HWND hidden_owner_window();

// Runs the outer event loop if any loaded window exists; returns the quit code.
int run_main_loop();

// Called once, first thing, when the program ends in an orderly way.
void register_end_routine(Handler routine);

// Ends the process with `exit_code` after the end clean-up. Does not return.
[[noreturn]] void end_program(uint32_t exit_code);

// Shows an error box naming the failure and ends with exit code 0xFFFFFFFF.
[[noreturn]] void fail_fatally(const char* message);

// For the event loop and the top-level window procedure.
HWND current_modal_window();
void close_window(HWND window);   // a close request: close query, modal restore, destroy
void forget_window(HWND window);  // the window is finally destroyed: the quit rule

}  // namespace quorvel
