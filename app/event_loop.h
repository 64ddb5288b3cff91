// The one message loop of the program, in its outer and nested forms.
#pragma once

namespace quorvel {

enum class LoopKind { Outer, Nested };

// Outer: runs until the quit message and returns its code. Nested: returns as
// soon as the current modal window is gone, or when a quit message is next, which
// it leaves for the outer loop; the result is then 0.
int run_event_loop(LoopKind kind);

}  // namespace quorvel
