// TExtStringGrid: what the grid hands the mini-HTML renderer, and the anchor under a point
// of an HTML cell.
#include "components/grid/ExtGrid.h"
#include "components/grid/GridUtil.h"

THTMLDrawParams TExtStringGrid::HTMLParams(TColor LinkColor) {
  THTMLDrawParams params;
  params.Images = GridImages;
  params.LinkColor = LinkColor;
  params.ShadowColor = clGray;
  params.WordWrap = !EnhTextSize;  // full text, ending in an ellipsis, is one line
  params.PictureCache = GetPictureCache();
  params.PictureContainer = GetPictureContainer();
  params.WindowHandle = this;
  return params;
}

bool TExtStringGrid::HTMLAnchorAt(int ACol, int ARow, int X, int Y, AnsiString& Anchor) {
  const int real = RemapCol(ACol);
  const AnsiString text = GetCellEx(real, ARow);
  if (TextType(text, EnableHTML) != ttHTML) return false;
  TCanvas* canvas = GetCanvas();
  TGridDrawState state;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wrap = WordWrap;
  GetVisualProperties(real, ARow, state, false, true, true, canvas->Brush, canvas->Font, hAlign,
                      vAlign, wrap);
  // The rectangle the text step draws into.
  TRect r = CellRect(ACol, ARow);
  r.Right -= 2;
  r.Left += GetXYOffset().x;
  r.Top += GetXYOffset().y;
  THTMLDrawParams params = HTMLParams(URLColor);
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
