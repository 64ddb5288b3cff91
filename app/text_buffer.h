// Text buffers on the process heap. Every text an operation returns belongs to
// its caller, who hands it back with release_text.
#pragma once

#include <cstddef>

namespace quorvel {

// A zero-filled buffer of `size` bytes. Running out of memory is fatal for the
// program, so this never returns nullptr.
char* allocate_text(size_t size);

// Frees a text; nullptr is allowed and does nothing.
void release_text(char* text);

}  // namespace quorvel
