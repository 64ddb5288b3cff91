#include "system/system_library.h"

#include <cstring>

namespace quorvel {

HMODULE load_system_library(const char* file) {
  char path[MAX_PATH];
  const UINT folder = GetSystemDirectoryA(path, MAX_PATH);
  const size_t name = std::strlen(file);
  if (folder == 0 || folder + 1 + name + 1 > MAX_PATH) return nullptr;
  path[folder] = '\\';
  std::memcpy(path + folder + 1, file, name + 1);
  return LoadLibraryA(path);
}

}  // namespace quorvel
