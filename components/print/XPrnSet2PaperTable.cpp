// The paper table of the requested settings, by DMPAPER number.
#include "components/print/XPrnSet2.h"

namespace {

// Sizes in millimetres: first figure, "x", second figure, "mm²"; in inches each figure with
// the inch sign.
#define MM(a, b) a "x" b "mm\xB2"
#define IN(a, b) a "\"x" b "\""

const TPaperTableEntry kPapers[kPaperTableCount] = {
    {"Letter", IN("8\xBD", "11"), 2159, 2794},
    {"Letter Small", IN("8\xBD", "11"), 2159, 2794},
    {"Tabloid", IN("11", "17"), 2794, 4318},
    {"Ledger", IN("17", "11"), 4318, 2794},
    {"Legal", IN("8\xBD", "14"), 2159, 3556},
    {"Statement", IN("5\xBD", "8\xBD"), 1397, 2159},
    {"Executive", IN("7\xBC", "10\xBD"), 1842, 2667},
    {"A3", MM("297", "420"), 2970, 4200},
    {"A4", MM("210", "297"), 2100, 2970},
    {"A4 (small)", MM("210", "297"), 2100, 2970},
    {"A5", MM("148", "210"), 1480, 2100},
    {"B4", MM("250", "354"), 2500, 3540},
    {"B5", MM("182", "257"), 1820, 2570},
    {"Folie", IN("8\xBD", "13"), 2159, 3302},
    {"Quarto", MM("215", "275"), 2150, 2750},
    {IN("10", "14"), IN("10", "14"), 2540, 3556},
    {IN("11", "17"), IN("11", "17"), 2794, 4318},
    {"Note", IN("8\xBD", "11"), 2159, 2794},
    {"Umschlag #9", IN("3,875", "8,875"), 984, 2254},
    {"Umschlag #10", IN("4,125", "9,5"), 1048, 2413},
    {"Umschlag #11", IN("4,5", "10,375"), 1143, 2635},
    {"Umschlag #12", IN("4\xBE", "11"), 1207, 2794},
    {"Umschlag #14", IN("5", "11\xBD"), 1270, 2921},
    {"C Sheet", IN("17", "22"), 4318, 5588},
    {"D Sheet", IN("22", "34"), 5588, 8636},
    {"E Sheet", IN("34", "44"), 8636, 11176},
    {"Umschlag DL", MM("110", "220"), 1100, 2200},
    {"Umschlag C5", MM("162", "229"), 1620, 2290},
    {"Umschlag C3", MM("324", "458"), 3240, 4580},
    {"Umschlag C4", MM("229", "324"), 2290, 3240},
    {"Umschlag C6", MM("114", "162"), 1140, 1620},
    {"Umschlag C65", MM("114", "229"), 1140, 2290},
    {"Umschlag B4", MM("250", "353"), 2500, 3530},
    {"Umschlag B5", MM("176", "250"), 1760, 2500},
    {"Umschlag B6", MM("176", "125"), 1760, 1250},
    {"Italienischer Umschlag", MM("110", "230"), 1100, 2300},
    {"Umschlag Monarch", IN("3,875", "7,5"), 984, 1905},
    {"Umschlag 6\xBE", IN("3,625", "6,5"), 921, 1651},
    {"US Std. Fanfold", IN("14,875", "11"), 3778, 2794},
    {"German Std. Fanfold", IN("8\xBD", "12"), 2159, 3048},
    {"German Legal Fanfold", IN("8\xBD", "13"), 2159, 3302},
};

#undef MM
#undef IN

}  // namespace

const TPaperTableEntry* PaperTableEntry(int number) {
  return number >= 1 && number <= kPaperTableCount ? &kPapers[number - 1] : nullptr;
}
