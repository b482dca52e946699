// TExtStringGrid: buttons, progress bars, comment marks, error markers and rotated text in
// cells.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/CellGraphics.h"

void TExtStringGrid::AddButton(int ACol, int ARow, int W, int H, const AnsiString& Caption,
                               TCellHAlign HAlign, TCellVAlign VAlign) {
  CellGraphics(*this).NewGraphic(ACol, ARow)->SetButton(W, H, Caption, HAlign, VAlign);
}

void TExtStringGrid::AddBitButton(int ACol, int ARow, int W, int H, const AnsiString& Caption,
                                  TBitmap* Glyph, TCellHAlign HAlign, TCellVAlign VAlign) {
  CellGraphics(*this).NewGraphic(ACol, ARow)->SetBitButton(W, H, Caption, Glyph, HAlign, VAlign);
}

bool TExtStringGrid::RemoveButton(int ACol, int ARow) {
  if (!CellGraphics(*this).GraphicOf(ACol, ARow, {ctButton, ctBitButton})) return false;
  FreeCellGraphic(ACol, ARow);
  RepaintStoredCell(ACol, ARow);
  return true;
}

void TExtStringGrid::PushButton(int ACol, int ARow, bool Down) {
  TCellGraphic* graphic = CellGraphics(*this).GraphicOf(ACol, ARow, {ctButton, ctBitButton});
  if (!graphic) return;
  graphic->CellBoolean = Down;
  RepaintStoredCell(ACol, ARow);
}

TRect TExtStringGrid::ButtonRect(int ACol, int ARow) {
  const TCellGraphic* graphic = CellGraphics(*this).GraphicOf(ACol, ARow, {ctButton, ctBitButton});
  if (!graphic) return {};
  const TRect cell = CellRect(RemapColInv(ACol), ARow);
  // A value read from elsewhere may be anything: one that is no packed offset counts 0.
  const double packed = graphic->CellValue;
  const uint32_t offset = packed >= 0 && packed < 4294967296.0 ? static_cast<uint32_t>(packed) : 0;
  TRect r;
  r.Left = cell.Left + static_cast<int>(offset & 0xFFFF);
  r.Top = cell.Top + static_cast<int>(offset >> 16);
  r.Right = r.Left + graphic->ButtonWidth();
  r.Bottom = r.Top + graphic->ButtonHeight();
  if (graphic->CellVAlign == vaFull) {
    r.Top = cell.Top;
    r.Bottom = cell.Bottom;
  }
  if (graphic->CellHAlign == haFull) {
    r.Left = cell.Left;
    r.Right = cell.Right;
  }
  return r;
}

namespace {

TCellGraphic* SetProgress(TCellGraphic* Graphic, TColor Color, TColor Color2) {
  Graphic->CellType = ctProgress;
  Graphic->CellHAlign = haLeft;
  Graphic->CellVAlign = vaTop;
  Graphic->CellColor = Color;
  Graphic->CellColor2 = Color2;
  return Graphic;
}

}  // namespace

// The texts show in the inverse of the part they stand on.
void TExtStringGrid::AddProgress(int ACol, int ARow, TColor Color, TColor FontColor) {
  SetProgress(CellGraphics(*this).NewGraphic(ACol, ARow), Color, FontColor);
}

void TExtStringGrid::AddProgressEx(int ACol, int ARow, TColor Color, TColor FontColor,
                                   TColor BKColor, TColor BKFontColor) {
  TCellGraphic* graphic = SetProgress(CellGraphics(*this).NewGraphic(ACol, ARow), Color, BKColor);
  graphic->CellBoolean = true;
  graphic->CellIndex = static_cast<int32_t>(FontColor);
  graphic->CellAngle = static_cast<int32_t>(BKFontColor);
}

void TExtStringGrid::AddComment(int ACol, int ARow, const AnsiString& Comment) {
  TCellGraphic* graphic = CellGraphics(*this).NewGraphic(ACol, ARow);
  graphic->CellType = ctComment;
  graphic->CellText = Comment;
}

bool TExtStringGrid::IsComment(int ACol, int ARow, AnsiString& Comment) {
  const TCellGraphic* graphic = CellGraphics(*this).GraphicOf(ACol, ARow, {ctComment});
  if (!graphic) return false;
  Comment = graphic->CellText;
  return true;
}

void TExtStringGrid::AddMarker(int ACol, int ARow, int ErrFrom, int ErrLen) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) {
    graphic = CreateCellGraphic(ACol, ARow);
    graphic->CellType = ctEmpty;
  }
  graphic->CellErrFrom = static_cast<int16_t>(ErrFrom);
  graphic->CellErrLen = static_cast<int16_t>(ErrLen);
  RepaintStoredCell(ACol, ARow);
}

void TExtStringGrid::RemoveMarker(int ACol, int ARow) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return;
  if (graphic->CellType == ctEmpty) {
    FreeCellGraphic(ACol, ARow);
  } else {
    graphic->CellErrFrom = 0;
    graphic->CellErrLen = 0;
  }
  RepaintStoredCell(ACol, ARow);
}

bool TExtStringGrid::GetMarker(int ACol, int ARow, int& ErrFrom, int& ErrLen) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  ErrFrom = graphic ? graphic->CellErrFrom : 0;
  ErrLen = graphic ? graphic->CellErrLen : 0;
  return graphic != nullptr;
}

void TExtStringGrid::AddRotated(int ACol, int ARow, int Angle, const AnsiString& Text) {
  CellGraphics(*this).NewGraphic(ACol, ARow)->SetAngle(Angle);
  SetCellEx(ACol, ARow, Text);
}

void TExtStringGrid::SetRotated(int ACol, int ARow, int Angle) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) graphic = CreateCellGraphic(ACol, ARow);
  graphic->SetAngle(Angle);
  RepaintStoredCell(ACol, ARow);
}

bool TExtStringGrid::IsRotated(int ACol, int ARow, int& Angle) {
  const TCellGraphic* graphic = CellGraphics(*this).GraphicOf(ACol, ARow, {ctRotated});
  if (!graphic) return false;
  Angle = graphic->CellAngle;
  return true;
}
