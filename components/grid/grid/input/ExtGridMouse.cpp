// The mouse on cells: node buttons, radio groups, cell buttons, anchors, check boxes and the
// plain press that moves the current cell; the right click, the double click that auto-sizes
// a column, and the moves of columns and rows.
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/dragdrop/OleDrag.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/Keys.h"
#include "components/grid/grid/input/Mouse.h"
#include "components/grid/grid/input/Timers.h"
#include "components/grid/grid/paint/Painting.h"
#include "platform/controls/shell.h"
#include "platform/core/text.h"

namespace {

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
  if (d_->input->Panning) Timers(*this).EndPanning();
  Mouse mouse(*this);
  if (mouse.ResizerPress(Message)) return;
  const int x = Message.XPos, y = Message.YPos;
  if (mouse.NearFixedColEdge(x)) return mouse.MoveFixedColLine(x);
  int col = -1, row = -1;
  MouseToCell(x, y, col, row);
  d_->input->Mouse.down = {col, row};
  d_->input->Mouse.button = {-1, -1};
  d_->input->Mouse.moved = false;
  d_->input->Mouse.dragPending = false;
  d_->input->Mouse.rowSelectPress = false;
  mouse.NoteMovePress(col, row, x, y);
  if (col < 0 || row < 0) {
    HideInplaceEdit();
    return TBaseGrid::WMLButtonDown(Message);
  }
  if (MouseActions.CaretPositioning) d_->edit->CaretClickPending = true;
  if (col < GetFixedCols() || row < GetFixedRows() || IsFixed(col, row)) HideInplaceEdit();
  mouse.PressFixedButton(col, row);
  if (mouse.CellPress(col, row, x, y)) return;
  const bool wasSelected = IsSelected(col, row);
  mouse.BasePress(Message);
  if (OnClickCell) OnClickCell(this, row, col);
  if (OnCellValidate) InitValidate(GetCol(), GetRow());
  if (mouse.MergedPress(col, row, wasSelected) || mouse.DirectEditPress(col, row, x))
    Keys(*this).OpenEditor();
}

// A press on a merged block selects all of it; a second press on it edits the block.
bool TExtStringGrid::Mouse::MergedPress(int ACol, int ARow, bool WasSelected) {
  if (!g.IsMergedCell(g.RemapCol(ACol), ARow) || ACol < g.GetFixedCols() || ARow < g.GetFixedRows())
    return false;
  if (g.IsFixed(ACol, ARow)) return false;
  const TRect block = g.ShownBlock(ACol, ARow);
  // The release would shrink a range selection back to the cell under the mouse.
  if (g.GetGridState() == gsSelecting) g.SetGridState(gsNormal);
  g.SelectRange(block.Left, block.Right, block.Top, block.Bottom);
  return WasSelected && g.IsEditable(g.RemapCol(block.Left), block.Top);
}

// With DirectEdit the first press opens the editor, unless it is near the cell's side edges
// (where the column sizes) or on a cell that cannot be edited or holds a static control.
bool TExtStringGrid::Mouse::DirectEditPress(int ACol, int ARow, int X) {
  if (!g.MouseActions.DirectEdit || ACol < g.GetFixedCols() || ARow < g.GetFixedRows())
    return false;
  if (g.IsFixed(ACol, ARow)) return false;
  const TRect r = g.CellRect(ACol, ARow);
  const int real = g.RemapCol(ACol);
  return X > r.Left + kSizingSlack && X < r.Right - kSizingSlack && g.IsEditable(real, ARow) &&
         !Keys(g).StaticControl(real, ARow);
}

