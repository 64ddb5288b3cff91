#include "ui/skin_palette.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace quorvel {
namespace {

std::string show(Colour c) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "(%u,%u,%u)", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}

const SkinScheme& blue() { return *skin_scheme(1); }

constexpr Colour kFace = rgb(236, 233, 216);
constexpr Colour kWindow = rgb(255, 255, 255);

// Flags by letter: d disabled, p pressed, m mouse over, f focused, D default
// button, t ticked, i indeterminate, r read-only.
SkinState state(const char* flags) {
  SkinState s;
  for (const char* f = flags; *f; ++f) {
    switch (*f) {
      case 'd': s.disabled = true; break;
      case 'p': s.pressed = true; break;
      case 'm': s.mouse_over = true; break;
      case 'f': s.focused = true; break;
      case 'D': s.default_button = true; break;
      case 't': s.ticked = true; break;
      case 'i': s.indeterminate = true; break;
      case 'r': s.read_only = true; break;
      default: ADD_FAILURE() << "unknown flag " << *f;
    }
  }
  return s;
}

TEST(SkinPalette, RingFollowsPrecedence) {
  const struct {
    const char* flags;
    Ring ring;
  } rows[] = {
      {"", Ring::Normal},
      {"f", Ring::Focused},
      {"D", Ring::Focused},
      {"fD", Ring::Focused},
      {"t", Ring::Ticked},
      {"tfD", Ring::Ticked},
      {"m", Ring::MouseOver},
      {"mt", Ring::MouseOver},
      {"mf", Ring::MouseOver},
      {"p", Ring::Pressed},
      {"pm", Ring::Pressed},
      {"pmtfD", Ring::Pressed},
      {"i", Ring::Normal},
      {"r", Ring::Normal},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(static_cast<int>(row.ring), static_cast<int>(ring_for(state(row.flags))))
        << "flags \"" << row.flags << "\"";
  }
}

TEST(SkinPalette, BlueButtonColoursByState) {
  const struct {
    const char* flags;
    Colour ring_top_left, ring_top_right, ring_bottom;
    Colour face_top, face_bottom;
    bool marked_corner;
    Colour text;
    int shift;
  } rows[] = {
      // normal
      {"", rgb(255, 255, 255), rgb(255, 255, 255), rgb(226, 223, 214), rgb(252, 252, 251),
       rgb(236, 235, 230), false, rgb(0, 0, 0), 0},
      // focused and default share a ring
      {"f", rgb(206, 231, 255), rgb(206, 231, 255), rgb(105, 130, 238), rgb(252, 252, 251),
       rgb(236, 235, 230), false, rgb(0, 0, 0), 0},
      {"D", rgb(206, 231, 255), rgb(206, 231, 255), rgb(105, 130, 238), rgb(252, 252, 251),
       rgb(236, 235, 230), false, rgb(0, 0, 0), 0},
      // ticked: its own top-left and top-right colours, flat face
      {"tf", rgb(214, 203, 189), rgb(214, 207, 198), rgb(247, 243, 239), rgb(231, 227, 222),
       rgb(231, 227, 222), true, rgb(0, 0, 0), 0},
      // mouse over beats ticked, but the face stays pushed
      {"mt", rgb(255, 240, 207), rgb(255, 240, 207), rgb(229, 151, 0), rgb(231, 227, 222),
       rgb(231, 227, 222), true, rgb(0, 0, 0), 0},
      {"m", rgb(255, 240, 207), rgb(255, 240, 207), rgb(229, 151, 0), rgb(252, 252, 251),
       rgb(236, 235, 230), false, rgb(0, 0, 0), 0},
      // pressed beats everything but disabled and moves the text
      {"pmf", rgb(209, 204, 193), rgb(209, 204, 193), rgb(242, 241, 238), rgb(231, 227, 222),
       rgb(231, 227, 222), true, rgb(0, 0, 0), 1},
      // indeterminate only dims the text
      {"i", rgb(255, 255, 255), rgb(255, 255, 255), rgb(226, 223, 214), rgb(252, 252, 251),
       rgb(236, 235, 230), false, rgb(165, 162, 148), 0},
      // disabled: one flat colour for ring and face, whatever else is set
      {"d", rgb(245, 244, 234), rgb(245, 244, 234), rgb(245, 244, 234), rgb(245, 244, 234),
       rgb(245, 244, 234), false, rgb(165, 162, 148), 0},
      {"dmtfD", rgb(245, 244, 234), rgb(245, 244, 234), rgb(245, 244, 234), rgb(245, 244, 234),
       rgb(245, 244, 234), false, rgb(165, 162, 148), 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string("flags \"") + row.flags + "\"");
    const ButtonLook look = button_look(blue(), state(row.flags), kFace);
    EXPECT_EQ(show(row.ring_top_left), show(look.ring.top_left));
    EXPECT_EQ(show(row.ring_top_right), show(look.ring.top_right));
    EXPECT_EQ(show(row.ring_bottom), show(look.ring.bottom));
    EXPECT_EQ(show(row.face_top), show(look.face.top_left));
    EXPECT_EQ(show(row.face_top), show(look.face.top_right));
    EXPECT_EQ(show(row.face_bottom), show(look.face.bottom));
    EXPECT_EQ(row.marked_corner, look.marked_corner);
    if (row.marked_corner) EXPECT_EQ(show(rgb(231, 231, 231)), show(look.corner));
    EXPECT_EQ(show(row.text), show(look.text));
    EXPECT_EQ(row.shift, look.text_shift);
    EXPECT_EQ(state(row.flags).focused, look.focus_rect);
  }
}

