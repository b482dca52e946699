// The query window's controls at their designed places, and its events bound.
#include <algorithm>

#include "app/Dbaseabfrage.h"
#include "app/DbaseabfrageControls.h"
#include "app/FormPlacement.h"
#include "app/TabOrder.h"
#include "engine/ResultIndexGrid.h"

using namespace dbaseabfrage;

namespace {

constexpr int kLineTops[] = {88, 144, 208, 264};  // the four lines of two criteria each
constexpr int kHalfLefts[] = {24, 352};           // the first and second criterion of a line
constexpr int kOperatorOffset = 104;
constexpr int kOperatorWidth = 33;
constexpr int kValueOffset = 144;
constexpr int kValueWidth = 121;
constexpr int kRowHeight = 21;

TLabel* Heading(TComponent* owner, TWinControl* parent, int left, int top,
                const AnsiString& caption) {
  TLabel* label = PlaceLabel(owner, parent, left, top, caption);
  label->GetFont()->SetColor(clRed);
  label->GetFont()->SetStyle(fsBold);
  return label;
}

// A bracket of the grouping; an opening one ends just before the line's first field combo.
TLabel* Bracket(TComponent* owner, TWinControl* parent, int line, bool opening,
                const AnsiString& text) {
  TLabel* label = PlaceLabel(owner, parent, 0, kLineTops[line] - 1, text);
  label->GetFont()->SetName("Arial");
  label->GetFont()->SetHeight(-19);
  label->GetFont()->SetStyle(fsBold);
  label->SetLeft(opening ? kHalfLefts[0] - 1 - label->GetWidth() : 622);
  return label;
}

}  // namespace

TfrmDbaseAbfrage::TfrmDbaseAbfrage(TComponent* Owner) : TForm(Owner) {
  ShapeForm(this, "Datenbankabfrage", 696, 571);
  PlaceControls();
  PlaceCriteria();
  PlaceButtons();
  PlaceTabOrder();
  // The progress display covers the criteria it stands over while a query runs.
  ProgressBar1->BringToFront();

  dbaseabfrageOpenDialog1 = new TOpenDialog(this);
  dbaseabfrageSaveDialog1 = new TSaveDialog(this);
  for (TOpenDialog* dialog :
       {dbaseabfrageOpenDialog1, static_cast<TOpenDialog*>(dbaseabfrageSaveDialog1)}) {
    dialog->DefaultExt = "dba";
    dialog->FileName = "*.dba";
    dialog->Filter = "*.dba|*.dba";
  }
  Timer1 = new TTimer(this);
  Timer1->SetEnabled(false);
  Timer1->SetInterval(100);
  Timer1->OnTimer = MethodEvent(this, &Form::Timer1Timer);
  Timer2 = new TTimer(this);
  Timer2->SetInterval(0);
  Timer2->OnTimer = MethodEvent(this, &Form::Timer2Timer);
  ActionList1 = new TActionList(this);
  actAbfrageSpeichern = AddAction(this, ActionList1, &Form::actAbfrageSpeichernExecute);

  OnActivate = MethodEvent(this, &Form::FormActivate);
  // The engine lets the message loop run between records: a close then would end the
  // showing under the running query.
  OnCloseQuery = [this](TObject*, bool& CanClose) { CanClose = CanClose && !running_; };
}