bool TExtStringGrid::Mouse::CellPress(int ACol, int ARow, int X, int Y) {
  const int real = g.RemapCol(ACol);
  const bool fixed = ACol < g.GetFixedCols() || ARow < g.GetFixedRows();
  const TRect r = g.CellRect(ACol, ARow);
  if (NodePress(ACol, ARow)) return true;
  if (!fixed && g.IsRadio(real, ARow) && g.IsEditable(real, ARow)) {
    g.HideInplaceEdit();
    g.HandleRadioClick(ACol, ARow, X - r.Left, Y - r.Top);
    return true;
  }
  if (ACol == 0 && g.HasNodes()) return true;
  if (OleDrag(g).OleDragPress(ACol, ARow, X, Y)) return true;
  if (!fixed && g.HasButton(real, ARow)) {
    if (Inside(g.ButtonRect(real, ARow), X, Y)) {
      g.PushButton(real, ARow, true);
      g.d_->input->Mouse.button = {ACol, ARow};
    }
    if (g.OnClickCell) g.OnClickCell(&g, ARow, ACol);
    return true;
  }
  DisjunctRowPress(ACol, ARow);
  if (AnchorPress(ACol, ARow, X, Y)) return true;
  // The base grid's press would start moving the line: the click is told all the same.
  if (FixedSelectPress(ACol, ARow, X, Y)) {
    if (g.OnClickCell) g.OnClickCell(&g, ARow, ACol);
    return true;
  }
  bool canEdit = g.GetOptions().Contains(goEditing);
  g.GetCellReadOnly(real, ARow, canEdit);
  if (!fixed && canEdit && g.HasCheckBox(real, ARow)) {
    g.HideInplaceEdit();
    if (g.CanFocus()) g.SetFocus();
    g.ToggleCheck(real, ARow, true);
    bool state = false;
    g.GetCheckBoxState(real, ARow, state);
    if (g.OnCheckBoxClick) g.OnCheckBoxClick(&g, ACol, ARow, state);
    return true;
  }
  return false;
}

bool TExtStringGrid::Mouse::NodePress(int ACol, int ARow) {
  if (ACol != 0 || ARow < g.GetFixedRows() || !g.IsNode(ARow)) return false;
  const int real = g.RemapRowInv(ARow);
  if (g.GetNodeState(ARow)) {
    g.ExpandNode(real);
    if (g.OnExpandNode) g.OnExpandNode(&g, ARow, real);
  } else {
    g.ContractNode(real);
    if (g.OnContractNode) g.OnContractNode(&g, ARow, real);
  }
  g.SetRow(ARow);
  return true;
}

bool TExtStringGrid::Mouse::AnchorPress(int ACol, int ARow, int X, int Y) {
  const AnsiString text = g.GetCellEx(g.RemapCol(ACol), ARow);
  AnsiString anchor;
  if (g.URLShow && TextType(text, g.EnableHTML) != ttHTML && IsURL(text))
    anchor = text;
  else if (!g.HTMLAnchorAt(ACol, ARow, X, Y, anchor) || anchor == "ctrl")
    return false;
  bool autoHandle = true;
  if (g.OnAnchorClick) g.OnAnchorClick(&g, ARow, ACol, anchor, autoHandle);
  if (autoHandle) FollowAnchor(anchor);
  return true;
}

