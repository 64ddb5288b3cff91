#include "ui/verdict.h"

#include <cstring>

#include "ui/texts.h"

namespace quorvel {

bool is_current_version(const char* text) {
  return std::strcmp(text ? text : "", texts::kCurrentVersion) == 0;
}

}  // namespace quorvel
