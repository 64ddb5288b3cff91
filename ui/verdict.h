// Whether a version text read back from the edit box counts as current.
#pragma once

namespace quorvel {

// True only for exactly the two bytes "11": no number is parsed and no prefix
// matches, so "11.0", "011" and " 11" are all not current. nullptr counts as "".
bool is_current_version(const char* text);

}  // namespace quorvel
