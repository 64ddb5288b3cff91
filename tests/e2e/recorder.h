// The recorder stands in for the web browser: the shell runs it with the address
// it was asked to open, and it appends that address as one line to a log file
// next to recorder.exe, where a test reads it.
#pragma once

namespace e2e {

inline constexpr char kRecorderExe[] = "recorder.exe";
inline constexpr char kRecorderLog[] = "recorder.log";

}  // namespace e2e
