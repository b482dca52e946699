// TExtStringGrid: what the grid hands the mini-HTML renderer, and the anchor under a point
// of an HTML cell.
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/paint/Painting.h"

THTMLDrawParams TExtStringGrid::Painting::HTMLParams(TColor LinkColor) {
  THTMLDrawParams params;
  params.Images = g.GetGridImages();
  params.LinkColor = LinkColor;
  params.ShadowColor = clGray;
  params.WordWrap = !g.EnhTextSize;  // full text, ending in an ellipsis, is one line
  params.PictureCache = g.GetPictureCache();
  params.PictureContainer = g.GetPictureContainer();
  params.WindowHandle = &g;
  return params;
}

bool TExtStringGrid::HTMLAnchorAt(int ACol, int ARow, int X, int Y, AnsiString& Anchor) {
  const AnsiString text = GetCellEx(RemapCol(ACol), ARow);
  if (TextType(text, EnableHTML) != ttHTML) return false;
  Painting paint(*this);
  TCanvas* canvas = paint.CanvasInCellFont(ACol, ARow);
  // The rectangle the text step draws into.
  TRect r = CellRect(ACol, ARow);
  r.Right -= 2;
  r.Left += GetXYOffset().x;
  r.Top += GetXYOffset().y;
  THTMLDrawParams params = paint.HTMLParams(URLColor);
  params.MouseX = X;
  params.MouseY = Y;
  params.HitTestOnly = true;
  params.BlinkOn = true;
  params.Selected = true;
  THTMLDrawResult result;
  if (!HTMLDrawEx(canvas, text, r, params, result)) return false;
  Anchor = result.AnchorValue;
  return true;
}
