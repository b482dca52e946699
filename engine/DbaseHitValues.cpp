// The kept values and what they were read under.
#include "engine/DbaseHitValues.h"

#include <sys/stat.h>

#include <string_view>

#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/core/FastDecimal.h"
#include "engine/dbase.h"

namespace {

// What the values depend on besides the hits: the table in this process and in others (a
// running copy writes the file, so its size or time changes), the code page and separators.
struct Conditions {
  uint64_t changeMark = 0;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = -1;
  time_t seconds = 0;
  long nanoseconds = 0;
  uint8_t zeichensatz = 0;
  char decimal = 0;
  char thousand = 0;
  bool operator==(const Conditions&) const = default;
};

Conditions ConditionsNow() {
  Conditions c;
  c.changeMark = dbase_tabelle.changeMark;
  struct stat file {};
  if (dbase_handle >= 0 && fstat(dbase_handle, &file) == 0) {
    c.device = file.st_dev;
    c.inode = file.st_ino;
    c.size = file.st_size;
    c.seconds = file.st_mtim.tv_sec;
    c.nanoseconds = file.st_mtim.tv_nsec;
  }
  c.zeichensatz = dbm_zeichensatz;
  c.decimal = DecimalSeparator;
  c.thousand = ThousandSeparator;
  return c;
}

bool DigitBlankOrMinus(char c) { return (c >= '0' && c <= '9') || c == ' ' || c == '-'; }

// Whether the separators are none of a plain number's characters (the one point is shown as
// the decimal separator, so a thousands point never meets it).
bool PlainSeparators() {
  return (DecimalSeparator == '.' || DecimalSeparator == ',') &&
         ThousandSeparator != DecimalSeparator && !DigitBlankOrMinus(ThousandSeparator);
}

// A stored number that reads as its own bytes under plain separators, in one pass: blanks, an
// optional minus, digits with at most one point, blanks. The shown text turns the point into
// a decimal comma only within the search's reach, so a wider field is read through it.
static_assert(kDbaseSearchReach < kDbaseTextCut, "a field within the reach is never cut");
bool PlainStoredNumber(std::string_view stored, DbaseHitValues::Plain& number) {
  if (stored.size() > kDbaseSearchReach) return false;
  std::size_t i = 0;
  while (i < stored.size() && stored[i] == ' ') ++i;
  number.negative = i < stored.size() && stored[i] == '-';
  std::size_t end =
      FastDecimalInteger(stored, i + number.negative, '.', number.digits, number.decimals);
  if (end == std::string_view::npos) return false;
  while (end < stored.size() && stored[end] == ' ') ++end;
  return end == stored.size();
}

std::string_view StoredField(int field) {
  return {dbase_record.data() + dbase_feldoffset[field], dbase_feldlength[field]};
}

// The current record's field as a plain stored number, when it is one under these separators.
bool PlainHitNumber(int field, bool plainSeparators, DbaseHitValues::Plain& number) {
  return plainSeparators && dbase_feldtyp[field] == 'N' &&
         PlainStoredNumber(StoredField(field), number);
}

double ValueOf(const DbaseHitValues::Plain& number) {
  return FastDecimalOf(number.digits, number.decimals, number.negative);
}

double HitValue(int field, bool plainSeparators) {
  DbaseHitValues::Plain number;
  if (PlainHitNumber(field, plainSeparators, number)) return ValueOf(number);
  dbase_tr(field);
  return DbaseTextValue();
}

struct Kept {
  DbaseHitValues hits;
  const TExtColumnGrid* grid = nullptr;  // null: nothing kept
  int rows = 0;                          // the grid's rows after the run
  Conditions conditions;
};

int keptField = -1;
Kept kept;

}  // namespace

double DbaseHitValue(int field) { return HitValue(field, PlainSeparators()); }

void DbaseKeepHitValue(DbaseHitValues& keep) {
  ++keep.count;
  DbaseHitValues::Plain& next = keep.staged[keep.stagedCount];
  if (PlainHitNumber(keep.field, keep.plainSeparators, next)) {
    if (++keep.stagedCount == keep.staged.size()) DbaseSettleHitValues(keep);
    return;
  }
  DbaseSettleHitValues(keep);  // the values before come first
  dbase_tr(keep.field);
  keep.sum += DbaseTextValue();
}

void DbaseSettleHitValues(DbaseHitValues& keep) {
  for (std::size_t i = 0; i < keep.stagedCount; ++i) keep.sum += ValueOf(keep.staged[i]);
  keep.stagedCount = 0;
}

void DbaseKeepHitValues(int field) {
  keptField = field;
  DbaseForgetHitValues();
}

void DbaseForgetHitValues() {
  kept.grid = nullptr;
  kept.hits = {};
}

DbaseHitValues* DbaseStartKeepingHitValues() {
  DbaseForgetHitValues();
  const int f = keptField;
  // A field past the record (a damaged header) reads as a message per hit: left to the pass.
  if (dbase_handle < 0 || !DbaseFieldHeld(dbase_tabelle, f)) return nullptr;
  kept.hits.field = f;
  kept.hits.plainSeparators = PlainSeparators();
  kept.conditions = ConditionsNow();
  return &kept.hits;
}

void DbaseHitValuesKept(const TExtColumnGrid& g) {
  if (kept.hits.field < 0 || !(ConditionsNow() == kept.conditions)) return DbaseForgetHitValues();
  kept.grid = &g;
  kept.rows = g.GetRowCount();
}

bool DbaseKeptHitSum(int field, double& sum) {
  const TExtColumnGrid* g = dbase_indexgrid;
  if (g == nullptr || kept.grid != g || kept.hits.field != field || g->GetRowCount() != kept.rows ||
      kept.hits.count != dbase_anzahlindex || !(ConditionsNow() == kept.conditions))
    return false;
  sum = kept.hits.sum;
  return true;
}
