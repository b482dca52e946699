// The bundled database as the generator writes it, opened and queried with the engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <set>

#include "app/DatabaseDefinition.h"
#include "engine/DbaseQuerySlots.h"
#include "engine/dbase.h"
#include "locale_scope.h"
#include "message_log.h"
#include "temp_folder.h"
#include "tools/sample/PartsLayout.h"
#include "tools/sample/PartsList.h"
#include "tools/sample/SampleDatabase.h"

namespace {

class Sample : public testing::Test {
 protected:
  // One database for all the tests, which only read it.
  static void SetUpTestSuite() {
    folder = std::make_unique<TempFolder>();
    dbase_initialisieren();
    ASSERT_TRUE(WriteSampleDatabase(folder->Path()));
  }
  static void TearDownTestSuite() {
    dbase_finalisieren();
    folder.reset();
  }
  void SetUp() override {
    dbase_initialisieren();
    ASSERT_EQ(dbase_open(*folder / kPartsTable), 1);
  }
  void TearDown() override { dbase_finalisieren(); }

  // Loads a saved query, checks it and runs it: the designations of the hits in index order.
  std::vector<AnsiString> Run(const char* query) {
    EXPECT_EQ(dbase_abfrageladen(*folder / query), 0) << query;
    EXPECT_EQ(dbase_kriterienpruefen(), 1) << query;
    dbase_abfrage(index);
    std::vector<AnsiString> hits;
    for (uint32_t h = 0; h < dbase_anzahlindex; ++h) {
      dbase_lesen(DbaseIndexRecord(index, h));
      hits.push_back(dbase_trAnsi(kDesignation));
    }
    return hits;
  }
  int Count(int field) { return atoi(dbase_trAnsi(field).c_str()); }

  inline static std::unique_ptr<TempFolder> folder;
  MessageLog log;
  LocaleScope german{kGerman};
  MemoryResultIndex index;
};

const int kCounts[] = {kRelayBoards,      kAnodeVoltage, kG2Voltage,      kHeaterVoltage,
                       kG1Voltage,        kG3Voltage,    kMicroprocessor, kOther,
                       kMainBoard1,       kExtra,        kCard600V,       kConnectionBoard,
                       kTransformerBoard, kMainBoard2};

TEST_F(Sample, TheTableHoldsTheFieldsOfTheEntryFormInOrder) {
  const char* names[] = {"BEZEICHNUN", "ANZAHLGESA", "RELAISPLAT", "ANODENSPAN", "G2SPANNUNG",
                         "HEIZSPANNU", "G1SPANNUNG", "G3SPANNUNG", "MIKROPROZE", "SONSTIGES",
                         "REICHELTBE", "EINZELPREI", "BEMERKUNGE", "HAUPT1",     "GESAMTPREI",
                         "ZUSAETZLIC", "BESTELLEN",  "KARTE600V",  "ANSCHLUSSP", "BEZUGSQUEL",
                         "TRAFOPLATI", "HAUPT2",     "ENGLISH"};
  ASSERT_EQ(dbase_anzahldatenfelder, 23);
  for (int n = 0; n < 23; ++n) EXPECT_EQ(dbase_feldnameholen(n), names[n]);
  for (int n : kCounts) EXPECT_EQ(dbase_feldtyp[n], 'N') << n;
  EXPECT_EQ(dbase_feldkommastellen[kUnitPrice], 3);
  EXPECT_EQ(dbase_feldkommastellen[kTotalPrice], 2);
  EXPECT_EQ(dbase_feldlength[kEnglishName], 30);  // the entry form's limit
  EXPECT_EQ(dbase_dateiname, "Kalvento.dbf");
}

// Every part reads back whole (no text cut by its field), its totals agree with its counts,
// designations are unique, and a part to order can be ordered.
TEST_F(Sample, PartsAreWholeAndTheirTotalsAgree) {
  const std::vector<Part>& parts = PartsList();
  ASSERT_GE(parts.size(), 150u);
  ASSERT_EQ(dbase_anzahldatensaetze, parts.size());
  std::set<AnsiString> designations;
  int reichelt = 0;
  for (uint32_t r = 0; r < dbase_anzahldatensaetze; ++r) {
    SCOPED_TRACE(parts[r].designation);
    ASSERT_EQ(dbase_lesen(r), 1);
    EXPECT_EQ(dbase_trAnsi(kDesignation), Utf8ToAnsi(parts[r].designation));
    EXPECT_EQ(dbase_trAnsi(kEnglishName), Utf8ToAnsi(parts[r].english));
    EXPECT_EQ(dbase_trAnsi(kOrderNumber), Utf8ToAnsi(parts[r].orderNumber));
    EXPECT_EQ(dbase_trAnsi(kRemarks), Utf8ToAnsi(parts[r].remarks));
    EXPECT_TRUE(designations.insert(AnsiUpperCase(dbase_trAnsi(kDesignation))).second);
    int total = 0;
    for (int n : kCounts) total += Count(n);
    EXPECT_EQ(Count(kTotalCount), total);
    double unit = dbase_ansinachzahl(dbase_trAnsi(kUnitPrice));
    EXPECT_NEAR(dbase_ansinachzahl(dbase_trAnsi(kTotalPrice)), unit * total, 0.005);
    EXPECT_GT(unit, 0);
    if (dbase_trAnsi(kOrder) == "ja") {
      EXPECT_GE(dbase_trAnsi(kOrderNumber).size(), 2u);
      EXPECT_EQ(dbase_trAnsi(kOrderNumber).find(';'), AnsiString::npos);
      EXPECT_GT(total, 0);
    }
    reichelt += dbase_trAnsi(kSupplier) == "Reichelt";
  }
  EXPECT_GT(reichelt, static_cast<int>(parts.size()) / 2);  // mostly from Reichelt
}

TEST_F(Sample, SavedQueriesFindWhatTheyPromise) {
  std::vector<AnsiString> all = Run(kQueryAll);
  ASSERT_EQ(all.size(), PartsList().size());
  // The index sorts by the first 19 characters, byte by byte.
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const AnsiString& a, const AnsiString& b) {
    return a.substr(0, 19) < b.substr(0, 19);
  }));

  auto toOrder = [](bool reicheltOnly) {
    return std::count_if(PartsList().begin(), PartsList().end(), [&](const Part& t) {
      return t.order && (!reicheltOnly || AnsiString(t.supplier) == "Reichelt");
    });
  };
  std::vector<AnsiString> cart = Run(kQueryReichelt);
  EXPECT_EQ(cart.size(), 117u);
  EXPECT_EQ(toOrder(true), 117);
  for (uint32_t h = 0; h < dbase_anzahlindex; ++h) {
    dbase_lesen(DbaseIndexRecord(index, h));
    EXPECT_EQ(dbase_trAnsi(kSupplier), "Reichelt");
    EXPECT_EQ(dbase_trAnsi(kOrder), "ja");
  }
  EXPECT_EQ(Run(kQueryOrderList).size(), 149u);
  EXPECT_EQ(toOrder(false), 149);
  EXPECT_EQ(index.Cell(1, 0), "Elektronik-Lager We");  // by supplier first
  EXPECT_EQ(Run(kQueryMicroprocessor).size(), 37u);
}

