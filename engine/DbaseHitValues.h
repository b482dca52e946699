// The sum of a field's values over the hits, kept by the query run into the index grid, so
// that the list's total price needs no second pass over the table. It holds only while the
// table, the grid's hits and the number format are as the run had them.
#pragma once

#include "engine/DbaseQuery.h"

class TExtColumnGrid;

// The field whose values runs into an index grid keep; -1 keeps none.
void DbaseKeepHitValues(int field);

// What a run keeps of a hit: field's shown text of the current record read as a number, as
// dbase_tr and DbaseTextValue give it, without the text where the stored bytes give the same.
double DbaseHitValue(int field);
// Adds the current record's value to the run's, under the separators it started with (a
// change while it runs drops its values anyway). The sum is complete once settled.
void DbaseKeepHitValue(DbaseHitValues& keep);
void DbaseSettleHitValues(DbaseHitValues& keep);

// Where the next run into an index grid keeps them: null when no field is to be kept or the
// table lacks it. The values kept before are gone either way.
DbaseHitValues* DbaseStartKeepingHitValues();
// The run into grid g has ended: its values hold from here on, unless the table or the number
// format changed while it ran.
void DbaseHitValuesKept(const TExtColumnGrid& g);
void DbaseForgetHitValues();

// The sum of field's values over the hits of dbase_indexgrid, in record order, as a pass
// reading each hit gives it; false when no run kept them or something changed since.
bool DbaseKeptHitSum(int field, double& sum);
