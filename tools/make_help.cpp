// Writes the help document into the folder given (sample/ of the source tree):
//   make_help <folder>
// It draws with the window system's fonts; without a display it draws offscreen.
#include <cstdio>
#include <cstdlib>

#include "platform/controls/application.h"
#include "tools/sample/HelpDocument.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_help <folder>\n");
    return 2;
  }
  AnsiString fileName = AnsiString(argv[1]) + "/" + kHelpDocument;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  Application->Initialize(argc, argv);
  bool ok = WriteHelpDocument(fileName);
  Application->Shutdown();
  if (!ok) std::fprintf(stderr, "%s could not be written\n", fileName.c_str());
  return ok ? 0 : 1;
}
