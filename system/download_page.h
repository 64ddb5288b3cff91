// Handing an address to the shell, which opens it with the user's browser.
#pragma once

namespace quorvel {

// Where the Internet Explorer 11 installer (Windows 7, Simplified Chinese) is served.
inline constexpr char kInstallerAddress[] =
    "http://download.microsoft.com/download/A/C/9/AC924EA1-9F39-4DFD-99DF-2C1DEB922174/EIE11/"
    "WOL/EIE11_ZH-CN_WOL_WIN7.EXE";

// Opens `address` with the shell's "open" verb and returns at once. A failure is
// the shell's to report; nothing is waited for.
void open_download_page(const char* address);

}  // namespace quorvel
