// The list window's controls at their places, and its events bound.
#include "app/Datenbank_liste.h"
#include "app/FormPlacement.h"
#include "app/PartsFields.h"
#include "engine/DbaseHitValues.h"

namespace {

constexpr int kGridLeft = 8;
constexpr int kGridTop = 60;
constexpr int kGridWidth = 953;
constexpr int kScrollWidth = 17;
constexpr int kButtonsTop = 600;

// The list's own look: the header row and the index column fixed, whole rows selected,
// columns sized by the user; no scroll bar of its own across the rows, which the page holds.
void ShapeListGrid(TExtColumnGrid* grid) {
  grid->SetColCount(2);
  grid->SetRowCount(TfrmDatenbank_Liste::kListRows);
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  grid->SetDefaultRowHeight(TfrmDatenbank_Liste::kRowHeight);
  grid->SetOptions(
      {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect, goColSizing});
  grid->SetScrollBars(ssHorizontal);
}

// The grid as high as its rows (their lines lie inside them), its frame and the scroll bar
// across.
int ListGridHeight() {
  return TfrmDatenbank_Liste::kListRows * TfrmDatenbank_Liste::kRowHeight + 4 + kScrollWidth;
}

}  // namespace

TfrmDatenbank_Liste::TfrmDatenbank_Liste(TComponent* Owner) : TForm(Owner) {
  ShapeForm(this, "Datenbank", 1000, 700);
  PlaceControls();
  PlaceButtons();
  PlaceSettings();
  BindEvents();
  // The total price follows every query run.
  DbaseKeepHitValues(kTotalPrice);
}

// Runs without the window have no total to keep values for.
TfrmDatenbank_Liste::~TfrmDatenbank_Liste() { DbaseKeepHitValues(-1); }

void TfrmDatenbank_Liste::PlaceControls() {
  labDatenbank = PlaceLabel(this, this, 8, 8, "Datenbank");
  labDatenbank->GetFont()->SetStyle(fsBold);
  labDatenbank->SetAutoSize(true);
  Label1 = PlaceLabel(this, this, 312, 8, "Datensatz:");
  labDsNr = PlaceLabel(this, this, 376, 8, "0");
  Label2 = PlaceLabel(this, this, 440, 8, "von");
  labnumberofindex = PlaceLabel(this, this, 472, 8, "0");
  labNumberofrecords = PlaceLabel(this, this, 552, 8, "0");
  for (TLabel* number : {labDsNr, labnumberofindex, labNumberofrecords})
    number->GetFont()->SetStyle(fsBold);
  Label3 = PlaceLabel(this, this, 616, 8, "gespeicherte Abfrage:");
  cboAusgabe = Place<TComboBox>(this, this, 744, 4, 217, kRowHeight);
  cboAusgabe->SetDropDownCount(16);

  PageControl1 = Place<TPageControl>(this, this, kGridLeft, 32, kGridWidth + kScrollWidth, 26);
  for (int k = 0; k < kTabs; ++k) {
    TabSheets[k] = new TTabSheet(this);
    TabSheets[k]->SetPageControl(PageControl1);
    TabSheets[k]->SetCaption("Liste" + IntToStr(k + 1));
  }

  grdAusgabe = Place<TExtColumnGrid>(this, this, kGridLeft, kGridTop, kGridWidth, 100);
  ShapeListGrid(grdAusgabe);
  grdAusgabe->SetHeight(ListGridHeight());
  scrAusgabe = Place<TScrollBar>(this, this, kGridLeft + kGridWidth, kGridTop, kScrollWidth,
                                 grdAusgabe->GetHeight());
  scrAusgabe->SetKind(sbVertical);
  scrAusgabe->SetBounds(kGridLeft + kGridWidth, kGridTop, kScrollWidth, grdAusgabe->GetHeight());
  scrAusgabe->SetParams(0, 0, 0);

  tmrIdle = new TTimer(this);
  tmrIdle->SetInterval(500);
}

