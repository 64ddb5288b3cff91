// The version probe against the registry of the test prefix: each row stores the
// "Version" value in one form, or removes it or its whole key, and checks the
// text that the probe reads back. The browser key is copied aside first and put
// back at the end, so that the prefix is left as it was found.
#include <windows.h>

#include <cstring>
#include <string>

#include "app/scoped.h"
#include "app/text_buffer.h"
#include "check.h"
#include "system/version_probe.h"

namespace {

using namespace std::string_literals;
using check::Site;

constexpr char kKeyPath[] = "SOFTWARE\\Microsoft\\Internet Explorer";
constexpr char kBackupPath[] = "SOFTWARE\\Quorvel version probe test backup";
constexpr char kValueName[] = "Version";
constexpr size_t kTextBytes = 100;

void close_key(HKEY key) { RegCloseKey(key); }
using ScopedKey = quorvel::Scoped<HKEY, close_key>;

ScopedKey open_key(const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return {};
  return ScopedKey(key);
}

ScopedKey create_key(const char* path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return ScopedKey(key);
}

bool copy_tree(const char* from, const char* to) {
  const ScopedKey source = open_key(from);
  const ScopedKey target = create_key(to);
  return source && target && RegCopyTreeA(source.get(), nullptr, target.get()) == ERROR_SUCCESS;
}

// A backup left by an interrupted run still holds the original, so it is kept.
bool back_up_browser_key() { return open_key(kBackupPath) || copy_tree(kKeyPath, kBackupPath); }

bool restore_browser_key() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKeyPath);
  return copy_tree(kBackupPath, kKeyPath) &&
         RegDeleteTreeA(HKEY_LOCAL_MACHINE, kBackupPath) == ERROR_SUCCESS;
}

bool store_version(DWORD type, const std::string& data) {
  const ScopedKey key = create_key(kKeyPath);
  return key && RegSetValueExA(key.get(), kValueName, 0, type,
                               reinterpret_cast<const BYTE*>(data.data()),
                               static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool delete_version_value() {
  const ScopedKey key = open_key(kKeyPath);
  return key && RegDeleteValueA(key.get(), kValueName) == ERROR_SUCCESS;
}

// The key has subkeys ("Main" in a fresh prefix), which RegDeleteKeyA refuses
// to delete, so the whole tree goes.
bool delete_browser_key() { return RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKeyPath) == ERROR_SUCCESS; }

// What a row does after storing its value: keep it, or delete it again so that
// the probe must not find what was just there.
enum class Then { Keep, DeleteValue, DeleteKey };

struct Row {
  Site at;
  DWORD type;
  std::string data;  // exactly the bytes stored
  Then then;
  std::string expected;
};

std::string chars(size_t n) { return std::string(n, '7'); }
std::string with_zero(std::string s) { return s + '\0'; }

const Row kRows[] = {
    {HERE, REG_SZ, "11\0"s, Then::Keep, "11"},
    {HERE, REG_SZ, "11.0.9600.16384\0"s, Then::Keep, "11.0.9600.16384"},
    {HERE, REG_SZ, "9.11.9600.18376\0"s, Then::Keep, "9.11.9600.18376"},
    {HERE, REG_SZ, "\0"s, Then::Keep, ""},
    {HERE, REG_SZ, "11"s, Then::Keep, "11"},  // stored without its zero byte
    {HERE, REG_SZ, "\xb0\xe6\xb1\xbe\0"s, Then::Keep, "\xb0\xe6\xb1\xbe"},  // 版本
    // 99 characters and the zero byte fill the 100 bytes exactly; one more does not fit.
    {HERE, REG_SZ, with_zero(chars(99)), Then::Keep, chars(99)},
    {HERE, REG_SZ, with_zero(chars(100)), Then::Keep, ""},
    {HERE, REG_SZ, with_zero(chars(101)), Then::Keep, ""},
    {HERE, REG_SZ, with_zero(chars(5000)), Then::Keep, ""},
    // Other types: their bytes up to the first zero byte, the type unread.
    {HERE, REG_BINARY, "8.0\0" "11"s, Then::Keep, "8.0"},
    {HERE, REG_BINARY, "11.0"s, Then::Keep, "11.0"},
    {HERE, REG_BINARY, chars(100), Then::Keep, chars(99)},  // no zero byte: cut to 99
    {HERE, REG_BINARY, chars(101), Then::Keep, ""},
    {HERE, REG_DWORD, "\x31\x31\0\0"s, Then::Keep, "11"},  // 0x3131, little-endian
    {HERE, REG_EXPAND_SZ, "%SystemRoot%\\11\0"s, Then::Keep, "%SystemRoot%\\11"},
    {HERE, REG_MULTI_SZ, "11\0" "9.0\0\0"s, Then::Keep, "11"},
    {HERE, REG_SZ, "11\0"s, Then::DeleteValue, ""},
    {HERE, REG_SZ, "11\0"s, Then::DeleteKey, ""},
};

bool apply(const Row& row) {
  if (!store_version(row.type, row.data)) return false;
  switch (row.then) {
    case Then::Keep: return true;
    case Then::DeleteValue: return delete_version_value();
    case Then::DeleteKey: return delete_browser_key();
  }
  return false;
}

// The text's zero byte lies within the 100-byte buffer and every byte after it is zero.
bool zero_to_the_end(const char* text) {
  const char* zero = static_cast<const char*>(std::memchr(text, '\0', kTextBytes));
  if (!zero) return false;
  for (const char* rest = zero; rest != text + kTextBytes; ++rest) {
    if (*rest != '\0') return false;
  }
  return true;
}

void expect_probe(Site at, const std::string& expected) {
  char* text = quorvel::read_browser_version();
  if (!CHECK_AT(at, text != nullptr)) return;
  if (CHECK_AT(at, zero_to_the_end(text))) CHECK_EQ_AT(at, expected, std::string(text));
  quorvel::release_text(text);
}

void two_probes_give_equal_texts_in_separate_buffers() {
  CHECK(store_version(REG_SZ, "11.0.9600.16384\0"s));
  char* first = quorvel::read_browser_version();
  char* second = quorvel::read_browser_version();
  CHECK(first != second);
  CHECK_EQ(std::string(first), std::string(second));
  quorvel::release_text(first);
  CHECK_EQ("11.0.9600.16384"s, std::string(second));
  quorvel::release_text(second);
}

}  // namespace

int main() {
  char* original = quorvel::read_browser_version();
  if (CHECK(back_up_browser_key())) {
    for (const Row& row : kRows) {
      if (CHECK_AT(row.at, apply(row))) expect_probe(row.at, row.expected);
    }
    two_probes_give_equal_texts_in_separate_buffers();
    CHECK(restore_browser_key());
    expect_probe(HERE, original);
  }
  quorvel::release_text(original);
  return check::finish();
}
