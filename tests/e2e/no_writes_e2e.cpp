// The walkthrough that tests/e2e/no_writes.sh watches: start, check, the
// verdict, the offer window, "立刻更新" with the recorder standing in for the
// browser, "不了谢谢". Driven from outside with real input. The script compares
// the Wine prefix before and after; this program checks that every step of the
// walkthrough really happened.
//
//   no_writes_e2e QUORVEL_EXE   (recorder.exe, the shell's http handler, beside it)
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "check.h"
#include "driver.h"
#include "recorder.h"
#include "system/download_page.h"
#include "ui/texts.h"

using namespace e2e;
namespace texts = quorvel::texts;

namespace {

// The addresses the recorder has noted so far: complete lines of its log, which
// the script empties before the walkthrough.
std::vector<std::string> recorded(const std::string& exe) {
  std::vector<std::string> lines;
  std::ifstream log(folder_of(windows_path(exe)) + "\\" + kRecorderLog, std::ios::binary);
  for (std::string line; std::getline(log, line);) {
    if (!log.eof()) lines.push_back(line);
  }
  return lines;
}

void walk_through(const std::string& exe) {
  prime_input();
  Process quorvel(exe);
  const CheckerWindow c = wait_checker(quorvel);
  if (!CHECK(c.window)) return;

  click_centre(c.button);
  const HWND box = wait_message_box(quorvel.id());
  if (!CHECK(box)) return;
  CHECK_EQ(texts::kIsNotCurrent, message_text_of(box));
  const HWND ok = find_child(box, "Button");
  if (!CHECK(ok)) return;
  click_centre(ok);
  CHECK(wait_gone(box));

  const HWND offer = wait_offer_window(quorvel);
  if (!CHECK(offer)) return;
  const HWND update = find_child(offer, "Button", texts::kUpdateButton);
  const HWND decline = find_child(offer, "Button", texts::kDeclineButton);
  if (!CHECK(update && decline)) return;
  click_centre(update);
  CHECK(wait_until([&] { return recorded(exe).size() == 1; }));
  const std::vector<std::string> addresses = recorded(exe);
  if (!addresses.empty()) CHECK_EQ(quorvel::kInstallerAddress, addresses[0]);

  click_centre(decline);
  CHECK_EQ(0ul, quorvel.wait_exit());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: no_writes_e2e QUORVEL_EXE\n");
    return 2;
  }
  walk_through(argv[1]);
  return check::finish();
}