void TfrmDatenbank_Liste::PlaceButtons() {
  using Form = TfrmDatenbank_Liste;
  const int second = kButtonsTop + 32;
  const ButtonPlace<Form> buttons[] = {
      {&Form::btnSelektieren, 8, kButtonsTop, 193, "Abfrage (selektieren/sortieren)",
       &Form::btnSelektierenClick},
      {&Form::btnBearbeiten, 216, kButtonsTop, 113, "&bearbeiten", &Form::btnBearbeitenClick},
      {&Form::btnNeuerDatensatz, 344, kButtonsTop, 113, "&neuer Datensatz",
       &Form::btnNeuerDatensatzClick},
      {&Form::btnLoeschen, 472, kButtonsTop, 113, "DS &l\xF6schen", &Form::btnLoeschenClick},
      {&Form::btnDrucken, 8, second, 193, "&drucken", &Form::btnDruckenClick},
      {&Form::btnSpezial, 216, second, 241, "", &Form::btnSpezialClick},
      {&Form::Button1, 472, second, 113, "Hilfe - help", &Form::Button1Click},
      {&Form::btnOK, 872, second, 89, "&OK", &Form::btnOKClick},
  };
  PlaceButtonList(this, this, buttons);

  GroupBox1 = Place<TGroupBox>(this, this, 616, kButtonsTop - 8, 345, 41);
  GroupBox1->SetCaption("Gesamtpreis der ausgew\xE4hlten Teile");
  labGesamtpreis = PlaceLabel(this, GroupBox1, 16, 18, "0,00");
  labGesamtpreis->GetFont()->SetStyle(fsBold);
  Label8 = PlaceLabel(this, GroupBox1, 120, 18, "\x80");
  Label8->GetFont()->SetStyle(fsBold);
}

void TfrmDatenbank_Liste::PlaceSettings() {
  grpEinstellungen = Place<TGroupBox>(this, this, 8, kGridTop, 425, 241);
  grpEinstellungen->SetCaption("Einstellungen");
  grpEinstellungen->SetVisible(false);
  grdEinstellungen = Place<TExtColumnGrid>(this, grpEinstellungen, 8, 48, 409, 185);
  grdEinstellungen->SetRowCount(2);
  grdEinstellungen->SetFixedRows(1);
  edtTab = Place<TExtEdit>(this, grpEinstellungen, 8, 20, 41, kRowHeight);
  edtTab->SetEditType(etNumeric);
  edtTab->SetText("1");
  UpDown1 = Place<TUpDown>(this, grpEinstellungen, 49, 20, 16, kRowHeight);
  UpDown1->SetMin(1);
  UpDown1->SetMax(kTabs);
  btnTabelleKopieren = PlaceButton(this, grpEinstellungen, 80, 18, 121, "Tabelle kopieren");
}

void TfrmDatenbank_Liste::BindEvents() {
  ActionList1 = new TActionList(this);
  using Form = TfrmDatenbank_Liste;
  actEinstellungenLaden = AddAction(this, ActionList1, &Form::actEinstellungenLadenExecute);
  actMaskeAufrufen = AddAction(this, ActionList1, &Form::actMaskeAufrufenExecute);
  Ausgeben = AddAction(this, ActionList1, &Form::AusgebenExecute);
  GesamtpreisRechnen = AddAction(this, ActionList1, &Form::GesamtpreisRechnenExecute);

  cboAusgabe->OnChange = MethodEvent(this, &Form::cboAusgabeChange);
  scrAusgabe->OnChange = MethodEvent(this, &Form::scrAusgabeChange);
  grdAusgabe->OnKeyDown = [this](TObject* Sender, WORD& Key, TShiftState Shift) {
    grdAusgabeKeyDown(Sender, Key, Shift);
  };
  grdAusgabe->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) {
    grdAusgabeDblClickCell(Sender, ARow, ACol);
  };
  PageControl1->OnChange = MethodEvent(this, &Form::PageControl1Change);
  tmrIdle->OnTimer = MethodEvent(this, &Form::tmrIdleTimer);
  OnActivate = MethodEvent(this, &Form::FormActivate);
  OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}
