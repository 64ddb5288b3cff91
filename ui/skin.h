// The control skin: push buttons and edit frames of the GUI thread drawn in one
// of three colour schemes, for windows that exist now and every one created later.
#pragma once

#include <cstddef>

namespace quorvel {

// Scheme 1 (blue), 2 (olive green) or 3 (silver) switches the skin on and
// returns true. Any other value switches it off and returns whether a hook was
// removed.
bool switch_control_skin(int scheme);

// How many controls are subclassed now.
size_t skinned_control_count();

}  // namespace quorvel
