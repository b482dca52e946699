// Base of the fixtures that drive the list window: a temporary working folder with the lock
// folder "Sperren", the engine started with German separators, and the query and list windows
// made and registered as the program's. Tear-down closes the list and puts the engine's and
// the windows' globals and the separators back.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "app/DatabaseDefinition.h"
#include "app/Datenbank_liste.h"
#include "app/Dbaseabfrage.h"
#include "engine/dbase.h"
#include "locale_scope.h"
#include "message_log.h"
#include "temp_folder.h"
#include "tools/sample/DefinitionWriter.h"

class ListAndQuery : public testing::Test {
 protected:
  void SetUp() override {
    dbase_initialisieren();
    frmDbaseAbfrage = &query;
    frmDatenbank_Liste = &list;
    std::filesystem::create_directory(dir / "Sperren");
  }
  void TearDown() override {
    if (list.GetVisible()) list.Close();
    frmDbaseAbfrage = nullptr;
    frmDatenbank_Liste = nullptr;
    dbase_indexgrid = nullptr;
    abfrage_dateiauftrag = schnellsuche_feld = schnellsuche_wert = schnellsuche_sortierfeld = "";
    dbase_bediener = "";
    dbase_finalisieren();
  }

  // The definition "Kalvento.dbm" of the parts table teile.dbf, titled "Teileliste", with its
  // locks in "Sperren/" and `firstQuery` run when the list activates.
  static DbmDefinition PartsDefinition(const AnsiString& firstQuery) {
    DbmDefinition d;
    d.name = "Kalvento.dbm";
    d.lockFolder = "Sperren/";
    d.table = "teile.dbf";
    d.query = firstQuery;
    d.title = "Teileliste";
    return d;
  }
  // Writes the definition and loads it as the main window's button does.
  static void LoadDefinition(const DbmDefinition& d) {
    ASSERT_TRUE(WriteDefinition(d, "Kalvento.dbm"));
    DatenbankDbmLaden("Kalvento.dbm");
  }

  // Restored when the test ends: later tests in the process read numbers with the separators
  // they found.
  LocaleScope german{kGerman};
  TempFolder dir;
  InFolder in{dir.Path()};
  MessageLog log;
  TfrmDbaseAbfrage query{nullptr};
  TfrmDatenbank_Liste list{nullptr};
};
