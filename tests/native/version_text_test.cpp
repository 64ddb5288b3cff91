// The version text made from a registry query's scratch bytes and reported size.
#include "system/version_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

struct Case {
  const char* name;
  std::string scratch;  // padded with zero bytes to the scratch buffer's size
  std::uint32_t reported_size;
  std::string expected;
};

const std::string k99(99, '9');
const std::string k100(100, 'x');

const Case kCases[] = {
    {"two digits", std::string("11\0", 3), 3, "11"},
    {"dotted version comes back whole", "11.0.9600.16384", 16, "11.0.9600.16384"},
    {"GBK bytes are kept", "\xb0\xe6\xb1\xbe", 5, "\xb0\xe6\xb1\xbe"},  // 版本
    {"zero byte in the middle ends the text", std::string("11\0.0", 5), 6, "11"},
    {"stored without a zero byte", "9.11", 4, "9.11"},
    {"99 bytes and the zero byte", k99, 100, k99},
    {"99 bytes without the zero byte", k99, 99, k99},
    {"100 bytes without a zero byte are cut to 99", k100, 100, k100.substr(0, 99)},
    {"101 bytes did not fit", k100, 101, ""},
    {"far too large", k100, 5000, ""},
    {"largest size", "11", 0xFFFFFFFFu, ""},
    {"size 0 with data in the scratch", "11", 0, ""},
    {"size 0 and nothing in the scratch", "", 0, ""},
    {"missing value leaves the scratch zero", "", 100, ""},
};

TEST(VersionText, FollowsTheScratchAndReportedSize) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    // Heap buffers of exactly the size, so that AddressSanitizer catches a read
    // or write past either of them.
    std::vector<char> scratch(c.scratch.begin(), c.scratch.end());
    scratch.resize(kVersionTextBytes, '\0');
    std::vector<char> text(kVersionTextBytes, '\x55');  // not zero: every byte must be written

    make_version_text(std::span<const char, kVersionTextBytes>(scratch.data(), kVersionTextBytes),
                      c.reported_size,
                      std::span<char, kVersionTextBytes>(text.data(), kVersionTextBytes));

    std::string expected = c.expected;
    expected.resize(kVersionTextBytes, '\0');
    EXPECT_EQ(expected, std::string(text.begin(), text.end()));
  }
}

}  // namespace
}  // namespace quorvel
