#include "components/grid/controls/ExtSpeedButton.h"

#include "components/grid/controls/ExtXPVS.h"
#include "platform/winapi/edge.h"

void TExtSpeedButton::SetIsWinXP(bool value) {
  isWinXP_ = value;
  Invalidate();
}

void TExtSpeedButton::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->Font->Assign(*GetFont());
  TRect rect = GetClientRect();
  const bool down = state_ == bsDown || state_ == bsExclusive;
  const int state = down ? PBS_PRESSED : mouseInControl_ ? PBS_HOT : PBS_NORMAL;
  const bool themed =
      isWinXP_ && DrawThemed(GetParent(), "button", canvas, BP_PUSHBUTTON, state, rect);
  if (themed) {
    // the theme drew the face
  } else if (GetFlat()) {
    DrawEdge(canvas->GetHandle(), &rect, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    InflateRect(rect, -1, -1);
  } else {
    DrawFrameControl(canvas->GetHandle(), &rect, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? DFCS_PUSHED : 0u));
  }
  PaintContent(rect, down);
}

void TExtSpeedButton::CMMouseEnter() {
  TSpeedButton::CMMouseEnter();
  Invalidate();
}

void TExtSpeedButton::CMMouseLeave() {
  TSpeedButton::CMMouseLeave();
  Invalidate();
}
