// The grid print: a grid as a ruled table, its pixels scaled to the width asked for.
#include <cmath>
#include <vector>

#include "app/Dbaseindexprint.h"

namespace {

int Round(double value) { return static_cast<int>(std::lround(value)); }

// Where the grid's columns and rows start, in pixels from its top left corner; the last
// entry is the whole width (height).
struct GridLines {
  std::vector<double> left;
  std::vector<double> top;

  explicit GridLines(TExtColumnGrid& grid) : left{0}, top{0} {
    for (int c = 0; c < grid.GetColCount(); ++c) left.push_back(left.back() + grid.ColWidths(c));
    for (int r = 0; r < grid.GetRowCountEx(); ++r) top.push_back(top.back() + grid.RowHeights(r));
  }
  double Width() const { return left.back(); }
  double Height() const { return top.back(); }
};

// The table at (x, y) in steps, k steps a pixel, s units a step.
class TablePrint {
 public:
  TablePrint(TExtColumnGrid& grid, int x, int y, int breite)
      : grid_(grid),
        lines_(grid),
        x_(x),
        y_(y),
        breite_(breite),
        k_(breite / lines_.Width()),
        s_(druck_raster),
        canvas_(*druck_xprint->Canvas) {}

  void Backgrounds();
  void Rules();
  void Texts();
  int HeightInSteps() const { return Round(lines_.Height() * k_); }

 private:
  // Units of the left edge of column c and the top edge of row r.
  int Left(int c) const { return Round((x_ + lines_.left[c] * k_) * s_); }
  int Top(int r) const { return Round((y_ + lines_.top[r] * k_) * s_); }
  int Units(double pixels) const { return Round(pixels * k_ * s_); }

  TExtColumnGrid& grid_;
  GridLines lines_;
  int x_;
  int y_;
  int breite_;
  double k_;
  int s_;
  TCanvas& canvas_;
};

// The header rows in the fixed colour, then every data cell that has a colour of its own.
// Cell fills sit 2 units above their row, as the rules do.
void TablePrint::Backgrounds() {
  const TColor brush = canvas_.Brush->GetColor();
  canvas_.Brush->SetColor(grid_.GetFixedColor());
  const int fixedRows = grid_.GetFixedRowsEx();
  druck_rechteck(x_ * s_, y_ * s_, breite_ * s_, Top(fixedRows) - y_ * s_);
  druck_rasterrechteck(x_, y_, Round(lines_.left[grid_.GetFixedColsEx()] * k_), HeightInSteps());
  for (int c = 0; c < grid_.GetColCount(); ++c) {
    for (int r = fixedRows; r < grid_.GetRowCountEx(); ++r) {
      const TColor color = grid_.GetColors(c, r);
      if (color == clNone) continue;
      canvas_.Brush->SetColor(color);
      canvas_.Pen->SetColor(color);
      druck_rechteck(Left(c), Top(r) - 2, Units(grid_.ColWidths(c)), Units(grid_.RowHeights(r)));
    }
  }
  canvas_.Brush->SetColor(brush);
  druck_stiftfarbe(clBlack);
}

// A column of no width has no line at its left; the frame is drawn thicker.
void TablePrint::Rules() {
  const int bottom = Round(y_ + lines_.Height() * k_);
  for (int c = 1; c < grid_.GetColCount(); ++c) {
    if (grid_.ColWidths(c) <= 0) continue;
    const int left = Round(x_ + lines_.left[c] * k_);
    druck_rastermoveto(left, y_);
    druck_rasterlineto(left, bottom);
  }
  druck_stiftbreite(1);
  for (int r = 1; r < grid_.GetRowCountEx(); ++r) {
    druck_moveto(x_ * s_, Top(r) - 2);
    druck_lineto((x_ + breite_) * s_, Top(r) - 2);
  }
  druck_stiftbreite(3);
  druck_rasterrahmen(x_, y_, breite_, HeightInSteps());
}

// Header rows bold. A text starts a step inside its cell and is cut 2 mm before the cell's
// width ends, on one line.
void TablePrint::Texts() {
  druck_schriftgroesse(Round(grid_.GetFont()->GetSize() * k_ * druck_schriftfaktor));
  druck_schriftart(grid_.GetFont()->GetName());
  for (int c = 0; c < grid_.GetColCount(); ++c) {
    for (int r = 0; r < grid_.GetRowCountEx(); ++r) {
      druck_steuercode(r < grid_.GetFixedRowsEx() ? "13" : "14");
      druck_position(Round((x_ + lines_.left[c] * k_ + 1) * s_), Top(r));
      AnsiString text = grid_.GetCellEx(c, r);
      for (char& ch : text)
        if (ch == '\r' || ch == '\n') ch = ' ';
      const bool oneLine = c < kDruckSpalten && druck_spaltenformat[c] == 'a';
      if (grid_.ColWidths(c) <= 0 || !oneLine || text.empty()) continue;
      const TRect clip{druck_x, druck_y, druck_x + Units(grid_.ColWidths(c)) - 20, druck_y + 100};
      canvas_.Brush->SetStyle(bsClear);
      canvas_.TextRect(clip, druck_x, druck_y, text);
    }
  }
}

}  // namespace

int druck_grid(int x, int y, int breite, TExtColumnGrid* grid) {
  druck_zeileausgeben();
  if (!druck_xprint || !grid) return 0;
  // Without width there is no scale: no table.
  if (GridLines(*grid).Width() <= 0) return 0;
  TCanvas& canvas = *druck_xprint->Canvas;
  const int ausrichtung = druck_ausrichtung;
  const int einzuglinks = druck_einzuglinks;
  const int einzugrechts = druck_einzugrechts;
  const int stiftbreite = canvas.Pen->GetWidth();
  const AnsiString schriftart = canvas.Font->GetName();
  const int schriftgroesse = canvas.Font->GetSize();

  TablePrint table(*grid, x, y, breite);
  table.Backgrounds();
  table.Rules();
  table.Texts();

  druck_zeileausgeben();
  druck_stiftbreite(stiftbreite);
  druck_schriftart(schriftart);
  druck_ausrichtung = ausrichtung;
  druck_einzuglinks = einzuglinks;
  druck_einzugrechts = einzugrechts;
  druck_xprint->SetFontSize(static_cast<int>(std::lround(schriftgroesse * 2.8818443804)));
  return table.HeightInSteps();
}
