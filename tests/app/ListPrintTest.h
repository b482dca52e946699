// Fixture of the list print's tests: a parts table of a chosen number of records, all of
// them hits of the result index, a list grid laid out as the list window lays out a layout,
// the print form made, and an A4 printer at 300 dpi writing a PDF file into the temporary
// folder. A print can also be drawn on a recording canvas in place of the printer's pages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/Dbaseindexprint.h"
#include "engine/dbase.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"
#include "tests/engine/EngineTest.h"

// A column of a layout: the field it shows, its header and its width in pixels.
struct LayoutColumn {
  int field;
  AnsiString header;
  int width;
};

class ListPrint : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    printer = std::make_shared<TVirtualPrinter>("A4", 300, TSize{2100, 2970});
    printer->FileName = Pdf();
    SetInstalledPrinters({printer}, 0);
    form = std::make_unique<TfrmDbaseIndexPrint>(nullptr);
    frmDbaseIndexPrint = form.get();
    dbase_indexgrid = &index;
  }
  void TearDown() override {
    frmDbaseIndexPrint = nullptr;
    dbase_indexgrid = nullptr;
    druck_xprint = nullptr;
    druck_zeile.clear();
    form.reset();
    SetInstalledPrinters({});
    EngineTest::TearDown();
  }

  std::string Pdf() const { return dir / "liste.pdf"; }

  // Parts "Teil 1" to "Teil n" at prices 1.50 to n.50 and a field left blank, every one a
  // hit in record order.
  void Parts(int n) {
    DbfFile file{{{"BEZEICHNUN", 'C', 30}, {"PREIS", 'N', 8, 2}, {"LEER", 'C', 1}}};
    for (int i = 1; i <= n; ++i) {
      const std::string price = std::to_string(i) + ".50";
      file.Add({"Teil " + std::to_string(i), std::string(8 - price.size(), ' ') + price});
    }
    Open(file);
    ASSERT_EQ(dbase_kriterienpruefen(), 1);
    dbase_abfrage(&index);
    ASSERT_EQ(dbase_anzahlindex, static_cast<uint32_t>(n));
  }

  // The index column, then the layout's columns.
  void Layout(const std::vector<LayoutColumn>& columns) {
    list.SetFixedCols(0);
    list.SetColCount(static_cast<int>(columns.size()) + 1);
    list.SetFixedCols(columns.empty() ? 0 : 1);
    list.SetCellEx(0, 0, "Index");
    list.GetColumns()->GetItem(0)->SetWidth(42);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      TGridColumnItem* item = list.GetColumns()->GetItem(static_cast<int>(i) + 1);
      item->Tag = columns[i].field;
      item->SetWidth(columns[i].width);
      list.SetCellEx(static_cast<int>(i) + 1, 0, columns[i].header);
    }
  }

  // Prints with OK in the printer setup dialog.
  int Print(const AnsiString& title = "Liste1") {
    log.Answer(mrOk);
    return druck_liste(&list, title);
  }
  // Prints onto a recording canvas; the printer's job still runs, on empty pages.
  int PrintRecorded(TRecordingCanvas& canvas, const AnsiString& title = "Liste1") {
    TCanvas* own = form->XPrint1->Canvas;
    form->XPrint1->Canvas = &canvas;
    int result = Print(title);
    form->XPrint1->Canvas = own;
    return result;
  }

  std::shared_ptr<TVirtualPrinter> printer;
  std::unique_ptr<TfrmDbaseIndexPrint> form;
  TExtColumnGrid index{nullptr};
  TExtColumnGrid list{nullptr};
};

// The recorded texts, in order.
inline std::vector<AnsiString> TextsOf(const TRecordingCanvas& canvas) {
  std::vector<AnsiString> texts;
  for (const TRecordedCall& call : canvas.CallsOf(coTextOut)) texts.push_back(call.Text);
  return texts;
}
