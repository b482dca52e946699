#include "platform/winapi/edge.h"

#include <algorithm>

#include "platform/graphics/qt/qt_canvas.h"

namespace {

struct Ring {
  TColor topLeft;
  TColor bottomRight;
};

// The colours of one ring by its kind (raised or sunken, outer or inner).
Ring RingColours(unsigned edge, bool outer, unsigned flags) {
  if (flags & BF_MONO) return outer ? Ring{clWindowFrame, clWindowFrame} : Ring{clWindow, clWindow};
  if (flags & BF_FLAT) return outer ? Ring{clBtnShadow, clBtnShadow} : Ring{clBtnFace, clBtnFace};
  bool soft = flags & BF_SOFT;
  if (outer)
    return edge & BDR_RAISEDOUTER ? Ring{soft ? clBtnHighlight : cl3DLight, cl3DDkShadow}
                                  : Ring{clBtnShadow, clBtnHighlight};
  return edge & BDR_RAISEDINNER ? Ring{soft ? cl3DLight : clBtnHighlight, clBtnShadow}
                                : Ring{cl3DDkShadow, cl3DLight};
}

void Fill(HDC dc, const TRect& r, TColor colour) {
  if (IsRectEmpty(r)) return;
  dc->Brush->SetColor(colour);
  dc->FillRect(r);
}

void DrawRing(HDC dc, TRect& r, Ring ring, unsigned sides) {
  if (sides & BF_LEFT) Fill(dc, {r.Left, r.Top, r.Left + 1, r.Bottom}, ring.topLeft);
  if (sides & BF_TOP) Fill(dc, {r.Left, r.Top, r.Right, r.Top + 1}, ring.topLeft);
  if (sides & BF_RIGHT) Fill(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, ring.bottomRight);
  if (sides & BF_BOTTOM) Fill(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, ring.bottomRight);
  if (sides & BF_LEFT) ++r.Left;
  if (sides & BF_TOP) ++r.Top;
  if (sides & BF_RIGHT) --r.Right;
  if (sides & BF_BOTTOM) --r.Bottom;
}

// A square of the rectangle's smaller side, centred in it.
TRect Square(const TRect& r) {
  int side = std::min(r.Width(), r.Height());
  int left = r.Left + (r.Width() - side) / 2;
  int top = r.Top + (r.Height() - side) / 2;
  return Bounds(left, top, side, side);
}

void DrawCheckMark(HDC dc, const TRect& box, TColor colour) {
  int s = box.Width();
  dc->Pen->SetColor(colour);
  dc->Pen->SetWidth(std::max(1, s / 7));
  dc->Polyline({{box.Left + s * 2 / 10, box.Top + s / 2},
                {box.Left + s * 4 / 10, box.Top + s * 7 / 10},
                {box.Left + s * 8 / 10, box.Top + s * 3 / 10}});
}

void DrawCheckBox(HDC dc, const TRect& rect, unsigned state) {
  TRect box = Square(rect);
  bool inactive = state & DFCS_INACTIVE;
  if (state & (DFCS_FLAT | DFCS_MONO)) {
    DrawRing(dc, box, RingColours(0, true, state & DFCS_MONO ? BF_MONO : BF_FLAT), BF_RECT);
  } else {
    DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  }
  Fill(dc, box, inactive || (state & DFCS_PUSHED) ? clBtnFace : clWindow);
  if (state & DFCS_CHECKED) DrawCheckMark(dc, box, inactive ? clGrayText : clWindowText);
}

void DrawRadio(HDC dc, const TRect& rect, unsigned state) {
  TRect box = Square(rect);
  bool inactive = state & DFCS_INACTIVE;
  dc->Pen->SetWidth(1);
  dc->Pen->SetColor(state & DFCS_MONO ? clWindowFrame : clBtnShadow);
  dc->Brush->SetColor(inactive || (state & DFCS_PUSHED) ? clBtnFace : clWindow);
  dc->Ellipse(box);
  if (!(state & DFCS_CHECKED)) return;
  int s = box.Width();
  TRect dot = Bounds(box.Left + s * 3 / 10, box.Top + s * 3 / 10, s - 2 * (s * 3 / 10),
                     s - 2 * (s * 3 / 10));
  TColor ink = inactive ? clGrayText : clWindowText;
  dc->Pen->SetColor(ink);
  dc->Brush->SetColor(ink);
  dc->Ellipse(dot);
}

// A button face, raised or pushed in, flat when asked; returns the face inside the edges.
TRect DrawButtonFace(HDC dc, const TRect& rect, unsigned state) {
  TRect face = rect;
  bool down = state & (DFCS_PUSHED | DFCS_CHECKED);
  if (state & (DFCS_FLAT | DFCS_MONO))
    DrawRing(dc, face, RingColours(0, true, state & DFCS_MONO ? BF_MONO : BF_FLAT), BF_RECT);
  else
    DrawEdge(dc, &face, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST | BF_SOFT);
  Fill(dc, face, clBtnFace);
  return face;
}

void DrawArrow(HDC dc, const TRect& face, unsigned direction, bool inactive) {
  int cx = face.Left + face.Width() / 2;
  int cy = face.Top + face.Height() / 2;
  int h = std::max(2, std::min(face.Width(), face.Height()) / 4);
  std::vector<TPoint> points;
  switch (direction) {
    case DFCS_SCROLLUP: points = {{cx - h, cy + h / 2}, {cx + h, cy + h / 2}, {cx, cy - h / 2 - 1}}; break;
    case DFCS_SCROLLLEFT: points = {{cx + h / 2, cy - h}, {cx + h / 2, cy + h}, {cx - h / 2 - 1, cy}}; break;
    case DFCS_SCROLLRIGHT: points = {{cx - h / 2, cy - h}, {cx - h / 2, cy + h}, {cx + h / 2 + 1, cy}}; break;
    default: points = {{cx - h, cy - h / 2}, {cx + h, cy - h / 2}, {cx, cy + h / 2 + 1}}; break;
  }
  TColor ink = inactive ? clGrayText : clBtnText;
  dc->Pen->SetWidth(1);
  dc->Pen->SetColor(ink);
  dc->Brush->SetColor(ink);
  dc->Polygon(points);
}

}  // namespace