// A cell link outside the grid leaves the current cell where it is.
void TExtStringGrid::Mouse::FollowAnchor(const AnsiString& Anchor) {
  static const AnsiString kCellPrefix = "CELL://";
  if (AnsiUpperCase(Anchor).rfind(kCellPrefix, 0) == 0) {
    TGridCoord cell;
    if (NameToCell(Anchor.substr(kCellPrefix.size()), cell) && cell.X >= g.GetFixedCols() &&
        cell.Y >= g.GetFixedRows() && cell.X < g.GetColCount() && cell.Y < g.GetRowCount()) {
      g.SetRow(cell.Y);
      g.SetCol(cell.X);
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
  Painting paint(*this);
  TCanvas* canvas = paint.CanvasInCellFont(ACol, ARow);
  int item = -1;
  if (graphic->CellBoolean) {
    for (int i = 0, x = 2; i < items->Count() && item < 0; ++i) {
      x += paint.RadioButtonSize() + canvas->TextWidth(items->Strings(i));
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
  RepaintStoredCell(real, ARow);
  if (OnRadioClick) OnRadioClick(this, ACol, ARow, item);
}

void TExtStringGrid::WMLButtonUp(TWMMouse& Message) {
  const int x = Message.XPos, y = Message.YPos;
  Mouse mouse(*this);
  const Mouse::ClickParking click = mouse.ReleaseSizing(x, y);
  if (d_->input->Mouse.fixedSizingX >= 0) {
    mouse.MoveFixedColLine(-1);
    // Under mouse capture X may lie left of the grid: a width is never negative.
    SetColWidths(0, std::max(x, 0));
    return TBaseGrid::WMLButtonUp(Message);
  }
  if (d_->input->Mouse.button.X >= 0) {
    const TGridCoord pressed = d_->input->Mouse.button;
    d_->input->Mouse.button = {-1, -1};
    PushButton(RemapCol(pressed.X), pressed.Y, false);
    if (OnButtonClick) OnButtonClick(this, pressed.X, pressed.Y);
  }
  const bool moving = mouse.MoveRelease();
  // The base grid sets the new width at its release.
  const bool sizing = GetGridState() == gsColSizing;
  TBaseGrid::WMLButtonUp(Message);
  mouse.ResizerRelease();
  OleDrag(*this).OleDragRelease();
  mouse.DisjunctRowRelease();
  RowSelectDragging = false;
  d_->input->Mouse.rangeAnchor = -1;
  if (moving || sizing) d_->input->Mouse.moved = true;
  int col = -1, row = -1;
  MouseToCell(x, y, col, row);
  mouse.HeaderRelease(col, row, x, KeysToShiftState(Message.Keys));
  d_->input->Mouse.moved = false;
  d_->input->Mouse.down = {-1, -1};
}

void TExtStringGrid::WMRButtonDown(TWMMouse& Message) {
  if (d_->input->Panning) Timers(*this).EndPanning();
  TBaseGrid::WMRButtonDown(Message);
  int col = -1, row = -1;
  MouseToCell(Message.XPos, Message.YPos, col, row);
  if (col < 0 || row < 0) return;
  if (OnRightClickCell) OnRightClickCell(this, row, col);
  Mouse(*this).URLEditPress(col, row);
}

// In row 0 a border sizes the column left of it: near a cell's left edge its left neighbour.
bool TExtStringGrid::Mouse::ColumnSizeAt(int X, int Y, int& ACol) {
  int col = -1, row = -1;
  g.MouseToCell(X, Y, col, row);
  if (row != 0 || col < 0 || !g.GetOptions().Contains(goColSizing)) return false;
  const TRect r = g.CellRect(col, row);
  if (X - r.Left <= kSizingSlack && col - 1 >= g.GetFixedCols())
    ACol = col - 1;
  else if (r.Right - X <= kSizingSlack)
    ACol = col;
  else
    return false;
  return true;
}

void TExtStringGrid::WMLButtonDblClk(TWMMouse& Message) {
  Mouse mouse(*this);
  int sized = -1;
  if (mouse.ColumnSizeAt(Message.XPos, Message.YPos, sized)) {
    d_->input->Mouse.dblSized = true;
    bool allow = true;
    if (OnColumnSize) OnColumnSize(this, sized, allow);
    if (allow) AutoSizeCol(sized);
    return;
  }
  TBaseGrid::WMLButtonDblClk(Message);
  int col = -1, row = -1;
  MouseToCell(Message.XPos, Message.YPos, col, row);
  if (OnDblClickCell && col >= 0 && row >= 0) OnDblClickCell(this, row, col);
  if (MouseActions.RangeSelectAndEdit) mouse.ReplayPress(Message);
}

// The cells of hidden columns stay at their real columns, so the real columns move, and their
// hidden flags and saved widths with them. The sort column and the sort index list follow a
// moved column; so does the current column.
void TExtStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  const int from = RemapCol(FromIndex), to = RemapCol(ToIndex);
  TBaseGrid::ColumnMoved(from, to);
  Mouse(*this).MoveColumnSlots(from, to);
  d_->input->Mouse.moved = true;
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
  d_->input->Mouse.moved = true;
}
