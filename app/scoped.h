// Owners for Win32 handles and GDI objects: each frees what it holds when it
// goes out of scope, so no path through a function can leak one.
#pragma once

#include <windows.h>

#include <utility>

namespace quorvel {

template <typename Handle, auto Free>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(Handle h) : handle_(h) {}
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Scoped& operator=(Scoped&& other) noexcept {
    reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~Scoped() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(Handle h = nullptr) {
    if (handle_) Free(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = nullptr;
};

inline void delete_gdi_object(HGDIOBJ o) { DeleteObject(o); }
inline void destroy_icon(HICON i) { DestroyIcon(i); }
inline void destroy_window(HWND w) { DestroyWindow(w); }
inline void delete_dc(HDC dc) { DeleteDC(dc); }

using ScopedBrush = Scoped<HBRUSH, delete_gdi_object>;
using ScopedBitmap = Scoped<HBITMAP, delete_gdi_object>;
using ScopedFont = Scoped<HFONT, delete_gdi_object>;
using ScopedIcon = Scoped<HICON, destroy_icon>;
using ScopedWindow = Scoped<HWND, destroy_window>;
using ScopedMemoryDC = Scoped<HDC, delete_dc>;

// Selects an object into a DC and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// SaveDC / RestoreDC: whatever happens to the DC in between is undone.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;
  ~SavedDC() { RestoreDC(dc_, id_); }

 private:
  HDC dc_;
  int id_;
};

// BeginPaint / EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &ps_); }
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// GetDC / GetWindowDC and ReleaseDC.
class WindowDC {
 public:
  enum class Area { Client, Whole };
  explicit WindowDC(HWND window, Area area = Area::Client)
      : window_(window), dc_(area == Area::Client ? GetDC(window) : GetWindowDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace quorvel
