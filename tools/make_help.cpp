// Writes the help document into the folder given (sample/ of the source tree):
//   make_help <folder>
// It draws with the window system's fonts; without a display it draws offscreen.
#include <cstdio>
#include <cstdlib>

#include "platform/controls/application.h"
#include "tools/sample/Hilfedokument.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_help <folder>\n");
    return 2;
  }
  AnsiString datei = AnsiString(argv[1]) + "/" + kHilfedokument;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  Application->Initialize(argc, argv);
  bool gut = HilfedokumentErzeugen(datei);
  Application->Shutdown();
  if (!gut) std::fprintf(stderr, "%s could not be written\n", datei.c_str());
  return gut ? 0 : 1;
}
