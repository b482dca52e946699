// The mini-HTML renderer over 1,000 cells of typical two-line text (bold, a colour, one
// link), laid out and drawn onto a bitmap as the grid paints them.
#include <benchmark/benchmark.h>

#include "components/grid/html/HTMLDraw.h"
#include "offscreen_app.h"

namespace {

void HTMLDrawCells(benchmark::State& state) {
  App();
  TBitmap bitmap;
  bitmap.SetSize(200, 40);
  TCanvas* canvas = bitmap.Canvas;
  THTMLDrawParams params;
  THTMLDrawResult result;
  const AnsiString text =
      "<b>R12</b> Widerstand <font color=\"clRed\">4k7</font><br>bei "
      "<a href=\"http://example.com/r12\">Reichelt</a> bestellen";
  for (auto _ : state) {
    for (int cell = 0; cell < 1000; ++cell)
      HTMLDrawEx(canvas, text, {0, 0, 200, 40}, params, result);
    benchmark::DoNotOptimize(result.ExtentY);
  }
  state.counters["cells"] = 1000;
}
BENCHMARK(HTMLDrawCells)->Unit(benchmark::kMillisecond);

}  // namespace
