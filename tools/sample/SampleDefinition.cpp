// The definition of the bundled database: its table, lock folder and first query, and four
// column layouts over the parts table (overview, counts per board, ordering, suppliers with
// the linked delivery time). No layout is wider than 928 pixels, which the list print puts on
// the 185 mm between the margins of A4.
#include <initializer_list>

#include "tools/sample/PartsLayout.h"
#include "tools/sample/SampleDatabase.h"

namespace {

// Background colours of the columns (0x00BBGGRR).
constexpr int kWhite = 0xFFFFFF;
constexpr int kPrice = 0xCCFFFF;     // light yellow
constexpr int kOrdering = 0xCCFFCC;  // light green
constexpr int kLinked = 0xFFEECC;    // light blue

struct Column {
  int field;
  const char* title;  // UTF-8
  int width;
  int color = kWhite;
};

// A layout of the given columns after the index column, which the count includes.
DbmLayout Layout(const char* name, std::initializer_list<Column> columns) {
  DbmLayout layout;
  layout.name = Utf8ToAnsi(name);
  layout.columnCount = static_cast<int>(columns.size()) + 1;
  int c = 0;
  for (const Column& column : columns)
    layout.columns[c++] = {column.field, Utf8ToAnsi(column.title), "", column.width, column.color};
  return layout;
}

}  // namespace

DbmDefinition SampleDefinition() {
  DbmDefinition d;
  d.name = "Kalvento.dbm";
  d.lockFolder = kLockFolder;
  d.table = kPartsTable;
  d.query = kQueryAll;
  d.title = Utf8ToAnsi("Kalvento für Vandrix V7 - Bauteile (components)");
  d.printButton = 1;
  d.duplicateCheck = 1;
  d.caseSensitive = 0;
  d.layouts[0] = Layout("Übersicht / overview", {{kDesignation, "Bezeichnung", 205},
                                                 {kEnglishName, "english", 150},
                                                 {kSupplier, "Bezugsquelle", 95},
                                                 {kOrderNumber, "Bestellnummer", 110},
                                                 {kUnitPrice, "Einzelpreis €", 80, kPrice},
                                                 {kTotalCount, "Anzahl", 50},
                                                 {kTotalPrice, "Gesamtpreis €", 85, kPrice},
                                                 {kOrder, "bestellen", 60, kOrdering},
                                                 {kRemarks, "Bemerkungen", 93}});
  d.layouts[1] = Layout("Platinen / boards", {{kDesignation, "Bezeichnung", 180},
                                              {kMainBoard1, "Haupt 1", 50},
                                              {kMainBoard2, "Haupt 2", 50},
                                              {kG1Voltage, "G1", 40},
                                              {kG3Voltage, "G3", 40},
                                              {kG2Voltage, "G2", 40},
                                              {kAnodeVoltage, "Anode", 50},
                                              {kHeaterVoltage, "Heizung", 55},
                                              {kCard600V, "600 V", 45},
                                              {kRelayBoards, "Relais", 50},
                                              {kMicroprocessor, "Mikro", 45},
                                              {kConnectionBoard, "Anschluss", 60},
                                              {kTransformerBoard, "Trafo", 45},
                                              {kOther, "Sonstiges", 60},
                                              {kExtra, "zusätzlich", 60},
                                              {kTotalCount, "gesamt", 55, kOrdering}});
  d.layouts[2] = Layout("Bestellung / order", {{kDesignation, "Bezeichnung", 220},
                                               {kSupplier, "Bezugsquelle", 130},
                                               {kOrderNumber, "Bestellnummer", 140},
                                               {kTotalCount, "Anzahl", 55},
                                               {kUnitPrice, "Einzelpreis €", 80, kPrice},
                                               {kTotalPrice, "Gesamtpreis €", 85, kPrice},
                                               {kOrder, "bestellen", 65, kOrdering}});
  d.layouts[3] = Layout("Lieferanten / suppliers",
                        {{kDesignation, "Bezeichnung", 220},
                         {kSupplier, "Bezugsquelle", 150},
                         {kDeliveryTimeColumn, "Lieferzeit (delivery)", 130, kLinked},
                         {kOrderNumber, "Bestellnummer", 140},
                         {kOrder, "bestellen", 65, kOrdering}});
  d.locks = 1;
  d.codePage = 0;
  d.specialText = "Warenkorb exportieren (cart)";
  d.specialButton = 1;
  return d;
}
