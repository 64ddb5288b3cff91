#include "ui/offer_window.h"

#include "app/window_layer.h"
#include "system/download_page.h"

namespace quorvel {

void open_installer_download() { open_download_page(kInstallerAddress); }

void decline_and_exit() { end_program(0); }

}  // namespace quorvel
