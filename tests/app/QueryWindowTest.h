// Fixture of the query window's tests: a small parts table open in a temporary working
// folder, the window made, shown as the list window shows it, and driven by real clicks and
// keys.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <functional>

#include "app/Dbaseabfrage.h"
#include "engine/DbaseQuerySlots.h"
#include "platform/controls/application.h"
#include "temp_folder.h"
#include "tests/engine/EngineTest.h"

class QueryWindow : public EngineTest {
 protected:
  // The engine tests' parts: the live records are 0, 1, 2, 3 and 5.
  void SetUp() override {
    EngineTest::SetUp();
    Open(QueryPartsFile());
    frmDbaseAbfrage = &form;
  }
  void TearDown() override {
    watchdog.stop();
    frmDbaseAbfrage = nullptr;
    dbase_indexgrid = nullptr;
    abfrage_dateiauftrag = schnellsuche_feld = schnellsuche_wert = schnellsuche_sortierfeld = "";
    EngineTest::TearDown();
  }

  // Shows the window as the list window does; `action` runs in it once its activation is
  // over and must close it. A window still open after a minute fails the test.
  int8_t Call(std::function<void()> action = {}) {
    form.OnActivate = [this, action](TObject* Sender) {
      form.FormActivate(Sender);
      if (action) QTimer::singleShot(0, action);
    };
    watchdog.setSingleShot(true);
    watchdog.callOnTimeout([this] {
      ADD_FAILURE() << "the query window did not close";
      form.ModalResult = mrCancel;
    });
    watchdog.start(60000);
    int8_t outcome = dbase_abfrageaufrufen();
    watchdog.stop();
    return outcome;
  }

  static void Click(TControl* control) { QTest::mouseClick(control->Widget(), Qt::LeftButton); }
  // Clicks into the control and types after what it holds.
  static void Type(TControl* control, const char* text) {
    QWidget* target = control->Widget();
    if (auto* edit = target->findChild<QLineEdit*>()) target = edit;
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), text);
  }

  // Criterion j (1-8) of the window.
  void Criterion(int j, const AnsiString& field, const AnsiString& op, const AnsiString& value) {
    form.SlotControl(3 * j - 2)->SetText(field);
    form.SlotControl(3 * j - 1)->SetText(op);
    form.SlotControl(3 * j)->SetText(value);
  }

  // A saved query of `tableName` with criterion 1 and the tab number, written by the engine;
  // the engine's slots are empty again afterwards.
  void WriteQuery(const std::string& path, const AnsiString& tableName, const AnsiString& field,
                  const AnsiString& value, int tab) {
    AnsiString open = dbase_dateiname;
    dbase_dateiname = tableName;
    DbaseSetFixedText(dbase_abfragetext[1], kDbaseSlotSize, field);
    DbaseSetFixedText(dbase_abfragetext[2], kDbaseSlotSize, "=");
    DbaseSetFixedText(dbase_abfragetext[3], kDbaseSlotSize, value);
    DbaseSetFixedText(dbase_beschreibung[0], kDbaseDescriptionSize, "gespeichert");
    dbase_reiter = tab;
    EXPECT_EQ(dbase_abfragespeichern(path), 0);
    dbase_dateiname = open;
    std::memset(dbase_abfragetext, 0, sizeof dbase_abfragetext);
    std::memset(dbase_beschreibung, 0, sizeof dbase_beschreibung);
    dbase_reiter = 0;
  }

  // The record numbers of the hits in index order.
  std::vector<std::string> IndexHits() const {
    std::vector<std::string> hits;
    for (uint32_t h = 0; h < dbase_anzahlindex; ++h)
      hits.push_back(form.grdIndex->Cells(0, static_cast<int>(h)));
    return hits;
  }

  bool Saved(const std::string& name) const { return std::filesystem::exists(dir / name); }

  InFolder in{dir.Path()};
  TfrmDbaseAbfrage form{nullptr};
  QTimer watchdog;
};
