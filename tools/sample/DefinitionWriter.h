// The database definition's writer. The program only reads definitions; the sample generator
// and the tests write them here, value by value in exactly the order DatenbankDbmLaden reads.
#pragma once

#include <array>

#include "app/DatabaseDefinition.h"
#include "platform/core/text.h"

struct DbmColumn {
  int field = 0;  // field number; 1000 and more name a link file
  AnsiString title;
  AnsiString reserve;
  int width = 0;
  int color = 0;
};

struct DbmLayout {
  AnsiString name;                               // the tab's caption; empty hides the tab
  int columnCount = 0;                           // including the list's index column
  std::array<DbmColumn, kDbmColumns> columns{};  // entries 1 .. 20, all written
};

// The values in the globals' terms: dbm_name, dbm_sperrordner, dbm_tabelle, ...
struct DbmDefinition {
  AnsiString name;
  AnsiString lockFolder;
  AnsiString table;
  AnsiString query;
  AnsiString title;
  int printButton = 0;
  int duplicateCheck = 0;
  int caseSensitive = 1;
  std::array<DbmLayout, kDbmLayouts> layouts{};  // layouts 1 .. 10
  int locks = 0;
  int codePage = 0;
  AnsiString specialText;
  int specialButton = 0;
};

// False when the file cannot be created or a value could not be written.
bool WriteDefinition(const DbmDefinition& d, const AnsiString& fileName);