void TfrmDbaseAbfrage::PlaceControls() {
  labDatenbank = Heading(this, this, 24, 8, "Datenbank:");
  labDatenbank->GetFont()->SetHeight(-13);
  labDateiName = PlaceLabel(this, this, 144, 8, "");
  labDateiName->GetFont()->SetStyle(fsBold);
  Label9 = PlaceLabel(this, this, 496, 6, "Info:");
  Label10 = PlaceLabel(this, this, 536, 8, "Wildcards * ? sind erlaubt.");

  Panel1 = Place<TPanel>(this, this, 24, 32, 649, 441);
  Panel1->SetBevelWidth(2);
  TPanel* p = Panel1;
  labSuchkriterien = Heading(this, p, 24, 16, "Suchkriterien:");
  // The switch's text leads to its box; a font wider than the designed one moves the box on.
  constexpr int kBoxLeft = 344;
  Label11 = PlaceLabel(this, p, 0, 17,
                       "Gro\xDF-Kleinschreibung bei der Suche ber\xFC"
                       "cksichtigen:");
  const int afterHeading = labSuchkriterien->GetLeft() + labSuchkriterien->GetWidth() + 16;
  Label11->SetLeft(std::max(afterHeading, kBoxLeft - 4 - Label11->GetWidth()));
  const int boxLeft = std::max(kBoxLeft, Label11->GetLeft() + Label11->GetWidth() + 4);
  chkGrossKlein = Place<TCheckBox>(this, p, boxLeft, 16, 17, 17);
  chkGrossKlein->OnClick = MethodEvent(this, &Form::chkGrossKleinClick);
  labFeld = PlaceLabel(this, p, 24, 56, "Feld:");
  labKriterium = PlaceLabel(this, p, 168, 56, "Kriterium:");
  labFeld2 = PlaceLabel(this, p, 352, 56, "Feld:");
  labKriterium2 = PlaceLabel(this, p, 496, 56, "Kriterium:");

  TLabel** unds[] = {&labUnd, &labUnd2, &labUnd3, &labUnd5};
  for (int line = 0; line < 4; ++line)
    *unds[line] = PlaceLabel(this, p, 312, kLineTops[line] + 4, "und");
  laboder = PlaceLabel(this, p, 16, 120, "oder");
  labOder2 = PlaceLabel(this, p, 16, 176, "oder");
  labUnd4 = PlaceLabel(this, p, 16, 240, "und");
  Label1 = Bracket(this, p, 0, true, "[ (");
  Label2 = Bracket(this, p, 0, false, ")");
  Label3 = Bracket(this, p, 1, true, "(");
  Label4 = Bracket(this, p, 1, false, ")");
  Label5 = Bracket(this, p, 2, true, "(");
  Label6 = Bracket(this, p, 2, false, ") ]");
  Label7 = Bracket(this, p, 3, true, "(");
  Label8 = Bracket(this, p, 3, false, ")");

  labSortierkriterien = Heading(this, p, 24, 304, "Sortierkriterien:");
  labReiter = PlaceLabel(this, p, 472, 332, "gehe zu Reiter:");
  edtReiter = Place<TExtEdit>(this, p, 560, 328, 41, kRowHeight);
  edtReiter->SetEditType(etNumeric);
  edtReiter->LengthLimit = 2;
  edtReiter->SetPrecision(0);
  edtReiter->SetText("0");

  labBemerkung = Heading(this, p, 24, 360, "Bemerkungen:");
  edtBeschreibung1 = Place<TEdit>(this, p, 24, 384, 561, kRowHeight);
  edtBeschreibung2 = Place<TEdit>(this, p, 24, 408, 561, kRowHeight);
  for (TEdit* description : {edtBeschreibung1, edtBeschreibung2})
    description->SetMaxLength(kDescriptionLength);

  grdIndex = Place<TExtColumnGrid>(this, p, 0, 0, 200, 100);
  grdIndex->SetVisible(false);
  DbaseShapeIndexGrid(*grdIndex);
  grdIndex->SetRowCount(1);
  grdIndex->SetDefaultRowHeight(kRowHeight);

  ProgressBar1 = Place<TProgressBar>(this, p, 184, 200, 280, 40);
  ProgressBar1->SetVisible(false);
  labMeldung = PlaceLabel(this, p, 240, 184, "  durchsuche Datens\xE4tze  ");
  labMeldung->SetColor(clYellow);
  labMeldung->GetFont()->SetColor(clRed);
  labMeldung->SetVisible(false);
}

// Eight criteria on four lines, then the sort fields below them.
void TfrmDbaseAbfrage::PlaceCriteria() {
  for (int j = 0; j < kCriteria; ++j) {
    const int top = kLineTops[j / 2];
    const int left = kHalfLefts[j % 2];
    TComboBox* field = Place<TComboBox>(this, Panel1, left, top, 97, kRowHeight);
    TComboBox* op =
        Place<TComboBox>(this, Panel1, left + kOperatorOffset, top, kOperatorWidth, kRowHeight);
    // An operator of two characters shows whole where the system font runs wider than the
    // designed one; the value edit gives up the room and keeps its right edge.
    const int wider = std::max(0, op->WidthToShow(">=") - kOperatorWidth);
    op->SetWidth(kOperatorWidth + wider);
    TEdit* value = Place<TEdit>(this, Panel1, left + kValueOffset + wider, top, kValueWidth - wider,
                                kRowHeight);
    this->*kFieldCombos[j] = field;
    this->*kOperatorCombos[j] = op;
    this->*kValueEdits[j] = value;
    slots_[3 * j + 1] = field;
    slots_[3 * j + 2] = op;
    slots_[3 * j + 3] = value;
    value->SetMaxLength(kTextLength);
  }
  const int sortLefts[] = {24, 168, 312};
  for (int s = 0; s < 3; ++s) {
    TComboBox* sort = Place<TComboBox>(this, Panel1, sortLefts[s], 328, 121, kRowHeight);
    this->*kFieldCombos[kCriteria + s] = sort;
    slots_[25 + s] = sort;
  }
  cbo27->SetVisible(false);
  for (auto combo : kFieldCombos) (this->*combo)->SetMaxLength(kTextLength);
  for (auto combo : kOperatorCombos) (this->*combo)->SetMaxLength(kTextLength);
}

// The case switch, the criteria line by line and the sort fields in their slots' order, then
// the tab number and the descriptions below them.
void TfrmDbaseAbfrage::PlaceTabOrder() {
  std::vector<TWinControl*> order = {chkGrossKlein};
  for (int k = 1; k <= kSlotControls; ++k) order.push_back(static_cast<TWinControl*>(slots_[k]));
  order.insert(order.end(), {edtReiter, edtBeschreibung1, edtBeschreibung2});
  SetTabOrders(order);
}

void TfrmDbaseAbfrage::PlaceButtons() {
  // The loading, saving and clearing buttons wider than the closing ones.
  constexpr int top = 488, wide = 105, narrow = 89;
  const ButtonPlace<Form> buttons[] = {
      {&Form::btnLaden, 24, top, wide, "Abfrage &laden", &Form::btnLadenClick},
      {&Form::btnSpeichern, 136, top, wide, "Abfrage &speichern", &Form::btnSpeichernClick},
      {&Form::btnLoeschen, 248, top, wide, "Felder &leeren", &Form::btnLoeschenClick},
      {&Form::btnAbbrechen, 472, top, narrow, "&abbrechen", &Form::btnAbbrechenClick},
      {&Form::btnOK, 584, top, narrow, "&OK", &Form::btnOKClick},
  };
  PlaceButtonList(this, this, buttons);
  btnAbbrechen->Cancel = true;  // Esc cancels, as the button does
}
