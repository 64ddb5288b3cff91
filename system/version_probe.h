// Which Internet Explorer version the registry says is installed.
#pragma once

namespace quorvel {

// The "Version" value under HKLM\SOFTWARE\Microsoft\Internet Explorer as a
// caller-owned, zero-filled 100-byte text (release it with release_text). Empty
// when the key or value is missing or unreadable; never nullptr.
char* read_browser_version();

}  // namespace quorvel
