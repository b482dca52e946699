// TExtStringGrid: bitmaps, icons, pictures and images of the grid's image list in cells, and
// the bit buttons' glyphs: the graphics that show an object.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/CellGraphics.h"
#include "components/grid/html/FilePicture.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/imagelist.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

namespace {

// The Create forms: a new object of the graphic's own, set by Set and given to be filled.
template <typename T, typename Setter>
T* MakeOwned(TCellGraphic* Graphic, Setter Set) {
  auto* object = new T;
  Graphic->CellCreated = true;
  Set(*Graphic, object);
  return object;
}

}  // namespace

void TExtStringGrid::AddBitmap(int ACol, int ARow, TBitmap* Bitmap, bool Transparent,
                               TCellHAlign HAlign, TCellVAlign VAlign) {
  CellGraphics(*this).NewGraphic(ACol, ARow)->SetBitmap(Bitmap, Transparent, HAlign, VAlign);
}

TBitmap* TExtStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign HAlign,
                                      TCellVAlign VAlign) {
  return MakeOwned<TBitmap>(
      CellGraphics(*this).NewGraphic(ACol, ARow),
      [&](TCellGraphic& G, TBitmap* Bitmap) { G.SetBitmap(Bitmap, Transparent, HAlign, VAlign); });
}

TBitmap* TExtStringGrid::GetBitmap(int ACol, int ARow) {
  const TCellGraphic* graphic = CellGraphics(*this).GraphicOf(ACol, ARow, {ctBitmap});
  return graphic ? graphic->GetBitmap() : nullptr;
}

void TExtStringGrid::AddIcon(int ACol, int ARow, TIcon* Icon, TCellHAlign HAlign,
                             TCellVAlign VAlign) {
  CellGraphics(*this).NewGraphic(ACol, ARow)->SetIcon(Icon, HAlign, VAlign);
}

TIcon* TExtStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign HAlign, TCellVAlign VAlign) {
  return MakeOwned<TIcon>(CellGraphics(*this).NewGraphic(ACol, ARow),
                          [&](TCellGraphic& G, TIcon* Icon) { G.SetIcon(Icon, HAlign, VAlign); });
}

void TExtStringGrid::AddPicture(int ACol, int ARow, TPicture* Picture, bool Transparent,
                                TStretchMode StretchMode, int Value, TCellHAlign HAlign,
                                TCellVAlign VAlign) {
  CellGraphics(*this)
      .NewGraphic(ACol, ARow)
      ->SetPicture(Picture, Transparent, StretchMode, Value, HAlign, VAlign);
}

TPicture* TExtStringGrid::CreatePicture(int ACol, int ARow, bool Transparent,
                                        TStretchMode StretchMode, int Value, TCellHAlign HAlign,
                                        TCellVAlign VAlign) {
  return MakeOwned<TPicture>(
      CellGraphics(*this).NewGraphic(ACol, ARow), [&](TCellGraphic& G, TPicture* Picture) {
        G.SetPicture(Picture, Transparent, StretchMode, Value, HAlign, VAlign);
      });
}

TBitmap* TExtStringGrid::CreateBitButton(int ACol, int ARow, int W, int H,
                                         const AnsiString& Caption, TCellHAlign HAlign,
                                         TCellVAlign VAlign) {
  return MakeOwned<TBitmap>(CellGraphics(*this).NewGraphic(ACol, ARow),
                            [&](TCellGraphic& G, TBitmap* Glyph) {
                              G.SetBitButton(W, H, Caption, Glyph, HAlign, VAlign);
                            });
}

TPicture* TExtStringGrid::GetPicture(int ACol, int ARow) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  return graphic ? graphic->GetPicture() : nullptr;
}

void TExtStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* Picture, bool Transparent,
                                    TStretchMode StretchMode, int Value, TCellHAlign HAlign,
                                    TCellVAlign VAlign) {
  CellGraphics(*this)
      .NewGraphic(ACol, ARow)
      ->SetFilePicture(Picture, Transparent, StretchMode, Value, HAlign, VAlign);
}

TFilePicture* TExtStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent,
                                                TStretchMode StretchMode, int Value,
                                                TCellHAlign HAlign, TCellVAlign VAlign) {
  return MakeOwned<TFilePicture>(
      CellGraphics(*this).NewGraphic(ACol, ARow), [&](TCellGraphic& G, TFilePicture* Picture) {
        G.SetFilePicture(Picture, Transparent, StretchMode, Value, HAlign, VAlign);
      });
}

TFilePicture* TExtStringGrid::GetFilePicture(int ACol, int ARow) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  return graphic ? graphic->GetFilePicture() : nullptr;
}

void TExtStringGrid::AddImageIdx(int ACol, int ARow, int Idx, TCellHAlign HAlign,
                                 TCellVAlign VAlign) {
  if (GetGridImages()) CellGraphics(*this).NewGraphic(ACol, ARow)->SetImageIdx(Idx, HAlign, VAlign);
}

bool TExtStringGrid::GetImageIdx(int ACol, int ARow, int& Idx) {
  const TCellGraphic* graphic = CellGraphics(*this).GraphicOf(ACol, ARow, {ctImageList});
  if (!graphic || !GetGridImages()) return false;
  Idx = graphic->CellIndex;
  return true;
}

void TExtStringGrid::AddDataImage(int ACol, int ARow, int Idx, TCellHAlign HAlign,
                                  TCellVAlign VAlign) {
  if (GetGridImages())
    CellGraphics(*this).NewGraphic(ACol, ARow)->SetDataImage(Idx, HAlign, VAlign);
}

TIntList* TExtStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign HAlign,
                                        TCellVAlign VAlign) {
  if (!GetGridImages()) return nullptr;
  CellGraphics cells(*this);
  TCellGraphic* graphic = cells.NewGraphic(ACol, ARow);
  graphic->SetMultiImage(ACol, ARow, Dir, HAlign, VAlign, cells.ImageListRepaint());
  return graphic->GetImages();
}

TIntList* TExtStringGrid::GetCellImages(int ACol, int ARow) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  return graphic ? graphic->GetImages() : nullptr;
}

int TExtStringGrid::GetCellImageIdx(int ACol, int ARow) {
  const TCellGraphic* graphic = CellGraphics(*this).GraphicOf(ACol, ARow, {ctImageList});
  return graphic ? graphic->CellIndex : -1;
}
