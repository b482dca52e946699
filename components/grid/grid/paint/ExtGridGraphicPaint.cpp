// TExtStringGrid: drawing a cell's graphic into the cell after its text: where the graphic
// goes by its alignment, and the kinds that show an object (bitmaps, icons, images of the
// grid's image list, pictures). Check boxes and radio groups draw in ExtGridCheckPaint.cpp,
// the marks and controls in ExtGridCellMarkPaint.cpp, nodes in ExtGridNodePaint.cpp.
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/cells/CellGraphics.h"
#include "components/grid/grid/paint/ExtGridCellPaint.h"
#include "components/grid/html/FilePicture.h"
#include "components/grid/html/HTMLStrip.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/imagelist.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

// The width of the text the graphic stands beside: its first line as drawn; 0 when empty.
int TExtStringGrid::Painting::CellTextWidth(CellPaint& P) {
  AnsiString text = g.GetCellEx(P.RealCol, P.Row);
  if (text.empty()) return 0;
  if (TextType(text, g.EnableHTML) == ttHTML) text = HTMLStrip(text);
  return P.Canvas->TextWidth(GetNextLine(text, true));
}

TRect TExtStringGrid::Painting::GraphicRect(const CellPaint& P, int TextWidth) {
  const TRect& c = P.Rect;
  const int w = P.GraphicW, h = P.GraphicH;
  const int twp = TextWidth > 0 ? TextWidth + 2 : 0;
  TRect r;
  switch (P.Graphic->CellHAlign) {
    case haLeft:
      r.Left = c.Left + 1;
      break;
    case haRight:
      r.Left = c.Right - 1 - w;
      break;
    case haCenter:
      r.Left = w < c.Width() ? c.Left + (c.Width() - w) / 2 : c.Left + 1;
      break;
    case haBeforeText:
      r.Left = P.HAlign == taLeftJustify ? c.Left + 1 : std::max(c.Right - twp - w, c.Left + 1);
      break;
    case haAfterText:
      r.Left = P.HAlign == taRightJustify ? c.Right - 1 - w : c.Left + twp;
      break;
    case haFull:
      r.Left = c.Left;
      break;
  }
  r.Right = P.Graphic->CellHAlign == haFull ? c.Right : r.Left + w;
  switch (P.Graphic->CellVAlign) {
    case vaTop:
    case vaAboveText:
      r.Top = c.Top + 1;
      r.Bottom = r.Top + h;
      break;
    case vaBottom:
      r.Bottom = c.Bottom - 1;
      r.Top = r.Bottom - h;
      break;
    case vaCenter:
      r.Top = h < c.Height() ? c.Top + (c.Height() - h) / 2 : c.Top + 1;
      r.Bottom = r.Top + h;
      break;
    case vaUnderText:
      r.Top = c.Bottom - h;
      r.Bottom = c.Bottom;
      break;
    case vaFull:
      r.Top = c.Top;
      r.Bottom = c.Bottom;
      break;
  }
  return r;
}

void TExtStringGrid::Painting::DrawCellGraphic(CellPaint& P) {
  if (!P.Graphic) return;
  const int textWidth = CellTextWidth(P);
  const TRect r = GraphicRect(P, textWidth);
  switch (P.Graphic->CellType) {
    case ctNode:
      DrawNodeButton(P);
      break;
    case ctCheckBox:
    case ctDataCheckBox:
      DrawCheckBox(P, r, textWidth);
      break;
    case ctRadio:
      DrawRadioGroup(P);
      break;
    case ctRotated:
      DrawRotated(P);
      break;
    case ctProgress:
      DrawProgress(P);
      break;
    case ctComment:
      DrawComment(P);
      break;
    case ctButton:
    case ctBitButton:
      DrawButton(P, r);
      break;
    default:
      DrawGraphicObject(P, r);
      break;
  }
}

void TExtStringGrid::Painting::DrawGraphicObject(CellPaint& P, const TRect& R) {
  TCellGraphic& graphic = *P.Graphic;
  TCanvas* canvas = P.Canvas;
  switch (graphic.CellType) {
    case ctBitmap:
      if (TBitmap* bitmap = graphic.GetBitmap(); bitmap && !bitmap->GetEmpty()) {
        if (graphic.CellTransparent)
          DrawBitmapTransp(canvas, bitmap, P.Shown, R);
        else
          canvas->Draw(R.Left, R.Top, bitmap);
      }
      break;
    case ctIcon:
      if (TIcon* icon = graphic.GetIcon(); icon && !icon->GetEmpty())
        canvas->Draw(R.Left, R.Top, icon);
      break;
    case ctImageList:
      DrawGridImage(canvas, R.Left, R.Top, graphic.CellIndex);
      break;
    case ctDataImage:
      DrawGridImage(canvas, R.Left, R.Top,
                    CellGraphics(g).CellIntValue(P.RealCol, P.Row) + graphic.CellIndex);
      break;
    case ctImages:
      DrawImages(P, R);
      break;
    case ctPicture:
      if (TPicture* picture = graphic.GetPicture(); picture && picture->GetGraphic()) {
        if (graphic.GetStretchMode() == noStretch)
          canvas->Draw(R.Left, R.Top, picture->GetGraphic());
        else
          canvas->StretchDraw(R, picture->GetGraphic());
      }
      break;
    case ctFilePicture:
      if (const TFilePicture* picture = graphic.GetFilePicture()) picture->DrawPicture(canvas, R);
      break;
    default:
      break;
  }
}

// An index outside the image list draws nothing, as does a grid without one.
void TExtStringGrid::Painting::DrawGridImage(TCanvas* Canvas, int X, int Y, int Index) {
  if (g.GetGridImages() && Index >= 0 && Index < g.GetGridImages()->GetCount())
    g.GetGridImages()->Draw(Canvas, X, Y, Index, true);
}

void TExtStringGrid::Painting::DrawImages(CellPaint& P, const TRect& R) {
  const TIntList* list = P.Graphic->GetImages();
  if (!list || !g.GetGridImages()) return;
  int x = R.Left, y = R.Top;
  for (int i = 0; i < list->Count(); ++i) {
    DrawGridImage(P.Canvas, x, y, list->Items(i));
    if (P.Graphic->CellBoolean)
      x += g.GetGridImages()->GetWidth();
    else
      y += g.GetGridImages()->GetHeight();
  }
}
