// libFuzzer target: arbitrary scratch bytes and reported sizes must always give
// a zero-terminated text of at most 99 bytes, zero to the end of its buffer,
// that is the scratch's leading text or, for sizes 0 and above 100, empty.
//
// Input: four bytes of reported size (little-endian), then up to 100 scratch
// bytes; missing scratch bytes are zero, as after the probe's zero-fill.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "system/version_text.h"

namespace {

using quorvel::kVersionTextBytes;

std::uint32_t size_from(const std::uint8_t* data) {
  return data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

// The rule written a second way: the whole scratch as a string, cut at its first
// zero byte and then at 99 bytes.
std::string expected_text(const std::vector<char>& scratch, std::uint32_t size) {
  if (size == 0 || size > kVersionTextBytes) return "";
  std::string whole(scratch.begin(), scratch.end());
  return whole.substr(0, whole.find('\0')).substr(0, kVersionTextBytes - 1);
}

void require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t length) {
  if (length < 4) return 0;
  const std::uint32_t size = size_from(data);
  const std::size_t scratch_bytes = std::min(length - 4, kVersionTextBytes);

  // Heap buffers of exactly 100 bytes, so that AddressSanitizer catches any
  // access past them.
  std::vector<char> scratch(kVersionTextBytes, '\0');
  std::memcpy(scratch.data(), data + 4, scratch_bytes);
  std::vector<char> text(kVersionTextBytes, '\x55');

  quorvel::make_version_text(
      std::span<const char, kVersionTextBytes>(scratch.data(), kVersionTextBytes), size,
      std::span<char, kVersionTextBytes>(text.data(), kVersionTextBytes));

  const char* zero = static_cast<const char*>(std::memchr(text.data(), '\0', kVersionTextBytes));
  require(zero != nullptr);
  const std::size_t text_length = static_cast<std::size_t>(zero - text.data());
  require(text_length <= kVersionTextBytes - 1);
  require(std::string(text.data(), text_length) == expected_text(scratch, size));
  for (const char* rest = zero; rest != text.data() + kVersionTextBytes; ++rest) require(*rest == '\0');
  return 0;
}
