// Painting of TCustomGrid: every cell shown gets its DrawCell, fixed cells included; the grid
// draws the lines between cells, the focus and the line a sizing or moving drag would leave.
#include <vector>

#include "platform/winapi/edge.h"
#include "platform/grids/grid.h"
#include "platform/grids/inplace_edit.h"

namespace {

constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kLineColor = clSilver;

// A line shown on screen: its index and where its cell starts and ends.
struct ShownLine {
  int index;
  int start;
  int end;
};

std::vector<ShownLine> ShownLines(const TGridAxis& axis, int clipStart, int clipEnd) {
  std::vector<ShownLine> lines;
  axis.ForEachShown([&](int i, int start) {
    int end = TGridAxis::Advance(start, axis.Size(i));
    if (TGridAxis::Advance(end, axis.LineWidthAfter(i)) > clipStart && start < clipEnd)
      lines.push_back({i, start, end});
    return start >= clipEnd;
  });
  return lines;
}

// Where the lines shown end, their last grid line included.
int ShownEnd(const TGridAxis& axis) {
  int end = 0;
  axis.ForEachShown([&](int i, int start) {
    end = TGridAxis::Advance(TGridAxis::Advance(start, axis.Size(i)), axis.LineWidthAfter(i));
    return false;
  });
  return end;
}

void Fill(TCanvas& canvas, TColor color, const TRect& r) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  canvas.Brush->SetColor(color);
  canvas.Brush->SetStyle(bsSolid);
  canvas.FillRect(r);
}

}  // namespace

// The focus shows only while the grid or its editor has it.
void TCustomGrid::WMSetFocus() {
  TCustomControl::WMSetFocus();
  Invalidate();
}

void TCustomGrid::WMKillFocus() {
  TCustomControl::WMKillFocus();
  Invalidate();
}

void TCustomGrid::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect clip = canvas->GetClipRect();
  PaintCells(clip);
  PaintGridLines(clip);
  int right = ShownEnd(shape_.Cols());
  int bottom = ShownEnd(shape_.Rows());
  Fill(*canvas, GetColor(), {right, 0, GetClientWidth(), GetClientHeight()});
  Fill(*canvas, GetColor(), {0, bottom, right, GetClientHeight()});
  PaintDragLine();
}

TGridDrawState TCustomGrid::DrawStateOf(int col, int row) const {
  if (col < GetFixedCols() || row < GetFixedRows()) return gdFixed;
  TGridDrawState state;
  bool current = col == GetCol() && row == GetRow();
  if (current && (Focused() || EditorFocused())) state << gdFocused;
  TGridOptions options = GetOptions();
  bool showsSelected =
      !current || options.Contains(goDrawFocusSelected) || options.Contains(goRowSelect);
  if (showsSelected && GetSelection().Contains(col, row)) state << gdSelected;
  return state;
}

void TCustomGrid::FillDefault(int, int, const TRect& rect, TGridDrawState state) {
  TCanvas* canvas = GetCanvas();
  bool selected = state.Contains(gdSelected);
  canvas->Font->SetColor(selected ? clHighlightText : GetFont()->GetColor());
  TColor back = state.Contains(gdFixed) ? fixedColor_ : selected ? clHighlight : GetColor();
  Fill(*canvas, back, rect);
}

