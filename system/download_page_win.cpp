#include <windows.h>
#include <shellapi.h>

#include "system/download_page.h"

namespace quorvel {

void open_download_page(const char* address) {
  // A running Internet Explorer, found by its title, owns any message the shell shows.
  const HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  ShellExecuteA(owner, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quorvel
