#include "platform/grids/grid.h"

#include <QWidget>

#include "platform/grids/grid_error.h"
#include "platform/grids/inplace_edit.h"
#include "platform/grids/qt/qt_grid_widget.h"

namespace {
constexpr int kDefaultWidth = 320;
constexpr int kDefaultHeight = 120;
}  // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomGrid(AOwner, new GridWidget(this)) {}

TCustomGrid::TCustomGrid(TComponent* AOwner, GridWidget* view)
    : TCustomControl(AOwner, view, view->Surface()), view_(view) {
  AddInputWidget(view_->viewport());
  SetTabStop(true);
  SetBorderStyle(bsSingle);
  TCustomControl::SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
  SyncClientSize();
}

TCustomGrid::~TCustomGrid() {
  if (inplaceEdit_) inplaceEdit_->grid_ = nullptr;
  if (spareEdit_) spareEdit_->grid_ = nullptr;
  view_->Detach();
}

// --- shape -------------------------------------------------------------------------------

template <typename Change>
void TCustomGrid::Reshape(Change change) {
  TGridCoord topLeft = TopLeft();
  change();
  Reshaped(topLeft);
}

void TCustomGrid::Reshaped(TGridCoord oldTopLeft) {
  UpdateScrollBars();
  if (TopLeft() != oldTopLeft) TopLeftChanged();
  PlaceEditor();
  Invalidate();
}

void TCustomGrid::SetCount(GridAxis axis, int value) {
  int oldCols = GetColCount(), oldRows = GetRowCount();
  if (value == shape_.Axis(axis).Count()) return;
  Reshape([&] { shape_.SetCount(axis, value); });
  SizeChanged(oldCols, oldRows);
}

void TCustomGrid::SetColCount(int value) { SetCount(GridAxis::Columns, value); }
void TCustomGrid::SetRowCount(int value) { SetCount(GridAxis::Rows, value); }

void TCustomGrid::SetFixedCols(int value) {
  Reshape([&] { shape_.SetFixed(GridAxis::Columns, value); });
}

void TCustomGrid::SetFixedRows(int value) {
  Reshape([&] { shape_.SetFixed(GridAxis::Rows, value); });
}

void TCustomGrid::SetDefaultColWidth(int value) {
  Reshape([&] { shape_.SetDefaultSize(GridAxis::Columns, value); });
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  Reshape([&] { shape_.SetDefaultSize(GridAxis::Rows, value); });
  RowHeightsChanged();
}

void TCustomGrid::SetLineSize(GridAxis axis, int index, int value) {
  if (shape_.Axis(axis).Size(index) == value && index >= 0 && index < shape_.Axis(axis).Count())
    return;
  Reshape([&] { shape_.SetSize(axis, index, value); });
  axis == GridAxis::Columns ? ColWidthsChanged() : RowHeightsChanged();
}

void TCustomGrid::SetColWidths(int index, int value) {
  SetLineSize(GridAxis::Columns, index, value);
}
void TCustomGrid::SetRowHeights(int index, int value) { SetLineSize(GridAxis::Rows, index, value); }

void TCustomGrid::SetGridLineWidth(int value) {
  Reshape([&] { shape_.SetGridLineWidth(value); });
}

