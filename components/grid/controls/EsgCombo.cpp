#include "components/grid/controls/EsgCombo.h"

#include "components/grid/controls/ExtXPVS.h"
#include "platform/controls/paint_over.h"
#include "platform/winapi/edge.h"
#include "platform/winapi/gdi.h"
#include "platform/winapi/system_metrics.h"

TESGCustomCombo::TESGCustomCombo(TComponent* AOwner)
    : TComboBox(AOwner),
      painter_(std::make_unique<TPaintOver>(this, [this](TCanvas* c) { Paint(c); })),
      buttonWidth_(GetSystemMetrics(SM_CXVSCROLL) + 2) {}

TESGCustomCombo::~TESGCustomCombo() = default;

void TESGCustomCombo::SetButtonWidth(int value) {
  if (value < 14 || value > 32) return;
  buttonWidth_ = value;
  RedrawBorders();
}

void TESGCustomCombo::SetFlat(bool value) {
  flat_ = value;
  RedrawBorders();
}

void TESGCustomCombo::SetEtched(bool value) {
  etched_ = value;
  RedrawBorders();
}

void TESGCustomCombo::RedrawBorders() { painter_->Invalidate(); }

void TESGCustomCombo::CMMouseEnter() {
  TComboBox::CMMouseEnter();
  if (AutoFocus && CanFocus() && !Focused()) SetFocus();
  if (GetEnabled() && !mouseInControl_) {
    mouseInControl_ = true;
    RedrawBorders();
  }
}

void TESGCustomCombo::CMMouseLeave() {
  TComboBox::CMMouseLeave();
  if (GetEnabled()) {
    mouseInControl_ = false;
    RedrawBorders();
  }
}

void TESGCustomCombo::DoEnter() {
  TComboBox::DoEnter();
  RedrawBorders();
}

void TESGCustomCombo::DoExit() {
  TComboBox::DoExit();
  RedrawBorders();
}

// A disabled flat combo takes its parent's colour and gets its own back when enabled again.
void TESGCustomCombo::EnabledChanged() {
  if (flat_ && !GetEnabled()) {
    savedColor_ = GetColor();
    savedParentColor_ = GetParentColor();
    SetParentColor(true);
  } else if (flat_) {
    SetColor(savedColor_);
    SetParentColor(savedParentColor_);
  }
  TComboBox::EnabledChanged();
}

void TESGCustomCombo::Paint(TCanvas* Canvas) {
  if (!flat_) return;
  DrawButton(Canvas);
  DrawControlBorder(Canvas);
  if (GetStyle() != csSimple) DrawButtonBorder(Canvas);
}

void TESGCustomCombo::DrawButton(TCanvas* Canvas) {
  if (GetStyle() == csSimple) return;
  TRect rect(GetWidth() - buttonWidth_ - 1, 1, GetWidth() - 1, GetHeight() - 1);
  const bool pressed = GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0;
  if (IsWinXP && DrawThemed(this, "combobox", Canvas, CP_DROPDOWNBUTTON,
                            pressed ? CBXS_PRESSED : CBXS_NORMAL, rect))
    return;
  DrawFrameControl(Canvas->GetHandle(), &rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT);
}

void TESGCustomCombo::DrawControlBorder(TCanvas* Canvas) {
  TRect rect = GetClientRect();
  const TColor parentColor = GetParent() ? GetParent()->GetColor() : clBtnFace;
  if (FocusBorder && Highlighted()) {
    DrawEdge(Canvas->GetHandle(), &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    Canvas->Brush->SetColor(clBtnFace);
  } else {
    Canvas->Brush->SetColor(parentColor);
    Canvas->FrameRect(rect);
    InflateRect(rect, -1, -1);
  }
  Canvas->FrameRect(rect);
  InflateRect(rect, -1, -1);
  Canvas->Brush->SetColor(GetColor());
  Canvas->FrameRect(rect);
}

void TESGCustomCombo::DrawButtonBorder(TCanvas* Canvas) {
  const int width = GetWidth(), height = GetHeight();
  HDC dc = Canvas->GetHandle();
  SaveDC(dc);
  ExcludeClipRect(dc, width - buttonWidth_ + 4, 4, width - 4, height - 4);
  TRect rect(width - buttonWidth_, 2, width - 2, height - 2);
  if (Highlighted()) {
    DrawEdge(dc, &rect, etched_ ? EDGE_ETCHED : EDGE_RAISED, BF_RECT);
  } else {
    InflateRect(rect, -1, -1);
    Canvas->Brush->SetColor(clBtnFace);
    Canvas->FillRect(rect);
  }
  RestoreDC(dc, -1);
}
