// The version text made from the bytes that a registry query left in its scratch
// buffer. Kept apart from the registry call so that it builds and is tested and
// fuzzed without Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quorvel {

// Size of the query's scratch buffer and of the version text's buffer alike;
// the text holds at most kVersionTextBytes - 1 bytes and then its zero byte.
inline constexpr std::size_t kVersionTextBytes = 100;

// Fills all of `text`: the scratch bytes up to the first zero byte, then zero
// bytes to the end. Only the first kVersionTextBytes scratch bytes are read.
//
// Values that do not fit:
// - a reported size of 0 gives the empty text, whatever the scratch holds;
// - a reported size above kVersionTextBytes gives the empty text: the registry
//   then reports the size it would have needed and leaves the scratch content
//   undefined, so no part of it is trusted;
// - a value of exactly kVersionTextBytes bytes without a zero byte is cut to its
//   first kVersionTextBytes - 1 bytes, so that the text keeps its zero byte.
void make_version_text(std::span<const char, kVersionTextBytes> scratch,
                       std::uint32_t reported_size,
                       std::span<char, kVersionTextBytes> text);

}  // namespace quorvel
