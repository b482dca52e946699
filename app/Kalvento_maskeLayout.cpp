// The entry form's controls at their designed places, and its events bound.
#include "app/FormPlacement.h"
#include "app/Kalvento_maske.h"
#include "app/Kalvento_maskeFields.h"

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
  SetCaption("Kalvento Vandrix");
  SetBounds(GetLeft(), GetTop(), 913, 680);
  GetFont()->SetName("MS Sans Serif");
  GetFont()->SetSize(8);
  PlaceControls();
  PlaceCounts();
  PlaceButtons();
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
  edtKalvento_Gesamtprei->SetReadOnly(true);
  chkKalvento_Bestellen = Place<TCheckBox>(this, this, kRightLeft, 312, 313, 17);
  chkKalvento_Bestellen->SetCaption("bestellen (ausw\xE4hlen f\xFCr Aufnahme in Bestellliste)");

  edtKalvento_Anzahlgesa = PlaceCount(this, this, 16 + kCountLeft, 560, 49, "Gesamtanzahl");
  edtKalvento_Anzahlgesa->SetReadOnly(true);

  fields_[kDesignationField] = edtKalvento_Bezeichnun;
  fields_[kTotalCountField] = edtKalvento_Anzahlgesa;
  fields_[kOrderNumberField] = edtKalvento_Reicheltbe;
  fields_[kUnitPriceField] = edtKalvento_Einzelprei;
  fields_[kRemarksField] = edtKalvento_Bemerkunge;
  fields_[kTotalPriceField] = edtKalvento_Gesamtprei;
  fields_[kSupplierField] = edtKalvento_Bezugsquel;
  fields_[kEnglishField] = edtKalvento_English;
}

// The counts top to bottom as the boards are built, the extra quantity after a gap.
void TfrmKalvento_Maske::PlaceCounts() {
  grpAnzahl = Place<TGroupBox>(this, this, 16, 160, 265, 393);
  grpAnzahl->SetCaption("Anzahl der Kalvento auf den Platinen: ");
  struct Spec {
    TExtEdit* TfrmKalvento_Maske::*edit;
    int field;
    const char* caption;
  };
  const Spec specs[] = {
      {&TfrmKalvento_Maske::edtKalvento_Haupt1, 13, "Hauptplatine Teil1"},
      {&TfrmKalvento_Maske::edtKalvento_Haupt2, 21, "Hauptplatine Teil2"},
      {&TfrmKalvento_Maske::edtKalvento_G1spannung, 6, "G1-Spannung"},
      {&TfrmKalvento_Maske::edtKalvento_G3spannung, 7, "G3-Spannung"},
      {&TfrmKalvento_Maske::edtKalvento_G2spannung, 4, "G2-Spannung"},
      {&TfrmKalvento_Maske::edtKalvento_Anodenspan, 3, "Anodenspang"},
      {&TfrmKalvento_Maske::edtKalvento_Heizspannu, 5, "Heizspannung"},
      {&TfrmKalvento_Maske::edtKalvento_Karte600v, 17, "Karte 600 V Erh\xF6hung"},
      {&TfrmKalvento_Maske::edtKalvento_Relaisplat, 2, "Relaisplatinen (10 Karten)"},
      {&TfrmKalvento_Maske::edtKalvento_Mikroproze, 8, "Mikroprozessor"},
      {&TfrmKalvento_Maske::edtKalvento_Anschlussp, 18, "Anschlussplatine"},
      {&TfrmKalvento_Maske::edtKalvento_Trafoplati, 20, "Trafoplatine"},
      {&TfrmKalvento_Maske::edtKalvento_Sonstiges, 9, "Sonstiges"},
      {&TfrmKalvento_Maske::edtKalvento_Zusaetzlic, 15, "Zusaetzlich bestellen"},
  };
  int top = 24;
  for (const Spec& spec : specs) {
    if (spec.field == kExtraField) top += kCountPitch;
    TExtEdit* edit = PlaceCount(this, grpAnzahl, kCountLeft, top, kCountWidth, spec.caption);
    this->*spec.edit = edit;
    fields_[spec.field] = edit;
    top += kCountPitch;
  }
}

void TfrmKalvento_Maske::PlaceButtons() {
  grpNavigation = Place<TGroupBox>(this, this, 8, 592, 889, 49);
  struct Spec {
    TButton* TfrmKalvento_Maske::*button;
    int left;
    const char* caption;
    void (TfrmKalvento_Maske::*click)(TObject*);
  };
  const Spec specs[] = {
      {&TfrmKalvento_Maske::btnZurueck, 16,
       "DS &zur\xFC"
       "ck",
       &TfrmKalvento_Maske::btnZurueckClick},
      {&TfrmKalvento_Maske::btnVor, 136, "DS &vor", &TfrmKalvento_Maske::btnVorClick},
      {&TfrmKalvento_Maske::btnNeuer, 280, "&neuer DS", &TfrmKalvento_Maske::btnNeuerClick},
      {&TfrmKalvento_Maske::btnDublizieren, 400, "DS &dublizieren",
       &TfrmKalvento_Maske::btnDublizierenClick},
      {&TfrmKalvento_Maske::btnAbbrechen, 648, "&abbrechen",
       &TfrmKalvento_Maske::btnAbbrechenClick},
      {&TfrmKalvento_Maske::btnOK, 768, "&OK", &TfrmKalvento_Maske::btnOKClick},
  };
  for (const Spec& spec : specs) {
    TButton* button = Place<TButton>(this, grpNavigation, spec.left, 16, 105, 25);
    button->SetCaption(spec.caption);
    button->OnClick = [this, click = spec.click](TObject* Sender) { (this->*click)(Sender); };
    this->*spec.button = button;
  }
}

void TfrmKalvento_Maske::BindEvents() {
  ActionList1 = new TActionList(this);
  auto action = [this](void (TfrmKalvento_Maske::*execute)(TObject*)) {
    auto* a = new TAction(this);
    a->SetActionList(ActionList1);
    a->OnExecute = [this, execute](TObject* Sender) { (this->*execute)(Sender); };
    return a;
  };
  FormNachGlobal = action(&TfrmKalvento_Maske::FormNachGlobalExecute);
  GlobalNachForm = action(&TfrmKalvento_Maske::GlobalNachFormExecute);
  actSpeichern = action(&TfrmKalvento_Maske::Speichern);
  GesamtanzahlUndPreisErrechnen = action(&TfrmKalvento_Maske::GesamtanzahlUndPreisErrechnenExecute);

  auto totals = [this](TObject*) { GesamtanzahlUndPreisErrechnen->Execute(); };
  for (int field : kCountFields) fields_[field]->OnChange = totals;
  edtKalvento_Einzelprei->OnChange = totals;
  OnActivate = [this](TObject* Sender) { FormActivate(Sender); };
  OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}
