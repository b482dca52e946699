// druck_liste: the hits of the result index page by page, each page a header line and the
// print grid filled with up to 62 records.
#include <algorithm>
#include <cstdint>

#include "app/Dbaseindexprint.h"
#include "engine/dbase.h"
#include "platform/controls/dialogs.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"

namespace {

constexpr int kRecordsPerPage = 62;
// The list's layout pixels become millimetres in this ratio: 928 pixels fill 185 mm.
constexpr int64_t kLayoutPixels = 928;
constexpr int64_t kLayoutSteps = 185;
// However wide a damaged definition makes the columns, the table's lengths in units stay
// far inside the integers: no table is printed wider than a kilometre.
constexpr int64_t kMostSteps = 1000000;

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

// Fills the print grid with the records from index position p on; the next position.
uint32_t FillPage(TExtColumnGrid& print, uint32_t p) {
  print.ClearNormalCells();
  for (int r = 1; p < dbase_anzahlindex && r <= kRecordsPerPage; ++r, ++p) {
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
    ShowMessage("Die Liste wurde in die Datei \"" + file->LastFileName() + "\" gedruckt.");
}

}  // namespace

int druck_liste(TExtColumnGrid* grid, const AnsiString& title) {
  TfrmDbaseIndexPrint* form = frmDbaseIndexPrint;
  if (!form || !grid || !form->XPrintSet1->ExecPrinterSetupDialog()) return -1;
  druck_spaltenformatsetzen(AnsiString(kDruckSpalten, 'a'));
  TExtColumnGrid& print = *form->grdDbaseIndexPrint;
  const int64_t widths = TakeLayout(print, *grid);
  const int breite = static_cast<int>(std::min(widths * kLayoutSteps / kLayoutPixels, kMostSteps));

  TXPrint& xprint = *form->XPrint1;
  if (xprint.GetPrinting()) return 1;
  xprint.SetOrientation(xpoPortrait);
  xprint.SetTitle(title);  // the job is known by its layout in the print queue
  druck_xprint = &xprint;
  druck_raender(15, 10, 10, 0);
  druck_schriftfaktor = 6.0;

  JobScope job(xprint);
  uint32_t p = 0;
  for (int page = 1;; ++page) {
    p = FillPage(print, p);
    PrintHeader(title, page);
    druck_grid(0, 15, breite, &print);
    if (p >= dbase_anzahlindex) break;
    xprint.NewPage();
  }
  job.End();
  TellPrintedFile();
  return 1;
}