TEST(SkinPalette, ButtonBorderDimsWithTheSystemFaceWhenDisabled) {
  EXPECT_EQ(show(rgb(0, 60, 115)), show(button_look(blue(), state("fm"), kFace).border));
  EXPECT_EQ(show(rgb(204, 201, 184)), show(button_look(blue(), state("d"), kFace).border));
  EXPECT_EQ(show(rgb(0, 0, 0)), show(button_look(blue(), state("d"), rgb(16, 32, 0)).border));
}

TEST(SkinPalette, DimmedTakesOff0x20PerChannelStoppingAtZero) {
  const struct {
    Colour in, out;
  } rows[] = {
      {rgb(236, 233, 216), rgb(204, 201, 184)},
      {rgb(212, 208, 200), rgb(180, 176, 168)},
      {rgb(0x20, 0x20, 0x20), rgb(0, 0, 0)},
      {rgb(0x1F, 0x21, 0x00), rgb(0, 1, 0)},  // no borrow into the next channel
      {rgb(255, 255, 255), rgb(223, 223, 223)},
      {rgb(0, 0, 0), rgb(0, 0, 0)},
  };
  for (const auto& row : rows) EXPECT_EQ(show(row.out), show(dimmed(row.in))) << show(row.in);
}

TEST(SkinPalette, EditFrameByState) {
  const struct {
    const char* flags;
    Colour outer, inner;
  } rows[] = {
      {"", rgb(123, 158, 189), kWindow},
      {"f", rgb(123, 158, 189), kWindow},
      {"r", rgb(123, 158, 189), kFace},
      {"d", rgb(204, 201, 184), kFace},
      {"dr", rgb(204, 201, 184), kFace},
  };
  for (const auto& row : rows) {
    const EditFrameLook look = edit_frame_look(blue(), state(row.flags), kFace, kWindow);
    EXPECT_EQ(show(row.outer), show(look.outer)) << "flags \"" << row.flags << "\"";
    EXPECT_EQ(show(row.inner), show(look.inner)) << "flags \"" << row.flags << "\"";
  }
}

TEST(SkinPalette, OnlySchemesOneToThreeExist) {
  for (int scheme : {-1, 0, 4, 255}) EXPECT_EQ(nullptr, skin_scheme(scheme)) << scheme;
  // Each scheme has its own border, so switching between them shows.
  ASSERT_NE(nullptr, skin_scheme(2));
  ASSERT_NE(nullptr, skin_scheme(3));
  EXPECT_NE(skin_scheme(1)->border, skin_scheme(2)->border);
  EXPECT_NE(skin_scheme(1)->border, skin_scheme(3)->border);
  EXPECT_NE(skin_scheme(2)->border, skin_scheme(3)->border);
}

}  // namespace
}  // namespace quorvel
