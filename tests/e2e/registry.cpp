#include "registry.h"

#include <windows.h>

#include <fstream>

#include "driver.h"
#include "recorder.h"

namespace e2e {
namespace {

constexpr char kBrowserKey[] = "SOFTWARE\\Microsoft\\Internet Explorer";
constexpr char kVersionValue[] = "Version";
constexpr char kTestsKey[] = "SOFTWARE\\Quorvel end-to-end tests";
constexpr char kBrowserKeyAside[] = "SOFTWARE\\Quorvel end-to-end tests\\Internet Explorer";
constexpr char kHttpCommandKey[] = "Software\\Classes\\http\\shell\\open\\command";

// An open key of HKEY_LOCAL_MACHINE, closed when it goes out of scope.
class Key {
 public:
  enum class Mode { Open, Create };
  Key(const char* path, Mode mode) {
    const LSTATUS status =
        mode == Mode::Create
            ? RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key_, nullptr)
            : RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key_);
    if (status != ERROR_SUCCESS) key_ = nullptr;
  }
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

bool key_exists(const char* path) { return Key(path, Key::Mode::Open).get() != nullptr; }

// `name` nullptr is the key's default value.
bool write_text(const char* path, const char* name, const std::string& text) {
  const Key key(path, Key::Mode::Create);
  return key.get() &&
         RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

std::string read_text(const char* path, const char* name) {
  char text[1024] = {};
  DWORD size = sizeof text - 1;
  return RegGetValueA(HKEY_LOCAL_MACHINE, path, name, RRF_RT_REG_SZ, nullptr, text, &size) ==
                 ERROR_SUCCESS
             ? text
             : "";
}

bool copy_tree(const char* from, const char* to) {
  const Key source(from, Key::Mode::Open);
  const Key target(to, Key::Mode::Create);
  return source.get() && target.get() &&
         RegCopyTreeA(source.get(), nullptr, target.get()) == ERROR_SUCCESS;
}

bool delete_value(const char* path, const char* name) {
  const Key key(path, Key::Mode::Open);
  if (!key.get()) return false;
  const LSTATUS status = RegDeleteValueA(key.get(), name);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool delete_tree(const char* path) {
  return RegDeleteTreeA(HKEY_LOCAL_MACHINE, path) == ERROR_SUCCESS;
}

// Keeps the key aside under the tests' own key, so that its subkeys and other
// values come back whole.
bool put_browser_key_aside() {
  return copy_tree(kBrowserKey, kBrowserKeyAside) && delete_tree(kBrowserKey);
}

void bring_browser_key_back() {
  if (!key_exists(kBrowserKey) && key_exists(kBrowserKeyAside)) {
    copy_tree(kBrowserKeyAside, kBrowserKey);
  }
  delete_tree(kTestsKey);
}

std::string recorder_log_path() { return own_folder() + "\\" + kRecorderLog; }

}  // namespace

ScopedBrowserVersion::ScopedBrowserVersion(VersionState state, const char* text) {
  switch (state) {
    case VersionState::Text: applied_ = write_text(kBrowserKey, kVersionValue, text); break;
    case VersionState::NoValue: applied_ = delete_value(kBrowserKey, kVersionValue); break;
    case VersionState::NoKey: applied_ = put_browser_key_aside(); break;
  }
}

ScopedBrowserVersion::~ScopedBrowserVersion() {
  bring_browser_key_back();
  write_text(kBrowserKey, kVersionValue, kOriginalBrowserVersion);
}

ScopedRecorderAsBrowser::ScopedRecorderAsBrowser()
    : previous_command_(read_text(kHttpCommandKey, nullptr)) {
  DeleteFileA(recorder_log_path().c_str());
  const std::string recorder = own_folder() + "\\" + kRecorderExe;
  applied_ = GetFileAttributesA(recorder.c_str()) != INVALID_FILE_ATTRIBUTES &&
             write_text(kHttpCommandKey, nullptr, "\"" + recorder + "\" \"%1\"");
}

ScopedRecorderAsBrowser::~ScopedRecorderAsBrowser() {
  write_text(kHttpCommandKey, nullptr, previous_command_);
}

std::vector<std::string> ScopedRecorderAsBrowser::lines() const {
  std::vector<std::string> lines;
  std::ifstream log(recorder_log_path(), std::ios::binary);
  for (std::string line; std::getline(log, line);) {
    if (!log.eof()) lines.push_back(line);  // a line still being written has no newline yet
  }
  return lines;
}

}  // namespace e2e
