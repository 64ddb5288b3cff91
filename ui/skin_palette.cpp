#include "ui/skin_palette.h"

namespace quorvel {

namespace {

constexpr Gradient vertical(Colour top, Colour bottom) { return {top, top, bottom}; }
constexpr Gradient flat(Colour c) { return {c, c, c}; }

// Rings are listed in the order of Ring: pressed, mouse over, ticked, focused, normal.
constexpr SkinScheme kBlue{
    rgb(0, 60, 115),
    rgb(123, 158, 189),
    {vertical(rgb(209, 204, 193), rgb(242, 241, 238)),
     vertical(rgb(255, 240, 207), rgb(229, 151, 0)),
     {rgb(214, 203, 189), rgb(214, 207, 198), rgb(247, 243, 239)},
     vertical(rgb(206, 231, 255), rgb(105, 130, 238)),
     vertical(rgb(255, 255, 255), rgb(226, 223, 214))},
    vertical(rgb(252, 252, 251), rgb(236, 235, 230)),
    rgb(231, 227, 222),
    rgb(231, 231, 231),
    rgb(245, 244, 234),
    rgb(0, 0, 0),
    rgb(165, 162, 148),
};

constexpr SkinScheme kOliveGreen{
    rgb(55, 98, 6),
    rgb(164, 185, 127),
    {vertical(rgb(204, 206, 180), rgb(238, 240, 226)),
     vertical(rgb(255, 240, 207), rgb(229, 151, 0)),
     {rgb(206, 210, 180), rgb(210, 214, 190), rgb(243, 245, 235)},
     vertical(rgb(194, 209, 143), rgb(177, 203, 128)),
     vertical(rgb(255, 255, 255), rgb(220, 224, 202))},
    vertical(rgb(252, 252, 249), rgb(234, 236, 222)),
    rgb(226, 229, 213),
    rgb(231, 231, 231),
    rgb(245, 244, 234),
    rgb(0, 0, 0),
    rgb(165, 162, 148),
};

constexpr SkinScheme kSilver{
    rgb(98, 96, 124),
    rgb(165, 172, 178),
    {vertical(rgb(184, 182, 200), rgb(234, 234, 240)),
     vertical(rgb(255, 240, 207), rgb(229, 151, 0)),
     {rgb(190, 190, 205), rgb(198, 198, 210), rgb(240, 240, 245)},
     vertical(rgb(198, 215, 250), rgb(136, 160, 224)),
     vertical(rgb(255, 255, 255), rgb(198, 197, 215))},
    vertical(rgb(253, 253, 253), rgb(224, 224, 232)),
    rgb(222, 222, 230),
    rgb(231, 231, 231),
    rgb(245, 244, 234),
    rgb(0, 0, 0),
    rgb(165, 162, 148),
};

}  // namespace

const SkinScheme* skin_scheme(int scheme) {
  switch (scheme) {
    case 1: return &kBlue;
    case 2: return &kOliveGreen;
    case 3: return &kSilver;
    default: return nullptr;
  }
}

Ring ring_for(const SkinState& state) {
  if (state.pressed) return Ring::Pressed;
  if (state.mouse_over) return Ring::MouseOver;
  if (state.ticked) return Ring::Ticked;
  if (state.focused || state.default_button) return Ring::Focused;
  return Ring::Normal;
}

Colour dimmed(Colour c) {
  Colour out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const Colour channel = (c >> shift) & 0xFF;
    out |= (channel > 0x20 ? channel - 0x20 : 0) << shift;
  }
  return out;
}

ButtonLook button_look(const SkinScheme& scheme, const SkinState& state, Colour button_face) {
  ButtonLook look;
  look.focus_rect = state.focused;
  look.text_shift = state.pressed ? 1 : 0;
  look.text = state.disabled || state.indeterminate ? scheme.dimmed_text : scheme.text;
  if (state.disabled) {
    look.border = dimmed(button_face);
    look.ring = look.face = flat(scheme.disabled_fill);
    return look;
  }
  look.border = scheme.border;
  look.ring = scheme.rings[static_cast<int>(ring_for(state))];
  if (state.pressed || state.ticked) {
    look.face = flat(scheme.pushed_face);
    look.marked_corner = true;
    look.corner = scheme.pushed_face_corner;
  } else {
    look.face = scheme.face;
  }
  return look;
}

EditFrameLook edit_frame_look(const SkinScheme& scheme, const SkinState& state,
                              Colour button_face, Colour window) {
  if (state.disabled) return {dimmed(button_face), button_face};
  return {scheme.edit_line, state.read_only ? button_face : window};
}

}  // namespace quorvel
