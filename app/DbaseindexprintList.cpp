// druck_liste: the hits of the result index page by page, each page a header line and the
// print grid filled with as many records as fit the paper, 62 at most.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "app/Dbaseindexprint.h"
#include "engine/dbase.h"
#include "platform/controls/dialogs.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"

namespace {

constexpr int kRecordsPerPage = 62;
// The list's layout pixels become millimetres in this ratio: 928 pixels fill 185 mm, the width
// between the margins of A4 portrait.
constexpr int64_t kLayoutPixels = 928;
constexpr int64_t kLayoutSteps = 185;
constexpr int kTableTop = 15;  // steps below the top margin

// The print grid takes the list's columns from column 1 on (column 0 holds the index
// position): field, header and width. Returns the sum of the widths.
int64_t TakeLayout(TExtColumnGrid& print, TExtColumnGrid& list) {
  const int columns = std::max(list.GetColCount() - 1, 0);
  print.SetColCount(columns);
  print.SetWidth(977);
  int64_t widths = 0;
  for (int i = 1; i <= columns; ++i) {
    TGridColumnItem* item = print.GetColumns()->GetItem(i - 1);
    item->Tag = list.GetColumns()->GetItem(i)->Tag;
    print.SetCellEx(i - 1, 0, list.GetCellEx(i, 0));
    item->SetWidth(list.ColWidths(i));
    widths += list.ColWidths(i);
  }
  return widths;
}

// The units rounded up to whole steps.
int StepsAround(int units) { return (units + druck_raster - 1) / druck_raster; }

// The list's margins, but never inside the paper's edge that the printer cannot reach.
void SetMargins(const TXPrint& xprint) {
  druck_raender(std::max(15, StepsAround(xprint.GetMinMarginLeft())),
                std::max(10, StepsAround(xprint.GetMinMarginRight())),
                std::max(10, StepsAround(xprint.GetMinMarginTop())),
                std::max(0, StepsAround(xprint.GetMinMarginBottom())));
}

// How the table fits a page: its width in steps and the records a page takes.
struct PageFit {
  int breite = 0;
  int rows = kRecordsPerPage;
};

// The table's height in steps with that many record rows of that height (pixels) under its
// header row, as druck_grid rounds it.
int64_t TableSteps(int rows, int rowHeight, int64_t breite, int64_t widths) {
  return std::llround(double(rows + 1) * rowHeight * double(breite) / double(widths));
}

// Every column and every record on the paper: the layout keeps the scale of 928 pixels to
// 185 mm where the printable area allows it and shrinks to it where not, and a page takes as
// many records as fit its height, 62 at most. A4 portrait thus keeps 62 records and 185 mm.
// The printable width reaches the job in whole dots (A4 at 300 dpi is 0.3 mm short of 210
// mm): to the nearest step it is the paper's width less the margins.
PageFit FitPage(const TXPrint& xprint, int64_t widths, int rowHeight) {
  PageFit fit;
  if (widths <= 0 || rowHeight <= 0) return fit;
  const int64_t across = std::max((xprint.PrintWidth + druck_raster / 2) / druck_raster, 1);
  const int64_t down = std::max(xprint.PrintHeight / druck_raster - kTableTop, 1);
  // At least the header row and one record fit below each other.
  int64_t breite =
      std::min({widths * kLayoutSteps / kLayoutPixels, across, down * widths / (2 * rowHeight)});
  fit.breite = static_cast<int>(std::max<int64_t>(breite, 1));
  while (fit.rows > 1 && TableSteps(fit.rows, rowHeight, fit.breite, widths) > down) --fit.rows;
  return fit;
}

// Fills the print grid's rows with the records from index position p on; the next position.
uint32_t FillPage(TExtColumnGrid& print, uint32_t p) {
  print.ClearNormalCells();
  for (int r = 1; p < dbase_anzahlindex && r < print.GetRowCountEx(); ++r, ++p) {
    dbase_lesen(dbase_indexdsnr(p));
    for (int c = 0; c < print.GetColCount(); ++c)
      print.SetCellEx(c, r, dbase_spaltenwert(c, &print));
  }
  return p;
}

// The title bold at the left, the date and the page flush right on the same line.
void PrintHeader(const AnsiString& title, int page) {
  druck_init();
  druck_schriftart("ARIAL");
  druck_schriftgroesse(12);
  druck_steuercode("13");
  druck_text(title);
  druck_steuercode("14");
  druck_zeileausgeben();
  druck_schriftgroesse(10);
  druck_ausrichtung = 2;
  dbase_datumheute();
  druck_ctext(dbase_text);
  druck_text(", Seite: ");
  druck_text(IntToStr(page));
  druck_neuezeile();
  druck_ausrichtung = 1;
  druck_neuezeile();
}

// A job that does not reach its end is aborted, so that the next print is not refused as
// one already running.
class JobScope {
 public:
  explicit JobScope(TXPrint& xprint) : xprint_(xprint) { xprint_.BeginDoc(); }
  ~JobScope() {
    if (xprint_.GetPrinting()) xprint_.Abort();
  }
  JobScope(const JobScope&) = delete;
  JobScope& operator=(const JobScope&) = delete;
  void End() { xprint_.EndDoc(); }

 private:
  TXPrint& xprint_;
};

// A job to the PDF file printer tells the file it wrote: the user chose it nowhere.
void TellPrintedFile() {
  auto* file = dynamic_cast<TVirtualPrinter*>(Printer()->GetDevice());
  if (file && !file->LastFileName().empty())
    ShowMessage("Die Liste wurde in die Datei \"" + file->LastFileText() + "\" gedruckt.");
}

}  // namespace

int druck_liste(TExtColumnGrid* grid, const AnsiString& title) {
  TfrmDbaseIndexPrint* form = frmDbaseIndexPrint;
  if (!form || !grid) return -1;
  TXPrint& xprint = *form->XPrint1;
  // The job is known by its layout in the print queue, and a file is proposed under it.
  if (!xprint.GetPrinting()) xprint.SetTitle(title);
  if (!form->XPrintSet1->ExecPrinterSetupDialog()) return -1;
  druck_spaltenformatsetzen(AnsiString(kDruckSpalten, 'a'));
  TExtColumnGrid& print = *form->grdDbaseIndexPrint;
  const int64_t widths = TakeLayout(print, *grid);

  if (xprint.GetPrinting()) return 1;
  // The orientation is the one chosen in the setup dialog (portrait unless the user turned it).
  druck_xprint = &xprint;
  SetMargins(xprint);
  druck_schriftfaktor = 6.0;

  JobScope job(xprint);
  const PageFit fit = FitPage(xprint, widths, print.GetDefaultRowHeight());
  print.SetRowCount(fit.rows + 1);
  uint32_t p = 0;
  for (int page = 1;; ++page) {
    p = FillPage(print, p);
    PrintHeader(title, page);
    druck_grid(0, kTableTop, fit.breite, &print);
    if (p >= dbase_anzahlindex) break;
    xprint.NewPage();
  }
  job.End();
  TellPrintedFile();
  return 1;
}
