// The program's own texts, as GBK bytes (code page 936). Every string is the
// exact byte sequence the program shows; the Chinese it encodes stands beside it.
// Source files stay plain ASCII so that every compiler reads them alike.
#pragma once

namespace quorvel::texts {

inline constexpr char kCheckerTitle[] = "Quorvel";
inline constexpr char kVersionLabel[] = "\xb0\xe6\xb1\xbe\xba\xc5\xa3\xba";  // 版本号：
inline constexpr char kCheckButton[] =
    "\xd2\xbb\xbc\xfc\xbc\xec\xb2\xe9\xb8\xfc\xd0\xc2";  // 一键检查更新
inline constexpr char kDeclineButton[] = "\xb2\xbb\xc1\xcb\xd0\xbb\xd0\xbb";  // 不了谢谢
inline constexpr char kUpdateButton[] = "\xc1\xa2\xbf\xcc\xb8\xfc\xd0\xc2";   // 立刻更新

inline constexpr char kIsCurrent[] =  // 您的IE浏览器已是最新版本！
    "\xc4\xfa\xb5\xc4" "IE" "\xe4\xaf\xc0\xc0\xc6\xf7\xd2\xd1\xca\xc7\xd7\xee\xd0\xc2\xb0\xe6\xb1\xbe\xa3\xa1";
inline constexpr char kIsNotCurrent[] =  // 您的IE浏览器不是最新版本！
    "\xc4\xfa\xb5\xc4" "IE" "\xe4\xaf\xc0\xc0\xc6\xf7\xb2\xbb\xca\xc7\xd7\xee\xd0\xc2\xb0\xe6\xb1\xbe\xa3\xa1";
inline constexpr char kMessageCaption[] = "\xd0\xc5\xcf\xa2\xa3\xba";  // 信息：

inline constexpr char kErrorCaption[] = "\xb4\xed\xce\xf3";  // 错误
inline constexpr char kLayoutsUnreadable[] =                 // 无法读取窗口布局。
    "\xce\xde\xb7\xa8\xb6\xc1\xc8\xa1\xb4\xb0\xbf\xda\xb2\xbc\xbe\xd6\xa1\xa3";
inline constexpr char kCheckerNotCreated[] =                 // 无法创建主窗口。
    "\xce\xde\xb7\xa8\xb4\xb4\xbd\xa8\xd6\xf7\xb4\xb0\xbf\xda\xa1\xa3";
inline constexpr char kOutOfMemory[] = "\xc4\xda\xb4\xe6\xb2\xbb\xd7\xe3\xa1\xa3";  // 内存不足。

// The version text that counts as current.
inline constexpr char kCurrentVersion[] = "11";

}  // namespace quorvel::texts
