// Program entry: start the frame, show the checker window, run the loop, end.
#include <windows.h>

#include "app/window_layer.h"
#include "ui/layouts.h"
#include "ui/texts.h"

namespace quorvel {
namespace {

// The program has no start-up or clean-up work of its own; these are its
// places in the frame.
void start_routine() {}
void end_routine() {}

int program_entry() {
  start_window_layer();
  start_routine();
  register_end_routine(end_routine);
  if (!load_window(WindowId::Checker)) fail_fatally(texts::kCheckerNotCreated);
  return run_main_loop();
}

}  // namespace
}  // namespace quorvel

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  quorvel::end_program(static_cast<uint32_t>(quorvel::program_entry()));
}
