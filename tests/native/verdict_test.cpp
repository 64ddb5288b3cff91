// Only the exact text "11" is current.
#include <gtest/gtest.h>

#include "ui/verdict.h"

namespace quorvel {
namespace {

TEST(Verdict, OnlyExactlyElevenIsCurrent) {
  struct Case {
    const char* text;
    bool current;
  };
  const Case cases[] = {
      {"11", true},
      {"11.0", false},
      {"11.0.9600.16384", false},
      {"9.11.9600.18376", false},
      {"011", false},
      {" 11", false},
      {"11 ", false},
      {"1", false},
      {"", false},
      {nullptr, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(is_current_version(c.text), c.current) << (c.text ? c.text : "(null)");
  }
}

}  // namespace
}  // namespace quorvel
