// The colours of the control skin: which colour each part of a skinned push
// button or edit frame takes, by colour scheme and by the control's state.
// Pure data and decisions; the drawing itself lives in skin_paint_win.cpp.
#pragma once

#include "ui/layout.h"

namespace quorvel {

// What a skinned control looks like now. Kept up to date from its messages.
struct SkinState {
  bool disabled = false;
  bool pressed = false;
  bool mouse_over = false;
  bool focused = false;
  bool default_button = false;
  bool ticked = false;
  bool indeterminate = false;
  bool read_only = false;
};

// The kinds of button ring, in order of precedence: the first that applies wins.
enum class Ring { Pressed, MouseOver, Ticked, Focused, Normal, Count };

// A fill from top to bottom. The top edge may itself run from a left to a
// right colour; for a plain vertical fill both are the same.
struct Gradient {
  Colour top_left = 0;
  Colour top_right = 0;
  Colour bottom = 0;
};

// One colour scheme's fixed colours.
struct SkinScheme {
  Colour border = 0;
  Colour edit_line = 0;
  Gradient rings[static_cast<int>(Ring::Count)];
  Gradient face;
  Colour pushed_face = 0;         // flat face of a pressed or ticked button
  Colour pushed_face_corner = 0;  // its top-right pixel
  Colour disabled_fill = 0;       // ring and face of a disabled button
  Colour text = 0;
  Colour dimmed_text = 0;         // disabled or indeterminate
};

// Scheme 1 (blue), 2 (olive green) or 3 (silver); nullptr for any other number.
const SkinScheme* skin_scheme(int scheme);

Ring ring_for(const SkinState& state);

// `c` with 0x20 taken off each channel, stopping at 0: the border of a
// disabled control, made from the system face colour.
Colour dimmed(Colour c);

struct ButtonLook {
  Colour border = 0;
  Gradient ring;
  Gradient face;
  bool marked_corner = false;  // the face's top-right pixel takes `corner`
  Colour corner = 0;
  Colour text = 0;
  int text_shift = 0;          // pixels right and down
  bool focus_rect = false;
};

// `button_face` is the system's current button face colour.
ButtonLook button_look(const SkinScheme& scheme, const SkinState& state, Colour button_face);

struct EditFrameLook {
  Colour outer = 0;
  Colour inner = 0;
};

// `window` is the system's current window (text area) colour.
EditFrameLook edit_frame_look(const SkinScheme& scheme, const SkinState& state,
                              Colour button_face, Colour window);

}  // namespace quorvel
