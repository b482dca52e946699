// The entry form's fields by kind, so that reading, writing, showing and taking a record
// walk one table instead of naming every field four times.
#pragma once

#include <array>
#include <variant>

#include "app/Kalvento_maske.h"

namespace kalvento_maske {

using Form = TfrmKalvento_Maske;

inline constexpr int kFields = 23;
inline constexpr int kDesignationField = 0;
inline constexpr int kTotalCountField = 1;
inline constexpr int kOrderNumberField = 10;
inline constexpr int kUnitPriceField = 11;
inline constexpr int kRemarksField = 12;
inline constexpr int kTotalPriceField = 14;
inline constexpr int kExtraField = 15;
inline constexpr int kOrderField = 16;
inline constexpr int kSupplierField = 19;
inline constexpr int kEnglishField = 22;
inline constexpr int kEnglishLimit = 30;  // the English name's own limit, not the field's

// The fourteen counts whose sum is the total count.
inline constexpr std::array<int, 14> kCountFields = {2, 3,  4,  5,  6,  7,  8,
                                                     9, 13, 15, 17, 18, 20, 21};

using Member = std::variant<AnsiString TMaskeSatz::*, int TMaskeSatz::*, double TMaskeSatz::*>;

struct Field {
  int number;  // in the parts table
  Member member;
  int decimals = 0;  // a price's, when it is written
};

// In the record's order, which is also the order the controls are set in: a count set after
// the totals recomputes them.
inline const std::array<Field, kFields> kRecordFields = {{
    {0, &TMaskeSatz::bezeichnung},    {1, &TMaskeSatz::gesamtanzahl},
    {2, &TMaskeSatz::relaisplatinen}, {3, &TMaskeSatz::anodenspannung},
    {4, &TMaskeSatz::g2spannung},     {5, &TMaskeSatz::heizspannung},
    {6, &TMaskeSatz::g1spannung},     {7, &TMaskeSatz::g3spannung},
    {8, &TMaskeSatz::mikroprozessor}, {9, &TMaskeSatz::sonstiges},
    {10, &TMaskeSatz::bestellnummer}, {11, &TMaskeSatz::einzelpreis, 3},
    {12, &TMaskeSatz::bemerkungen},   {13, &TMaskeSatz::hauptplatine1},
    {21, &TMaskeSatz::hauptplatine2}, {14, &TMaskeSatz::gesamtpreis, 2},
    {15, &TMaskeSatz::zusaetzlich},   {16, &TMaskeSatz::bestellen},
    {17, &TMaskeSatz::karte600v},     {18, &TMaskeSatz::anschlussplatine},
    {19, &TMaskeSatz::bezugsquelle},  {20, &TMaskeSatz::trafoplatine},
    {22, &TMaskeSatz::english},
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
