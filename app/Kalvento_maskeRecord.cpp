// The entry form's record: between the table and maske_satz, and between maske_satz and the
// controls, with the totals worked out from the counts.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "app/Kalvento_maske.h"
#include "app/Kalvento_maskeFields.h"
#include "engine/dbase.h"

using namespace kalvento_maske;

TMaskeSatz maske_satz;
int maske_neu = 0;
int maske_speicherfehler = 0;

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// A table that lacks one of the form's fields leaves it out rather than showing a message for
// it at every record.
bool TableHas(int field) { return field < dbase_anzahldatenfelder; }

int ToCount(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

namespace kalvento_maske {

int LeadingInt(const AnsiString& text) { return ToCount(std::strtoll(text.c_str(), nullptr, 10)); }

AnsiString ControlText(const TCustomEdit* control) {
  if (auto* edit = dynamic_cast<const TExtEdit*>(control)) return edit->GetText();
  return control->GetText();
}

void SetControlText(TCustomEdit* control, const AnsiString& text) {
  if (auto* edit = dynamic_cast<TExtEdit*>(control))
    edit->SetText(text);
  else
    control->SetText(text);
}

void FillRecordBuffer() {
  for (const Field& f : kRecordFields) {
    if (!TableHas(f.number)) continue;
    std::visit(
        Overloaded{
            [&](AnsiString TMaskeSatz::*m) { dbase_feldschreibenAnsi(maske_satz.*m, f.number); },
            [&](int TMaskeSatz::*m) { dbase_feldschreibenAnsi(IntToStr(maske_satz.*m), f.number); },
            [&](double TMaskeSatz::*m) {
              dbase_nachkomma = static_cast<uint8_t>(f.decimals);
              dbase_zahlnachtext(maske_satz.*m);
              dbase_feldschreiben(f.number);
            },
        },
        f.member);
  }
}

}  // namespace kalvento_maske

int maske_satzlesen(long n) {
  const int result = dbase_lesen(n);
  for (const Field& f : kRecordFields) {
    if (!TableHas(f.number)) continue;
    std::visit(Overloaded{
                   [&](AnsiString TMaskeSatz::*m) { maske_satz.*m = dbase_trAnsi(f.number); },
                   [&](int TMaskeSatz::*m) { maske_satz.*m = LeadingInt(dbase_trAnsi(f.number)); },
                   [&](double TMaskeSatz::*m) {
                     dbase_tr(f.number);
                     maske_satz.*m = dbase_textnachzahl();
                   },
               },
               f.member);
  }
  return result;
}

int maske_satzschreiben(long n) {
  FillRecordBuffer();
  return dbase_schreiben(n);
}

void maske_satzleeren() { maske_satz = TMaskeSatz{}; }

void TfrmKalvento_Maske::GlobalNachFormExecute(TObject* /*Sender*/) {
  for (const Field& f : kRecordFields) {
    if (f.number == kOrder) {
      chkKalvento_Bestellen->SetChecked(maske_satz.bestellen == "ja");
      continue;
    }
    TCustomEdit* control = fields_[f.number];
    const AnsiString text =
        std::visit(Overloaded{
                       [](AnsiString TMaskeSatz::*m) { return maske_satz.*m; },
                       [](int TMaskeSatz::*m) { return IntToStr(maske_satz.*m); },
                       [](double TMaskeSatz::*m) { return FloatToStr(maske_satz.*m); },
                   },
                   f.member);
    SetControlText(control, text);
  }
}

void TfrmKalvento_Maske::FormNachGlobalExecute(TObject* /*Sender*/) {
  for (const Field& f : kRecordFields) {
    if (f.number == kOrder) {
      maske_satz.bestellen = chkKalvento_Bestellen->GetChecked() ? "ja" : "nein";
      continue;
    }
    const AnsiString text = ControlText(fields_[f.number]);
    std::visit(Overloaded{
                   [&](AnsiString TMaskeSatz::*m) { maske_satz.*m = text; },
                   [&](int TMaskeSatz::*m) { maske_satz.*m = LeadingInt(text); },
                   [&](double TMaskeSatz::*m) { maske_satz.*m = dbase_ansinachzahl(text); },
               },
               f.member);
  }
}

// The sum is taken in 64 bits, so fourteen large counts cannot overflow it; it is cut to
// the range of a count.
void TfrmKalvento_Maske::GesamtanzahlUndPreisErrechnenExecute(TObject* /*Sender*/) {
  long long total = 0;
  for (int field : kCountFields) total += LeadingInt(ControlText(fields_[field]));
  const int count = ToCount(total);
  const double price = dbase_ansinachzahl(ControlText(edtKalvento_Einzelprei)) * count;
  edtKalvento_Anzahlgesa->SetText(IntToStr(count));
  edtKalvento_Gesamtprei->SetText(FloatToStr(price));
}
