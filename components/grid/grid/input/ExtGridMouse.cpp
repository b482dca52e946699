// The mouse on cells: node buttons, radio groups, cell buttons, anchors, check boxes and the
// plain press that moves the current cell; the right click, the double click that auto-sizes
// a column, and the moves of columns and rows.
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/dragdrop/OleDrag.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/input/InputState.h"
#include "platform/controls/shell.h"
#include "platform/core/text.h"

namespace {

constexpr int kSizingSlack = 3;  // pixels beside a header border that size the column

bool Inside(const TRect& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

// Cell texts may come from imported files: only addresses a browser or mailer opens go to
// the shell.
bool OpenableAddress(const AnsiString& Anchor) {
  const AnsiString upper = AnsiUpperCase(Anchor);
  for (const char* scheme : {"HTTP://", "HTTPS://", "FTP://", "MAILTO:"})
    if (upper.rfind(scheme, 0) == 0) return true;
  return false;
}

}  // namespace

void TExtStringGrid::WMLButtonDown(TWMMouse& Message) {
  if (input_->Panning) EndPanning();
  if (ResizerPress(Message)) return;
  const int x = Message.XPos, y = Message.YPos;
  if (NearFixedColEdge(x)) return MoveFixedColLine(x);
  int col = -1, row = -1;
  MouseToCell(x, y, col, row);
  input_->Mouse.down = {col, row};
  input_->Mouse.button = {-1, -1};
  input_->Mouse.moved = false;
  input_->Mouse.dragPending = false;
  input_->Mouse.rowSelectPress = false;
  NoteMovePress(col, row, x, y);
  if (col < 0 || row < 0) {
    HideInplaceEdit();
    return TBaseGrid::WMLButtonDown(Message);
  }
  if (MouseActions.CaretPositioning) edit_->CaretClickPending = true;
  if (col < GetFixedCols() || row < GetFixedRows() || IsFixed(col, row)) HideInplaceEdit();
  PressFixedButton(col, row);
  if (CellPress(col, row, x, y)) return;
  const bool wasSelected = IsSelected(col, row);
  BasePress(Message);
  if (OnClickCell) OnClickCell(this, row, col);
  if (OnCellValidate) InitValidate(GetCol(), GetRow());
  if (MergedPress(col, row, wasSelected) || DirectEditPress(col, row, x)) OpenEditor();
}

// A press on a merged block selects all of it; a second press on it edits the block.
bool TExtStringGrid::MergedPress(int ACol, int ARow, bool WasSelected) {
  if (!IsMergedCell(RemapCol(ACol), ARow) || ACol < GetFixedCols() || ARow < GetFixedRows())
    return false;
  if (IsFixed(ACol, ARow)) return false;
  const TRect block = ShownBlock(ACol, ARow);
  // The release would shrink a range selection back to the cell under the mouse.
  if (GetGridState() == gsSelecting) SetGridState(gsNormal);
  SelectRange(block.Left, block.Right, block.Top, block.Bottom);
  return WasSelected && IsEditable(RemapCol(block.Left), block.Top);
}

// With DirectEdit the first press opens the editor, unless it is near the cell's side edges
// (where the column sizes) or on a cell that cannot be edited or holds a static control.
bool TExtStringGrid::DirectEditPress(int ACol, int ARow, int X) {
  if (!MouseActions.DirectEdit || ACol < GetFixedCols() || ARow < GetFixedRows()) return false;
  if (IsFixed(ACol, ARow)) return false;
  const TRect r = CellRect(ACol, ARow);
  const int real = RemapCol(ACol);
  return X > r.Left + kSizingSlack && X < r.Right - kSizingSlack && IsEditable(real, ARow) &&
         !StaticControl(real, ARow);
}

bool TExtStringGrid::CellPress(int ACol, int ARow, int X, int Y) {
  const int real = RemapCol(ACol);
  const bool fixed = ACol < GetFixedCols() || ARow < GetFixedRows();
  const TRect r = CellRect(ACol, ARow);
  if (NodePress(ACol, ARow)) return true;
  if (!fixed && IsRadio(real, ARow) && IsEditable(real, ARow)) {
    HideInplaceEdit();
    HandleRadioClick(ACol, ARow, X - r.Left, Y - r.Top);
    return true;
  }
  if (ACol == 0 && HasNodes()) return true;
  if (OleDrag(*this).OleDragPress(ACol, ARow, X, Y)) return true;
  if (!fixed && HasButton(real, ARow)) {
    if (Inside(ButtonRect(real, ARow), X, Y)) {
      PushButton(real, ARow, true);
      input_->Mouse.button = {ACol, ARow};
    }
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    return true;
  }
  DisjunctRowPress(ACol, ARow);
  if (AnchorPress(ACol, ARow, X, Y)) return true;
  // The base grid's press would start moving the line: the click is told all the same.
  if (FixedSelectPress(ACol, ARow, X, Y)) {
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    return true;
  }
  bool canEdit = GetOptions().Contains(goEditing);
  GetCellReadOnly(real, ARow, canEdit);
  if (!fixed && canEdit && HasCheckBox(real, ARow)) {
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
    ToggleCheck(real, ARow, true);
    bool state = false;
    GetCheckBoxState(real, ARow, state);
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, state);
    return true;
  }
  return false;
}