void TCustomGrid::PaintCells(const TRect& clip) {
  TCanvas* canvas = GetCanvas();
  std::vector<ShownLine> cols = ShownLines(shape_.Cols(), clip.Left, clip.Right);
  std::vector<ShownLine> rows = ShownLines(shape_.Rows(), clip.Top, clip.Bottom);
  TGridOptions options = GetOptions();
  bool raised = options.Contains(goFixedVertLine) && options.Contains(goFixedHorzLine);
  for (const ShownLine& row : rows) {
    for (const ShownLine& col : cols) {
      TRect rect{col.start, row.start, col.end, row.end};
      TGridDrawState state = DrawStateOf(col.index, row.index);
      if (defaultDrawing_) FillDefault(col.index, row.index, rect, state);
      DrawCell(col.index, row.index, rect, state);
      if (!defaultDrawing_) continue;
      if (state.Contains(gdFixed) && raised) {
        TRect edge = rect;
        DrawEdge(canvas, &edge, BDR_RAISEDINNER, BF_RECT);
      }
      if (state.Contains(gdFocused) && !options.Contains(goRowSelect)) canvas->DrawFocusRect(rect);
    }
  }
  if (!defaultDrawing_ || !options.Contains(goRowSelect) || !Focused() || cols.empty()) return;
  for (const ShownLine& row : rows)
    if (row.index == GetRow() && row.index >= GetFixedRows()) {
      int left = std::max(cols.front().start, shape_.Cols().FixedExtent());
      canvas->DrawFocusRect({left, row.start, cols.back().end, row.end});
    }
}

// The gaps after each line shown, in the colours of the cells they border: a line where the
// options draw one, else the cells' background.
void TCustomGrid::PaintGridLines(const TRect& clip) {
  TCanvas* canvas = GetCanvas();
  const TGridAxis& colAxis = shape_.Cols();
  const TGridAxis& rowAxis = shape_.Rows();
  TGridOptions options = GetOptions();
  int fixedWidth = colAxis.FixedExtent(), fixedHeight = rowAxis.FixedExtent();
  int right = ShownEnd(colAxis), bottom = ShownEnd(rowAxis);
  auto colour = [&](bool fixed, TGridOption fixedOption, TGridOption option) {
    if (fixed) return options.Contains(fixedOption) ? kFixedLineColor : fixedColor_;
    return options.Contains(option) ? kLineColor : GetColor();
  };
  for (const ShownLine& col : ShownLines(colAxis, clip.Left, clip.Right)) {
    TRect gap{col.end, 0, col.end + colAxis.LineWidthAfter(col.index), 0};
    bool fixedCol = col.index < colAxis.Fixed();
    gap.Bottom = std::min(fixedHeight, bottom);
    Fill(*canvas, colour(true, goFixedVertLine, goVertLine), gap);
    gap.Top = gap.Bottom;
    gap.Bottom = bottom;
    Fill(*canvas, colour(fixedCol, goFixedVertLine, goVertLine), gap);
  }
  for (const ShownLine& row : ShownLines(rowAxis, clip.Top, clip.Bottom)) {
    TRect gap{0, row.end, std::min(fixedWidth, right), row.end + rowAxis.LineWidthAfter(row.index)};
    bool fixedRow = row.index < rowAxis.Fixed();
    Fill(*canvas, colour(true, goFixedHorzLine, goHorzLine), gap);
    gap.Left = gap.Right;
    gap.Right = right;
    Fill(*canvas, colour(fixedRow, goFixedHorzLine, goHorzLine), gap);
  }
}

// While a column or row is sized, the line where its border would go; while one is moved,
// a thick line where it would land.
void TCustomGrid::PaintDragLine() {
  TCanvas* canvas = GetCanvas();
  bool columns = gridState_ == gsColSizing || gridState_ == gsColMoving;
  int pos;
  int thickness = 1;
  if (gridState_ == gsColSizing || gridState_ == gsRowSizing) {
    pos = drag_.pos;
  } else if (gridState_ == gsColMoving || gridState_ == gsRowMoving) {
    if (!DrawsMoveLine()) return;
    const TGridAxis& axis = shape_.Axis(columns ? GridAxis::Columns : GridAxis::Rows);
    int start, end;
    if (drag_.target == drag_.index || !axis.Span(drag_.target, start, end)) return;
    pos = drag_.target > drag_.index ? end : start - 1;
    thickness = 2;
  } else {
    return;
  }
  TRect line = columns ? TRect{pos, 0, pos + thickness, GetClientHeight()}
                       : TRect{0, pos, GetClientWidth(), pos + thickness};
  Fill(*canvas, clBlack, line);
}
