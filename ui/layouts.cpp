// The two windows of the program as constant data.
#include "ui/layouts.h"

#include <iterator>

#include "ui/checker_window.h"
#include "ui/offer_window.h"
#include "ui/texts.h"

namespace quorvel {
namespace {

constexpr LabelSettings kCentredBlackLabel{
    .text_colour = rgb(0, 0, 0),
    .background = kSystemFace,
    .align = Align::Centre,
    .valign = VAlign::Centre,
    .word_wrap = false,
};

constexpr ControlLayout kCheckerControls[] = {
    {.kind = ControlKind::Label,
     .name = kLabel1,
     .box = {104, 16, 56, 32},
     .text = texts::kVersionLabel,
     .tab_stop = false,
     .label = kCentredBlackLabel},
    {.kind = ControlKind::Button,
     .name = kButton1,
     .box = {6, 14, 87, 32},
     .text = texts::kCheckButton,
     .tab_stop = true,
     .on_click = run_check},
    {.kind = ControlKind::EditBox,
     .name = kEditBox1,
     .box = {164, 14, 220, 32},
     .text = "",
     .tab_stop = true,
     .edit = {.border = EditBorder::Sunken,
              .text_colour = rgb(0, 0, 0),
              .background = rgb(255, 255, 255)}},
};

// The decline button is listed first and stands one pixel higher.
constexpr ControlLayout kOfferControls[] = {
    {.kind = ControlKind::Button,
     .name = kButton2,
     .box = {123, 15, 80, 32},
     .text = texts::kDeclineButton,
     .tab_stop = true,
     .on_click = decline_and_exit},
    {.kind = ControlKind::Button,
     .name = kButton1,
     .box = {19, 16, 80, 32},
     .text = texts::kUpdateButton,
     .tab_stop = true,
     .on_click = open_installer_download},
};

constexpr WindowLayout kLayouts[] = {
    {.id = WindowId::Checker,
     .box = {50, 50, 415, 89},
     .title = texts::kCheckerTitle,
     .display = DisplayState::Centred,
     .icon_resource = "DEFAULT_ICON",
     .show_in_taskbar = true,
     .esc_closes = true,
     .on_created = on_checker_created,
     .controls = kCheckerControls,
     .control_count = std::size(kCheckerControls)},
    // No title, but the close box keeps a caption bar. Always opened modal, so it
    // is owned by the hidden owner window and never gets a taskbar button.
    {.id = WindowId::Offer,
     .box = {50, 50, 236, 90},
     .title = "",
     .display = DisplayState::Centred,
     .show_in_taskbar = true,
     .esc_closes = true,
     .controls = kOfferControls,
     .control_count = std::size(kOfferControls)},
};

}  // namespace

const WindowLayout* find_layout(WindowId id) {
  for (const WindowLayout& layout : kLayouts) {
    if (layout.id == id) return &layout;
  }
  return nullptr;
}

}  // namespace quorvel
