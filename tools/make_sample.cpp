// Writes the bundled parts database into the folder given (sample/ of the source tree):
//   make_sample <folder>
#include <cstdio>

#include "engine/dbase.h"
#include "tools/sample/Konsolenmeldungen.h"
#include "tools/sample/Teiledatenbank.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample <folder>\n");
    return 2;
  }
  Konsolenmeldungen meldungen;
  dbase_initialisieren();
  bool gut = TeiledatenbankErzeugen(argv[1]);
  dbase_finalisieren();
  return gut && meldungen.anzahl == 0 ? 0 : 1;
}