void TCustomGrid::SetOptions(TGridOptions value) {
  if (value == GetOptions()) return;
  if (value.Contains(goRowSelect)) value >> goAlwaysShowEditor;
  Reshape([&] { shape_.SetOptions(value); });
  if (value.Contains(goAlwaysShowEditor) && value.Contains(goEditing))
    ShowEditor();
  else if (!value.Contains(goEditing) || value.Contains(goRowSelect))
    HideEditor();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
  scrollBars_ = value;
  Reshape([] {});
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
  borderStyle_ = value;
  view_->setFrameStyle(value == bsSingle ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
  view_->setLineWidth(2);
  SyncClientSize();
}

void TCustomGrid::SetFixedColor(TColor value) {
  fixedColor_ = value;
  Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
  defaultDrawing_ = value;
  Invalidate();
}

void TCustomGrid::FontChanged() {
  TCustomControl::FontChanged();
  Invalidate();
}

void TCustomGrid::ColorChanged() {
  TCustomControl::ColorChanged();
  Invalidate();
}

void TCustomGrid::SizeChanged(int, int) {}
void TCustomGrid::ColWidthsChanged() {}
void TCustomGrid::RowHeightsChanged() {}

// --- the client area and the scroll bars ---------------------------------------------------

QWidget* TCustomGrid::ClientWidget() const { return view_->viewport(); }
int TCustomGrid::GetClientWidth() const { return view_->viewport()->width(); }
int TCustomGrid::GetClientHeight() const { return view_->viewport()->height(); }

void TCustomGrid::Resize() {
  view_->LayOutNow();
  SyncClientSize();
  TCustomControl::Resize();
}

// The viewport's size as the shape knows it; scroll bars that come or go change it again.
void TCustomGrid::SyncClientSize() {
  if (reshaping_) return;
  QWidget* client = view_->viewport();
  if (client->width() == shape_.Cols().Extent() && client->height() == shape_.Rows().Extent())
    return;
  Reshape([&] { shape_.SetClientSize(client->width(), client->height()); });
}

void TCustomGrid::UpdateScrollBars() {
  if (reshaping_) return;
  reshaping_ = true;
  for (int pass = 0; pass < 3; ++pass) {
    QWidget* client = view_->viewport();
    shape_.SetClientSize(client->width(), client->height());
    for (GridAxis axis : {GridAxis::Columns, GridAxis::Rows}) {
      const TGridAxis& a = shape_.Axis(axis);
      TScrollStyle own = axis == GridAxis::Rows ? ssVertical : ssHorizontal;
      bool shown = scrollBars_ == ssBoth || scrollBars_ == own;
      view_->SetBar(axis, shown, a.Fixed(), std::max(a.Fixed(), a.MaxFirst()),
                    std::max(a.VisibleCount(), 1), a.First());
    }
    if (client->width() == shape_.Cols().Extent() && client->height() == shape_.Rows().Extent())
      break;
  }
  reshaping_ = false;
}

void TCustomGrid::ScrollBarAction(GridAxis axis, int code, int pos) {
  TWMScroll message{code, pos};
  axis == GridAxis::Rows ? WMVScroll(message) : WMHScroll(message);
  if (code != SB_THUMBTRACK || GetOptions().Contains(goThumbTracking)) UpdateScrollBars();
}

namespace {
// The first line a scroll request asks for.
int ScrolledFirst(const TGridAxis& axis, const TWMScroll& message, bool thumbTracking) {
  int first = axis.First();
  int page = std::max(axis.VisibleCount(), 1);
  switch (message.ScrollCode) {
    case SB_LINEUP: return first - 1;
    case SB_LINEDOWN: return first + 1;
    case SB_PAGEUP: return first - page;
    case SB_PAGEDOWN: return first + page;
    case SB_TOP: return axis.Fixed();
    case SB_BOTTOM: return axis.MaxFirst();
    case SB_THUMBPOSITION: return message.Pos;
    case SB_THUMBTRACK: return thumbTracking ? message.Pos : first;
    default: return first;
  }
}
}  // namespace

void TCustomGrid::WMVScroll(TWMScroll& Message) {
  bool tracking = GetOptions().Contains(goThumbTracking);
  SetTopRow(ScrolledFirst(shape_.Rows(), Message, tracking));
}

void TCustomGrid::WMHScroll(TWMScroll& Message) {
  bool tracking = GetOptions().Contains(goThumbTracking);
  SetLeftCol(ScrolledFirst(shape_.Cols(), Message, tracking));
}

void TCustomGrid::SetScrollBarLook(TScrollBarLook Look, TColor Color, int Width) {
  view_->SetBarLook(Look, Color, Width);
  Reshape([] {});
  SyncClientSize();
}

void TCustomGrid::SetTimer(int id, int milliseconds) { view_->SetTimer(id, milliseconds); }
void TCustomGrid::KillTimer(int id) { view_->KillTimer(id); }

void TCustomGrid::FirstShown() {
  SyncClientSize();
  if (windowCreated_) return;
  windowCreated_ = true;
  CreateWnd();
}

void TCustomGrid::Loaded() {
  TCustomControl::Loaded();
  SyncClientSize();
}

// --- position ------------------------------------------------------------------------------

void TCustomGrid::SetTopLeft(TGridCoord topLeft) {
  Reshape([&] {
    shape_.SetFirst(GridAxis::Columns, topLeft.X);
    shape_.SetFirst(GridAxis::Rows, topLeft.Y);
  });
}

void TCustomGrid::SetLeftCol(int value) { SetTopLeft({value, GetTopRow()}); }
void TCustomGrid::SetTopRow(int value) { SetTopLeft({GetLeftCol(), value}); }

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  TGridCoord cell = MouseCoord(X, Y);
  ACol = cell.X;
  ARow = cell.Y;
}