TEST_F(Sample, TheDefinitionNamesTheTableItsQueryAndItsLayouts) {
  InFolder in(folder->Path());
  DatenbankDbmLaden("Kalvento.dbm");
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(dbm_name, "Kalvento.dbm");
  EXPECT_EQ(dbm_tabelle, "Kalvento.dbf");
  EXPECT_EQ(dbm_abfrage, kQueryAll);
  EXPECT_EQ(dbm_sperrordner, "Sperren/");
  EXPECT_TRUE(std::filesystem::is_directory(*folder / "Sperren"));
  EXPECT_EQ(dbm_druckknopf, 1);
  EXPECT_EQ(dbm_dublettenpruefung, 1);
  EXPECT_EQ(dbm_sperren, 1);
  EXPECT_EQ(dbm_zeichensatz, 0);
  EXPECT_EQ(dbm_spezialknopf, 1);
  EXPECT_FALSE(dbm_spezialtext.empty());
  int layouts = 0;
  for (int l = 1; l <= kDbmLayouts; ++l) {
    if (dbm_listenname[l].empty()) continue;
    ++layouts;
    // Every column of a shown layout names a field of the table or the link file; the layout
    // prints at the list print's own scale on A4 (928 pixels to 185 mm).
    int width = 0;
    for (int c = 1; c < dbm_spaltenanzahl[l]; ++c) {
      int feld = dbm_spaltenfeld[c][l];
      EXPECT_TRUE(feld < 23 || feld == kDeliveryTimeColumn) << l << "/" << c;
      EXPECT_GT(dbm_spaltenbreite[c][l], 0);
      EXPECT_FALSE(dbm_spaltentitel[c][l].empty());
      width += dbm_spaltenbreite[c][l];
    }
    EXPECT_LE(width, 928) << dbm_listenname[l];
  }
  EXPECT_GE(layouts, 3);
  EXPECT_EQ(dbm_spaltenanzahl[2], 17);  // every count of the boards and the total
}

// Both tables name their code page for other dBase readers; the engine's appends keep it.
TEST_F(Sample, TheTablesNameWindowsAnsiAsTheirCodePage) {
  for (const char* table : {kPartsTable, kSuppliersTable}) {
    std::ifstream file(*folder / table, std::ios::binary);
    char header[32] = {};
    file.read(header, sizeof header);
    EXPECT_EQ(static_cast<uint8_t>(header[29]), kWindowsAnsiDriver) << table;
  }
}

// The linked column shows the supplier's delivery time from the suppliers table.
TEST_F(Sample, TheLinkedColumnLooksUpTheSupplier) {
  InFolder in(folder->Path());
  ASSERT_EQ(dbase_lesen(0), 1);
  EXPECT_EQ(dbase_trAnsi(kSupplier), "R\xF6hren-Brandt");
  EXPECT_EQ(DbaseColumnValue(kDeliveryTimeColumn), "3-5 Tage");
  for (uint32_t r = 0; r < dbase_anzahldatensaetze; ++r) {
    dbase_lesen(r);
    EXPECT_FALSE(DbaseColumnValue(kDeliveryTimeColumn).empty()) << r;
  }
  EXPECT_TRUE(log.texts.empty());
}

}  // namespace
