// The few pieces of the GNU C++ runtime that the program's containers call,
// defined here so that the linker does not take libstdc++'s versions. Those
// throw, and throwing drags in the whole exception machinery: the unwinder, the
// exception classes with their strings, the verbose terminate handler with its
// demangler and printf. That is about three quarters of the executable, for a
// program built without exceptions that could never catch one.
//
// An exception nobody catches would end in abort(), and so does each of these,
// except running out of memory: that is a failure of the program's frame, which
// says so in an error box and ends with exit code 0xFFFFFFFF, like a text buffer
// that cannot be allocated. Only MinGW builds compile this file.
//
// When the link reports a multiple definition of another std::__throw_
// function, new code calls it: add it below.
#include <cstdlib>
#include <new>

#include "app/window_layer.h"
#include "ui/texts.h"

namespace std {

// The container and string code in the headers calls these out of line.
void __throw_bad_alloc() { quorvel::fail_fatally(quorvel::texts::kOutOfMemory); }
void __throw_bad_array_new_length() { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }

}  // namespace std

// Replacements for the library's allocation functions, which throw bad_alloc.
// A zero-byte request still gets its own pointer, as the language requires.
void* operator new(size_t size) {
  void* p = malloc(size ? size : 1);
  if (!p) quorvel::fail_fatally(quorvel::texts::kOutOfMemory);
  return p;
}

void* operator new(size_t size, const std::nothrow_t&) noexcept { return malloc(size ? size : 1); }

void operator delete(void* p) noexcept { free(p); }
void operator delete(void* p, size_t) noexcept { free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { free(p); }