bool TCustomGrid::SelectCell(int, int) { return true; }

bool TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  if (!shape_.IsCell(ACol, ARow)) throw EInvalidGridOperation(kGridIndexOutOfRange);
  if (!SelectCell(ACol, ARow)) return false;
  TGridRect oldSelection = GetSelection();
  TGridCoord oldTopLeft = TopLeft();
  if (!GetOptions().Contains(goAlwaysShowEditor)) HideEditor();
  bool extend = !MoveAnchor && GetOptions().Contains(goRangeSelect);
  shape_.SetCurrent({ACol, ARow}, !extend);
  if (Show) shape_.ScrollInView({ACol, ARow});
  if (TopLeft() != oldTopLeft) {
    Reshaped(oldTopLeft);
  } else {
    SelectionMoved(oldSelection);
  }
  UpdateEdit();
  return true;
}

// A move by the keyboard or by Col and Row, which the grid reports as a click.
void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  if (MoveColRow(ACol, ARow, MoveAnchor, true)) Click();
}

void TCustomGrid::SetCol(int value) {
  if (value != GetCol()) FocusCell(value, GetRow(), true);
}

void TCustomGrid::SetRow(int value) {
  if (value != GetRow()) FocusCell(GetCol(), value, true);
}

void TCustomGrid::SetSelection(const TGridRect& value) {
  TGridRect old = GetSelection();
  shape_.SetSelection(value);
  SelectionMoved(old);
}

void TCustomGrid::SelectionMoved(const TGridRect& oldSelection) {
  InvalidateRect(oldSelection);
  InvalidateRect(GetSelection());
  InvalidateCell(GetCol(), GetRow());
}

// --- changes -------------------------------------------------------------------------------

void TCustomGrid::MoveLine(GridAxis axis, int from, int to) {
  if (from == to) return;
  UpdateText();
  Reshape([&] { shape_.MoveLine(axis, from, to); });
  bool columns = axis == GridAxis::Columns;
  columns ? ColumnMoved(from, to) : RowMoved(from, to);
  columns ? ColWidthsChanged() : RowHeightsChanged();
  InvalidateEditor();
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  MoveLine(GridAxis::Columns, FromIndex, ToIndex);
}
void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  MoveLine(GridAxis::Rows, FromIndex, ToIndex);
}

void TCustomGrid::PermuteRows(const std::vector<int>& Order) {
  if (Order.size() != static_cast<size_t>(GetRowCount())) return;
  UpdateText();
  Reshape([&] { shape_.PermuteLines(GridAxis::Rows, Order); });
  RowsPermuted(Order);
  RowHeightsChanged();
  InvalidateEditor();
}

void TCustomGrid::DeleteColumn(int ACol) {
  MoveColumn(ACol, GetColCount() - 1);
  SetColCount(GetColCount() - 1);
}

void TCustomGrid::DeleteRow(int ARow) {
  MoveRow(ARow, GetRowCount() - 1);
  SetRowCount(GetRowCount() - 1);
}

void TCustomGrid::InvalidateClientRect(const TRect& r) {
  if (r.Width() > 0 && r.Height() > 0)
    view_->viewport()->update(r.Left, r.Top, r.Width(), r.Height());
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) { InvalidateRect({ACol, ARow, ACol, ARow}); }

void TCustomGrid::InvalidateCol(int ACol) { InvalidateRect({ACol, 0, ACol, GetRowCount() - 1}); }

void TCustomGrid::InvalidateRow(int ARow) { InvalidateRect({0, ARow, GetColCount() - 1, ARow}); }

void TCustomGrid::InvalidateRect(const TGridRect& ARect) {
  // A grid not on screen paints whole when it shows; a hidden index grid filled cell by cell
  // need not work out where each cell would lie.
  if (!view_->isVisible()) return;
  TRect pixels;
  if (shape_.Cols().RangeSpan(ARect.Left, ARect.Right, pixels.Left, pixels.Right) &&
      shape_.Rows().RangeSpan(ARect.Top, ARect.Bottom, pixels.Top, pixels.Bottom))
    InvalidateClientRect(pixels);
}
