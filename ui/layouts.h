// The program's two windows: their layouts and the names of their controls.
#pragma once

#include "ui/layout.h"

namespace quorvel {

// Control names, unique within their window (GBK): 标签1, 按钮1, 编辑框1, 按钮2.
inline constexpr char kLabel1[] = "\xb1\xea\xc7\xa9" "1";
inline constexpr char kButton1[] = "\xb0\xb4\xc5\xa5" "1";
inline constexpr char kEditBox1[] = "\xb1\xe0\xbc\xad\xbf\xf2" "1";
inline constexpr char kButton2[] = "\xb0\xb4\xc5\xa5" "2";

// The program's layout of a window, or nullptr when it has none.
const WindowLayout* find_layout(WindowId id);

}  // namespace quorvel