bool DrawEdge(HDC dc, TRect* rect, unsigned edge, unsigned flags) {
  if (!dc || !rect) return false;
  TemporaryTools keep(*dc);
  TRect r = *rect;
  unsigned sides = flags & BF_RECT;
  if (edge & BDR_OUTER) DrawRing(dc, r, RingColours(edge, true, flags), sides);
  if (edge & BDR_INNER) DrawRing(dc, r, RingColours(edge, false, flags), sides);
  if (flags & BF_MIDDLE) Fill(dc, r, flags & BF_MONO ? clWindow : clBtnFace);
  if (flags & BF_ADJUST) *rect = r;
  return true;
}

bool DrawFrameControl(HDC dc, TRect* rect, unsigned type, unsigned state) {
  if (!dc || !rect) return false;
  TemporaryTools keep(*dc);
  if (type == DFC_BUTTON) {
    if (state & DFCS_BUTTONPUSH)
      DrawButtonFace(dc, *rect, state);
    else if (state & DFCS_BUTTONRADIO)
      DrawRadio(dc, *rect, state);
    else
      DrawCheckBox(dc, *rect, state);
    return true;
  }
  if (type == DFC_SCROLL) {
    unsigned arrow = (state & 0xF) == DFCS_SCROLLCOMBOBOX ? DFCS_SCROLLDOWN : state & 0xF;
    DrawArrow(dc, DrawButtonFace(dc, *rect, state), arrow, state & DFCS_INACTIVE);
    return true;
  }
  return false;
}
