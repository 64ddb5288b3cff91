// The single-line edit box: its geometry (one text line centred in the box) and
// its text as handlers set and read it.
#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace quorvel {

// Gives a freshly created edit control the centred text line: the client area is
// narrowed to one line, the strips above and below are painted in the box's
// background, presses there count as presses on the border, and a box lower
// than its font needs grows to its minimum height when its font is set. The
// control's user data (GWLP_USERDATA) is taken for this.
void attach_edit_geometry(HWND edit);

// Replaces the whole text of a loaded window's edit box (nullptr: empty).
void set_edit_text(WindowId window, const char* name, const char* text);

// A fresh caller-owned copy of the edit box's text (release_text frees it);
// the empty text when there is no such control.
char* get_edit_text(WindowId window, const char* name);

}  // namespace quorvel
