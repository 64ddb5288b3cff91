#include <windows.h>

#include "ui/message_box.h"
#include "ui/texts.h"

namespace quorvel {

int show_message_box(const char* text, unsigned flags, const char* caption) {
  if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
  const HWND was_active = GetActiveWindow();
  const int pressed = MessageBoxA(nullptr, text, caption ? caption : texts::kMessageCaption, flags);
  // An ownerless box can leave no window of the thread active when it closes;
  // the window the user was working in gets the keyboard back.
  if (!GetActiveWindow() && IsWindow(was_active) && IsWindowEnabled(was_active)) {
    SetActiveWindow(was_active);
  }
  return pressed;
}

}  // namespace quorvel
