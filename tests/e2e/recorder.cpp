// recorder.exe: appends its first argument and a newline to recorder.log in its
// own folder. A window program, so that the shell starts it without a console.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "recorder.h"

namespace {

std::string log_path() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  const std::string exe(path, n < sizeof path ? n : 0);
  return exe.substr(0, exe.find_last_of('\\') + 1) + e2e::kRecorderLog;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 2;
  std::ofstream log(log_path(), std::ios::binary | std::ios::app);
  log << __argv[1] << '\n' << std::flush;
  return log ? 0 : 1;
}
