// One repaint of a sheet-sized grid with its floating footer, two right fixed columns and a
// merged block, scrolled to the middle and to the far right; and the rectangle of its last
// cell. What either costs must follow the screen, not the 16384 columns.
#include <benchmark/benchmark.h>

#include <QAbstractScrollArea>
#include <QImage>
#include <memory>

#include "offscreen_app.h"
#include "sheet_sized_grid.h"

namespace {

enum class Scroll { Middle, FarRight };

std::unique_ptr<TExtStringGrid> FooteredSheet(Scroll At) {
  auto grid = SheetSizedGrid();
  grid->SetBounds(0, 0, 800, 600);
  grid->SetFixedRightCols(2);
  grid->FloatingFooter.SetVisible(true);
  for (int c : {1, kSheetCols / 2, kSheetCols - 1})
    grid->FloatingFooter.SetColumnCalc(c, acSUM);
  const int col = At == Scroll::Middle ? kSheetCols / 2 : kSheetCols - 1;
  grid->MergeCells(col, kSheetRows / 2, 3, 2);
  grid->SetLeftCol(col);
  grid->SetTopRow(kSheetRows / 2);
  return grid;
}

QWidget* Viewport(TExtStringGrid& Grid) {
  return static_cast<QAbstractScrollArea*>(Grid.Widget())->viewport();
}

void SheetRepaint(benchmark::State& state, Scroll At) {
  App();
  auto grid = FooteredSheet(At);
  QWidget* client = Viewport(*grid);
  QWidget* footer = grid->GetFooterPanel()->Widget();
  QImage cells(client->size(), QImage::Format_ARGB32_Premultiplied);
  QImage footing(footer->size().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    client->render(&cells);
    footer->render(&footing);
  }
}
BENCHMARK_CAPTURE(SheetRepaint, Middle, Scroll::Middle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SheetRepaint, FarRight, Scroll::FarRight)->Unit(benchmark::kMillisecond);

void SheetLastCellRect(benchmark::State& state, Scroll At) {
  App();
  auto grid = FooteredSheet(At);
  for (auto _ : state)
    benchmark::DoNotOptimize(grid->GetCellRect(kSheetCols - 1, kSheetRows - 1));
}
BENCHMARK_CAPTURE(SheetLastCellRect, Middle, Scroll::Middle)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SheetLastCellRect, FarRight, Scroll::FarRight)->Unit(benchmark::kMicrosecond);

}  // namespace
