#include <windows.h>

#include "app/text_buffer.h"
#include "app/window_layer.h"
#include "ui/texts.h"

namespace quorvel {

char* allocate_text(size_t size) {
  void* p = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size ? size : 1);
  if (!p) fail_fatally(texts::kOutOfMemory);
  return static_cast<char*>(p);
}

void release_text(char* text) {
  if (text) HeapFree(GetProcessHeap(), 0, text);
}

}  // namespace quorvel
