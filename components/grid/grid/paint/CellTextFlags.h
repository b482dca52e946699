// The DrawText flags of a cell's text: its wrapping and its alignments. The screen painter
// and the printed page lay a cell's text out alike.
#pragma once

#include "components/grid/core/BaseGridTypes.h"
#include "platform/controls/control.h"
#include "platform/winapi/drawtext.h"

inline unsigned WrapFlags(bool WordWrap, bool Multilinecells) {
  if (WordWrap) return DT_WORDBREAK | DT_EDITCONTROL;
  return Multilinecells ? 0u : unsigned{DT_SINGLELINE};
}

inline unsigned HorizontalFlags(TAlignment Align) {
  switch (Align) {
    case taRightJustify:
      return DT_RIGHT;
    case taCenter:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

inline unsigned VerticalFlags(TVAlignment Align) {
  switch (Align) {
    case vtaCenter:
      return DT_VCENTER;
    case vtaBottom:
      return DT_BOTTOM;
    default:
      return DT_TOP;
  }
}
