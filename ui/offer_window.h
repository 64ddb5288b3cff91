// The offer window's handlers.
#pragma once

namespace quorvel {

// "Update now": hands the installer address to the shell; the window stays open.
void open_installer_download();

// "No, thanks": ends the program at once with exit code 0.
void decline_and_exit();

}  // namespace quorvel
