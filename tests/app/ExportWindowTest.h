// Fixture of the export window's tests: a generated parts table with the bundled database's
// saved queries in a temporary working folder, the list and query windows made and the list
// shown as the main window shows it, and the export window driven from here. Record n is a
// part of the cart when the cart's hits spread evenly over the table say so; the others are
// either from another supplier or not to be ordered.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "ListAndQueryTest.h"
#include "app/Kalvento_warenkorbexportieren.h"
#include "tools/sample/PartsLayout.h"
#include "tools/sample/SampleDatabase.h"
#include "tools/sample/SampleQueries.h"

class ExportWindow : public ListAndQuery {
 protected:
  using Change = std::function<void(int n, std::vector<std::string>& values)>;

  void SetUp() override {
    ListAndQuery::SetUp();
    frmWarenkorbExportieren = &form;
  }
  void TearDown() override {
    ListAndQuery::TearDown();
    frmWarenkorbExportieren = nullptr;
  }

  static bool IsHit(int n, int records, int hits) {
    return (static_cast<long>(n + 1) * hits) / records != (static_cast<long>(n) * hits) / records;
  }
  static std::string Number(int n) {
    std::string digits = std::to_string(n);
    return std::string(4 - std::min<std::size_t>(4, digits.size()), '0') + digits;
  }
  static std::string OrderNumber(int n) { return "B-" + Number(n); }
  static int Count(int n) { return n % 9 + 1; }

  // The table, its saved queries and definition; `change` alters a record's values last.
  void WriteDatabase(int records, int hits, const Change& change = {}, int remarksLength = 100) {
    DbfFile file = PartsLayout();
    file.fields[kRemarks].length = static_cast<uint8_t>(remarksLength);
    for (int n = 0; n < records; ++n) {
      std::vector<std::string> values(kPartsFields);
      values[kDesignation] = "Teil " + Number(n);
      values[kTotalCount] = std::string(5, ' ') + std::to_string(Count(n));
      values[kOrderNumber] = OrderNumber(n);
      values[kUnitPrice] = "     1.500";
      values[kRemarks] = "Bem " + std::to_string(n);
      const bool hit = IsHit(n, records, hits);
      values[kSupplier] = hit || n % 2 ? "Reichelt" : "Conrad";
      values[kOrder] = hit || n % 2 == 0 ? "T" : "F";
      if (hit) hitRecords.push_back(n);
      if (change) change(n, values);
      file.Add(values);
    }
    file.Write(dir / "teile.dbf");
    ASSERT_TRUE(WriteSampleQueries("teile.dbf", dir.Path()));
    DbmDefinition d = PartsDefinition(kQueryAll);
    d.specialText = "Warenkorb exportieren";
    d.specialButton = 1;
    d.layouts[0].name = "Alles";
    d.layouts[0].columnCount = 2;
    d.layouts[0].columns[0] = {kDesignation, "Bezeichnung", "", 150, 0xFFFFFF};
    LoadDefinition(d);
  }

  // The list as the main window's button shows it, without a modal loop of its own; its
  // activation runs the definition's query over every record.
  void ShowList() {
    list.Show();
    ASSERT_EQ(dbase_anzahlindex, dbase_anzahldatensaetze);
  }

  // The cart export into the file name given to the save dialog.
  void ExportCart(const std::string& name) {
    log.Answer(AnsiString(name));
    form.Button1Click(nullptr);
  }

  // The cart lines of records [first, last) of hitRecords.
  std::string CartLines(std::size_t first, std::size_t last) const {
    std::string lines;
    for (std::size_t i = first; i < last; ++i)
      lines += OrderNumber(hitRecords[i]) + ";" + std::to_string(Count(hitRecords[i])) + "\n";
    return lines;
  }

  // The messages shown, the file dialogs' empty titles left out.
  std::vector<AnsiString> Messages() const {
    std::vector<AnsiString> shown;
    for (const AnsiString& text : log.texts)
      if (!text.empty()) shown.push_back(text);
    return shown;
  }

  std::string Path(const std::string& name) const { return dir / name; }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
  AnsiString Status() const { return form.StatusBar1->GetSimpleText(); }

  TfrmWarenkorbExportieren form{nullptr};
  std::vector<int> hitRecords;
};
