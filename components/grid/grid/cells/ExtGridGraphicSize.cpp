// TExtStringGrid: the room a cell's graphic takes, for drawing, automatic sizing and printing.
#include <algorithm>
#include <cmath>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/CellGraphics.h"
#include "components/grid/html/FilePicture.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/imagelist.h"
#include "platform/graphics/readerimage.h"

namespace {
constexpr int kRadioRoom = 12;  // a radio button and the gap to its caption
}  // namespace

// The size of the graphic's own object in a cell of that size; 0 x 0 for kinds without one.
TSize TExtStringGrid::CellGraphics::GraphicOwnSize(const TCellGraphic& Graphic, TPoint Cell) {
  switch (Graphic.CellType) {
    case ctBitmap:
      if (const TBitmap* bitmap = Graphic.GetBitmap())
        return {bitmap->GetWidth(), bitmap->GetHeight()};
      return {};
    case ctIcon:
      if (const TIcon* icon = Graphic.GetIcon()) return {icon->GetWidth(), icon->GetHeight()};
      return {};
    case ctPicture:
    case ctFilePicture:
      return Graphic.GetPictureSize(Cell.x, Cell.y);
    case ctButton:
    case ctBitButton:
      return {Graphic.ButtonWidth(), Graphic.ButtonHeight()};
    case ctImages: {
      const TIntList* list = Graphic.GetImages();
      if (!g.GetGridImages() || !list) return {};
      const int n = list->Count();
      const int w = g.GetGridImages()->GetWidth(), h = g.GetGridImages()->GetHeight();
      return Graphic.CellBoolean ? TSize(n * w, h) : TSize(w, n * h);
    }
    default:
      return {};
  }
}

// Horizontal groups put their items side by side, vertical ones one per text line.
TSize TExtStringGrid::CellGraphics::RadioGroupSize(const TCellGraphic& Graphic,
                                                   TStrings* Captions) {
  TCanvas* canvas = g.GetCanvas();
  const int line = canvas->TextHeight("gh");
  const int count = Captions ? Captions->Count() : 0;
  int sum = 0, widest = 0;
  for (int i = 0; i < count; ++i) {
    const int w = canvas->TextWidth(Captions->Strings(i));
    sum += w + kRadioRoom;
    widest = std::max(widest, w);
  }
  if (Graphic.CellBoolean) return {sum, line};
  return {std::max(widest + kRadioRoom, kRadioRoom), line * count};
}

TSize TExtStringGrid::CellGraphics::GraphicSize(int ACol, int ARow, const TSize* PrintArea,
                                                double Factor) {
  const TCellGraphic* graphic = g.GetCellGraphic(ACol, ARow);
  if (!graphic) return {};
  const TPoint cell = g.CellSize(g.RemapColInv(ACol), ARow);
  TSize size;
  switch (graphic->CellType) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctDataImage: {
      const bool beside = graphic->CellHAlign == haBeforeText ||
                          graphic->CellHAlign == haAfterText || g.GetCellEx(ACol, ARow).empty();
      size = graphic->CellType == ctBitmap || graphic->CellType == ctIcon
                 ? GraphicOwnSize(*graphic, cell)
             : g.GetGridImages()
                 ? TSize(g.GetGridImages()->GetWidth(), g.GetGridImages()->GetHeight())
                 : TSize();
      const bool isImage = graphic->CellType == ctImageList || graphic->CellType == ctDataImage;
      if (!beside && (!PrintArea || isImage)) size.cx = 0;
      break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
      size = {g.ControlLook.GetCheckSize(), g.ControlLook.GetCheckSize()};
      break;
    case ctRadio:
      size = RadioGroupSize(*graphic, g.GetRadioStrings(ACol, ARow));
      break;
    case ctPicture:
    case ctFilePicture:
      if (!PrintArea) {
        size = GraphicOwnSize(*graphic, cell);
        break;
      }
      size = graphic->GetPictureSize(PrintArea->cx, PrintArea->cy);
      size = {static_cast<int>(std::lround(size.cx * Factor)),
              static_cast<int>(std::lround(size.cy * Factor))};
      break;
    default:
      size = GraphicOwnSize(*graphic, cell);
      break;
  }
  if (graphic->CellVAlign == vaFull) size.cy = cell.y;
  if (graphic->CellHAlign == haFull) size.cx = cell.x;
  return size;
}

TSize TExtStringGrid::GetCellGraphicSize(int ACol, int ARow) {
  return CellGraphics(*this).GraphicSize(ACol, ARow, nullptr, 1.0);
}

TSize TExtStringGrid::GetPrintGraphicSize(int ACol, int ARow, int Width, int Height,
                                          double Factor) {
  const TSize area(Width, Height);
  return CellGraphics(*this).GraphicSize(ACol, ARow, &area, Factor);
}
