// TExtStringGrid: tree nodes. A node is a graphic in column 0 of its row whose span counts the
// rows it holds, itself included (0: up to the next node); contracting hides the rows below
// it, expanding shows them again. The rows of a span have node level 1 in column 0.
#include <algorithm>
#include <climits>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/Nodes.h"
#include "components/grid/grid/UpdateScope.h"
#include "components/grid/grid/cells/LineState.h"
#include "components/grid/grid/cells/Lines.h"

namespace {
constexpr int kNodeIndent = 16;
}  // namespace

void TExtStringGrid::Nodes::SetNodeLevels(int FromRow, int ToRow, int Level) {
  for (int r = std::max(FromRow, 0); r <= ToRow && r < g.GetRowCount(); ++r)
    if (Level != 0 || g.HasCellProperties(0, r)) g.GetCellProperties(0, r)->NodeLevel = Level;
}

int TExtStringGrid::GetNodeCount() const { return d_->lines->NodeCount; }
bool TExtStringGrid::HasNodes() { return d_->lines->NodeCount > 0; }

void TExtStringGrid::AddNode(int ARow, int Span) {
  const int row = RemapRow(ARow);
  if (row < 0 || row >= GetRowCount() || GetColCount() < 1) return;
  TCellGraphic* node = CreateCellGraphic(0, row);
  node->CellType = ctNode;
  node->CellIndex = Span;
  node->CellBoolean = false;
  node->CellVAlign = vaCenter;
  node->CellHAlign = haBeforeText;
  node->CellAngle = row;
  Nodes(*this).SetNodeLevels(row, Lines::LastOf(row, Span, GetRowCount() - 1), 1);
  if (d_->lines->NodeCount == 0) RepaintCol(0);
  ++d_->lines->NodeCount;
  if (GetCol() == 0 && GetColCount() > 1) SetCol(1);
}

void TExtStringGrid::RemoveNode(int ARow) {
  const int row = RemapRow(ARow);
  if (!IsNode(row)) return;
  ExpandNode(ARow);
  Nodes(*this).SetNodeLevels(row, Lines::LastOf(row, GetNodeSpan(row), GetRowCount() - 1), 0);
  FreeCellGraphic(0, row);
  RepaintCell(0, row);
  d_->lines->NodeCount = std::max(d_->lines->NodeCount - 1, 0);
}

bool TExtStringGrid::IsNode(int ARow) { return GetCellType(0, ARow) == ctNode; }

bool TExtStringGrid::GetNodeState(int ARow) {
  return IsNode(ARow) && GetCellGraphic(0, ARow)->CellBoolean;
}

void TExtStringGrid::SetNodeState(int ARow, bool Contracted) {
  if (!IsNode(ARow) || GetNodeState(ARow) == Contracted) return;
  Contracted ? ContractNode(RemapRowInv(ARow)) : ExpandNode(RemapRowInv(ARow));
}

int TExtStringGrid::GetNodeSpan(int ARow) {
  return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellIndex : -1;
}

void TExtStringGrid::SetNodeSpan(int ARow, int Span) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->CellIndex = Span;
}

// The display row after the last row of the node at Row.
int TExtStringGrid::Nodes::NodeEndRow(int DisplayRow, int Span) {
  if (Span > 0)
    return std::min<long long>(static_cast<long long>(DisplayRow) + Span, g.GetRowCount());
  int end = DisplayRow + 1;
  while (end < g.GetRowCount() && !g.IsNode(end)) ++end;
  return end;
}

// Closes the open node at a display row and gives the display rows it hides. A span counts
// real rows: rows a closed node inside already hid are part of it.
std::vector<int> TExtStringGrid::Nodes::CloseNode(int DisplayRow) {
  if (!g.IsNode(DisplayRow) || g.GetNodeState(DisplayRow)) return {};
  TCellGraphic* node = g.GetCellGraphic(0, DisplayRow);
  node->CellBoolean = true;
  g.RepaintCell(0, DisplayRow);
  const int real = g.RemapRowInv(DisplayRow);
  const long long last = node->CellIndex > 0 ? static_cast<long long>(real) + node->CellIndex - 1
                                             : g.RemapRowInv(NodeEndRow(DisplayRow, 0)) - 1LL;
  if (last <= real) return {};
  return Lines(g).ShownRowsIn(real + 1, static_cast<int>(std::min<long long>(last, INT_MAX)));
}

