// Registry settings a test needs for a while: the browser version that the
// program reads, and the recorder as the shell's handler of web addresses. Each
// puts back what was there when it goes out of scope.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// What a fresh Wine prefix holds, and what every test leaves behind.
inline constexpr char kOriginalBrowserVersion[] = "9.11.9600.18376";

enum class VersionState { Text, NoValue, NoKey };

// HKLM\SOFTWARE\Microsoft\Internet Explorer, value "Version".
class ScopedBrowserVersion {
 public:
  // Text: "Version" = `text` as REG_SZ. NoValue: the value deleted. NoKey: the
  // whole key deleted (kept aside under a key of the tests and copied back).
  explicit ScopedBrowserVersion(VersionState state, const char* text = "");
  ~ScopedBrowserVersion();
  ScopedBrowserVersion(const ScopedBrowserVersion&) = delete;
  ScopedBrowserVersion& operator=(const ScopedBrowserVersion&) = delete;

  bool applied() const { return applied_; }

 private:
  bool applied_ = false;
};

// recorder.exe, next to the driver, as the command of
// HKLM\Software\Classes\http\shell\open\command. Starts with an empty log.
class ScopedRecorderAsBrowser {
 public:
  ScopedRecorderAsBrowser();
  ~ScopedRecorderAsBrowser();
  ScopedRecorderAsBrowser(const ScopedRecorderAsBrowser&) = delete;
  ScopedRecorderAsBrowser& operator=(const ScopedRecorderAsBrowser&) = delete;

  bool applied() const { return applied_; }
  // The addresses recorded so far, one per opening.
  std::vector<std::string> lines() const;

 private:
  std::string previous_command_;
  bool applied_ = false;
};

}  // namespace e2e
