// The hidden print form: the print grid and the printer components, made once at start.
#include "app/Dbaseindexprint.h"

#include "app/FormPlacement.h"

TfrmDbaseIndexPrint* frmDbaseIndexPrint = nullptr;

namespace {

constexpr int kPageRows = 63;  // the header row and 62 records
constexpr int kRowHeight = 21;

}  // namespace

TfrmDbaseIndexPrint::TfrmDbaseIndexPrint(TComponent* Owner) : TForm(Owner) {
  grdDbaseIndexPrint = Place<TExtColumnGrid>(this, this, 0, 0, 977, 400);
  grdDbaseIndexPrint->SetFixedCols(0);
  grdDbaseIndexPrint->SetFixedRows(1);
  grdDbaseIndexPrint->SetRowCount(kPageRows);
  grdDbaseIndexPrint->SetDefaultRowHeight(kRowHeight);
  grdDbaseIndexPrint->SetDefaultColWidth(42);
  grdDbaseIndexPrint->GetFont()->SetName("Tahoma");
  grdDbaseIndexPrint->GetFont()->SetHeight(-11);

  XPrint1 = new TXPrint(this);
  XPrint1->SetScaling(pscMetric10);
  XPrint1->SetOrientation(xpoPortrait);
  PrintDialog1 = new TPrintDialog(this);
  PrinterSetupDialog1 = new TPrinterSetupDialog(this);
  XPrintSet1 = new TXPrintSet(this);
  XPrintSet1->SetXPrint(XPrint1);
  XPrintSet1->SetPrintDialog(PrintDialog1);
  XPrintSet1->SetPrinterSetupDialog(PrinterSetupDialog1);
}
