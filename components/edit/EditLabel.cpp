#include "components/edit/EditLabel.h"

TPoint LabelPlace(TLabelPosition Position, const TRect& Edit, int LabelWidth, int LabelHeight,
                  int TextWidth, int Margin) {
  const int l = Edit.Left, t = Edit.Top, w = Edit.Width(), h = Edit.Height();
  const int beside = l - TextWidth - Margin;
  const int center = t + (h - LabelHeight) / 2, bottom = t + h - LabelHeight;
  const int above = t - LabelHeight - Margin, below = t + h + Margin;
  const int centered = l + (w - LabelWidth) / 2;
  switch (Position) {
    case lpLeftTop:
      return TPoint(beside, t);
    case lpLeftCenter:
      return TPoint(beside, center);
    case lpLeftBottom:
      return TPoint(beside, bottom);
    case lpTopLeft:
      return TPoint(l, above);
    case lpBottomLeft:
      return TPoint(l, below);
    case lpLeftTopLeft:
      return TPoint(l - Margin, t);
    case lpLeftCenterLeft:
      return TPoint(l - Margin, center);
    case lpLeftBottomLeft:
      return TPoint(l - Margin, bottom);
    case lpTopCenter:
      return TPoint(centered, above);
    case lpBottomCenter:
      return TPoint(centered, below);
  }
  return TPoint(l, t);
}
