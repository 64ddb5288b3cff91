// For a build of the program whose checker window cannot be loaded: its window
// class name is longer than the system accepts (at most 255 characters), so the
// class cannot be registered. The offer window's layout is an ordinary one, so
// the layouts themselves are readable.
#include <array>

#include "ui/layouts.h"

namespace quorvel {
namespace {

constexpr auto overlong_class_name() {
  std::array<char, 301> name{};
  for (size_t i = 0; i + 1 < name.size(); ++i) name[i] = 'W';
  return name;
}
constexpr auto kOverlongClassName = overlong_class_name();

constexpr WindowLayout kLayouts[] = {
    {.id = WindowId::Checker,
     .box = {50, 50, 415, 89},
     .title = "Quorvel",
     .class_name = kOverlongClassName.data()},
    {.id = WindowId::Offer, .box = {50, 50, 236, 90}, .title = ""},
};

}  // namespace

const WindowLayout* find_layout(WindowId id) {
  for (const WindowLayout& layout : kLayouts) {
    if (layout.id == id) return &layout;
  }
  return nullptr;
}

}  // namespace quorvel
