#include "platform/winapi/frame3d.h"

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  canvas->Pen->SetWidth(1);
  --rect.Bottom;
  --rect.Right;
  for (; width > 0; --width) {
    TPoint topLeft = rect.TopLeft(), bottomRight = rect.BottomRight();
    TPoint topRight(rect.Right, rect.Top), bottomLeft(rect.Left, rect.Bottom);
    canvas->Pen->SetColor(topColor);
    canvas->Polyline({bottomLeft, topLeft, topRight});
    canvas->Pen->SetColor(bottomColor);
    --bottomLeft.x;
    canvas->Polyline({topRight, bottomRight, bottomLeft});
    InflateRect(rect, -1, -1);
  }
  ++rect.Bottom;
  ++rect.Right;
}
