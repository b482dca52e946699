// Queries of the open table: 28 text slots as the query window's controls hold them, eight
// criteria grouped [ (1 und 2) oder (3 und 4) oder (5 und 6) ] und (7 und 8), up to two sort
// fields, the run over every record into the result index, the list page filled from the
// index, and saved queries (.dba files).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/ResultIndex.h"
#include "platform/core/text.h"

class TExtColumnGrid;
class TScrollBar;

inline constexpr int kDbaseSlots = 28;
inline constexpr int kDbaseSlotSize = 20;        // a text of at most 19 characters and its NUL
inline constexpr int kDbaseQueryFields = 11;     // 8 criteria, 2 sort fields and slot 27
inline constexpr int kDbaseDescriptionSize = 80;

// Slot k is the query control cbo<k>; criterion j (1-8) has its field name in slot 3j - 2,
// its operator in 3j - 1 and its value in 3j; slots 25 and 26 name the sort fields, slot 27
// a third field that is checked but not sorted by. Slot 0 is not used.
extern char dbase_abfragetext[kDbaseSlots][kDbaseSlotSize];
// The field numbers of the name slots after a check, -1 for unused: criteria 1-8, sort
// field 1, sort field 2, slot 27.
extern int dbase_abfragefeld[kDbaseQueryFields];
extern char dbase_beschreibung[2][kDbaseDescriptionSize];
extern int dbase_reiter;             // the list tab saved with a query (0: none)
extern uint8_t dbase_grossklein;     // 1: criteria compare texts case-sensitively
extern int dbase_prozent;            // progress of a running query
// The outcome of the query window's last showing: 0 cancelled, 1 hits, 255 no hit (the query
// window hands it on as a signed byte, -1).
extern uint8_t dbase_abfrageergebnis;
extern uint32_t dbase_anzahlindex;   // hits in the result index
extern uint32_t dbase_ersterindex;   // index position of the list page's first row
extern int dbase_indexfeld1;         // the field whose text is placed in the index's column 1

// Resolves the name slots and checks the eight values against their fields' types: 1, or -1
// after a message naming the criterion.
int dbase_kriterienpruefen();
// Compares field n of the current record with a criterion text: negative, 0 or positive.
int dbase_feldvergleich(int n, const AnsiString& text);
// What a run keeps of its hits besides their index entries: the sum, in record order, of the
// values of `field` as DbaseHitValue reads them (its shown text, dbase_tr, as a number,
// DbaseTextValue), and how many it summed. DbaseKeepHitValue adds one, DbaseSettleHitValues
// completes the sum.
struct DbaseHitValues {
  int field = -1;
  bool plainSeparators = false;  // as the run started: none is a plain number's character
  double sum = 0;
  uint32_t count = 0;
  // Plain stored numbers not summed yet, in record order. Their doubles are made and summed
  // many at a time: made one per hit, between the run's text copies (which the C library does
  // in wide vector registers), each paid the processor's switch of vector register state, and
  // the list's first run took nearly twice as long.
  struct Plain {
    uint64_t digits = 0;
    int decimals = 0;
    bool negative = false;
  };
  std::array<Plain, 1024> staged{};
  std::size_t stagedCount = 0;
};

// Runs the query over every record into the index and sorts it; sets dbase_anzahlindex.
void dbase_abfrage(ResultIndex& index);
// The same, keeping the hits' values in `keep` when it is given.
void DbaseRunQuery(ResultIndex& index, DbaseHitValues* keep);
// The same into an index grid, which takes the index's form first.
void dbase_abfrage(TExtColumnGrid* g);

// 0 when written, -1 when the file cannot be written (errno tells why); the old file stays.
int dbase_abfragespeichern(const AnsiString& name);
// -2 cannot be opened (nothing changed), -1 saved for another table (loaded all the same),
// 0 saved for the open table.
int dbase_abfrageladen(const AnsiString& name);

// The record number at an index position; 0 when there are no hits or no such position.
// dbase_indexdsnr asks it of the query window's index grid.
long DbaseIndexRecord(const ResultIndex& index, long position);
// The record numbers of every hit in record order, for a pass over the hits that needs no
// order: through the read window it reads each stretch of the file once.
std::vector<long> DbaseHitRecords(const ResultIndex& index);
// The texts of one list row for index position p, column c showing the column tag tags[c]
// (tags[0], the position's own column, is not used): the position and the record's values,
// or -1 and empty texts past the hits. dbase_ausgabe fills each data row of the list so.
std::vector<AnsiString> DbasePageRow(const ResultIndex& index, long position,
                                     const std::vector<int>& tags);

// The list's scroll bar for a list grid of `listRows` rows (the header included), as
// dbase_scrollbar sets it.
struct DbaseScrollRange {
  int Min = 0;
  int Max = 0;
  int LargeChange = 0;
  int Position = 0;
};
DbaseScrollRange DbaseScrollRangeFor(int listRows);

// The query window's hidden index grid; it stores the grid here when it activates.
extern TExtColumnGrid* dbase_indexgrid;
// The record number at an index position of dbase_indexgrid; 0 without hits or grid.
long dbase_indexdsnr(long p);
// DbaseHitRecords of dbase_indexgrid; record 0 for every hit without grid.
std::vector<long> DbaseIndexGridHitRecords();
// What column c of a list grid shows for the current record, by the column item's Tag.
AnsiString dbase_spaltenwert(int c, TExtColumnGrid* l);
// Fills every row below the list grid's header from dbase_indexgrid, from dbase_ersterindex on.
void dbase_ausgabe(TExtColumnGrid* l);
// Sets the list's scroll bar from the hits, the list grid's page and dbase_ersterindex.
void dbase_scrollbar(TScrollBar* s, TExtColumnGrid* l);
