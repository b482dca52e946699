// The export window's unit: its controls at their places, the instructions and the check of
// the most lines per file.
#include "app/Kalvento_warenkorbexportieren.h"

#include <algorithm>

#include "app/FormPlacement.h"
#include "app/TabOrder.h"
#include "platform/controls/dialogs.h"

TfrmWarenkorbExportieren* frmWarenkorbExportieren = nullptr;

namespace {

constexpr int kEditHeight = 21;

// No web addresses: the shop's pages move, and the steps hold without them.
const char* const kInstructions[] = {
    "Warenkorb f\xFCr Reichelt exportieren:",
    "1. In der Eingabemaske bei jedem Teil, das bestellt werden soll, \"bestellen\" auf \"ja\" "
    "setzen und die St\xFC"
    "ckzahl pr\xFC"
    "fen.",
    "2. \"Warenkorb exportieren\" w\xE4hlt alle Teile mit Bezugsquelle Reichelt und bestellen=ja "
    "aus und schreibt Bestellnummer und St\xFC"
    "ckzahl in eine oder mehrere CSV-Dateien.",
    "3. Im Webshop den Warenkorb \xF6"
    "ffnen, die Funktion zum Laden einer CSV-Datei w\xE4hlen und die Dateien nacheinander "
    "laden.",
    "Fehlerhafte Daten werden gemeldet: bitte berichtigen und nochmals exportieren.",
    "",
    "English: exports the order numbers and counts of the parts to order as CSV files for the "
    "retailer's web shop.",
};

}  // namespace

TfrmWarenkorbExportieren::TfrmWarenkorbExportieren(TComponent* Owner) : TForm(Owner) {
  ShapeForm(this, "Warenkorb exportieren", 540, 483);
  PlaceControls();
  SaveDialog1 = new TSaveDialog(this);
  SaveDialog1->DefaultExt = ".csv";
  SaveDialog1->Filter = "Warenkorb|*.csv";
  OnShow = MethodEvent(this, &TfrmWarenkorbExportieren::FormShow);
  EscapeCloses = true;  // the window has no cancel button; Esc closes it as its frame does
}

void TfrmWarenkorbExportieren::PlaceControls() {
  using Form = TfrmWarenkorbExportieren;
  Memo1 = Place<TMemo>(this, this, 8, 8, 516, 185);
  ShowOnly(Memo1);
  Memo1->SetScrollBars(ssVertical);
  for (const char* line : kInstructions) Memo1->GetLines()->Add(line);

  GroupBox1 = Place<TGroupBox>(this, this, 8, 200, 516, 137);
  GroupBox1->SetCaption("export Warenkorb Reichelt");
  Label1 = PlaceLabel(this, GroupBox1, 16, 24,
                      "csv (;) nur Bestellnummer+St\xFC"
                      "ckzahl");
  Label3 = PlaceLabel(this, GroupBox1, 16, 52, "Anzahl max. pro Datei:");
  // The edit keeps clear of its text where the system font runs wider than the designed one.
  const int editLeft = std::max(152, Label3->GetLeft() + Label3->GetWidth() + 8);
  edtAnzahlProDatei = Place<TExtEdit>(this, GroupBox1, editLeft, 48, 65, kEditHeight);
  edtAnzahlProDatei->SetEditType(etNumeric);
  edtAnzahlProDatei->Signed = false;
  edtAnzahlProDatei->SetPrecision(0);
  edtAnzahlProDatei->SetText(IntToStr(kDefaultLines));
  edtAnzahlProDatei->OnExit = MethodEvent(this, &Form::edtAnzahlProDateiExit);
  Label4 = PlaceLabel(this, GroupBox1, 16, 76,
                      "(bei gr\xF6\xDF"
                      "erer Anzahl werden mehrere Dateien angelegt)");
  Button1 = PlaceButton(this, GroupBox1, 16, 100, 233, "Warenkorb exportieren  (reichelt)",
                        &Form::Button1Click);

  GroupBox2 = Place<TGroupBox>(this, this, 8, 344, 516, 81);
  GroupBox2->SetCaption("export CSV-Datei allgemein");
  Label2 = PlaceLabel(this, GroupBox2, 16, 24, "csv(;)");
  btnCSVDatei =
      PlaceButton(this, GroupBox2, 16, 44, 233, "csv-Datei komplett", &Form::btnCSVDateiClick);

  StatusBar1 = new TStatusBar(this);
  StatusBar1->SetParent(this);
  StatusBar1->SetSimplePanel(true);
}

// Every showing starts in the one field a user edits, wherever the last one left the focus.
void TfrmWarenkorbExportieren::FormShow(TObject* /*Sender*/) {
  SetActiveControl(edtAnzahlProDatei);
}

void TfrmWarenkorbExportieren::edtAnzahlProDateiExit(TObject* /*Sender*/) { CheckMaximum(); }

bool TfrmWarenkorbExportieren::CheckMaximum() {
  if (edtAnzahlProDatei->GetInt() >= kLeastLines) return true;
  ShowMessage("Anzahl muss >= 10 sein!");
  edtAnzahlProDatei->SetText(IntToStr(kDefaultLines));
  return false;
}
