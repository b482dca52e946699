// Writes the bundled parts database into the folder given (sample/ of the source tree):
//   make_sample <folder>
#include <cstdio>

#include "engine/dbase.h"
#include "tools/sample/ConsoleMessages.h"
#include "tools/sample/SampleDatabase.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample <folder>\n");
    return 2;
  }
  ConsoleMessages messages;
  dbase_initialisieren();
  bool ok = WriteSampleDatabase(argv[1]);
  dbase_finalisieren();
  return ok && messages.count == 0 ? 0 : 1;
}
