// TExtStringGrid: the ways in to printing: a print job on the program's printer, a preview
// on any canvas, one page drawn into a rectangle. Each lays the range out once to count the
// pages and once more to draw them; a canvas gets its mapping back on every path, and a job
// that fails on the way is aborted before the failure goes on.
#include <cmath>

#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/printing/PrintState.h"
#include "components/grid/grid/printing/Printing.h"
#include "platform/winapi/gdi.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/winspool.h"

namespace {

// Holds the canvas in MM_LOMETRIC and gives it its former mapping back at the end.
class LometricScope {
 public:
  explicit LometricScope(TCanvas* Canvas) : canvas_(Canvas), saved_(Canvas->GetMapping()) {
    SetMapMode(Canvas, MM_LOMETRIC);
  }
  ~LometricScope() { canvas_->Mapping() = saved_; }
  LometricScope(const LometricScope&) = delete;
  LometricScope& operator=(const LometricScope&) = delete;

 private:
  TCanvas* canvas_;
  TMapping saved_;
};

int TenthsOfMillimetre(int Pixels, int Dpi) {
  return static_cast<int>(std::lround(254.0 / std::max(1, Dpi) * Pixels));
}

}  // namespace

void TExtStringGrid::Print() { PrintRect({0, 0, GetColCount() - 1, GetRowCount() - 1}); }

void TExtStringGrid::PrintRect(const TGridRect& GridRect) {
  Printing::PrivatePrintRect(*this, GridRect, false);
}

void TExtStringGrid::PrintSelectedRows() {
  Printing::PrivatePrintRect(*this, {0, 0, GetColCount() - 1, GetRowCount() - 1}, true);
}

void TExtStringGrid::PrintPreview(TCanvas* Canvas, TRect DisplayRect) {
  PrintPreviewRect(Canvas, DisplayRect, {0, 0, GetColCount() - 1, GetRowCount() - 1});
}

void TExtStringGrid::PrintPreviewRect(TCanvas* Canvas, TRect DisplayRect,
                                      const TGridRect& GridRect) {
  Printing::PrivatePrintPreviewRect(*this, Canvas, DisplayRect, GridRect, false);
}

void TExtStringGrid::PrintPreviewSelectedRows(TCanvas* Canvas, TRect DisplayRect) {
  Printing::PrivatePrintPreviewRect(*this, Canvas, DisplayRect,
                                    {0, 0, GetColCount() - 1, GetRowCount() - 1}, true);
}

void TExtStringGrid::PrintDraw(TCanvas* Canvas, TRect Rect) {
  PrintDrawRect(Canvas, Rect, {0, 0, GetColCount() - 1, GetRowCount() - 1});
}

void TExtStringGrid::SetPreviewPage(int Value) { d_->print->FromPage = d_->print->ToPage = Value; }

int TExtStringGrid::GetPreviewPageCount() const { return d_->print->PreviewPages; }

void TExtStringGrid::Printing::SetPrintOutput(TExtStringGrid& g, TCanvas* Canvas,
                                              const TRect& DeviceRect) {
  SetViewportOrgEx(Canvas, DeviceRect.Left, DeviceRect.Top, nullptr);
  const TRect logical = Canvas->GetMapping().DPtoLP(
      TRect(DeviceRect.Left, DeviceRect.Top, DeviceRect.Right, DeviceRect.Bottom));
  g.d_->print->Output = TRect(0, 0, logical.Width(), logical.Height());
}

void TExtStringGrid::Printing::PrivatePrintRect(TExtStringGrid& g, const TGridRect& GridRect,
                                                bool SelectedOnly) {
  g.d_->print->Range = GridRect;
  TPrinter* printer = ::Printer();
  printer->SetOrientation(g.PrintSettings.Orientation);
  HDC info = printer->GetHandle();
  g.d_->print->Output =
      TRect(0, 0, TenthsOfMillimetre(printer->GetPageWidth(), GetDeviceCaps(info, LOGPIXELSX)),
            TenthsOfMillimetre(printer->GetPageHeight(), GetDeviceCaps(info, LOGPIXELSY)));
  // Counted on the printer's own information context, so that the count and the pages
  // drawn measure the fonts alike.
  int pages = 0;
  {
    const LometricScope lometric(printer->Canvas);
    pages = g.BuildPages(printer->Canvas, prCalcPrint, -1, SelectedOnly);
  }
  g.d_->print->FromPage = 1;
  g.d_->print->ToPage = pages;
  if (g.OnPrintStart) g.OnPrintStart(&g, pages, g.d_->print->FromPage, g.d_->print->ToPage);
  if (!g.d_->print->HasPagesOf(pages)) return;
  printer->Title =
      g.PrintSettings.JobName.empty() ? g.PrintSettings.TitleText : g.PrintSettings.JobName;
  printer->BeginDoc();
  try {
    const LometricScope lometric(printer->Canvas);
    Printing run(g, printer->Canvas, prPrint, pages, SelectedOnly);
    run.P.ToPrinter = true;
    run.BuildPages();
  } catch (...) {
    printer->Abort();
    throw;
  }
  printer->EndDoc();
}

void TExtStringGrid::Printing::PrivatePrintPreviewRect(TExtStringGrid& g, TCanvas* Canvas,
                                                       TRect DisplayRect, const TGridRect& GridRect,
                                                       bool SelectedOnly) {
  g.d_->print->Range = GridRect;
  const LometricScope lometric(Canvas);
  SetPrintOutput(g, Canvas, DisplayRect);
  g.d_->print->PreviewPages = g.BuildPages(Canvas, prCalcPreview, -1, SelectedOnly);
  g.BuildPages(Canvas, prPreview, g.d_->print->PreviewPages, SelectedOnly);
}

void TExtStringGrid::PrintDrawRect(TCanvas* Canvas, TRect Rect, const TGridRect& GridRect) {
  d_->print->Range = GridRect;
  d_->print->FromPage = d_->print->ToPage = 1;
  const LometricScope lometric(Canvas);
  Printing::SetPrintOutput(*this, Canvas, Rect);
  BuildPages(Canvas, prPrint, 1, false);
}

int TExtStringGrid::PrinterOrientationAngle() {
  const TPrintDevice* device = ::Printer()->GetDevice();
  if (!device) return 0;
  return std::max(0, DeviceCapabilitiesA(device->Name().c_str(), nullptr, DC_ORIENTATION,
                                         nullptr, nullptr));
}
