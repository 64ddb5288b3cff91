// The program's message box.
#pragma once

namespace quorvel {

// Shows `text` with no owner window. The caption defaults to "信息：", and the box
// is task-modal unless system-modal is asked for: every top-level window of the
// thread is disabled until it closes. Returns the button pressed.
int show_message_box(const char* text, unsigned flags, const char* caption = nullptr);

}  // namespace quorvel
