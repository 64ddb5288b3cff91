// Stand-ins for the window handlers that the layouts bind; the logic tests never
// call them.
#include "ui/checker_window.h"
#include "ui/offer_window.h"

namespace quorvel {
void on_checker_created() {}
void run_check() {}
void open_installer_download() {}
void decline_and_exit() {}
}  // namespace quorvel
