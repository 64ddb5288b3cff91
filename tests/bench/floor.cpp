// The platform's floor for the benchmark: the least a Win32 program does to
// show a window the size of the checker window (one registered class, one empty
// 415 x 89 window centred on the screen) and to show a message box on a click.
// quorvel.exe is measured against this. Its message box shows quorvel's
// verdict text, so that both boxes cost the platform the same glyphs.
#include <windows.h>

#include "ui/texts.h"

namespace {

constexpr char kClass[] = "BenchFloor";
constexpr int kWidth = 415;
constexpr int kHeight = 89;

LRESULT CALLBACK floor_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_LBUTTONUP:
      MessageBoxA(window, quorvel::texts::kIsNotCurrent, quorvel::texts::kMessageCaption, MB_OK);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = floor_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClass;
  if (!RegisterClassA(&wc)) return 1;

  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  const HWND window = CreateWindowExA(0, kClass, "Floor", WS_CAPTION | WS_SYSMENU, x, y, kWidth,
                                      kHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);

  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
