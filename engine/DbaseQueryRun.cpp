// The query run: every valid record checked against the criteria, the hits with their sort
// texts into the result index, and the index sorted by the second and then the first key.
// Text keys are sorted once before they go into the index (a stable sort by both keys gives
// the order of the two sorts); other keys are left to the index's sort, and hits in record
// order go straight into it.
#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>

#include "engine/DbaseFile.h"
#include "engine/DbaseHitOrder.h"
#include "engine/DbaseHitValues.h"
#include "engine/DbaseQuerySlots.h"
#include "engine/DbaseQuickCriterion.h"
#include "engine/DbaseRecordPass.h"
#include "engine/dbase.h"
#include "platform/controls/application.h"
#include "platform/controls/dialogs.h"

namespace {

constexpr int kCriteria = 8;
constexpr int kSortField1 = 8;
constexpr int kSortField2 = 9;
constexpr std::size_t kSortTextLength = DbaseHitOrder::kTextLength;
// The message loop's own clock keeps its pace; asking it every record costs more than the
// records do.
constexpr uint32_t kRecordsPerLoop = 1024;

struct Criterion {
  int field = -1;  // -1: unused
  char op = '\0';
  AnsiString value;
  std::optional<DbaseQuickCriterion> quick;  // the same answer from the stored bytes
};
using Criteria = std::array<Criterion, kCriteria>;

Criteria CriteriaOfSlots() {
  Criteria criteria;
  for (int j = 0; j < kCriteria; ++j) {
    AnsiString op = DbaseSlot(3 * j + 2);
    Criterion& c = criteria[j];
    c.field = dbase_abfragefeld[j];
    c.op = op.empty() ? '\0' : op[0];
    c.value = DbaseSlot(3 * j + 3);
    if (c.field >= 0)
      c.quick = DbaseQuickCriterion::Of(dbase_tabelle, c.field, c.op, c.value, dbm_zeichensatz,
                                        dbase_grossklein);
  }
  return criteria;
}

bool Quick(const Criterion& c) {
  return c.quick && c.quick->Fits(dbm_zeichensatz, dbase_grossklein);
}

// `stored`: the record's plain bytes where every criterion used is quick, else null and the
// record has been copied into dbase_record.
bool Holds(const Criterion& c, const char* stored) {
  if (c.field < 0) return true;
  if (stored) return c.quick->HoldsFor(stored);
  if (Quick(c)) return c.quick->Holds(dbase_tabelle);
  return DbaseOperatorHolds(c.op, dbase_feldvergleich(c.field, c.value));
}

// Both criteria hold; a pair of two unused criteria counts as `whenUnused`.
bool Pair(const Criterion& a, const Criterion& b, bool whenUnused, const char* stored) {
  if (a.field < 0 && b.field < 0) return whenUnused;
  return Holds(a, stored) && Holds(b, stored);
}

// [ (1 und 2) oder (3 und 4) oder (5 und 6) ] und (7 und 8); without any criterion, all.
bool IsHit(const Criteria& c, bool anyUsed, const char* stored = nullptr) {
  if (!anyUsed) return true;
  return Pair(c[6], c[7], true, stored) &&
         (Pair(c[0], c[1], false, stored) || Pair(c[2], c[3], false, stored) ||
          Pair(c[4], c[5], false, stored));
}

// Whether the records can be checked in the pass's block, before any field is copied: most
// are no hits, and copying their fields costs about as much as reading them. The table must
// store records plain, and every criterion used must be quick (the settings may change
// whenever the message loop runs).
bool CheckedStored(const Criteria& criteria, bool anyUsed) {
  return anyUsed && dbase_tabelle.modus == 0 && !dbase_tabelle.asStored &&
         std::all_of(criteria.begin(), criteria.end(),
                     [](const Criterion& c) { return c.field < 0 || Quick(c); });
}

// The field's shown text cut to 19 characters, without trailing blanks; it lives in `text` or
// the record, until the next record is read.
std::string_view SortText(int field, char (&text)[kSortTextLength]) {
  if (field < 0 || field >= dbase_anzahldatenfelder) return {};
  if (dbase_feldtyp[field] == 'C')
    return DbaseTextFieldStart(dbase_tabelle, field, dbm_zeichensatz, text, kSortTextLength);
  dbase_tr(field);
  std::size_t length = strnlen(dbase_text, kSortTextLength);
  while (length > 0 && dbase_text[length - 1] == ' ') --length;
  std::memcpy(text, dbase_text, length);
  return {text, length};
}

IndexSortStyle StyleOf(char type) {
  switch (type) {
    case 'N': return IndexSortStyle::Numeric;
    case 'D': return IndexSortStyle::Date;
    case 'C':
    case 'L': return IndexSortStyle::Alphabetic;
    default: return IndexSortStyle::Automatic;
  }
}

bool SortsAsText(int field) {
  return field < 0 || StyleOf(dbase_feldtyp[field]) == IndexSortStyle::Alphabetic;
}

void SortBy(ResultIndex& index, int column, int field, bool sorted) {
  if (field < 0) return;
  index.SetSortStyle(column, StyleOf(dbase_feldtyp[field]));
  if (!sorted) index.Sort(column);
}

// Whether the run sorts the hits itself: text keys and at least one sort field.
bool RunSorts(int sortField1, int sortField2) {
  return (sortField1 >= 0 || sortField2 >= 0) && SortsAsText(sortField1) && SortsAsText(sortField2);
}

void SetProgress(long record, long records) {
  dbase_prozent = static_cast<int>(record * 100 / records);
}

// The fields a run reads of each record.
std::vector<int> ReadFields(const Criteria& criteria, int sortField2, const DbaseHitValues* keep) {
  std::vector<int> fields{dbase_indexfeld1, sortField2, keep ? keep->field : -1};
  for (const Criterion& c : criteria) fields.push_back(c.field);
  return fields;
}

// The current record r as a hit with its sort texts: into the run's own sort when it sorts,
// else straight into the index.
void TakeHit(uint32_t r, int sortField2, DbaseHitOrder* sorted, ResultIndex& index) {
  char key1[kSortTextLength];
  char key2[kSortTextLength];
  const std::string_view text1 = SortText(dbase_indexfeld1, key1);
  const std::string_view text2 = SortText(sortField2, key2);
  if (sorted) return sorted->Add(r, text1, text2);
  DbaseRecordDigits number;
  index.AddHit(DbaseRecordText(r, number), text1, text2);
}

// The hits of records the file no longer held whole are the last ones in record order: they
// are dropped, and the hits before them stay.
uint32_t KeepHitsBelow(ResultIndex& index, uint32_t hits, long end) {
  auto record = [&index](uint32_t h) {
    const std::string_view text = index.Cell(0, static_cast<int>(h));
    long number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
  };
  while (hits > 0 && record(hits - 1) >= end) --hits;
  index.KeepHits(static_cast<int>(hits));
  return hits;
}

// Says what became of the table's file.
void Tell(const AnsiString& what) {
  ShowMessage("Fehler: dbase_abfrage: " + dbase_tabelle.pfad + ": " + what);
}

int FirstKeyField() {
  if (dbase_abfragefeld[kSortField1] >= 0) return dbase_abfragefeld[kSortField1];
  if (!DbaseSlot(1).empty() && dbase_abfragefeld[0] >= 0) return dbase_abfragefeld[0];
  return 0;
}

}  // namespace

