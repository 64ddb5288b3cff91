#include "system/version_probe.h"

#include <windows.h>

#include "app/scoped.h"
#include "app/text_buffer.h"
#include "system/version_text.h"

namespace quorvel {
namespace {

void close_key(HKEY key) { RegCloseKey(key); }
using ScopedKey = Scoped<HKEY, close_key>;

ScopedKey open_browser_key() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer", 0, KEY_READ,
                    &key) != ERROR_SUCCESS) {
    return ScopedKey();
  }
  return ScopedKey(key);
}

// Queries "Version" into the zero-filled scratch and returns the size that the
// registry reported, or 0 when the key cannot be opened. The query's status and
// the type it reports are not looked at: a missing value leaves the scratch
// zero, and a value too large for it shows in the size.
DWORD query_version(std::span<char, kVersionTextBytes> scratch) {
  const ScopedKey key = open_browser_key();
  if (!key) return 0;
  DWORD type = REG_SZ;
  DWORD size = static_cast<DWORD>(kVersionTextBytes);
  RegQueryValueExA(key.get(), "Version", nullptr, &type, reinterpret_cast<BYTE*>(scratch.data()),
                   &size);
  return size;
}

}  // namespace

char* read_browser_version() {
  char* text = allocate_text(kVersionTextBytes);
  char scratch[kVersionTextBytes] = {};
  const DWORD size = query_version(scratch);
  make_version_text(scratch, size,
                    std::span<char, kVersionTextBytes>(text, kVersionTextBytes));
  return text;
}

}  // namespace quorvel
