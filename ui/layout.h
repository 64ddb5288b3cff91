// Layout records: everything that makes a window and its controls what they are,
// as constant data. The window factory turns any of these into a live window;
// nothing about a particular window is written in code.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvel {

// A handler bound to an event: runs on the GUI thread, takes and returns nothing.
using Handler = void (*)();
// Asked before a window closes; returning false keeps it open.
using CloseQuery = bool (*)();

enum class WindowId { Checker, Offer };

struct Box {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// 0x00BBGGRR, the byte order Windows uses for COLORREF.
using Colour = uint32_t;
constexpr Colour rgb(uint8_t r, uint8_t g, uint8_t b) {
  return Colour{r} | (Colour{g} << 8) | (Colour{b} << 16);
}

// A colour fixed by the layout, or the system's face colour looked up at paint time.
struct Paint {
  bool system_face = true;
  Colour colour = 0;
};
constexpr Paint kSystemFace{};
constexpr Paint solid(Colour c) { return Paint{false, c}; }

enum class ControlKind { Label, Button, EditBox };
enum class Align { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };
enum class EditBorder { None, Flat, Sunken };

struct LabelSettings {
  Colour text_colour = rgb(0, 0, 0);
  Paint background = kSystemFace;
  Align align = Align::Left;
  VAlign valign = VAlign::Top;
  bool word_wrap = false;
};

struct ButtonSettings {
  bool default_button = false;
  bool multiline = true;
  Align align = Align::Centre;
  VAlign valign = VAlign::Centre;
};

struct EditSettings {
  EditBorder border = EditBorder::Sunken;
  Colour text_colour = rgb(0, 0, 0);
  Colour background = rgb(255, 255, 255);
  bool multiline = false;
  bool read_only = false;
  bool hide_selection = true;
};

struct ControlLayout {
  ControlKind kind = ControlKind::Label;
  const char* name = "";
  Box box;
  const char* text = "";
  bool visible = true;
  bool enabled = true;
  bool tab_stop = false;
  int32_t tab_order_key = 0;
  Handler on_click = nullptr;
  LabelSettings label;
  ButtonSettings button;
  EditSettings edit;
};

enum class DisplayState { StoredPosition, Centred, Minimised, Maximised };
enum class Frame { Fixed, Sizable, None };

struct HelpSettings {
  bool f1_opens_help = false;
  const char* file = "";
  uint32_t context = 0;
};

struct WindowLayout {
  WindowId id = WindowId::Checker;
  Box box;  // left and top count only for DisplayState::StoredPosition
  const char* title = "";
  bool visible = true;
  Frame frame = Frame::Fixed;
  bool close_box = true;
  bool minimise_box = false;
  bool maximise_box = false;
  DisplayState display = DisplayState::Centred;
  bool movable = true;
  const char* icon_resource = nullptr;  // none: the program icon
  Paint background = kSystemFace;
  bool show_in_taskbar = true;
  bool always_on_top = false;
  bool esc_closes = true;
  bool enter_moves_focus = false;
  HelpSettings help;
  bool drag_by_client_area = false;
  bool keep_title_active = false;
  const char* class_name = "";  // empty: "WTWindow"
  Handler on_created = nullptr;
  CloseQuery on_close_query = nullptr;
  const ControlLayout* controls = nullptr;
  size_t control_count = 0;
};

}  // namespace quorvel
