// A small test harness for programs that run under Wine: checks report the
// caller's file and line with what was expected beside what happened, and the
// run ends with one line "N passed, N failed".
//
// Table-driven helpers take a `Site` so that a failure names the table row's
// line, not the helper's:   void expect_row(Site at, ...) { CHECK_AT(at, ...); }
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>

namespace check {

struct Site {
  const char* file;
  int line;
};
#define HERE (::check::Site{__FILE__, __LINE__})

struct Tally {
  int passed = 0;
  int failed = 0;
};
inline Tally& tally() {
  static Tally t;
  return t;
}

inline bool record(bool ok, Site at, const std::string& what) {
  if (ok) {
    ++tally().passed;
  } else {
    ++tally().failed;
    std::printf("%s:%d: FAILED: %s\n", at.file, at.line, what.c_str());
    std::fflush(stdout);
  }
  return ok;
}

inline std::string show(long long v) { return std::to_string(v); }
inline std::string show(unsigned long long v) { return std::to_string(v); }
inline std::string show(long v) { return std::to_string(v); }
inline std::string show(unsigned long v) { return std::to_string(v); }
inline std::string show(int v) { return std::to_string(v); }
inline std::string show(unsigned v) { return std::to_string(v); }
inline std::string show(bool v) { return v ? "true" : "false"; }
inline std::string show(std::nullptr_t) { return "nullptr"; }
inline std::string show(const void* v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%p", v);
  return buf;
}
// Text shown with non-ASCII bytes escaped, so GBK bytes print legibly anywhere.
inline std::string show(const char* s) {
  if (!s) return "(null)";
  std::string out = "\"";
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(s); *p; ++p) {
    if (*p >= 0x20 && *p < 0x7f) {
      out += static_cast<char>(*p);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", *p);
      out += buf;
    }
  }
  return out + "\"";
}
inline std::string show(const std::string& s) { return show(s.c_str()); }

// Texts compare by content, whichever of char*, const char*, char[] or
// std::string each side is; everything else with ==.
template <typename T>
constexpr bool is_text = std::is_convertible_v<const T&, const char*> ||
                         std::is_same_v<T, std::string>;

inline const char* text_of(const char* s) { return s; }
inline const char* text_of(const std::string& s) { return s.c_str(); }

template <typename A, typename B>
bool equal_values(const A& a, const B& b) {
  if constexpr (is_text<A> && is_text<B>) {
    const char* x = text_of(a);
    const char* y = text_of(b);
    return x && y ? std::strcmp(x, y) == 0 : x == y;
  } else {
    return a == b;
  }
}

template <typename A, typename B>
bool equal(Site at, const char* expr, const A& expected, const B& actual) {
  return record(equal_values(expected, actual), at,
                std::string(expr) + ": expected " + show(expected) + ", got " + show(actual));
}

// Prints the closing line and gives the process exit code.
inline int finish() {
  std::printf("%d passed, %d failed\n", tally().passed, tally().failed);
  std::fflush(stdout);
  return tally().failed == 0 ? 0 : 1;
}

}  // namespace check

#define CHECK_AT(at, cond) ::check::record((cond), (at), #cond)
#define CHECK(cond) CHECK_AT(HERE, cond)
#define CHECK_EQ_AT(at, expected, actual) ::check::equal((at), #actual, (expected), (actual))
#define CHECK_EQ(expected, actual) CHECK_EQ_AT(HERE, expected, actual)
