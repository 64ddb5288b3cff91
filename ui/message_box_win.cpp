#include <windows.h>

#include "ui/message_box.h"
#include "ui/texts.h"

namespace quorvel {

int show_message_box(const char* text, unsigned flags, const char* caption) {
  if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
  return MessageBoxA(nullptr, text, caption ? caption : texts::kMessageCaption, flags);
}

}  // namespace quorvel
