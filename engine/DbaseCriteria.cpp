// Checking a query before it runs: the name slots resolved to field numbers and each used
// criterion's value checked against its field's type.
#include <algorithm>

#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "platform/controls/dialogs.h"

namespace {

int Refuse(const AnsiString& text, int criterion) {
  ShowMessage(text + " - Kriterium: " + IntToStr(criterion));
  return -1;
}

bool NumericText(const AnsiString& value) {
  return std::any_of(value.begin(), value.end(), [](char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == DecimalSeparator;
  });
}

bool DateText(const AnsiString& value) {
  dbase_datumzerlegen(value);
  if (value == "00.00.0000") return true;
  return dbase_tag >= 0 && dbase_tag <= 31 && dbase_monat >= 0 && dbase_monat <= 12 &&
         dbase_jahr >= 1850 && dbase_jahr <= 2100;
}

// Empty when the value suits a field of this type, else what the message says of it.
AnsiString ValueFault(char type, const AnsiString& value) {
  switch (type) {
    case 'N':
      return NumericText(value) ? "" : " = nicht numerisch und pa\xDFt nicht zum Feldtyp";
    case 'L':
      return value == "ja" || value == "nein" ? "" : " - logisches Feld, nur 'ja' oder 'nein' m\xF6glich";
    case 'D':
      return DateText(value) ? "" : " - Datumseingabe erforderlich!";
    default:
      return "";
  }
}

}  // namespace

int DbaseFieldNamed(const AnsiString& name) {
  for (int i = 0; i < dbase_anzahldatenfelder; ++i)
    if (name == DbaseFixedText(dbase_feldname[i].data(), dbase_feldname[i].size())) return i;
  return -1;
}

int dbase_kriterienpruefen() {
  for (int k = 0; k < kDbaseQueryFields; ++k) {
    dbase_abfragefeld[k] = -1;
    dbase_ansinachchar(dbase_text, AnsiUpperCase(DbaseSlot(kDbaseNameSlots[k])));
    AnsiString name = dbase_text;
    if (name.empty()) continue;
    dbase_abfragefeld[k] = DbaseFieldNamed(name);
    if (dbase_abfragefeld[k] < 0)
      return Refuse(name + " - Feld existiert nicht - bitte berichtigen", k + 1);
  }
  for (int j = 1; j <= kDbaseCriteria; ++j) {
    int field = dbase_abfragefeld[j - 1];
    if (field < 0) continue;
    AnsiString value = DbaseSlot(3 * j);
    AnsiString fault = ValueFault(dbase_feldtyp[field], value);
    if (!fault.empty()) return Refuse(value + fault, j);
  }
  return 1;
}
