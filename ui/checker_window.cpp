#include "ui/checker_window.h"

#include "app/text_buffer.h"
#include "app/window_layer.h"
#include "system/version_probe.h"
#include "ui/edit_box.h"
#include "ui/layouts.h"
#include "ui/message_box.h"
#include "ui/skin.h"
#include "ui/texts.h"
#include "ui/verdict.h"

namespace quorvel {

namespace {
constexpr int kBlueScheme = 1;
}  // namespace

void on_checker_created() { switch_control_skin(kBlueScheme); }

void run_check() {
  char* version = read_browser_version();
  set_edit_text(WindowId::Checker, kEditBox1, version);
  release_text(version);

  // The verdict is on what the box shows, read back after writing it.
  char* shown = get_edit_text(WindowId::Checker, kEditBox1);
  const bool current = is_current_version(shown);
  release_text(shown);

  if (current) {
    show_message_box(texts::kIsCurrent, 0);
    return;
  }
  show_message_box(texts::kIsNotCurrent, 0);
  load_window(WindowId::Offer, {.parent = nullptr, .modal = true});
}

}  // namespace quorvel
