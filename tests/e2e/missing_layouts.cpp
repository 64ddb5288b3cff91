// For a build of the program whose window layouts cannot be read: this lookup
// takes the place of the program's own and finds none.
#include "ui/layouts.h"

namespace quorvel {

const WindowLayout* find_layout(WindowId) { return nullptr; }

}  // namespace quorvel
