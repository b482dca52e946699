// The parts table's layout: the 23 fields of the entry form in their order, with types and
// lengths that fit its controls. The sample generator creates the table with it; the
// benchmarks build tables of the same shape.
#pragma once

#include "app/PartsFields.h"
#include "tests/engine/DbfFile.h"

inline DbfFile PartsLayout() {
  return DbfFile({{"BEZEICHNUN", 'C', 40},  {"ANZAHLGESA", 'N', 6},  {"RELAISPLAT", 'N', 4},
                  {"ANODENSPAN", 'N', 4},   {"G2SPANNUNG", 'N', 4},  {"HEIZSPANNU", 'N', 4},
                  {"G1SPANNUNG", 'N', 4},   {"G3SPANNUNG", 'N', 4},  {"MIKROPROZE", 'N', 4},
                  {"SONSTIGES", 'N', 4},    {"REICHELTBE", 'C', 20}, {"EINZELPREI", 'N', 10, 3},
                  {"BEMERKUNGE", 'C', 100}, {"HAUPT1", 'N', 4},      {"GESAMTPREI", 'N', 10, 2},
                  {"ZUSAETZLIC", 'N', 4},   {"BESTELLEN", 'L', 1},   {"KARTE600V", 'N', 4},
                  {"ANSCHLUSSP", 'N', 4},   {"BEZUGSQUEL", 'C', 30}, {"TRAFOPLATI", 'N', 4},
                  {"HAUPT2", 'N', 4},       {"ENGLISH", 'C', 30}});
}
