// The entry form's controls at their designed places, and its events bound.
#include "app/FormPlacement.h"
#include "app/Kalvento_maske.h"
#include "app/Kalvento_maskeFields.h"
#include "app/TabOrder.h"

using namespace kalvento_maske;

namespace {

constexpr int kRowHeight = 21;
constexpr int kTopLeft = 112;  // designation, English name and remarks
constexpr int kTopWidth = 649;
constexpr int kCountLeft = 184;  // in the counts' group box
constexpr int kCountWidth = 30;
constexpr int kCountPitch = 24;
constexpr int kRightLeft = 448;  // supplier, order number and prices

}  // namespace

TfrmKalvento_Maske::TfrmKalvento_Maske(TComponent* Owner) : TForm(Owner) {
  ShapeForm(this, "Kalvento Vandrix", 913, 680);
  PlaceControls();
  PlaceCounts();
  PlaceButtons();
  // Down the left column, the counts from the top, then the right column and the buttons.
  SetTabOrders({edtKalvento_Bezeichnun, edtKalvento_English, edtKalvento_Bemerkunge, grpAnzahl,
                edtKalvento_Bezugsquel, edtKalvento_Reicheltbe, edtKalvento_Einzelprei,
                chkKalvento_Bestellen, grpNavigation});
  BindEvents();
}

namespace {

// An edit with its label to the left, centred on it, in the form's font.
TExtEdit* PlaceEdit(TfrmKalvento_Maske* form, TWinControl* parent, int left, int top, int width,
                    TExtEditType type, const AnsiString& caption) {
  auto* edit = Place<TExtEdit>(form, parent, left, top, width, kRowHeight);
  edit->SetEditType(type);
  edit->SetLabelFont(form->GetFont());
  edit->SetLabelPosition(lpLeftCenter);
  edit->SetLabelCaption(caption);
  return edit;
}

TExtEdit* PlaceCount(TfrmKalvento_Maske* form, TWinControl* parent, int left, int top, int width,
                     const AnsiString& caption) {
  TExtEdit* edit = PlaceEdit(form, parent, left, top, width, etNumeric, caption);
  edit->SetText("0");
  return edit;
}

TExtEdit* PlacePrice(TfrmKalvento_Maske* form, int top, int precision, const AnsiString& caption,
                     TLabel*& euro) {
  TExtEdit* edit = PlaceEdit(form, form, kRightLeft, top, 81, etFloat, caption);
  edit->SetPrecision(precision);
  edit->SetText("0");
  euro = PlaceLabel(form, form, kRightLeft + 81 + 8, top + 4, "\x80");
  return edit;
}

}  // namespace

void TfrmKalvento_Maske::PlaceControls() {
  edtKalvento_Bezeichnun = PlaceEdit(this, this, kTopLeft, 8, kTopWidth, etString, "Bezeichnung");
  edtKalvento_English = PlaceEdit(this, this, kTopLeft, 40, kTopWidth, etString, "english");
  edtKalvento_English->LengthLimit = kEnglishLimit;
  edtKalvento_Bemerkunge = Place<TMemo>(this, this, kTopLeft, 72, kTopWidth, 73);
  edtKalvento_Bemerkunge->SetMaxLength(253);
  labBemerkungen = PlaceLabel(this, this, 0, 72, "Bemerkungen");
  labBemerkungen->SetLeft(kTopLeft - 4 - labBemerkungen->GetWidth());

  edtKalvento_Bezugsquel = PlaceEdit(this, this, kRightLeft, 160, 313, etString, "Bezugsquelle");
  edtKalvento_Reicheltbe =
      PlaceEdit(this, this, kRightLeft, 184, 145, etString, "Reicheltbestellnummer");
  edtKalvento_Einzelprei = PlacePrice(this, 216, 3, "Einzelpreis", labEuro1);
  edtKalvento_Gesamtprei = PlacePrice(this, 264, 2, "Gesamtpreis", labEuro2);
  ShowOnly(edtKalvento_Gesamtprei);
  chkKalvento_Bestellen = Place<TCheckBox>(this, this, kRightLeft, 312, 313, 17);
  chkKalvento_Bestellen->SetCaption("bestellen (ausw\xE4hlen f\xFCr Aufnahme in Bestellliste)");

  edtKalvento_Anzahlgesa = PlaceCount(this, this, 16 + kCountLeft, 560, 49, "Gesamtanzahl");
  ShowOnly(edtKalvento_Anzahlgesa);

  fields_[kDesignation] = edtKalvento_Bezeichnun;
  fields_[kTotalCount] = edtKalvento_Anzahlgesa;
  fields_[kOrderNumber] = edtKalvento_Reicheltbe;
  fields_[kUnitPrice] = edtKalvento_Einzelprei;
  fields_[kRemarks] = edtKalvento_Bemerkunge;
  fields_[kTotalPrice] = edtKalvento_Gesamtprei;
  fields_[kSupplier] = edtKalvento_Bezugsquel;
  fields_[kEnglishName] = edtKalvento_English;
}

