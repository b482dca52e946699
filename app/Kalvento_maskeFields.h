// The entry form's fields by kind, so that reading, writing, showing and taking a record
// walk one table instead of naming every field four times.
#pragma once

#include <array>
#include <variant>

#include "app/Kalvento_maske.h"
#include "app/PartsFields.h"

namespace kalvento_maske {

using Form = TfrmKalvento_Maske;

inline constexpr int kEnglishLimit = 30;  // the English name's own limit, not the field's

// The fourteen counts whose sum is the total count.
inline constexpr std::array<int, 14> kCountFields = {
    kRelayBoards,      kAnodeVoltage, kG2Voltage,  kHeaterVoltage, kG1Voltage, kG3Voltage,
    kMicroprocessor,   kOther,        kMainBoard1, kExtra,         kCard600V,  kConnectionBoard,
    kTransformerBoard, kMainBoard2};

using Member = std::variant<AnsiString TMaskeSatz::*, int TMaskeSatz::*, double TMaskeSatz::*>;

struct Field {
  int number;  // in the parts table
  Member member;
  int decimals = 0;  // a price's, when it is written
};

// In the record's order, which is also the order the controls are set in: a count set after
// the totals recomputes them.
inline const std::array<Field, kPartsFields> kRecordFields = {{
    {kDesignation, &TMaskeSatz::bezeichnung},
    {kTotalCount, &TMaskeSatz::gesamtanzahl},
    {kRelayBoards, &TMaskeSatz::relaisplatinen},
    {kAnodeVoltage, &TMaskeSatz::anodenspannung},
    {kG2Voltage, &TMaskeSatz::g2spannung},
    {kHeaterVoltage, &TMaskeSatz::heizspannung},
    {kG1Voltage, &TMaskeSatz::g1spannung},
    {kG3Voltage, &TMaskeSatz::g3spannung},
    {kMicroprocessor, &TMaskeSatz::mikroprozessor},
    {kOther, &TMaskeSatz::sonstiges},
    {kOrderNumber, &TMaskeSatz::bestellnummer},
    {kUnitPrice, &TMaskeSatz::einzelpreis, 3},
    {kRemarks, &TMaskeSatz::bemerkungen},
    {kMainBoard1, &TMaskeSatz::hauptplatine1},
    {kMainBoard2, &TMaskeSatz::hauptplatine2},
    {kTotalPrice, &TMaskeSatz::gesamtpreis, 2},
    {kExtra, &TMaskeSatz::zusaetzlich},
    {kOrder, &TMaskeSatz::bestellen},
    {kCard600V, &TMaskeSatz::karte600v},
    {kConnectionBoard, &TMaskeSatz::anschlussplatine},
    {kSupplier, &TMaskeSatz::bezugsquelle},
    {kTransformerBoard, &TMaskeSatz::trafoplatine},
    {kEnglishName, &TMaskeSatz::english},
}};

// The leading whole number of a text (blanks before it skipped), 0 when it has none; cut to
// the range of a count.
int LeadingInt(const AnsiString& text);

// The value of an edit control of the form, without a TExtEdit's prefix and suffix.
AnsiString ControlText(const TCustomEdit* control);
void SetControlText(TCustomEdit* control, const AnsiString& text);

// maske_satz into the engine's record buffer, field by field.
void FillRecordBuffer();

}  // namespace kalvento_maske
