// TExtRichEdit: the rich text editor's keys, selection and growth.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/GridEditorControls.h"

TExtRichEdit::TExtRichEdit(TComponent* AOwner) : TGridEditorControl(AOwner) {}

void TExtRichEdit::KeyDown(WORD& Key, TShiftState Shift) {
  const bool lines = grid_->WordWrap || grid_->Multilinecells;
  const bool ends =
      Key == VK_ESCAPE || Key == VK_TAB || ((Key == VK_UP || Key == VK_DOWN) && !lines);
  if (!ends) {
    TRichEdit::KeyDown(Key, Shift);
    return;
  }
  // The cell's own text again, unchanged: the end writes nothing back.
  if (Key == VK_ESCAPE) {
    Lock();
    grid_->CellToRich(grid_->GetRealCol(), grid_->GetRow(), *this);
    Unlock();
  }
  grid_->DoneInplaceEdit(Key, Shift);
  Key = 0;
}

void TExtRichEdit::SelectionChange() {
  TRichEdit::SelectionChange();
  if (grid_->OnRichEditSelectionChange) grid_->OnRichEditSelectionChange(grid_);
}

void TExtRichEdit::RequestSize(const TRect& Rect) {
  TRichEdit::RequestSize(Rect);
  const int height = Rect.Height();
  const int row = grid_->GetRow();
  if (!grid_->SizeWhileTyping.Height || locked_ || !GetVisible()) return;
  if (height <= grid_->RowHeights(row) || GetTop() + height > grid_->GetClientHeight()) return;
  // Growing lays the text out anew, which asks again.
  Lock();
  grid_->SetRowHeights(row, height);
  SetHeight(height);
  SetFormatRect(TRect(2, 2, GetWidth() - 2, height - 2));
  Unlock();
}
