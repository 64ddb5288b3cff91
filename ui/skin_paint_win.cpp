#include "ui/skin_paint.h"

#include "app/scoped.h"

namespace quorvel {
namespace {

RECT inset(const RECT& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

void fill(HDC dc, const RECT& r, Colour c) {
  SetDCBrushColor(dc, c);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// Fills `r` except its four corner pixels.
void fill_trimmed(HDC dc, const RECT& r, Colour c) {
  fill(dc, {r.left + 1, r.top, r.right - 1, r.bottom}, c);
  fill(dc, {r.left, r.top + 1, r.right, r.bottom - 1}, c);
}

// A 1-px line along the inside of `r`.
void outline(HDC dc, const RECT& r, Colour c) {
  fill(dc, {r.left, r.top, r.right, r.top + 1}, c);
  fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, c);
  fill(dc, {r.left, r.top, r.left + 1, r.bottom}, c);
  fill(dc, {r.right - 1, r.top, r.right, r.bottom}, c);
}

TRIVERTEX vertex(LONG x, LONG y, Colour c) {
  return {x, y, static_cast<COLOR16>(GetRValue(c) << 8), static_cast<COLOR16>(GetGValue(c) << 8),
          static_cast<COLOR16>(GetBValue(c) << 8), 0};
}

// Two triangles cover the rectangle, so that the top edge can run from one
// colour to another while both bottom corners share the bottom colour.
void fill_gradient(HDC dc, const RECT& r, const Gradient& g) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  TRIVERTEX corners[] = {vertex(r.left, r.top, g.top_left), vertex(r.right, r.top, g.top_right),
                         vertex(r.right, r.bottom, g.bottom), vertex(r.left, r.bottom, g.bottom)};
  GRADIENT_TRIANGLE halves[] = {{0, 1, 2}, {0, 2, 3}};
  // GradientFill of msimg32 is this gdi32 function under another name; gdi32 is
  // loaded anyway, so the skin needs no DLL of its own.
  if (!GdiGradientFill(dc, corners, 4, halves, 2, GRADIENT_FILL_TRIANGLE)) fill(dc, r, g.top_left);
}

UINT horizontal_format(LONG_PTR style) {
  switch (style & BS_CENTER) {
    case BS_LEFT: return DT_LEFT;
    case BS_RIGHT: return DT_RIGHT;
    default: return DT_CENTER;  // a push button without alignment bits centres
  }
}

// The block the text takes inside `area`, placed by the button's vertical
// alignment. DrawText centres vertically only single lines, so it is measured.
RECT text_block(HDC dc, const RECT& area, const char* text, UINT format, LONG_PTR style) {
  RECT measured = area;
  DrawTextA(dc, text, -1, &measured, format | DT_CALCRECT);
  const LONG height = measured.bottom - measured.top;
  RECT block = area;
  switch (style & BS_VCENTER) {
    case BS_TOP: block.bottom = block.top + height; break;
    case BS_BOTTOM: block.top = block.bottom - height; break;
    default:  // centred, also when no vertical alignment is given
      block.top += (area.bottom - area.top - height) / 2;
      block.bottom = block.top + height;
      break;
  }
  return block;
}

void draw_text(HDC dc, const RECT& face, const ButtonLook& look, const ButtonContent& content) {
  const UINT format = horizontal_format(content.style) |
                      (content.style & BS_MULTILINE ? DT_WORDBREAK : DT_SINGLELINE);
  ScopedSelect font(dc, content.font ? content.font : GetCurrentObject(dc, OBJ_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.text);
  RECT block = text_block(dc, face, content.text, format, content.style);
  OffsetRect(&block, look.text_shift, look.text_shift);
  DrawTextA(dc, content.text, -1, &block, format);
}

}  // namespace

void paint_skinned_button(HDC dc, const RECT& rect, const ButtonLook& look,
                          const ButtonContent& content) {
  SavedDC saved(dc);
  FillRect(dc, &rect, content.background);
  fill_trimmed(dc, rect, GetSysColor(COLOR_BTNFACE));
  fill_trimmed(dc, inset(rect, 1), look.border);
  fill_gradient(dc, inset(rect, 2), look.ring);
  const RECT face = inset(rect, 4);
  fill_gradient(dc, face, look.face);
  if (look.marked_corner) fill(dc, {face.right - 1, face.top, face.right, face.top + 1}, look.corner);
  draw_text(dc, face, look, content);
  if (look.focus_rect) {
    const RECT focus = inset(face, 1);
    DrawFocusRect(dc, &focus);
  }
}

void paint_edit_frame(HDC dc, const RECT& rect, const EditFrameLook& look) {
  SavedDC saved(dc);
  outline(dc, rect, look.outer);
  outline(dc, inset(rect, 1), look.inner);
}

}  // namespace quorvel
