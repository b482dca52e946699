// Painting one 800 x 600 screen of a column grid as the list window shows it: column colours,
// bands, a sort mark in the header and a few cells of their own colour. What it costs must
// not depend on the number of rows.
#include <benchmark/benchmark.h>

#include <QAbstractScrollArea>
#include <QImage>
#include <memory>

#include "components/grid/columns/ExtCGrid.h"
#include "offscreen_app.h"

namespace {

std::unique_ptr<TExtColumnGrid> ListGrid(int rows) {
  auto grid = std::make_unique<TExtColumnGrid>(nullptr);
  grid->SetColCount(8);
  grid->SetRowCount(rows + 1);
  grid->SetFixedCols(1);
  for (int c = 1; c < 8; ++c) {
    TGridColumnItem* column = grid->GetColumns()->GetItem(c);
    column->SetColor(c % 2 ? clWhite : clInfoBk);
    column->SetShowBands(c < 4);
    grid->SetCells(c, 0, "Column " + IntToStr(c));
  }
  for (int r = 1; r <= rows; ++r) {
    grid->SetCells(0, r, IntToStr(r));
    grid->SetCells(1, r, "Widerstand 4k7");
    grid->SetCells(2, r, "0815-4711");
    grid->SetCells(3, r, "12,50");
    grid->SetCells(4, r, "Reichelt");
  }
  grid->Bands.SetActive(true);
  grid->SortSettings.SetShow(true);
  grid->SortSettings.SetColumn(2);
  grid->AutoNumAlign = true;
  return grid;
}

void GridPaintScreen(benchmark::State& state) {
  App();
  const int rows = static_cast<int>(state.range(0));
  auto grid = ListGrid(rows);
  grid->SetBounds(0, 0, 800, 600);
  grid->SetTopRow(rows / 2);
  for (int r = rows / 2; r < rows / 2 + 20 && r <= rows; r += 3) grid->SetColors(2, r, clLime);
  QWidget* client = static_cast<QAbstractScrollArea*>(grid->Widget())->viewport();
  QImage image(client->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) client->render(&image);
  state.counters["cells"] = 8.0 * (grid->GetVisibleRowCount() + 2);
}
BENCHMARK(GridPaintScreen)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