int dbase_feldvergleich(int n, const AnsiString& text) {
  return DbaseFieldCompare(dbase_tabelle, n, text, dbm_zeichensatz, dbase_grossklein);
}

void dbase_abfrage(ResultIndex& index) {
  DbaseForgetHitValues();
  DbaseRunQuery(index, nullptr);
}

void DbaseRunQuery(ResultIndex& index, DbaseHitValues* keep) {
  index.Clear();
  dbase_anzahlindex = 0;
  // A file nobody reads any more gives no hits: its records are not the table's.
  if (!DbaseFollowPath(dbase_tabelle)) {
    if (keep) keep->field = -1;
    dbase_abfrageergebnis = 255;
    Tell("Datei wurde seit dem \xD6" "ffnen ersetzt oder entfernt - bitte die Liste neu "
         "\xF6" "ffnen");
    return;
  }
  // Records other running copies appended since the count was read are hits too.
  DbaseReloadCount(dbase_tabelle);
  const Criteria criteria = CriteriaOfSlots();
  const bool anyUsed =
      std::any_of(criteria.begin(), criteria.end(), [](const Criterion& c) { return c.field >= 0; });
  const int sortField1 = dbase_abfragefeld[kSortField1];
  const int sortField2 = dbase_abfragefeld[kSortField2];
  const bool runSorts = RunSorts(sortField1, sortField2);
  dbase_indexfeld1 = FirstKeyField();
  DbaseHitOrder sorted;
  uint32_t hits = 0;
  DbaseRecordPass pass(dbase_tabelle, ReadFields(criteria, sortField2, keep));
  const long records = pass.Count();
  bool checkStored = false;
  long uncopied = -1;  // the record checked last in the pass's block, if it was not copied
  long r = 0;
  for (; r < records; ++r) {
    // Only the loop reads the progress: it is worked out for it, as of the record before.
    if (r % kRecordsPerLoop == 0) {
      if (r > 0) SetProgress(r - 1, records);
      Application->ProcessMessages();
      checkStored = CheckedStored(criteria, anyUsed);
    }
    const char* stored = checkStored ? pass.Stored(r) : nullptr;
    if (stored && (stored[0] == '*' || !IsHit(criteria, anyUsed, stored))) {
      uncopied = r;
      continue;
    }
    // The file ends before the count it had: the buffer holds no record of this number.
    const int read = pass.Read(r);
    if (read == -2) break;
    uncopied = -1;
    if (read == -3 || (!stored && !IsHit(criteria, anyUsed))) continue;
    TakeHit(static_cast<uint32_t>(r), sortField2, runSorts ? &sorted : nullptr, index);
    if (keep) DbaseKeepHitValue(*keep);
    ++hits;
  }
  if (uncopied >= 0) pass.Read(uncopied);  // afterwards the buffer holds it, as always
  pass.Finish();
  if (keep) DbaseSettleHitValues(*keep);
  if (records > 0) SetProgress(std::min(r, records - 1), records);
  if (pass.FileChanged()) {
    hits = runSorts ? sorted.KeepBelow(pass.ValidEnd()) : KeepHitsBelow(index, hits, pass.ValidEnd());
    if (keep) keep->field = -1;  // they summed hits that may have gone
  }
  if (runSorts) sorted.Sort(sortField1 < 0);
  sorted.Into(index);
  SortBy(index, 2, sortField2, runSorts);
  SortBy(index, 1, sortField1, runSorts);
  dbase_anzahlindex = hits;
  if (hits == 0) dbase_abfrageergebnis = 255;
  if (pass.ReadError() != 0)
    Tell("Datei ist nicht lesbar: " + DbaseReasonText(pass.ReadError()) +
         " - bitte Abfrage wiederholen");
  else if (pass.FileChanged())
    Tell("Datei wurde w\xE4hrend der Abfrage von einem anderen Programm ge\xE4ndert - bitte "
         "Abfrage wiederholen");
}
