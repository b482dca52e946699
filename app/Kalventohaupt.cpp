#include "app/Kalventohaupt.h"

#include "app/DatabaseDefinition.h"
#include "app/Datenbank_liste.h"
#include "app/FormPlacement.h"

TfrmKalventoHaupt* frmKalventoHaupt = nullptr;

namespace {

int initializations = 0;  // the unit's starts not yet ended

// A label on the form; a width makes it a word-wrapped block of that width.
TLabel* PlaceTextBlock(TForm* form, int left, int top, int width, const AnsiString& caption) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetWordWrap(width > 0);
  label->SetBounds(left, top, width, label->GetHeight());
  label->SetCaption(caption);
  return label;
}

TLabel* PlaceTitle(TForm* form, int left, int top, const AnsiString& caption) {
  TLabel* label = PlaceTextBlock(form, left, top, 0, caption);
  label->GetFont()->SetHeight(-16);
  label->GetFont()->SetStyle(fsBold);
  return label;
}
}  // namespace

TfrmKalventoHaupt::TfrmKalventoHaupt(TComponent* Owner) : TForm(Owner) {
  ShapeForm(this, "Kalventodatenbank", 674, 390);

  lblTitel = PlaceTitle(this, 232, 48, "Kalvento f\xFCr Vandrix V7");
  lblTitle = PlaceTitle(this, 240, 168, "Components for Vandrix V7");
  lblHinweis =
      PlaceTextBlock(this, 72, 72, 456,
                     "Die Datenbank kann zur einfachen Kalventobestellung (v.a. Fa. Reichelt) "
                     "und zur Kalkulation der Gesamtkosten  verwendet werden .");
  lblHaftung =
      PlaceTextBlock(this, 72, 104, 541,
                     "Die Liste wurde mit Sorgfalt erstellt. Auf Grund des Umfanges sind "
                     "Fehler aber nicht ausgeschlossen. Kalventopreise \xE4ndern sich "
                     "laufend. Bitte passen Sie f\xFCr eine genaue Kalkulation die Preise an.");
  lblNote = PlaceTextBlock(this, 152, 200, 366,
                           "The database helps to order the components easily (mainly in the web "
                           "shop of Reichelt) and to calculate the total cost.");

  Button1 = PlaceButton(this, this, 232, 272, 169, "Kalvento - Components",
                        &TfrmKalventoHaupt::Button1Click);
}

// The name is relative: the definition belongs to the folder the program runs in. The list
// window applies it when it activates.
void TfrmKalventoHaupt::Button1Click(TObject* /*Sender*/) {
  DatenbankDbmLaden("Kalvento.dbm");
  frmDatenbank_Liste->ShowModal();
}

void KalventohauptInitialization() {
  if (initializations++ == 0) dbase_initialisieren();
}

void KalventohauptFinalization() {
  if (initializations > 0 && --initializations == 0) dbase_finalisieren();
}
