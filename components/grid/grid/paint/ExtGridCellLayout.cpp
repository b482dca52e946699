// TExtStringGrid: the room a cell's text and graphic take. The text is measured on the
// grid's canvas in the font the cell is drawn with, its margins (XYOffset) included.
#include <algorithm>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/cells/CellGraphics.h"
#include "components/grid/grid/paint/Painting.h"
#include "components/grid/richtext/RichTextPaint.h"
#include "platform/graphics/imagelist.h"
#include "platform/winapi/drawtext.h"

TSize TExtStringGrid::GetCellTextSize(int ACol, int ARow, bool WordWrap) {
  AnsiString text = GetCellEx(ACol, ARow);
  const TTextType type = TextType(text, EnableHTML);
  Painting paint(*this);
  TCanvas* canvas = paint.CanvasInCellFont(ACol, ARow);
  if (type == ttRTF) {
    TRichText rich;
    CellToRich(ACol, ARow, rich);
    return MeasureRichText(*canvas, rich);
  }
  if (type == ttHTML) {
    THTMLDrawParams params = paint.HTMLParams(URLColor);
    params.MeasureOnly = true;
    THTMLDrawResult result;
    HTMLDrawEx(canvas, text, {0, 0, 65535, 65535}, params, result);
    return {result.ExtentX, result.ExtentY};
  }

  const TPoint margin = GetXYOffset();
  TSize size;
  if (WordWrap) {
    TRect rect = CellRect(ACol, ARow);
    DrawText(canvas->GetHandle(), text.c_str(), static_cast<int>(text.size()), &rect,
             DT_CALCRECT | DT_WORDBREAK);
    size = {CellSize(ACol, ARow).x + 2 * margin.x, rect.Height() + 2 * margin.y};
  } else {
    const bool stripURL = type == ttText && URLShow && !URLFull;
    int lines = 0;
    do {
      AnsiString line = GetNextLine(text, true);
      if (stripURL) StripURLProtocol(line);
      size.cx = std::max(size.cx, canvas->TextWidth(line));
      ++lines;
    } while (!text.empty());
    size.cx += 2 * margin.x;
    size.cy = canvas->TextHeight("gh") * lines + 2 * margin.y;
  }
  if (int angle = 0; IsRotated(RemapCol(ACol), ARow, angle)) size = RotatedTextSize(size, angle);
  return size;
}

TCanvas* TExtStringGrid::Painting::CanvasInCellFont(int ACol, int ARow, bool Select) {
  TCanvas* canvas = g.GetCanvas();
  TGridDrawState state;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wrap = g.WordWrap;
  g.GetVisualProperties(ACol, ARow, state, false, Select, true, canvas->Brush, canvas->Font, hAlign,
                        vAlign, wrap);
  return canvas;
}

TCellGraphic* TExtStringGrid::GetGraphicDetails(int ACol, int ARow, int& W, int& H, bool& DrawText,
                                                int& HAlign, int& VAlign) {
  W = H = 0;
  DrawText = true;
  HAlign = VAlign = 0;
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return nullptr;
  TSize size;
  switch (graphic->CellType) {
    case ctBitmap:
    case ctIcon:
    case ctPicture:
    case ctFilePicture:
    case ctButton:
    case ctBitButton:
    case ctImages:
      size = CellGraphics(*this).GraphicOwnSize(*graphic, CellSize(RemapColInv(ACol), ARow));
      break;
    case ctImageList:
    case ctDataImage:
      if (GetGridImages()) size = {GetGridImages()->GetWidth(), GetGridImages()->GetHeight()};
      DrawText = graphic->CellType == ctImageList;
      break;
    case ctCheckBox:
    case ctDataCheckBox:
      size = {ControlLook.GetCheckSize(), ControlLook.GetCheckSize()};
      DrawText = graphic->CellType == ctCheckBox;
      break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
      DrawText = false;
      break;
    default:
      break;
  }
  W = size.cx;
  H = size.cy;
  HAlign = graphic->CellHAlign;
  VAlign = graphic->CellVAlign;
  return graphic;
}
