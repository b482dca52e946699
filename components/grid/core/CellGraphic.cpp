#include "components/grid/core/CellGraphic.h"

#include <algorithm>
#include <cmath>

#include "components/grid/html/FilePicture.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

TCellGraphic::~TCellGraphic() {
  if (CellType == ctImages) delete CellBitmap;  // its index list is always its own
  if (!CellCreated) return;
  switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      delete CellBitmap;
      break;
    case ctIcon:
      delete CellIcon;
      break;
    default:
      break;
  }
}

void TCellGraphic::Assign(const TCellGraphic& Source) {
  CellType = Source.CellType;
  CellVAlign = Source.CellVAlign;
  CellHAlign = Source.CellHAlign;
  CellIndex = Source.CellIndex;
  CellTransparent = Source.CellTransparent;
  CellCreated = Source.CellCreated;
  CellBoolean = Source.CellBoolean;
  CellAngle = Source.CellAngle;
  CellValue = Source.CellValue;
  CellErrFrom = Source.CellErrFrom;
  CellErrLen = Source.CellErrLen;
  CellText = Source.CellText;
  CellColor = Source.CellColor;
  CellColor2 = Source.CellColor2;
}

void TCellGraphic::Place(TCellType Type, TCellHAlign HAlign, TCellVAlign VAlign) {
  CellType = Type;
  CellHAlign = HAlign;
  CellVAlign = VAlign;
}

void TCellGraphic::SetBitmap(TBitmap* Bitmap, bool Transparent, TCellHAlign HAlign,
                             TCellVAlign VAlign) {
  Place(ctBitmap, HAlign, VAlign);
  CellBitmap = Bitmap;
  CellTransparent = Transparent;
}

void TCellGraphic::SetIcon(TIcon* Icon, TCellHAlign HAlign, TCellVAlign VAlign) {
  Place(ctIcon, HAlign, VAlign);
  CellIcon = Icon;
}

void TCellGraphic::SetImageIdx(int Idx, TCellHAlign HAlign, TCellVAlign VAlign) {
  Place(ctImageList, HAlign, VAlign);
  CellIndex = Idx;
}

void TCellGraphic::SetDataImage(int Idx, TCellHAlign HAlign, TCellVAlign VAlign) {
  Place(ctDataImage, HAlign, VAlign);
  CellIndex = Idx;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int Dir, TCellHAlign HAlign, TCellVAlign VAlign,
                                 TImageChangeEvent Notifier) {
  if (CellType == ctImages) delete CellBitmap;
  Place(ctImages, HAlign, VAlign);
  auto* list = new TIntList(Col, Row);
  list->OnChange = std::move(Notifier);
  CellBitmap = list;
  CellBoolean = Dir == 0;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Transparent, TCellHAlign HAlign,
                               TCellVAlign VAlign) {
  Place(Data ? ctDataCheckBox : ctCheckBox, HAlign, VAlign);
  CellBoolean = Value;
  CellTransparent = Transparent;
}

void TCellGraphic::SetButton(int W, int H, const AnsiString& Caption, TCellHAlign HAlign,
                             TCellVAlign VAlign) {
  Place(ctButton, HAlign, VAlign);
  CellIndex = static_cast<int32_t>((static_cast<uint32_t>(H & 0xFFFF) << 16) |
                                   static_cast<uint32_t>(W & 0xFFFF));
  CellBoolean = false;
  CellText = Caption;
}

void TCellGraphic::SetBitButton(int W, int H, const AnsiString& Caption, TBitmap* Glyph,
                                TCellHAlign HAlign, TCellVAlign VAlign) {
  SetButton(W, H, Caption, HAlign, VAlign);
  CellType = ctBitButton;
  CellBitmap = Glyph;
}

void TCellGraphic::SetPicture(TPicture* Picture, bool Transparent, TStretchMode StretchMode,
                              int Value, TCellHAlign HAlign, TCellVAlign VAlign) {
  Place(ctPicture, HAlign, VAlign);
  CellBitmap = Picture;
  CellTransparent = Transparent;
  CellAngle = StretchMode;
  CellIndex = Value;
}

void TCellGraphic::SetFilePicture(TFilePicture* Picture, bool Transparent, TStretchMode StretchMode,
                                  int Value, TCellHAlign HAlign, TCellVAlign VAlign) {
  SetPicture(nullptr, Transparent, StretchMode, Value, HAlign, VAlign);
  CellType = ctFilePicture;
  CellBitmap = Picture;
}

void TCellGraphic::SetAngle(int Angle) {
  CellType = ctRotated;
  while (Angle < 0) Angle += 360;
  while (Angle > 360) Angle -= 360;
  CellAngle = Angle;
}

TBitmap* TCellGraphic::GetBitmap() const {
  return CellType == ctBitmap || CellType == ctBitButton ? static_cast<TBitmap*>(CellBitmap)
                                                         : nullptr;
}

TIcon* TCellGraphic::GetIcon() const {
  return CellType == ctIcon ? static_cast<TIcon*>(CellIcon) : nullptr;
}

TPicture* TCellGraphic::GetPicture() const {
  return CellType == ctPicture ? static_cast<TPicture*>(CellBitmap) : nullptr;
}

TFilePicture* TCellGraphic::GetFilePicture() const {
  return CellType == ctFilePicture ? static_cast<TFilePicture*>(CellBitmap) : nullptr;
}

TIntList* TCellGraphic::GetImages() const {
  return CellType == ctImages ? static_cast<TIntList*>(CellBitmap) : nullptr;
}

namespace {

// The factor that makes one side fill the cell; a side below 1 pixel does not decide.
double AspectRatio(TSize Own, int CellWidth, int CellHeight, bool ShrinkOnly) {
  double rx = Own.cx < 1 ? 1.0 : static_cast<double>(CellWidth) / Own.cx;
  double ry = Own.cy < 1 ? 1.0 : static_cast<double>(CellHeight) / Own.cy;
  if (ShrinkOnly) {
    rx = std::min(rx, 1.0);
    ry = std::min(ry, 1.0);
  }
  return std::min(rx, ry);
}

TSize Scaled(TSize Own, double Ratio) {
  return {static_cast<int>(std::lround(Own.cx * Ratio)),
          static_cast<int>(std::lround(Own.cy * Ratio))};
}

}  // namespace

TSize TCellGraphic::GetPictureSize(int CellWidth, int CellHeight) const {
  TSize own;
  if (const TPicture* picture = GetPicture())
    own = {picture->GetWidth(), picture->GetHeight()};
  else if (const TFilePicture* file = GetFilePicture())
    own = {file->GetWidth(), file->GetHeight()};
  else
    return {};
  const bool fits = own.cx <= CellWidth && own.cy <= CellHeight;
  switch (GetStretchMode()) {
    case Stretch:
      return {CellWidth, CellHeight};
    case StretchWithAspectRatio:
      return Scaled(own, AspectRatio(own, CellWidth, CellHeight, false));
    case Shrink:
      return fits ? own : TSize(CellWidth, CellHeight);
    case ShrinkWithAspectRatio:
      return fits ? own : Scaled(own, AspectRatio(own, CellWidth, CellHeight, true));
    case noStretch:
    default:
      return own;
  }
}
