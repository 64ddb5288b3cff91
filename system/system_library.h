// DLLs that the program does not import, loaded when first needed: from the
// system folder by full path, so that a file of the same name beside the
// program (in a Downloads folder, say) is never picked up.
#pragma once

#include <windows.h>

namespace quorvel {

// `file` is a bare name such as "shell32.dll". The module stays loaded for the
// rest of the process. nullptr if it cannot be loaded.
HMODULE load_system_library(const char* file);

// The export `name` of the system DLL `file` as a function of type Fn, or
// nullptr. Callers keep the result: each call loads the DLL once more.
template <typename Fn>
Fn system_function(const char* file, const char* name) {
  const HMODULE module = load_system_library(file);
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace quorvel
