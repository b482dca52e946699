#include "components/edit/EditFrame.h"

#include "platform/winapi/edge.h"

TColor EditParentColor(const TControl& Edit) {
  return Edit.GetParent() ? Edit.GetParent()->GetColor() : Edit.GetColor();
}

bool Is3DBorder(const TWinControl& Edit, bool FocusBorder, bool Border3D, bool MouseInside) {
  if (Edit.GetComponentState().Contains(csDesigning))
    return (Edit.GetEnabled() && FocusBorder) || Border3D;
  return ((MouseInside || Edit.Focused()) && FocusBorder) || Border3D;
}

void DrawControlBorder(TCanvas& Canvas, const TControl& Edit, bool Sunken) {
  TRect rect(0, 0, Edit.GetWidth(), Edit.GetHeight());
  Canvas.Brush->SetColor(Sunken ? clBtnFace : EditParentColor(Edit));
  if (Sunken) {
    DrawEdge(Canvas.GetHandle(), &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    Canvas.FrameRect(rect);
    return;
  }
  Canvas.FrameRect(rect);
  Canvas.FrameRect(TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1));
}

void DrawFlatLine(TCanvas& Canvas, const TCustomEdit& Edit, TColor Color, bool SoftBorder) {
  const int width = Edit.GetWidth(), height = Edit.GetHeight();
  const TRect rect = Edit.GetFormatRect();
  Canvas.Pen->SetColor(Color);
  Canvas.Pen->SetWidth(1);
  Canvas.MoveTo(rect.Left - 2, height - 1);
  if (SoftBorder) {
    Canvas.LineTo(width - 1, height - 1);
    Canvas.LineTo(width - 1, rect.Top - 4);
    Canvas.LineTo(rect.Left - 2, rect.Top - 4);
    Canvas.LineTo(rect.Left - 2, height - 1);
  } else {
    Canvas.LineTo(width, height - 1);
  }
}

void ApplyFlatRect(TCustomEdit& Edit, bool Flat) {
  const int width = Edit.GetClientWidth(), height = Edit.GetClientHeight();
  Edit.SetFormatRect(Flat ? TRect(2, 4, width - 2, height - 4) : Edit.GetClientRect());
}