bool TExtStringGrid::NodePress(int ACol, int ARow) {
  if (ACol != 0 || ARow < GetFixedRows() || !IsNode(ARow)) return false;
  const int real = RemapRowInv(ARow);
  if (GetNodeState(ARow)) {
    ExpandNode(real);
    if (OnExpandNode) OnExpandNode(this, ARow, real);
  } else {
    ContractNode(real);
    if (OnContractNode) OnContractNode(this, ARow, real);
  }
  SetRow(ARow);
  return true;
}

bool TExtStringGrid::AnchorPress(int ACol, int ARow, int X, int Y) {
  const AnsiString text = GetCellEx(RemapCol(ACol), ARow);
  AnsiString anchor;
  if (URLShow && TextType(text, EnableHTML) != ttHTML && IsURL(text))
    anchor = text;
  else if (!HTMLAnchorAt(ACol, ARow, X, Y, anchor) || anchor == "ctrl")
    return false;
  bool autoHandle = true;
  if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, anchor, autoHandle);
  if (autoHandle) FollowAnchor(anchor);
  return true;
}

// A cell link outside the grid leaves the current cell where it is.
void TExtStringGrid::FollowAnchor(const AnsiString& Anchor) {
  static const AnsiString kCellPrefix = "CELL://";
  if (AnsiUpperCase(Anchor).rfind(kCellPrefix, 0) == 0) {
    TGridCoord cell;
    if (NameToCell(Anchor.substr(kCellPrefix.size()), cell) && cell.X >= GetFixedCols() &&
        cell.Y >= GetFixedRows() && cell.X < GetColCount() && cell.Y < GetRowCount()) {
      SetRow(cell.Y);
      SetCol(cell.X);
    }
  } else if (OpenableAddress(Anchor)) {
    ShellExecute(nullptr, "open", Anchor.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
}

void TExtStringGrid::HandleRadioClick(int ACol, int ARow, int X, int Y) {
  const int real = RemapCol(ACol);
  const TStrings* items = GetRadioStrings(real, ARow);
  const TCellGraphic* graphic = GetCellGraphic(real, ARow);
  if (!items || !graphic) return;
  const TRect block = ShownBlock(ACol, ARow);
  SetCol(block.Left);
  SetRow(block.Top);
  // The same layout as the painting: a text line per item down, or button and caption across.
  TCanvas* canvas = CanvasInCellFont(ACol, ARow);
  int item = -1;
  if (graphic->CellBoolean) {
    for (int i = 0, x = 2; i < items->Count() && item < 0; ++i) {
      x += RadioButtonSize() + canvas->TextWidth(items->Strings(i));
      if (X < x) item = i;
    }
  } else if (const int line = canvas->TextHeight("gh"); line > 0 && Y >= 2) {
    item = (Y - 2) / line;
  }
  // A click past the last item changes nothing.
  if (item < 0 || item >= items->Count()) return;
  int index = -1;
  GetRadioIdx(real, ARow, index);
  if (index == -1)
    SetCellEx(real, ARow, items->Strings(item));
  else
    SetRadioIdx(real, ARow, item);
  RepaintRealCell(real, ARow);
  if (OnRadioClick) OnRadioClick(this, ACol, ARow, item);
}

void TExtStringGrid::WMLButtonUp(TWMMouse& Message) {
  const int x = Message.XPos, y = Message.YPos;
  const ClickParking click = ReleaseSizing(x, y);
  if (input_->Mouse.fixedSizingX >= 0) {
    MoveFixedColLine(-1);
    // Under mouse capture X may lie left of the grid: a width is never negative.
    SetColWidths(0, std::max(x, 0));
    return TBaseGrid::WMLButtonUp(Message);
  }
  if (input_->Mouse.button.X >= 0) {
    const TGridCoord pressed = input_->Mouse.button;
    input_->Mouse.button = {-1, -1};
    PushButton(RemapCol(pressed.X), pressed.Y, false);
    if (OnButtonClick) OnButtonClick(this, pressed.X, pressed.Y);
  }
  const bool moving = MoveRelease();
  // The base grid sets the new width at its release.
  const bool sizing = GetGridState() == gsColSizing;
  TBaseGrid::WMLButtonUp(Message);
  ResizerRelease();
  OleDrag(*this).OleDragRelease();
  DisjunctRowRelease();
  RowSelectDragging = false;
  input_->Mouse.rangeAnchor = -1;
  if (moving || sizing) input_->Mouse.moved = true;
  int col = -1, row = -1;
  MouseToCell(x, y, col, row);
  HeaderRelease(col, row, x, KeysToShiftState(Message.Keys));
  input_->Mouse.moved = false;
  input_->Mouse.down = {-1, -1};
}

void TExtStringGrid::WMRButtonDown(TWMMouse& Message) {
  if (input_->Panning) EndPanning();
  TBaseGrid::WMRButtonDown(Message);
  int col = -1, row = -1;
  MouseToCell(Message.XPos, Message.YPos, col, row);
  if (col < 0 || row < 0) return;
  if (OnRightClickCell) OnRightClickCell(this, row, col);
  URLEditPress(col, row);
}

// In row 0 a border sizes the column left of it: near a cell's left edge its left neighbour.
bool TExtStringGrid::ColumnSizeAt(int X, int Y, int& ACol) {
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  if (row != 0 || col < 0 || !GetOptions().Contains(goColSizing)) return false;
  const TRect r = CellRect(col, row);
  if (X - r.Left <= kSizingSlack && col - 1 >= GetFixedCols())
    ACol = col - 1;
  else if (r.Right - X <= kSizingSlack)
    ACol = col;
  else
    return false;
  return true;
}

void TExtStringGrid::WMLButtonDblClk(TWMMouse& Message) {
  int sized = -1;
  if (ColumnSizeAt(Message.XPos, Message.YPos, sized)) {
    input_->Mouse.dblSized = true;
    bool allow = true;
    if (OnColumnSize) OnColumnSize(this, sized, allow);
    if (allow) AutoSizeCol(sized);
    return;
  }
  TBaseGrid::WMLButtonDblClk(Message);
  int col = -1, row = -1;
  MouseToCell(Message.XPos, Message.YPos, col, row);
  if (OnDblClickCell && col >= 0 && row >= 0) OnDblClickCell(this, row, col);
  if (MouseActions.RangeSelectAndEdit) ReplayPress(Message);
}

// The cells of hidden columns stay at their real columns, so the real columns move, and their
// hidden flags and saved widths with them. The sort column and the sort index list follow a
// moved column; so does the current column.
void TExtStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  const int from = RemapCol(FromIndex), to = RemapCol(ToIndex);
  TBaseGrid::ColumnMoved(from, to);
  MoveColumnSlots(from, to);
  input_->Mouse.moved = true;
  auto follow = [&](int c) {
    if (c == FromIndex) return ToIndex;
    if (FromIndex < ToIndex && c > FromIndex && c <= ToIndex) return c - 1;
    if (FromIndex > ToIndex && c >= ToIndex && c < FromIndex) return c + 1;
    return c;
  };
  SortSettings.SetColumn(follow(SortSettings.GetColumn()));
  for (int i = 0; i < SortIndexes.Count(); ++i) {
    const uint32_t entry = static_cast<uint32_t>(SortIndexes.Items(i));
    const uint32_t moved = static_cast<uint32_t>(follow(TSortIndexList::Column(entry))) |
                           (entry & TSortIndexList::kDescending);
    SortIndexes.SetInteger(i, static_cast<int>(moved));
  }
}

void TExtStringGrid::RowMoved(int FromIndex, int ToIndex) {
  TBaseGrid::RowMoved(FromIndex, ToIndex);
  input_->Mouse.moved = true;
}
