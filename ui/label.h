// The self-painting label: a child window that fills its rectangle and draws its
// text on one line, as its layout says.
#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace quorvel {

// The window class of labels, registered on first use.
const char* label_class();

// Draws a label into any DC: the same code serves WM_PAINT, WM_PRINTCLIENT and
// a test's memory DC.
void paint_label(HDC dc, const RECT& area, const LabelSettings& settings, HFONT font,
                 const char* text);

}  // namespace quorvel