// The counts top to bottom as the boards are built, the extra quantity after a gap.
void TfrmKalvento_Maske::PlaceCounts() {
  grpAnzahl = Place<TGroupBox>(this, this, 16, 160, 265, 393);
  grpAnzahl->SetCaption("Anzahl der Kalvento auf den Platinen: ");
  // A count's edit: the form's member it is kept in, its field and its caption.
  struct CountPlace {
    TExtEdit* TfrmKalvento_Maske::*edit;
    int field;
    const char* caption;
  };
  const CountPlace counts[] = {
      {&TfrmKalvento_Maske::edtKalvento_Haupt1, kMainBoard1, "Hauptplatine Teil1"},
      {&TfrmKalvento_Maske::edtKalvento_Haupt2, kMainBoard2, "Hauptplatine Teil2"},
      {&TfrmKalvento_Maske::edtKalvento_G1spannung, kG1Voltage, "G1-Spannung"},
      {&TfrmKalvento_Maske::edtKalvento_G3spannung, kG3Voltage, "G3-Spannung"},
      {&TfrmKalvento_Maske::edtKalvento_G2spannung, kG2Voltage, "G2-Spannung"},
      {&TfrmKalvento_Maske::edtKalvento_Anodenspan, kAnodeVoltage, "Anodenspang"},
      {&TfrmKalvento_Maske::edtKalvento_Heizspannu, kHeaterVoltage, "Heizspannung"},
      {&TfrmKalvento_Maske::edtKalvento_Karte600v, kCard600V, "Karte 600 V Erh\xF6hung"},
      {&TfrmKalvento_Maske::edtKalvento_Relaisplat, kRelayBoards, "Relaisplatinen (10 Karten)"},
      {&TfrmKalvento_Maske::edtKalvento_Mikroproze, kMicroprocessor, "Mikroprozessor"},
      {&TfrmKalvento_Maske::edtKalvento_Anschlussp, kConnectionBoard, "Anschlussplatine"},
      {&TfrmKalvento_Maske::edtKalvento_Trafoplati, kTransformerBoard, "Trafoplatine"},
      {&TfrmKalvento_Maske::edtKalvento_Sonstiges, kOther, "Sonstiges"},
      {&TfrmKalvento_Maske::edtKalvento_Zusaetzlic, kExtra, "Zusaetzlich bestellen"},
  };
  int top = 24;
  for (const CountPlace& count : counts) {
    if (count.field == kExtra) top += kCountPitch;
    TExtEdit* edit = PlaceCount(this, grpAnzahl, kCountLeft, top, kCountWidth, count.caption);
    this->*count.edit = edit;
    fields_[count.field] = edit;
    top += kCountPitch;
  }
}

void TfrmKalvento_Maske::PlaceButtons() {
  grpNavigation = Place<TGroupBox>(this, this, 8, 592, 889, 49);
  constexpr int top = 16, width = 105;
  const ButtonPlace<Form> buttons[] = {
      {&Form::btnZurueck, 16, top, width,
       "DS &zur\xFC"
       "ck",
       &Form::btnZurueckClick},
      {&Form::btnVor, 136, top, width, "DS &vor", &Form::btnVorClick},
      {&Form::btnNeuer, 280, top, width, "&neuer DS", &Form::btnNeuerClick},
      {&Form::btnDublizieren, 400, top, width, "DS &dublizieren", &Form::btnDublizierenClick},
      {&Form::btnAbbrechen, 648, top, width, "&abbrechen", &Form::btnAbbrechenClick},
      {&Form::btnOK, 768, top, width, "&OK", &Form::btnOKClick},
  };
  PlaceButtonList(this, grpNavigation, buttons);
  btnAbbrechen->Cancel = true;  // Esc leaves without saving, as the button does
}

void TfrmKalvento_Maske::BindEvents() {
  ActionList1 = new TActionList(this);
  FormNachGlobal = AddAction(this, ActionList1, &TfrmKalvento_Maske::FormNachGlobalExecute);
  GlobalNachForm = AddAction(this, ActionList1, &TfrmKalvento_Maske::GlobalNachFormExecute);
  actSpeichern = AddAction(this, ActionList1, &TfrmKalvento_Maske::Speichern);
  GesamtanzahlUndPreisErrechnen =
      AddAction(this, ActionList1, &TfrmKalvento_Maske::GesamtanzahlUndPreisErrechnenExecute);

  auto totals = [this](TObject*) { GesamtanzahlUndPreisErrechnen->Execute(); };
  for (int field : kCountFields) fields_[field]->OnChange = totals;
  edtKalvento_Einzelprei->OnChange = totals;
  OnActivate = MethodEvent(this, &TfrmKalvento_Maske::FormActivate);
  OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}
