// Placement, tab order, keyboard decisions and the edit box's text line.
#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <vector>

#include "ui/layouts.h"
#include "ui/placement.h"

namespace quorvel {
namespace {

TEST(Placement, CentresOnTheFullScreenTruncatingTowardZero) {
  struct Case {
    int32_t screen_w, screen_h, w, h, x, y;
  };
  const Case cases[] = {
      {1024, 768, 415, 89, 304, 339},   // checker window
      {1024, 768, 236, 90, 394, 339},   // offer window
      {1920, 1080, 415, 89, 752, 495},
      {300, 60, 415, 89, -57, -14},     // larger than the screen: truncates toward zero
      {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},  // no overflow
  };
  for (const Case& c : cases) {
    const Point p = centred_position(c.screen_w, c.screen_h, c.w, c.h);
    EXPECT_EQ(p.x, c.x) << c.screen_w << "x" << c.screen_h << " " << c.w << "x" << c.h;
    EXPECT_EQ(p.y, c.y) << c.screen_w << "x" << c.screen_h << " " << c.w << "x" << c.h;
  }
}

TEST(Placement, ProgramWindowsAreCentredWhateverTheirStoredPosition) {
  for (WindowId id : {WindowId::Checker, WindowId::Offer}) {
    const WindowLayout& layout = *find_layout(id);
    const Point p = initial_position(layout, 1024, 768);
    EXPECT_EQ(p.x, (1024 - layout.box.width) / 2);
    EXPECT_EQ(p.y, (768 - layout.box.height) / 2);
  }
}

std::vector<const char*> tab_names(const WindowLayout& layout) {
  std::vector<const char*> names;
  for (size_t i : tab_order(layout.controls, layout.control_count)) names.push_back(layout.controls[i].name);
  return names;
}

TEST(TabOrder, ProgramWindowsVisitEditThenButtonAndUpdateThenDecline) {
  EXPECT_EQ(tab_names(*find_layout(WindowId::Checker)), (std::vector<const char*>{kEditBox1, kButton1}));
  // Both buttons of the offer window are named by their window-local names.
  const WindowLayout& offer = *find_layout(WindowId::Offer);
  const std::vector<size_t> order = tab_order(offer.controls, offer.control_count);
  ASSERT_EQ(order.size(), 2u);
  EXPECT_STREQ(offer.controls[order[0]].name, kButton1);
  EXPECT_STREQ(offer.controls[order[1]].name, kButton2);
}

TEST(TabOrder, SortsByKeyThenReverseListedOrderAndSkipsUnusableControls) {
  ControlLayout c[6];
  const int keys[] = {2, 0, 1, 0, 0, 0};
  for (int i = 0; i < 6; ++i) {
    c[i].tab_stop = true;
    c[i].tab_order_key = keys[i];
  }
  c[4].visible = false;
  c[5].enabled = false;
  c[0].tab_stop = true;
  EXPECT_EQ(tab_order(c, 6), (std::vector<size_t>{3, 1, 2, 0}));
  c[3].tab_stop = false;
  EXPECT_EQ(tab_order(c, 6), (std::vector<size_t>{1, 2, 0}));
  EXPECT_TRUE(tab_order(c, 0).empty());
}

TEST(TabOrder, WrapsAtBothEndsAndStartsFromAnEnd) {
  const std::vector<size_t> order{2, 0, 1};
  struct Case {
    size_t current;
    bool forward;
    size_t next;
  };
  const Case cases[] = {
      {2, true, 0}, {0, true, 1}, {1, true, 2},        // forward, wrapping last -> first
      {2, false, 1}, {1, false, 0}, {0, false, 2},     // backward, wrapping first -> last
      {7, true, 2}, {SIZE_MAX, false, 1},              // nothing focused yet
  };
  for (const Case& c : cases) {
    EXPECT_EQ(next_in_tab_order(order, c.current, c.forward), c.next) << c.current << " " << c.forward;
  }
  EXPECT_EQ(next_in_tab_order({}, 0, true), SIZE_MAX);
}

TEST(Keys, DecisionsForTheProgramWindows) {
  const WindowLayout& checker = *find_layout(WindowId::Checker);
  const Modifiers none{}, shift{true, false, false}, ctrl{false, true, false}, alt{false, false, true};
  const FocusedControl plain_control{};
  struct Case {
    Key key;
    Modifiers mods;
    KeyAction action;
  };
  const Case cases[] = {
      {Key::Tab, none, KeyAction::FocusNext},
      {Key::Tab, shift, KeyAction::FocusPrevious},
      {Key::Tab, ctrl, KeyAction::PassToControl},
      {Key::Escape, none, KeyAction::Close},
      {Key::Escape, shift, KeyAction::PassToControl},
      {Key::Enter, none, KeyAction::Swallow},   // no default button, Enter moves no focus
      {Key::Enter, alt, KeyAction::PassToControl},
      {Key::Arrow, none, KeyAction::PassToControl},
      {Key::F1, none, KeyAction::PassToControl},
      {Key::Other, none, KeyAction::PassToControl},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decide_key(c.key, c.mods, checker, plain_control, false), c.action)
        << static_cast<int>(c.key);
  }
}

TEST(Keys, EnterFollowsTheDefaultButtonAndFocusRules) {
  WindowLayout layout;
  const Modifiers none{};
  EXPECT_EQ(decide_key(Key::Enter, none, layout, {false, true}, true), KeyAction::ClickFocused);
  EXPECT_EQ(decide_key(Key::Enter, none, layout, {}, true), KeyAction::ClickDefault);
  EXPECT_EQ(decide_key(Key::Enter, none, layout, {true, false}, true), KeyAction::PassToControl);
  layout.enter_moves_focus = true;
  EXPECT_EQ(decide_key(Key::Enter, none, layout, {}, true), KeyAction::FocusNext);
  layout.esc_closes = false;
  EXPECT_EQ(decide_key(Key::Escape, none, layout, {}, false), KeyAction::PassToControl);
}

TEST(EditGeometry, TextLineIsCentredTruncatingTowardZero) {
  struct Case {
    Span client;
    int32_t line;
    Span expected;
  };
  const Case cases[] = {
      {{0, 28}, 13, {7, 20}},    // 32-pixel box with a 2-pixel edge each side
      {{0, 27}, 13, {7, 20}},
      {{5, 18}, 13, {5, 18}},    // exactly one line
      {{0, 10}, 13, {0, 10}},    // too low: the line is cut to the client area
      {{0, 0}, 13, {0, 0}},
  };
  for (const Case& c : cases) {
    const Span s = centred_text_line(c.client, c.line);
    EXPECT_EQ(s.top, c.expected.top) << c.client.top << ".." << c.client.bottom;
    EXPECT_EQ(s.bottom, c.expected.bottom) << c.client.top << ".." << c.client.bottom;
  }
  EXPECT_EQ(minimum_edit_height(13, 2), 17);
}

}  // namespace
}  // namespace quorvel
