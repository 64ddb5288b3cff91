#include <windows.h>
#include <shellapi.h>

#include "system/download_page.h"
#include "system/system_library.h"

namespace quorvel {
namespace {

using ShellExecuteFn = decltype(&ShellExecuteA);  // its type only: shell32 is not imported

// shell32, with the DLLs it brings along, would otherwise be loaded at every
// start and unloaded at every exit, although most runs never hand anything over.
ShellExecuteFn shell_execute() {
  static const ShellExecuteFn function = system_function<ShellExecuteFn>("shell32.dll", "ShellExecuteA");
  return function;
}

}  // namespace

void open_download_page(const char* address) {
  const ShellExecuteFn execute = shell_execute();
  if (!execute) return;  // like a failed shell call: dropped
  // A running Internet Explorer, found by its title, owns any message the shell shows.
  const HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  execute(owner, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quorvel
