// Drawing of the skinned controls into any DC and rectangle, so that WM_PAINT,
// WM_PRINTCLIENT, WM_NCPAINT and a test's memory DC all share one painter.
//
// A skinned push button in rectangle R, from the outside in:
//   - the outermost 1 px of R: the frame, in the system button face colour;
//   - the next 1 px: the border (ButtonLook::border);
//   - the next 2 px: the ring, one gradient from its top row to its bottom row;
//   - the rest: the face, its own gradient, with the text on it.
// The frame and the border each lose their four corner pixels: the parent's
// background shows at R's corners and the frame colour at the border's.
// A pressed or ticked face marks its top-right pixel. The dotted focus
// rectangle runs 1 px inside the face.
//
// A skinned edit frame in the window rectangle W: the outermost 1 px of W in
// EditFrameLook::outer, the next 1 px in EditFrameLook::inner.
#pragma once

#include <windows.h>

#include "app/scoped.h"
#include "ui/skin_palette.h"

namespace quorvel {

struct ButtonContent {
  HBRUSH background = nullptr;  // the parent's control colour
  HFONT font = nullptr;         // nullptr: the DC's own font
  const char* text = "";
  LONG_PTR style = 0;           // alignment and BS_MULTILINE
};

void paint_skinned_button(HDC dc, const RECT& rect, const ButtonLook& look,
                          const ButtonContent& content);

void paint_edit_frame(HDC dc, const RECT& rect, const EditFrameLook& look);

}  // namespace quorvel
