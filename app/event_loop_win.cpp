#include <windows.h>

#include "app/event_loop.h"
#include "app/window_layer.h"
#include "ui/window_keys.h"

namespace quorvel {
namespace {

bool modal_gone(LoopKind kind) {
  return kind == LoopKind::Nested && current_modal_window() == nullptr;
}

}  // namespace

int run_event_loop(LoopKind kind) {
  MSG msg;
  for (;;) {
    if (modal_gone(kind)) return 0;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      // No idle work is registered, so an empty queue just waits.
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      // A nested loop hands the quit message on so the outer loop ends too.
      if (kind == LoopKind::Nested) PostQuitMessage(static_cast<int>(msg.wParam));
      return kind == LoopKind::Nested ? 0 : static_cast<int>(msg.wParam);
    }
    if (handle_window_key(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace quorvel
