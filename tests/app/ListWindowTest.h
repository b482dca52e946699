// Fixture of the list window's tests: a generated parts table of 30 records with its
// definition and saved queries in a temporary working folder, the list and query windows
// made, and the list shown as the main window shows it (its activation runs the first query
// through the query window), then driven by real clicks and keys.
#pragma once

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTabBar>
#include <QTest>

#include <cstring>

#include "ListAndQueryTest.h"
#include "engine/DbaseQuerySlots.h"
#include "tools/sample/PartsLayout.h"

class ListWindow : public ListAndQuery {
 protected:
  static constexpr int kParts = 30;
  static constexpr int kLinkedColumn = 4;  // the layout's column of tag 1000

  void SetUp() override {
    ListAndQuery::SetUp();
    WriteParts();
    ASSERT_EQ(dbase_open("teile.dbf"), 1);
    SaveQuery("alle.dba", "teile.dbf");
    SaveQuery("fremd.dba", "andere.dbf");
    dbase_close();
    LoadDefinition(Definition());
  }

  // Designations "Teil 00" to "Teil 29"; parts 0 and 1 cost 1,50 and 2,25 in all, the others
  // nothing.
  void WriteParts() {
    DbfFile file = PartsLayout();
    for (int n = 0; n < kParts; ++n) {
      std::vector<std::string> values(kPartsFields);
      values[kDesignation] = "Teil " + std::string(n < 10 ? "0" : "") + std::to_string(n);
      values[kTotalCount] = "     " + std::to_string(n % 10);
      values[kTotalPrice] = n == 0 ? "      1.50" : n == 1 ? "      2.25" : "      0.00";
      values[kSupplier] = n % 2 ? "Conrad" : "Reichelt";
      file.Add(values);
    }
    file.Write(dir / "teile.dbf");
  }

  // A query without criteria, saved for the table named.
  void SaveQuery(const char* name, const AnsiString& table) {
    std::memset(dbase_abfragetext, 0, sizeof dbase_abfragetext);
    AnsiString open = dbase_dateiname;
    dbase_dateiname = table;
    EXPECT_EQ(dbase_abfragespeichern(name), 0);
    dbase_dateiname = open;
  }

  // Layout 1: designation, total price, count and a linked column; layout 2 only the index
  // column; layout 3 without a name.
  static DbmDefinition Definition() {
    DbmDefinition d = PartsDefinition("alle.dba");
    d.printButton = 1;
    d.specialText = "Warenkorb";
    d.specialButton = 2;
    d.locks = 1;
    d.layouts[0].name = "Alles";
    d.layouts[0].columnCount = 5;
    d.layouts[0].columns[0] = {kDesignation, "Bezeichnung", "", 150, 0xCCFFFF};
    d.layouts[0].columns[1] = {kTotalPrice, "Gesamtpreis", "", 80, 0xFFFFFF};
    d.layouts[0].columns[2] = {kTotalCount, "Anzahl", "", 50, 0xFFFFFF};
    d.layouts[0].columns[3] = {1000, "Lieferzeit", "", 70, 0xFFEECC};
    d.layouts[1].name = "Nur Index";
    d.layouts[1].columnCount = 1;
    d.layouts[3].name = "Vierte";
    d.layouts[3].columnCount = 2;
    d.layouts[3].columns[0] = {kSupplier, "Bezugsquelle", "", 100, 0xFFFFFF};
    return d;
  }

  // Shows the list as the main window's button does, without the modal loop of its own, so
  // that the test drives it from here.
  void Show() {
    list.Show();
    // The query window the activation showed and closed had the focus last.
    list.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list.Widget()));
    list.grdAusgabe->SetFocus();
  }

  QWidget* Cells() const {
    return static_cast<QAbstractScrollArea*>(list.grdAusgabe->Widget())->viewport();
  }
  QPoint At(int col, int row) const {
    TRect r = list.grdAusgabe->CellRect(col, row);
    return {r.Left + 5, r.Top + 5};
  }
  void ClickCell(int col, int row) { QTest::mouseClick(Cells(), Qt::LeftButton, {}, At(col, row)); }
  void DoubleClickCell(int col, int row) {
    QTest::mouseDClick(Cells(), Qt::LeftButton, {}, At(col, row));
  }
  static void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
  static void Click(TControl* control) { QTest::mouseClick(control->Widget(), Qt::LeftButton); }
  void ClickTab(int index) {
    auto* bar = list.PageControl1->Widget()->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }

  AnsiString Cell(int col, int row) { return list.grdAusgabe->GetCellEx(col, row); }
  AnsiString Hits() const { return list.labnumberofindex->GetCaption(); }
};
