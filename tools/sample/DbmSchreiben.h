// The database definition's writer. The program only reads definitions; the sample generator
// and the tests write them here, value by value in exactly the order DatenbankDbmLaden reads.
#pragma once

#include <array>

#include "app/DatenbankDbm.h"
#include "platform/core/text.h"

struct DbmSpalte {
  int feld = 0;  // field number; 1000 and more name a link file
  AnsiString titel;
  AnsiString reserve;
  int breite = 0;
  int farbe = 0;
};

struct DbmListe {
  AnsiString name;        // the tab's caption; empty hides the tab
  int spaltenanzahl = 0;  // including the list's index column
  std::array<DbmSpalte, kDbmSpalten> spalten{};  // entries 1 .. 20, all written
};

struct DbmDefinition {
  AnsiString name;
  AnsiString sperrordner;
  AnsiString tabelle;
  AnsiString abfrage;
  AnsiString titel;
  int druckknopf = 0;
  int dublettenpruefung = 0;
  int grossklein = 1;
  std::array<DbmListe, kDbmListen> listen{};  // layouts 1 .. 10
  int sperren = 0;
  int zeichensatz = 0;
  AnsiString spezialtext;
  int spezialknopf = 0;
};

// False when the file cannot be created or a value could not be written.
bool DbmSchreiben(const DbmDefinition& d, const AnsiString& datei);
