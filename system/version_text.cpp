#include "system/version_text.h"

#include <algorithm>

namespace quorvel {

void make_version_text(std::span<const char, kVersionTextBytes> scratch,
                       std::uint32_t reported_size,
                       std::span<char, kVersionTextBytes> text) {
  auto text_end = scratch.begin();
  if (reported_size != 0 && reported_size <= kVersionTextBytes) {
    // Looking only at the first 99 bytes both finds the terminator and caps the
    // length of a value that has none.
    text_end = std::find(scratch.begin(), scratch.end() - 1, '\0');
  }
  std::fill(std::copy(scratch.begin(), text_end, text.begin()), text.end(), '\0');
}

}  // namespace quorvel