void TExtStringGrid::ContractNode(int ARow) {
  if (IsHiddenRow(ARow)) return;
  HideInplaceEdit();
  Lines(*this).TakeRowsOut(Nodes(*this).CloseNode(RemapRow(ARow)), false);
}

void TExtStringGrid::ExpandNode(int ARow) {
  if (IsHiddenRow(ARow)) return;
  const int row = RemapRow(ARow);
  if (!GetNodeState(row)) return;
  GetCellGraphic(0, row)->CellBoolean = false;
  // The rows hidden between the node and the next row shown.
  const long long last = row + 1 < GetRowCount()
                             ? RemapRowInv(row + 1) - 1LL
                             : static_cast<long long>(GetRowCount()) + NumHiddenRows() - 1;
  if (last > ARow) UnHideRows(ARow + 1, static_cast<int>(last));
  RepaintCell(0, row);
}

// The rows of all nodes leave at once: one move of the cell store, not one per node.
void TExtStringGrid::ContractAll() {
  TUpdateScope lock(*this);
  HideInplaceEdit();
  std::vector<bool> hide(GetRowCount());
  Nodes nodes(*this);
  for (int r = GetRowCount() - 1; r >= 1; --r)
    for (int row : nodes.CloseNode(r)) hide[row] = true;
  std::vector<int> rows;
  for (int r = 0; r < GetRowCount(); ++r)
    if (hide[r]) rows.push_back(r);
  Lines(*this).TakeRowsOut(rows, false);
}

void TExtStringGrid::ExpandAll() {
  TUpdateScope lock(*this);
  for (int r = 1; r < GetRowCount() + NumHiddenRows(); ++r) ExpandNode(r);
}

int TExtStringGrid::GetParentRow(int ARow) {
  if (d_->lines->NodeCount == 0 || ARow < 1 || ARow >= GetRowCount()) return -1;
  int node = ARow;
  while (node >= 1 && !IsNode(node)) --node;
  if (node < 1) return -1;
  return static_cast<long long>(node) + GetNodeSpan(node) > ARow ? node : -1;
}

void TExtStringGrid::InsertChildRow(int ARow) {
  const int parent = GetParentRow(RemapRow(ARow));
  if (parent >= 0) {
    SetNodeSpan(parent, GetNodeSpan(parent) + 1);
    ExpandNode(RemapRowInv(parent));
  }
  const int row = RemapRow(ARow);
  const int rows = GetRowCount();
  InsertRows(row, 1);
  if (GetRowCount() > rows && parent >= 0) Nodes(*this).SetNodeLevels(row, row, 1);
}

void TExtStringGrid::RemoveChildRow(int ARow) {
  const int parent = GetParentRow(RemapRow(ARow));
  if (parent >= 0) {
    SetNodeSpan(parent, std::max(GetNodeSpan(parent) - 1, 1));
    ExpandNode(RemapRowInv(parent));
  }
  RemoveRows(RemapRow(ARow), 1);
}

int TExtStringGrid::GetNodeSpanType(int ARow) {
  if (IsNode(ARow)) return 0;
  if (ARow == Lines::LastNormalRow(*this)) return 1;
  int node = ARow - 1;
  while (node >= GetFixedRows() && !IsNode(node)) --node;
  if (node < GetFixedRows()) return 0;
  const int end = Nodes(*this).NodeEndRow(node, GetNodeSpan(node));
  if (ARow < end - 1) return 2;
  return GetNodeState(node) ? 2 : 1;
}

int TExtStringGrid::NodeIndent(int ARow) {
  const TCellProperties* props = d_->lines->NodeCount > 0 ? FindCellProperties(0, ARow) : nullptr;
  return props ? props->NodeLevel * kNodeIndent : 0;
}
